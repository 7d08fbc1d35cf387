#include "help/FrmManual.h"

#include "help/HelpTexts.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return {Twips::x(left), Twips::y(top), Twips::x(width), Twips::y(height)};
}

QString withCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

FrmManual::FrmManual(int startTopic, QWidget *owner)
    : QDialog(owner)
    , firstTopic(startTopic)
    , tile(manualTilePath())
    , labelHelpTopic(new QLabel(this))
    , txtManual(new QPlainTextEdit(this))
    , cmdHelpTopic(new QPushButton(this))
    , cmdPrintHelp(new QPushButton(this))
    , cmdReturn(new QPushButton(this))
    , menuHelpMenu(new QMenu(QStringLiteral("Help Topics"), this))
{
    setObjectName(QStringLiteral("frmManual"));
    setWindowTitle(QStringLiteral(" Torqal - Help Window"));
    setFixedSize(Twips::size(6525, 6960));

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

    cmdHelpTopic->setObjectName(QStringLiteral("cmdHelpTopic"));
    cmdPrintHelp->setObjectName(QStringLiteral("cmdPrintHelp"));
    cmdReturn->setObjectName(QStringLiteral("cmdReturn"));
    connect(cmdHelpTopic, &QPushButton::clicked, this, &FrmManual::popUpTopicMenu);
    connect(cmdPrintHelp, &QPushButton::clicked, this, &FrmManual::printTopic);
    connect(cmdReturn, &QPushButton::clicked, this, &FrmManual::closeManual);

    buildTopicMenu();

    // The window sees every key press before its controls do.
    qApp->installEventFilter(this);
}

FrmManual::~FrmManual()
{
    qApp->removeEventFilter(this);
}

void FrmManual::open(QWidget *owner, int startTopic)
{
    FrmManual manual(startTopic, owner);
    manual.exec();
}

void FrmManual::buildTopicMenu()
{
    menuHelpMenu->setObjectName(QStringLiteral("menuHelpMenu"));
    for (int index = 1; index <= HelpTopics::count(); ++index) {
        const HelpTopic &entry = HelpTopics::at(index);
        QAction *action = entry.separator ? menuHelpMenu->addSeparator() : menuHelpMenu->addAction(entry.caption);
        action->setObjectName(QStringLiteral("menuHelpTopic%1").arg(index));
        if (!entry.separator) {
            action->setCheckable(true);
            connect(action, &QAction::triggered, this, [this, index] { showTopic(index); });
        }
        menuHelpTopic.append(action);
    }
}

void FrmManual::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!activated) {
        activated = true;
        firstActivation();
    }
}

void FrmManual::firstActivation()
{
    cmdPrintHelp->setText(QStringLiteral("&Print"));
    cmdPrintHelp->setToolTip(QStringLiteral(" Be sure your printer is ready! "));
    cmdHelpTopic->setText(QStringLiteral("Help Topics\r\n<F1>"));
    cmdReturn->setText(QStringLiteral("&Return\r\n<Esc>"));
    about = aboutText();
    showTopic(firstTopic);
}

void FrmManual::showTopic(int index)
{
    const ManualTopics::Action action = topics.choose(index);
    // Choosing an entry toggles its check mark; only the shown topic keeps one.
    for (int entry = 1; entry <= menuHelpTopic.size(); ++entry)
        menuHelpTopic[entry - 1]->setChecked(topics.isChecked(entry));
    switch (action) {
    case ManualTopics::Action::AboutBox:
        MessageBox::tell(this, HelpTopics::at(index).caption, about, MessageBox::Icon::Information);
        break;
    case ManualTopics::Action::EmailMaker:
    case ManualTopics::Action::VisitWebPage:
        break;
    case ManualTopics::Action::ShowText:
        labelHelpTopic->setText(topics.caption());
        txtManual->setPlainText(MessageBox::displayText(helpText(topics.helpId())));
        break;
    case ManualTopics::Action::Nothing:
        break;
    }
}

void FrmManual::popUpTopicMenu()
{
    menuHelpMenu->popup(QCursor::pos());
}

void FrmManual::printTopic()
{
    const QString text = withCrLf(txtManual->toPlainText());
    Q_UNUSED(text);
}

void FrmManual::closeManual()
{
    close();
}

void FrmManual::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    if (tile.isNull())
        return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), tile);
}

bool FrmManual::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QDialog::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_F1 && key != Qt::Key_Escape)
        return QDialog::eventFilter(watched, event);
    // Taking the shortcut override keeps a control from claiming the key for
    // itself; the key press that follows is the one that acts.
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
