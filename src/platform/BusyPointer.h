#pragma once

#include <QPointer>
#include <QWidget>

// While a command works on the files: the hourglass pointer is shown and the
// window takes no input. Both are undone when the guard goes out of scope,
// however the command ends. Without `pointer` only the input is held: for a
// window filled before it is first on the screen, which no pointer is over
// yet (and the first wait pointer, loaded from the pointer theme, would hold
// the window back).
class BusyPointer
{
public:
    explicit BusyPointer(QWidget *window, bool pointer = true);
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    QPointer<QWidget> window;
    bool pointer;
};
