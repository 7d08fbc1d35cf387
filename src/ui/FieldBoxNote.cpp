#include "ui/FieldBoxes.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>

namespace FieldBoxes {

namespace {

const QString NoteName = QStringLiteral("fieldBoxNote");
constexpr int ShownFor = 8000; // milliseconds
constexpr int Margin = 4;

QLabel *makeNote(QWidget *window)
{
    auto *note = new QLabel(window);
    note->setObjectName(NoteName);
    note->setWordWrap(true);
    note->setFrameShape(QFrame::Box);
    note->setMargin(3);
    note->setAutoFillBackground(true);
    note->setForegroundRole(QPalette::ToolTipText);
    note->setBackgroundRole(QPalette::ToolTipBase);
    note->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *timer = new QTimer(note);
    timer->setSingleShot(true);
    timer->setInterval(ShownFor);
    QObject::connect(timer, &QTimer::timeout, note, &QWidget::hide);
    return note;
}

// Under the box (over it when there is no room below), as wide as the box
// or wider for a long note, and always inside the window.
void place(QLabel *note, const QWidget *box)
{
    const QWidget *window = note->parentWidget();
    const QRect inside = window->rect().adjusted(Margin, Margin, -Margin, -Margin);
    const QRect boxRect(box->mapTo(window, QPoint(0, 0)), box->size());
    const int width = std::min(std::max(boxRect.width(), 320), inside.width());
    const int height = std::min(note->heightForWidth(width), inside.height());
    QRect at(boxRect.left(), boxRect.bottom() + 2, width, height);
    if (at.bottom() > inside.bottom())
        at.moveBottom(boxRect.top() - 2);
    at.moveLeft(std::clamp(at.left(), inside.left(), std::max(inside.left(), inside.right() - width + 1)));
    at.moveTop(std::clamp(at.top(), inside.top(), std::max(inside.top(), inside.bottom() - height + 1)));
    note->setGeometry(at);
}

} // namespace

QLabel *noteOf(const QWidget *window)
{
    return window->findChild<QLabel *>(NoteName, Qt::FindDirectChildrenOnly);
}

// The note is a label of the window, named by its text: assistive
// technology hears it as an alert, and sees its name change.
void tell(QWidget *box, const QString &text)
{
    if (NoteScript *script = NoteScript::active()) {
        script->notes.append({box, text});
        return;
    }
    QWidget *window = box->window();
    QLabel *note = noteOf(window);
    if (!note)
        note = makeNote(window);
    note->setText(text);
    note->setAccessibleName(text);
    place(note, box);
    note->raise();
    note->show();
    note->findChild<QTimer *>()->start();
    QAccessibleEvent alert(note, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace FieldBoxes
