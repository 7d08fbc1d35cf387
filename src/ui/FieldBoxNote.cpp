#include "ui/FieldBoxes.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTimer>

namespace FieldBoxes {

namespace {

const QString NoteName = QStringLiteral("fieldBoxNote");
constexpr int ShownFor = 8000; // milliseconds
constexpr int Margin = 4;

// To assistive technology the note is an alert named by its text, which a
// screen reader reads out as it appears.
class NoteAccessible : public QAccessibleWidget
{
public:
    explicit NoteAccessible(QLabel *note) : QAccessibleWidget(note, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const QLabel *>(widget())->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *noteFactory(const QString &className, QObject *object)
{
    auto *note = qobject_cast<QLabel *>(object);
    if (!note || className != QLatin1String("QLabel") || note->objectName() != NoteName)
        return nullptr;
    return new NoteAccessible(note);
}

QLabel *makeNote(QWidget *window)
{
    static const bool accessible = (QAccessible::installFactory(&noteFactory), true);
    Q_UNUSED(accessible);
    auto *note = new QLabel(window);
    note->setObjectName(NoteName);
    // An interface made while the label was still a plain label gives way to
    // the note's.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(note)));
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

// The note is a label of the window; showing it tells assistive technology
// that an alert appeared.
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
    // Shown afresh each time, so that a note told again is heard again.
    note->hide();
    note->setText(text);
    place(note, box);
    note->raise();
    note->show();
    note->findChild<QTimer *>()->start();
    QAccessibleEvent alert(note, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace FieldBoxes
