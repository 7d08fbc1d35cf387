#pragma once

#include <QList>
#include <QString>

#include "platform/TestSeam.h"

class QWidget;

// The platform's file dialogs. Each returns the chosen path, or an empty text
// when the user cancelled.
class FileDialog
{
public:
    // A file to open: no file-type filter, default title; the dialog starts
    // in startFolder when one is given.
    static QString openFile(QWidget *parent, const QString &startFolder = QString());
    // A file to write, offered under `suggestedPath`; the filter reads like
    // "PDF files (*.pdf)". The dialog itself asks before replacing a file.
    static QString saveFile(QWidget *parent, const QString &title, const QString &suggestedPath, const QString &filter);
    // A folder, which may be new; the dialog starts in startFolder.
    static QString chooseFolder(QWidget *parent, const QString &title, const QString &startFolder);

    // Test seam. While a Script exists no dialog appears: each request takes
    // the next queued path; with nothing queued it counts as cancelled.
    class Script : public TestSeam<Script>
    {
    public:
        void choose(const QString &path) { answers.append(path); }
        void cancel() { answers.append(QString()); }
        int count() const { return asked; }
        // The next answer, counting the request.
        QString take();

    private:
        QList<QString> answers;
        int asked = 0;
    };
};
