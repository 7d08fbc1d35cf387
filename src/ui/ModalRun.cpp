#include "ui/ModalRun.h"

#include <QDialog>

int RunModal(QDialog &dialog)
{
    if (ModalScript *script = ModalScript::active()) {
        ++script->openings;
        dialog.show();
        script->act(dialog);
        return dialog.result();
    }
    return dialog.exec();
}
