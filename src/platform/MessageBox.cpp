#include "platform/MessageBox.h"

#include "platform/LineBreaks.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// Room the desktop takes in a title bar beside the title: the window's icon
// and its buttons, with their spacing.
constexpr int TitleBarDecorations = 130;

// The desktop draws the title in its title font, often bold. A box only as
// wide as its text would cut a longer title ("Unr...ate"), so the box is
// made at least as wide as its title needs.
void widenForTitle(QMessageBox &box, const QString &title)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(title) + TitleBarDecorations;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

QMessageBox::Icon qtIcon(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Icon::Critical: return QMessageBox::Critical;
    case MessageBox::Icon::Question: return QMessageBox::Question;
    case MessageBox::Icon::Information: return QMessageBox::Information;
    case MessageBox::Icon::Warning: return QMessageBox::Warning;
    case MessageBox::Icon::NoIcon: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(MessageBox::Button button)
{
    switch (button) {
    case MessageBox::Button::Yes: return QMessageBox::Yes;
    case MessageBox::Button::No: return QMessageBox::No;
    case MessageBox::Button::Ok: break;
    }
    return QMessageBox::Ok;
}
} // namespace

MessageBox::Button MessageBox::show(QWidget *parent, const Request &request)
{
    if (Script *script = Script::active())
        return script->take(request);

    const bool yesNo = request.buttons == Buttons::YesNo;
    QMessageBox box(qtIcon(request.icon), request.title, displayText(request.text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    widenForTitle(box, request.title);
    box.setDefaultButton(qtButton(yesNo ? request.defaultButton : Button::Ok));
    if (yesNo)
        box.setEscapeButton(QMessageBox::No);
    const int pressed = box.exec();
    if (!yesNo)
        return Button::Ok;
    return pressed == QMessageBox::Yes ? Button::Yes : Button::No;
}

void MessageBox::tell(QWidget *parent, const QString &title, const QString &text, Icon icon)
{
    show(parent, {title, text, icon, Buttons::Ok, Button::Ok});
}

MessageBox::Button MessageBox::ask(QWidget *parent, const QString &title, const QString &text,
                                   Button defaultButton)
{
    return show(parent, {title, text, Icon::Question, Buttons::YesNo, defaultButton});
}

QString MessageBox::displayText(const QString &text)
{
    QString shown = text;
    shown.replace(CrLf, QStringLiteral("\n"));
    return shown;
}

void MessageBox::Script::answer(Button button)
{
    answers.append(button);
}

MessageBox::Button MessageBox::Script::take(const Request &request)
{
    asked.append(request);
    if (whileOpen)
        whileOpen();
    if (answers.isEmpty())
        return request.buttons == Buttons::YesNo ? request.defaultButton : Button::Ok;
    return answers.takeFirst();
}
