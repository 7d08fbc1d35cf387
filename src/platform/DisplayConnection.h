#pragma once

#include <QApplication>

#include <functional>
#include <memory>

// Makes the application object of a program with windows. Where no display
// can be reached (neither DISPLAY nor WAYLAND_DISPLAY set, a display that does
// not answer), the toolkit would abort with a page of diagnostics; instead one
// line saying so goes to standard error, "<program>: ...", and the process
// ends with exit status 1. The toolkit's own messages during the attempt are
// kept back unless it fails for another reason. `ending` runs before the
// process ends that way (to give back what the program holds already); it
// may wait for other threads.
//
// Other threads may run meanwhile: their messages are kept back as well and
// shown, with the toolkit's, in the order they came, before any later
// message; a failure on another thread ends the program as the toolkit ends
// it, not as a display that cannot be reached. Call it on the program's main
// thread.
std::unique_ptr<QApplication> OpenDisplay(int &argc, char **argv, const QString &program,
                                          std::function<void()> ending = {});
