#include "help/frmManual.h"

#include "help/HelpTexts.h"
#include "platform/BusyPointer.h"
#include "platform/Identity.h"
#include "platform/LineBreaks.h"
#include "platform/Links.h"
#include "platform/MessageBox.h"
#include "platform/ScreenPlacement.h"
#include "platform/TileBackground.h"
#include "platform/Twips.h"
#include "print/PrintLayout.h"
#include "print/PrintRun.h"
#include "ui/AccessibleNames.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return {Twips::x(left), Twips::y(top), Twips::x(width), Twips::y(height)};
}

QorButton *commandButton(const char *name, int left, QWidget *window)
{
    auto *button = new QorButton(window);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(twipsRect(left, 150, 1900, 840));
    return button;
}

} // namespace

frmManual::frmManual(int startTopic, QWidget *owner)
    : QDialog(owner)
    , firstTopic(startTopic)
    , labelHelpTopic(new QLabel(this))
    , txtManual(new QPlainTextEdit(this))
    , cmdHelpTopic(commandButton("cmdHelpTopic", 210, this))
    , cmdPrintHelp(commandButton("cmdPrintHelp", 2260, this))
    , cmdReturn(commandButton("cmdReturn", 4310, this))
    , menuHelpMenu(new QMenu(QStringLiteral("Help Topics"), this))
{
    setObjectName(QStringLiteral("frmManual"));
    ClearForFadeIn(this);
    setFixedSize(Twips::size(6525, 6960));
    PlaceOnScreen(this, owner);
    setWindowTitle(QStringLiteral(" ") + ApplicationTitle + QStringLiteral(" - ") + QStringLiteral("Help Window"));
    TileBackground(QPixmap(manualTilePath()), this);

    labelHelpTopic->setObjectName(QStringLiteral("labelHelpTopic"));
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPointSizeF(9.75);
    labelFont.setBold(true);
    labelHelpTopic->setFont(labelFont);
    labelHelpTopic->setGeometry(twipsRect(210, 1155, 6000, 330));

    txtManual->setObjectName(QStringLiteral("txtManual"));
    QFont textFont(QStringLiteral("Arial"));
    textFont.setPointSizeF(9);
    txtManual->setFont(textFont);
    txtManual->setReadOnly(true);
    txtManual->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtManual->setGeometry(twipsRect(210, 1470, 6000, 4845));

    QString error;
    if (!LoadButtonLayout(this, QStringLiteral("frmManual"), &error))
        qWarning("%s", qPrintable(error));
    connect(cmdHelpTopic, &QorButton::Click, this, &frmManual::popUpTopicMenu);
    connect(cmdPrintHelp, &QorButton::Click, this, [this] { printTopic(PrintCommand::Print); });
    OfferPrintDialog(cmdPrintHelp, [this] { printTopic(PrintCommand::PrintTo); });
    connect(cmdReturn, &QorButton::Click, this, &frmManual::closeManual);

    buildTopicMenu();

    // The window sees every key press before its controls do.
    qApp->installEventFilter(this);
}

frmManual::~frmManual()
{
    qApp->removeEventFilter(this);
}

void frmManual::open(QWidget *owner, int startTopic)
{
    frmManual manual(startTopic, owner);
    manual.exec();
}

void frmManual::buildTopicMenu()
{
    menuHelpMenu->setObjectName(QStringLiteral("menuHelpMenu"));
    // A choice closes the menu however it is made: an item pressed through
    // assistive technology is triggered without the menu closing itself.
    connect(menuHelpMenu, &QMenu::triggered, menuHelpMenu, &QMenu::close);
    cmdHelpTopic->setOpensMenu(true);
    for (int index = 1; index <= HelpTopics::count(); ++index) {
        const HelpTopic &entry = HelpTopics::at(index);
        QAction *action = entry.separator ? menuHelpMenu->addSeparator() : menuHelpMenu->addAction(entry.caption);
        action->setObjectName(QStringLiteral("menuHelpTopic%1").arg(index));
        if (!entry.separator)
            connect(action, &QAction::triggered, this, [this, index] { showTopic(index); });
        menuHelpTopic.append(action);
    }
}

void frmManual::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!activated) {
        activated = true;
        firstActivation();
    }
}

void frmManual::firstActivation()
{
    cmdPrintHelp->setCaption(QStringLiteral("&Print"));
    cmdPrintHelp->setToolTip(QStringLiteral(" Be sure your printer is ready! "));
    cmdPrintHelp->Refresh();
    cmdHelpTopic->setCaption(QStringLiteral("Help Topics") + CrLf + QStringLiteral("<F1>"));
    cmdHelpTopic->Refresh();
    cmdReturn->setCaption(QStringLiteral("&Return") + CrLf + QStringLiteral("<Esc>"));
    cmdReturn->Refresh();
    about = aboutText();
    showTopic(firstTopic);
    if (FadesOn())
        StartFade(this, 0, 255, 20, false);
}

void frmManual::showTopic(int index)
{
    const ManualTopics::Action action = topics.choose(index);
    // Only the shown topic carries a check mark (choosing an entry would
    // toggle it, so the marks are set again after every choice).
    for (int entry = 1; entry <= menuHelpTopic.size(); ++entry) {
        const bool checked = topics.isChecked(entry);
        menuHelpTopic[entry - 1]->setCheckable(checked);
        menuHelpTopic[entry - 1]->setChecked(checked);
    }
    switch (action) {
    case ManualTopics::Action::AboutBox:
        MessageBox::tell(this, HelpTopics::at(index).caption, about, MessageBox::Icon::Information);
        break;
    case ManualTopics::Action::EmailMaker:
        OpenLink(LinkMode::Email, this, QString());
        break;
    case ManualTopics::Action::VisitWebPage:
        OpenLink(LinkMode::Web, this, QString());
        break;
    case ManualTopics::Action::ShowText:
        labelHelpTopic->setText(topics.caption());
        AccessibleNames::nameByCaption(labelHelpTopic, txtManual);
        txtManual->setPlainText(MessageBox::displayText(helpText(topics.helpId())));
        break;
    case ManualTopics::Action::Nothing:
        break;
    }
}

void frmManual::popUpTopicMenu()
{
    menuHelpMenu->popup(QCursor::pos());
}

// Printed as every other printout: a refusal, or the PDF file made without a
// printer, is told once the window takes input again.
void frmManual::printTopic(PrintCommand command)
{
    const QString printoutName = QStringLiteral("Help - %1").arg(topics.caption());
    const std::optional<PrintDeviceFactory> devices = PrintDevicesOf(command, this, printoutName);
    if (!devices)
        return;
    PrintRun run(*devices);
    run.print(printoutName, [this](PrintDevice &device) { return printOn(device); });
    run.finish(this);
}

bool frmManual::printOn(PrintDevice &device)
{
    const BusyPointer busy(this);
    SetPrinterFont(device, QStringLiteral("Arial"), 10, false, false, false, false);
    QString text = txtManual->toPlainText();
    text.replace(QLatin1Char('\n'), CrLf);
    PagedTextTitle title;
    title.text = ApplicationTitle + QStringLiteral(", Help Section: ") + topics.caption();
    title.underline = true;
    return PrintPagedText(device, text, title);
}

void frmManual::closeManual()
{
    if (FadesOn())
        StartFade(this, 255, 0, 20, true);
    else
        close();
}

void frmManual::closeEvent(QCloseEvent *event)
{
    // The frame's close box takes the same way out as Return.
    if (FadesOn() && !ClosingByFade(this)) {
        event->ignore();
        closeManual();
        return;
    }
    QDialog::closeEvent(event);
}

bool frmManual::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QDialog::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_F1 && key != Qt::Key_Escape)
        return QDialog::eventFilter(watched, event);
    // Taking the shortcut override keeps any shortcut, this window's or the
    // program's, from claiming the key; the key press that follows acts.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (key == Qt::Key_F1)
        popUpTopicMenu();
    else
        closeManual();
    return true;
}
