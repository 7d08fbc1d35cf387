#pragma once

#include <QPlainTextEdit>

// The multi-line notes box of a log entry. Its text is the notes as stored
// (lines separated by CR LF); it takes no more typed or pasted characters
// than the notes field holds, a line break counting as two.
class NotesEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit NotesEdit(QWidget *parent = nullptr);

    void setMaxLength(int length);
    int maxLength() const { return m_maxLength; }

    QString storedText() const;
    void setStoredText(const QString &text);

private:
    void cutExcess();

    int m_maxLength = 0;
};
