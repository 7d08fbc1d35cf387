#include "ui/ModalRun.h"

#include "ui/WindowFade.h"

#include <QDialog>
#include <QTimer>

int RunModal(QDialog &dialog)
{
    if (ModalScript *script = ModalScript::active()) {
        ++script->openings;
        return RunModalDriven(dialog, [script, &dialog] { script->act(dialog); });
    }
    return dialog.exec();
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
    return dialog.exec();
}
