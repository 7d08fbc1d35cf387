#include "ui/NotesBox.h"

#include "data/FieldText.h"
#include "ui/FieldBoxes.h"
#include "ui/FocusFrame.h"
#include "platform/LineBreaks.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>

namespace {

QString withPlainLineBreaks(QString text)
{
    text.replace(CrLf, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

NotesBox::NotesBox(int maxLength, QWidget *parent) : QPlainTextEdit(parent), m_maxLength(maxLength)
{
    connect(this, &QPlainTextEdit::textChanged, this, &NotesBox::admitChange);
    connect(this, &QPlainTextEdit::textChanged, this, &NotesBox::followReadOnly);
    // Scrolled, the box is painted afresh, so that its frame stays at the edges.
    for (QScrollBar *bar : {verticalScrollBar(), horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

bool NotesBox::event(QEvent *event)
{
    if (event->type() == QEvent::ReadOnlyChange)
        followReadOnly();
    return QPlainTextEdit::event(event);
}

// Read-only notes are for reading: a stop of the Tab key when there is
// something to read, with a cursor that the arrow keys move.
void NotesBox::followReadOnly()
{
    if (!isReadOnly()) {
        setFocusPolicy(Qt::StrongFocus);
        return;
    }
    setFocusPolicy(document()->isEmpty() ? Qt::ClickFocus : Qt::StrongFocus);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void NotesBox::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(viewport());
        DrawFocusFrame(painter, viewport()->rect(), palette().color(QPalette::Active, QPalette::Highlight));
    }
}

void NotesBox::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void NotesBox::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}

QString NotesBox::shownText() const
{
    // Blocks are separated by U+2029; a line break typed with Shift+Enter is
    // U+2028. Both are one line break of the notes.
    QString text = document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    }
    return text;
}

void NotesBox::setShownText(const QString &text)
{
    m_programText = true;
    setPlainText(text);
    m_programText = false;
    m_before = shownText();
}

QString NotesBox::storedText() const
{
    return shownText().replace(QLatin1Char('\n'), CrLf);
}

void NotesBox::setStoredText(const QString &notes)
{
    setShownText(QString(notes).replace(CrLf, QStringLiteral("\n")));
}

// What the box takes of `inserted` put in place of the selection; the user
// is told about the rest.
QString NotesBox::admitInsertion(const QString &inserted)
{
    const QString now = shownText();
    const QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const QString typed = withPlainLineBreaks(inserted);
    const FieldText::Box box{m_maxLength, FieldText::Lines::Many};
    const FieldText::Admitted admitted =
        FieldText::admit(now, {now.left(start) + typed + now.mid(end), start + typed.size()}, box);
    if (const QString note = FieldText::note(admitted, box); !note.isEmpty())
        FieldBoxes::tell(this, note);
    // A notes box changes nothing but what was typed, which ends at the cursor.
    return admitted.kept.text.mid(start, admitted.kept.cursor - start);
}

void NotesBox::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool typing = !text.isEmpty() && !isReadOnly() &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                        (text.at(0).isPrint() || text.at(0).isSurrogate() || text == QStringLiteral("\r"));
    if (!typing) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const QString kept = admitInsertion(text);
    if (kept == withPlainLineBreaks(text))
        QPlainTextEdit::keyPressEvent(event);
    else if (!kept.isEmpty())
        insertPlainText(kept);
    event->accept();
}

void NotesBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (event->commitString().isEmpty() || isReadOnly()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent admitted(event->preeditString(), event->attributes());
    admitted.setCommitString(admitInsertion(event->commitString()), event->replacementStart(),
                             event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&admitted);
}

void NotesBox::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText() || isReadOnly()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString kept = admitInsertion(source->text());
    if (kept.isEmpty())
        return;
    QMimeData admitted;
    admitted.setText(kept);
    QPlainTextEdit::insertFromMimeData(&admitted);
}

// A change that came in another way (assistive technology) is taken back
// right after it: the part of the text that differs is replaced by what
// FieldText admits. Undo and redo bring back texts the box had, and are
// left alone.
void NotesBox::admitChange()
{
    if (m_programText)
        return;
    const QString now = shownText();
    if (isReadOnly() || document()->availableRedoSteps() > 0) {
        m_before = now;
        return;
    }
    const FieldText::Box box{m_maxLength, FieldText::Lines::Many};
    const FieldText::Admitted admitted = FieldText::admit(m_before, {now, textCursor().position()}, box);
    QString kept = admitted.kept.text;
    qsizetype cursorAt = admitted.kept.cursor;
    // A text of which the notes store nothing leaves them as they were.
    if (FieldBoxes::changeBetween(m_before, kept).inserted.isEmpty() &&
        !FieldBoxes::changeBetween(m_before, now).inserted.isEmpty()) {
        kept = m_before;
        cursorAt = std::min(cursorAt, kept.size());
    }
    if (kept != now) {
        const FieldBoxes::Change change = FieldBoxes::changeBetween(now, kept);
        m_programText = true;
        QTextCursor cursor(document());
        cursor.setPosition(int(change.start));
        cursor.setPosition(int(change.start + change.removed), QTextCursor::KeepAnchor);
        cursor.insertText(change.inserted);
        cursor.setPosition(int(cursorAt));
        setTextCursor(cursor);
        m_programText = false;
    }
    m_before = kept;
    if (const QString note = FieldText::note(admitted, box); !note.isEmpty())
        FieldBoxes::tell(this, note);
}
