// The pop-up list menu: however long the list, it stays on the screen, every
// row can be reached by keyboard, typed letters and mouse, separators cannot
// be chosen, and assistive technology sees a menu of items.

#include "ui/ListMenu.h"

#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

#include <memory>

namespace {

// Rows "Ride 1" to "Ride <rides>", a separator and "Exit this Menu".
std::unique_ptr<QStandardItemModel> rideRows(int rides)
{
    auto model = std::make_unique<QStandardItemModel>();
    for (int n = 1; n <= rides; ++n)
        model->appendRow(new QStandardItem(QStringLiteral("Ride %1").arg(n)));
    auto *separator = new QStandardItem;
    separator->setData(QStringLiteral("separator"), Qt::AccessibleDescriptionRole);
    separator->setFlags(Qt::NoItemFlags);
    model->appendRow(separator);
    model->appendRow(new QStandardItem(QStringLiteral("Exit this Menu")));
    return model;
}

// Keys written as "{End}{Up}" between typed text: "ride 7{Return}".
void press(QWidget *menu, const QString &script)
{
    static const QHash<QString, Qt::Key> named = {
        {QStringLiteral("Up"), Qt::Key_Up},         {QStringLiteral("Down"), Qt::Key_Down},
        {QStringLiteral("Home"), Qt::Key_Home},     {QStringLiteral("End"), Qt::Key_End},
        {QStringLiteral("PageDown"), Qt::Key_PageDown}, {QStringLiteral("Return"), Qt::Key_Return},
        {QStringLiteral("Escape"), Qt::Key_Escape}};
    for (qsizetype at = 0; at < script.size();) {
        if (script[at] == u'{') {
            const qsizetype end = script.indexOf(u'}', at);
            QTest::keyClick(menu, named.value(script.mid(at + 1, end - at - 1)));
            at = end + 1;
        } else {
            const qsizetype end = script.indexOf(u'{', at);
            QTest::keyClicks(menu, script.mid(at, end < 0 ? -1 : end - at));
            at = end < 0 ? script.size() : end;
        }
    }
}

struct OpenMenu
{
    explicit OpenMenu(int rides, QPoint at = QPoint(20, 20)) : model(rideRows(rides))
    {
        menu.setModel(model.get());
        menu.popup(at);
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
    }

    std::unique_ptr<QStandardItemModel> model;
    ListMenu menu;
    QSignalSpy chosen{&menu, &ListMenu::triggered};
};

} // namespace

class TestListMenu : public QObject
{
    Q_OBJECT

private slots:
    void keysReachEveryRow_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("chosen"); // -1: none, the menu closed
        QTest::newRow("down from nothing") << "{Down}{Return}" << 0;
        QTest::newRow("end") << "{End}{Return}" << 1001;
        QTest::newRow("up skips the separator") << "{End}{Up}{Return}" << 999;
        QTest::newRow("pages, then home") << "{PageDown}{PageDown}{Home}{Return}" << 0;
        QTest::newRow("first letters") << "ride 742{Return}" << 741;
        QTest::newRow("first letters, other case") << "EXIT{Return}" << 1001;
        QTest::newRow("escape") << "{End}{Escape}" << -1;
    }

    void keysReachEveryRow()
    {
        QFETCH(QString, keys);
        QFETCH(int, chosen);
        OpenMenu open(1000);
        press(&open.menu, keys);
        QVERIFY(!open.menu.isVisible());
        QCOMPARE(open.chosen.size(), chosen < 0 ? 0 : 1);
        if (chosen >= 0)
            QCOMPARE(open.chosen[0][0].toInt(), chosen);
    }

    void mouseChoosesTheRowUnderIt()
    {
        OpenMenu open(5);
        const QPoint separator = open.menu.visualRect(open.model->index(5, 0)).center();
        QTest::mouseClick(open.menu.viewport(), Qt::LeftButton, {}, separator);
        QVERIFY(open.menu.isVisible());
        QCOMPARE(open.chosen.size(), 0);

        const QPoint third = open.menu.visualRect(open.model->index(2, 0)).center();
        QTest::mouseMove(open.menu.viewport(), third);
        QCOMPARE(open.menu.currentIndex().row(), 2);
        QTest::mouseClick(open.menu.viewport(), Qt::LeftButton, {}, third);
        QVERIFY(!open.menu.isVisible());
        QCOMPARE(open.chosen.size(), 1);
        QCOMPARE(open.chosen[0][0].toInt(), 2);
    }

    void longListsScrollWithinTheScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        OpenMenu open(32765, screen.bottomRight() - QPoint(5, 5));
        QVERIFY2(screen.contains(open.menu.geometry()), "the menu lies on the screen");
        press(&open.menu, QStringLiteral("{End}"));
        const QRect last = open.menu.visualRect(open.menu.currentIndex());
        QCOMPARE(open.menu.currentIndex().row(), 32766);
        QVERIFY(open.menu.viewport()->rect().contains(last));
    }

    void assistiveTechnologySeesAMenu()
    {
        OpenMenu open(2);
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(&open.menu);
        QVERIFY(menu);
        QCOMPARE(menu->role(), QAccessible::PopupMenu);
        QCOMPARE(menu->childCount(), 4);
        QCOMPARE(menu->child(1)->role(), QAccessible::MenuItem);
        QCOMPARE(menu->child(1)->text(QAccessible::Name), QStringLiteral("Ride 2"));
        QCOMPARE(menu->indexOfChild(menu->child(1)), 1);
        QCOMPARE(menu->child(2)->role(), QAccessible::Separator);
        QVERIFY(menu->child(2)->actionInterface()->actionNames().isEmpty());

        QAccessibleActionInterface *exit = menu->child(3)->actionInterface();
        QCOMPARE(exit->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        exit->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!open.menu.isVisible());
        QCOMPARE(open.chosen.size(), 1);
        QCOMPARE(open.chosen[0][0].toInt(), 3);
    }
};

QTEST_MAIN(TestListMenu)
#include "test_list_menu.moc"
