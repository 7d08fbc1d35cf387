#include "platform/FileDialog.h"

#include <QFileDialog>

namespace {

template<class Dialog>
QString answer(Dialog dialog)
{
    if (FileDialog::Script *script = FileDialog::Script::active())
        return script->take();
    return dialog();
}

} // namespace

QString FileDialog::Script::take()
{
    ++asked;
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QString FileDialog::openFile(QWidget *parent, const QString &startFolder)
{
    return answer([&] { return QFileDialog::getOpenFileName(parent, QString(), startFolder); });
}

QString FileDialog::saveFile(QWidget *parent, const QString &title, const QString &suggestedPath, const QString &filter)
{
    return answer([&] { return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter); });
}

QString FileDialog::chooseFolder(QWidget *parent, const QString &title, const QString &startFolder)
{
    return answer([&] { return QFileDialog::getExistingDirectory(parent, title, startFolder); });
}
