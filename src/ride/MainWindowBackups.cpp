#include "ride/MainWindowBackups.h"

#include "backup/AutomaticBackups.h"
#include "backup/BackupWrite.h"
#include "backup/FolderSwap.h"
#include "backup/Restore.h"
#include "platform/BusyPointer.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "ride/RestorePreview.h"
#include "ui/QorButton.h"

#include <QDir>
#include <QTemporaryDir>

#include <numeric>

namespace {

const QString BackUpTitle = QStringLiteral("Back up");
const QString RestoreTitle = QStringLiteral("Restore");

QString summaryOf(const BackupManifest &manifest)
{
    const qint64 entries = std::accumulate(manifest.entries.begin(), manifest.entries.end(), qint64(0));
    return QStringLiteral("%1 rides, %2 log entries, %3 reminders").arg(manifest.rides.size()).arg(entries).arg(manifest.reminders);
}

} // namespace

MainWindowBackups::MainWindowBackups(const RideWindow &window, std::function<void()> release, std::function<void()> reload)
    : QObject(window.window), rw(window), m_release(std::move(release)), m_reload(std::move(reload))
{
    connect(rw.ui.cmdBackup, &QorButton::Click, this, &MainWindowBackups::BackUp);
    connect(rw.ui.cmdRestore, &QorButton::Click, this, &MainWindowBackups::RestoreFromFile);
}

void MainWindowBackups::BackUp()
{
    const QString name = QStringLiteral("Torqal backup %1.zip").arg(Clock::now().toString(QStringLiteral("yyyy-MM-dd")));
    const QString target = FileDialog::saveFile(rw.window, BackUpTitle, name, FileDialog::Kind::Zip);
    if (target.isEmpty())
        return;
    BackupManifest manifest;
    FileStatus written;
    {
        const BusyPointer busy(rw.window);
        written = writeBackup(QDir::currentPath(), target, &manifest);
    }
    if (!written) {
        MessageBox::tell(rw.window, BackUpTitle, written.message() + QStringLiteral("\r\n\r\nNo backup was made."), MessageBox::Icon::Critical);
        return;
    }
    MessageBox::tell(rw.window, BackUpTitle,
                     QStringLiteral("Your records are backed up in %1 (%2).\r\n\r\nTo move them to another computer, "
                                    "restore this file there.")
                         .arg(target, summaryOf(manifest)),
                     MessageBox::Icon::Information);
}

void MainWindowBackups::RestoreFromFile()
{
    const QString archive = FileDialog::openFile(rw.window, RestoreTitle, FileDialog::Kind::Zip);
    if (archive.isEmpty())
        return;
    BackupCheck check;
    {
        const BusyPointer busy(rw.window);
        QTemporaryDir scratch;
        check = scratch.isValid() ? checkBackup(archive, scratch.path())
                                  : BackupCheck{BackupCheck::Verdict::CannotRead, scratch.errorString(), {}};
    }
    if (check.verdict != BackupCheck::Verdict::Sound) {
        MessageBox::tell(rw.window, RestoreTitle, check.problem + QStringLiteral("\r\n\r\nNothing was changed."), MessageBox::Icon::Critical);
        return;
    }
    RestorePreview preview(archive, check.manifest, rw.window);
    if (preview.exec() != QDialog::Accepted)
        return;
    const QString folder = QDir::currentPath();
    QString keptIn;
    {
        const BusyPointer busy(rw.window);
        m_release();
        check = Restore::overFolder(archive, folder, [&] { return AutomaticBackups::make(folder, QStringLiteral("restore"), &keptIn); });
    }
    m_reload();
    if (check.verdict != BackupCheck::Verdict::Sound) {
        // Once the swap has gone ahead, it is finished rather than undone.
        const QString outcome = QDir(folder).exists(FolderSwap::Left)
                                    ? QStringLiteral("The restore is finished the next time Torqal starts.")
                                    : QStringLiteral("Your records are as they were.");
        MessageBox::tell(rw.window, RestoreTitle, check.problem + QStringLiteral("\r\n\r\n") + outcome, MessageBox::Icon::Critical);
        return;
    }
    MessageBox::tell(rw.window, RestoreTitle,
                     QStringLiteral("The backup is restored (%1).\r\n\r\nYour records as they were before are kept in %2.")
                         .arg(summaryOf(check.manifest), keptIn),
                     MessageBox::Icon::Information);
}
