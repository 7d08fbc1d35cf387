#pragma once

#include <QString>

// The per-user data folder, where the program keeps its data files. At
// start-up it becomes the process's working folder, so that the data files'
// plain names address it.
class DataFolder
{
public:
    struct Outcome
    {
        bool ok = false;
        QString path;
    };

    static QString path();

    // Creates the folder when missing and makes it the working folder.
    static Outcome enter();
};
