#pragma once

#include <QPlainTextEdit>

// A multi-line field box that, like the one-line boxes, takes no more typed
// or pasted characters than its record field holds.
class NotesBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    NotesBox(int maxLength, QWidget *parent = nullptr);

    int maxLength() const { return maximum; }

private:
    void cutExcess();

    int maximum;
};
