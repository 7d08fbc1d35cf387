#pragma once

#include <QList>
#include <QString>

#include "platform/TestSeam.h"

class QWidget;

// The platform's file dialogs. Each returns the chosen path, or an empty text
// when the user cancelled.
//
// The files the program writes and reads for the user come in kinds, each
// with its file type. A dialog for a kind shows the files of its type and
// starts in the folder last chosen for that kind (kept in the settings,
// Settings::lastFolderKey), at first in the user's documents folder, or the
// home folder without one; never in the data folder.
class FileDialog
{
public:
    enum class Kind { Csv, Pdf, Png, Zip };

    // A file to open: no file-type filter, default title; the dialog starts
    // in startFolder when one is given.
    static QString openFile(QWidget *parent, const QString &startFolder = QString());
    // A file of the kind to open (files of other types on the user's choice).
    static QString openFile(QWidget *parent, const QString &title, Kind kind);
    // A file of the kind to write, offered as fileName in the kind's folder;
    // a name typed without the type's extension gets it. The dialog itself
    // asks before replacing a file.
    static QString saveFile(QWidget *parent, const QString &title, const QString &fileName, Kind kind);
    // A folder, which may be new, to write files of the kind into.
    static QString chooseFolder(QWidget *parent, const QString &title, Kind kind);

    // The folder the next dialog for the kind starts in.
    static QString folderOf(Kind kind);

    // Test seam. While a Script exists no dialog appears: each request is
    // recorded and takes the next queued path; with nothing queued it counts
    // as cancelled. A path taken counts as chosen in the dialog.
    class Script : public TestSeam<Script>
    {
    public:
        // What a dialog was asked to show: its title, the folder or file it
        // starts at and its file-type filter ("PDF files (*.pdf)").
        struct Request
        {
            QString title;
            QString start;
            QString filter;
        };

        void choose(const QString &path) { answers.append(path); }
        void cancel() { answers.append(QString()); }
        int count() const { return int(asked.size()); }
        const QList<Request> &requests() const { return asked; }
        // The next answer, recording the request.
        QString take(const Request &request);

    private:
        QList<QString> answers;
        QList<Request> asked;
    };
};
