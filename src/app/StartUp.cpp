#include "app/StartUp.h"

#include "app/frmTitlePage.h"
#include "platform/DataFolder.h"
#include "platform/Identity.h"
#include "platform/MessageBox.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

namespace {
const QString CrLf = QStringLiteral("\r\n");
}

void ConfigureApplication()
{
    QApplication::setApplicationName(ApplicationTitle);
    // The installed launcher entry and icon carry this name, so that task
    // bars and window lists show the program's own icon.
    QApplication::setDesktopFileName(QStringLiteral("example.qorsoftware.Torqal"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("example.qorsoftware.Torqal")));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    // The program ends through its quit command (or when the title window is
    // closed before continuing), not when its last window happens to close:
    // between the title window and the main window there is a moment with
    // no window at all.
    QApplication::setQuitOnLastWindowClosed(false);
}

frmTitlePage *StartProgram(SingleInstance &instance)
{
    if (!instance.acquire()) {
        MessageBox::tell(nullptr, QStringLiteral("Terminating..."),
                         ApplicationTitle + QStringLiteral(" is already loaded") + CrLf
                             + QStringLiteral("and running on your computer!"),
                         MessageBox::Icon::Critical);
        return nullptr;
    }

    const DataFolder::Outcome folder = DataFolder::enter();
    if (!folder.ok) {
        MessageBox::tell(nullptr, ApplicationTitle,
                         ApplicationTitle + QStringLiteral(" cannot keep its data in the folder") + CrLf + folder.path
                             + CrLf + CrLf + QStringLiteral("Please make sure that this folder can be created")
                             + CrLf + QStringLiteral("and written to, then start ") + ApplicationTitle
                             + QStringLiteral(" again."),
                         MessageBox::Icon::Critical);
        return nullptr;
    }

    // The printouts position everything in inches on their own, so the
    // printer needs no unit set here.
    auto *title = new frmTitlePage;
    title->setAttribute(Qt::WA_DeleteOnClose);
    title->show();
    return title;
}
