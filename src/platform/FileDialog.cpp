#include "platform/FileDialog.h"

#include "platform/Settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <functional>

namespace {

using Kind = FileDialog::Kind;
using Request = FileDialog::Script::Request;

// The file type of each kind, in the order of Kind: its extension and the
// dialogs' filter for it.
struct FileType
{
    QLatin1String suffix;
    QLatin1String filter;
};
constexpr FileType FileTypes[] = {{QLatin1String("csv"), QLatin1String("CSV files (*.csv)")},
                                  {QLatin1String("pdf"), QLatin1String("PDF files (*.pdf)")},
                                  {QLatin1String("png"), QLatin1String("PNG pictures (*.png)")},
                                  {QLatin1String("zip"), QLatin1String("Torqal backups (*.zip)")}};

const FileType &typeOf(Kind kind)
{
    return FileTypes[static_cast<int>(kind)];
}

QString defaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// The platform's dialog, or while a test's script runs, the script's answer.
QString answer(const Request &request, const std::function<QString()> &dialog)
{
    FileDialog::Script *script = FileDialog::Script::active();
    return script ? script->take(request) : dialog();
}

// The folder of a path chosen for a kind of file becomes the kind's.
void remember(Kind kind, const QString &folder)
{
    if (!folder.isEmpty())
        Settings::setValue(Settings::lastFolderKey(typeOf(kind).suffix), QDir::cleanPath(folder));
}

QString run(QFileDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

QString FileDialog::Script::take(const Request &request)
{
    asked.append(request);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QString FileDialog::folderOf(Kind kind)
{
    const QString last = Settings::value(Settings::lastFolderKey(typeOf(kind).suffix));
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : defaultFolder();
}

QString FileDialog::openFile(QWidget *parent, const QString &startFolder)
{
    return answer({QString(), startFolder, QString()},
                  [&] { return QFileDialog::getOpenFileName(parent, QString(), startFolder); });
}

QString FileDialog::openFile(QWidget *parent, const QString &title, Kind kind)
{
    const Request request{title, folderOf(kind), typeOf(kind).filter + QStringLiteral(";;All files (*)")};
    const QString path = answer(request, [&] {
        QFileDialog dialog(parent, request.title, request.start, request.filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return run(dialog);
    });
    if (!path.isEmpty())
        remember(kind, QFileInfo(path).absolutePath());
    return path;
}

QString FileDialog::saveFile(QWidget *parent, const QString &title, const QString &fileName, Kind kind)
{
    const QString folder = folderOf(kind);
    const Request request{title, QDir(folder).filePath(fileName), QString(typeOf(kind).filter)};
    const QString path = answer(request, [&] {
        QFileDialog dialog(parent, request.title, folder, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(typeOf(kind).suffix);
        dialog.selectFile(fileName);
        return run(dialog);
    });
    if (!path.isEmpty())
        remember(kind, QFileInfo(path).absolutePath());
    return path;
}

QString FileDialog::chooseFolder(QWidget *parent, const QString &title, Kind kind)
{
    const Request request{title, folderOf(kind), QString()};
    const QString folder = answer(request, [&] {
        return QFileDialog::getExistingDirectory(parent, request.title, request.start);
    });
    remember(kind, folder);
    return folder;
}
