#pragma once

#include <QPointer>
#include <QWidget>

// While a command works on the files: the hourglass pointer is shown and the
// window takes no input. Both are undone when the guard goes out of scope,
// however the command ends.
class BusyPointer
{
public:
    explicit BusyPointer(QWidget *window);
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    QPointer<QWidget> window;
};
