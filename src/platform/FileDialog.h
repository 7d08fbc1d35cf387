#pragma once

#include <QList>
#include <QString>

#include "platform/TestSeam.h"

class QWidget;

// The platform's open-file dialog: no file-type filter, default title.
class FileDialog
{
public:
    // The chosen file's full path, or an empty text when the user cancelled.
    static QString openFile(QWidget *parent);

    // Test seam. While a Script exists no dialog appears: each request takes
    // the next queued file name; with nothing queued it counts as cancelled.
    class Script : public TestSeam<Script>
    {
    public:
        void choose(const QString &path) { answers.append(path); }
        void cancel() { answers.append(QString()); }
        int count() const { return asked; }

    private:
        friend class FileDialog;
        QList<QString> answers;
        int asked = 0;
    };
};
