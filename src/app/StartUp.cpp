#include "app/StartUp.h"

#include "app/StartChecks.h"
#include "app/StartMessages.h"
#include "app/frmTitlePage.h"
#include "platform/DataFolder.h"
#include "platform/Identity.h"
#include "platform/MessageBox.h"
#include "platform/SingleInstance.h"
#include "platform/ValueFormats.h"
#include "platform/Currency.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

void ConfigureApplication()
{
    SetApplicationIdentity();
    // The installed launcher entry and icon carry this name, so that task
    // bars and window lists show the program's own icon.
    QApplication::setDesktopFileName(QStringLiteral("example.qorsoftware.Torqal"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    // The program ends through its quit command (or when the title window is
    // closed before continuing), not when its last window happens to close:
    // between the title window and the main window there is a moment with
    // no window at all.
    QApplication::setQuitOnLastWindowClosed(false);
}

void SetProgramIcon()
{
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("example.qorsoftware.Torqal")));
}

frmTitlePage *StartProgram(std::unique_ptr<SingleInstance> &instance)
{
    return StartProgram(DataFolderLock(), instance);
}

frmTitlePage *StartProgram(DataFolderLock lock, std::unique_ptr<SingleInstance> &instance)
{
    // A folder that cannot be entered is named before any lock.
    const DataFolder::Outcome folder = DataFolder::enter();
    if (!folder.ok) {
        MessageBox::show(nullptr, StartMessages::DataFolderUnusable(folder.path));
        return nullptr;
    }
    if (!lock.instance)
        lock = LockDataFolder(folder.path);
    if (lock.outcome != SingleInstance::Outcome::Acquired) {
        MessageBox::show(nullptr, lock.outcome == SingleInstance::Outcome::HeldElsewhere
                                      ? StartMessages::AlreadyRunning()
                                      : StartMessages::LockRefused(lock.outcome, lock.instance->lockFilePath()));
        return nullptr;
    }
    instance = std::move(lock.instance);

    LookAfterDataFolder(folder.path);
    // Amounts are written in the desktop's currency until Torqal.db, opened
    // once the main window is on screen, says which one the user chose.
    ValueFormats::setCurrency(Currency::ofLocale(QLocale()));

    // The printouts position everything in inches on their own, so the
    // printer needs no unit set here.
    auto *title = new frmTitlePage;
    title->setAttribute(Qt::WA_DeleteOnClose);
    title->show();
    return title;
}
