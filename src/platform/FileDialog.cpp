#include "platform/FileDialog.h"

#include <QFileDialog>

QString FileDialog::openFile(QWidget *parent)
{
    if (Script *script = Script::active()) {
        ++script->asked;
        return script->answers.isEmpty() ? QString() : script->answers.takeFirst();
    }
    return QFileDialog::getOpenFileName(parent);
}
