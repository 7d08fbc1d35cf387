#pragma once

#include <thread>

// Loads the system's font configuration on a second thread while the display
// connection opens. Reading fontconfig's configuration files and font caches
// takes some 10 ms, which the first window would otherwise spend when it
// measures its first text; opening the display mostly waits for the display
// server, so the two overlap. finish() waits until the configuration is
// loaded (the toolkit then finds it ready); so does the destructor, should the
// program end before.
class FontConfigAhead
{
public:
    FontConfigAhead();
    ~FontConfigAhead();
    FontConfigAhead(const FontConfigAhead &) = delete;
    FontConfigAhead &operator=(const FontConfigAhead &) = delete;

    void finish();

private:
    std::thread loading;
};
