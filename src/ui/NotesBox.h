#pragma once

#include <QPlainTextEdit>

// A multi-line notes box. The notes are stored with CR LF between lines; the
// box shows plain line breaks. Of what the user types, pastes or drops it
// takes only what the notes field stores (the rules of FieldText: a line
// break counts as two characters), before it reaches the text, so that undo
// works as usual; a change made another way (assistive technology) is taken
// back right after. What the program shows in it (setStoredText,
// setShownText) is shown whole and as it is. Read-only, the box is a stop of
// the Tab key only while it has text to read. With the keyboard in it, it
// shows a frame.
class NotesBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit NotesBox(int maxLength = 0, QWidget *parent = nullptr);

    void setMaxLength(int length) { m_maxLength = length; }
    int maxLength() const { return m_maxLength; }

    // The notes with CR LF between lines, every character as shown (unlike
    // toPlainText, which turns a no-break blank into a blank).
    QString storedText() const;
    void setStoredText(const QString &notes);

    // The same with '\n' between lines.
    QString shownText() const;
    void setShownText(const QString &text);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    QString admitInsertion(const QString &inserted);
    void admitChange();
    void followReadOnly();

    int m_maxLength;
    QString m_before;
    bool m_programText = false;
};
