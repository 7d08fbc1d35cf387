#pragma once

#include <QString>

// The data folder, where the program keeps its data files: the per-user data
// folder, or for one run another folder named on the command line (files
// brought over from another computer, a folder on a removable disk). At
// start-up it becomes the process's working folder, so that the data files'
// plain names address it. The command-line tools find the same folder.
class DataFolder
{
public:
    struct Outcome
    {
        bool ok = false;
        QString path;
    };

    // The per-user data folder ($XDG_DATA_HOME/Torqal). The application's
    // identity must be set (SetApplicationIdentity).
    static QString usualPath();

    // The folder this run uses: the chosen one, or else the usual one.
    static QString path();

    // Uses `folder` (made absolute) instead of the usual one for this run;
    // an empty text goes back to the usual one.
    static void choose(const QString &folder);

    // True unless another folder than the usual one was chosen.
    static bool isUsual();

    // Makes the folder the working folder. The usual folder is created when
    // missing; a chosen one has to exist, so that a mistyped name does not
    // quietly become an empty data folder.
    static Outcome enter();
};
