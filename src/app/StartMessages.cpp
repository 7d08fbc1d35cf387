#include "app/StartMessages.h"

#include "platform/Identity.h"
#include "platform/LineBreaks.h"

#include <QDir>
#include <QStringList>

namespace StartMessages {

namespace {

MessageBox::Request box(const QStringList &lines, MessageBox::Icon icon)
{
    MessageBox::Request request;
    request.title = ApplicationTitle;
    request.text = lines.join(CrLf);
    request.icon = icon;
    return request;
}

QString inFolder(const QString &folder, const QString &name)
{
    return QDir::toNativeSeparators(QDir(folder).filePath(name));
}

} // namespace

MessageBox::Request AlreadyRunning()
{
    MessageBox::Request request = box({ApplicationTitle + QStringLiteral(" is already loaded"),
                                       QStringLiteral("and running on your computer!")},
                                      MessageBox::Icon::Critical);
    request.title = QStringLiteral("Terminating...");
    return request;
}

MessageBox::Request LockRefused(SingleInstance::Outcome outcome, const QString &lockFile)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(lockFile).absolutePath());
    const QString file = QDir::toNativeSeparators(lockFile);
    switch (outcome) {
    case SingleInstance::Outcome::Unreadable:
        return box({ApplicationTitle + QStringLiteral(" cannot tell whether it is already running"),
                    QStringLiteral("on its data folder: the lock file"), QString(), file, QString(),
                    QStringLiteral("cannot be read. If ") + ApplicationTitle + QStringLiteral(" is not running,"),
                    QStringLiteral("delete that file and start ") + ApplicationTitle + QStringLiteral(" again.")},
                   MessageBox::Icon::Critical);
    case SingleInstance::Outcome::InTheWay:
        return box({ApplicationTitle + QStringLiteral(" cannot make its lock file"), QString(), file, QString(),
                    QStringLiteral("because a folder (or another thing that is no file)"),
                    QStringLiteral("has that name. Please move it away, then start"), ApplicationTitle + QStringLiteral(" again.")},
                   MessageBox::Icon::Critical);
    default:
        return box({ApplicationTitle + QStringLiteral(" cannot make its lock file"), QString(), file, QString(),
                    QStringLiteral("Please make sure that the folder"), folder,
                    QStringLiteral("can be written to and the disk is not full,"),
                    QStringLiteral("then start ") + ApplicationTitle + QStringLiteral(" again.")},
                   MessageBox::Icon::Critical);
    }
}

MessageBox::Request DataFolderUnusable(const QString &folder)
{
    return box({ApplicationTitle + QStringLiteral(" cannot keep its data in the folder"), QDir::toNativeSeparators(folder),
                QString(), QStringLiteral("Please make sure that this folder can be created"),
                QStringLiteral("and written to, then start ") + ApplicationTitle + QStringLiteral(" again.")},
               MessageBox::Icon::Critical);
}

MessageBox::Request RenameOtherSpelling(const OtherSpelling &spelling, const QString &folder)
{
    const QString &own = spelling.file->name;
    const QString &other = spelling.names.constFirst();
    MessageBox::Request request =
        box({ApplicationTitle + QStringLiteral(" keeps data in a file named ") + own + QStringLiteral(","),
             QStringLiteral("which is not in the data folder"), QDir::toNativeSeparators(folder),
             QStringLiteral("but ") + other + QStringLiteral(" is: the same name in other letters' case,"),
             QStringLiteral("as files copied from another computer often arrive."), QString(),
             QStringLiteral("Rename ") + other + QStringLiteral(" to ") + own + QStringLiteral(", so that ")
                 + ApplicationTitle + QStringLiteral(" uses it?")},
            MessageBox::Icon::Question);
    request.buttons = MessageBox::Buttons::YesNo;
    request.defaultButton = MessageBox::Button::Yes;
    return request;
}

MessageBox::Request ScratchFileSetAside(const QString &asideName, const QString &folder)
{
    return box({ApplicationTitle + QStringLiteral(" found a scratch file left over from an interrupted"),
                QStringLiteral("deletion, but cannot tell which data file its records"),
                QStringLiteral("belong to. It has set the file aside as"), QString(), inFolder(folder, asideName), QString(),
                QStringLiteral("Nothing has been lost. To see what it holds, quit ") + ApplicationTitle,
                QStringLiteral("and run"), QString(), dataToolCommandLine(QStringLiteral("check"), folder)},
               MessageBox::Icon::Warning);
}

MessageBox::Request JournalSetAside(const QString &asideName, const QString &folder)
{
    return box({ApplicationTitle + QStringLiteral(" found the journal of a change that was cut short,"),
                QStringLiteral("but the data files have been changed since by another program,"),
                QStringLiteral("so it cannot put them back as they were. It has left the files"),
                QStringLiteral("as they are and set the journal aside as"), QString(), inFolder(folder, asideName), QString(),
                QStringLiteral("To see whether a record was damaged, quit ") + ApplicationTitle,
                QStringLiteral("and run"), QString(), dataToolCommandLine(QStringLiteral("check"), folder)},
               MessageBox::Icon::Warning);
}

MessageBox::Request PartialRecords(const QList<PartialRecordFile> &files, const QString &folder)
{
    QStringList lines{files.size() == 1 ? QStringLiteral("This data file ends in part of a record (it is damaged):")
                                        : QStringLiteral("These data files end in part of a record (they are damaged):"),
                      QString()};
    for (const PartialRecordFile &file : files)
        lines << QStringLiteral("   %1 (%2 bytes)").arg(inFolder(folder, file.file->name)).arg(file.length);
    lines << QString() << ApplicationTitle + QStringLiteral(" shows what it can read, but changes nothing in")
          << (files.size() == 1 ? QStringLiteral("that file until it is repaired. To repair it,")
                                : QStringLiteral("those files until they are repaired. To repair them,"))
          << QStringLiteral("quit ") + ApplicationTitle + QStringLiteral(" and run") << QString() << dataToolCommandLine(QStringLiteral("repair"), folder) << QString()
          << QStringLiteral("which moves the partial record into a side file")
          << QStringLiteral("(") + files.constFirst().file->name + QStringLiteral(".partial) and keeps the whole records.");
    return box(lines, MessageBox::Icon::Warning);
}

MessageBox::Request StepFailed(const FileStatus &status, const QString &folder)
{
    return box({status.message() + QLatin1Char('.'), QString(), QStringLiteral("Please make sure that the folder"),
                QDir::toNativeSeparators(folder), QStringLiteral("can be written to, then start ") + ApplicationTitle + QStringLiteral(" again.")},
               MessageBox::Icon::Critical);
}

} // namespace StartMessages
