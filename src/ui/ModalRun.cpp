#include "ui/ModalRun.h"

#include "ui/WindowFade.h"

#include <QDialog>
#include <QTimer>

int ExecModal(QDialog &dialog)
{
    const int result = dialog.exec();
    // A desktop may leave no window active once a modal window closes, so
    // that the keyboard and a screen reader have nothing until the user
    // switches windows: the window below takes the keyboard back, on the
    // control that had it.
    if (QWidget *below = dialog.parentWidget(); below && below->window()->isVisible())
        below->window()->activateWindow();
    return result;
}

int RunModal(QDialog &dialog)
{
    if (ModalScript *script = ModalScript::active()) {
        ++script->openings;
        return RunModalDriven(dialog, [script, &dialog] { script->act(dialog); });
    }
    return ExecModal(dialog);
}

int RunModalDriven(QDialog &dialog, std::function<void()> drive)
{
    // The timer's first round comes from the event loop exec() starts, with
    // the dialog shown.
    QTimer::singleShot(0, &dialog, [&dialog, drive = std::move(drive)] {
        drive();
        if (dialog.isVisible() && !FadeRunning(&dialog))
            dialog.done(QDialog::Rejected);
    });
    return ExecModal(dialog);
}
