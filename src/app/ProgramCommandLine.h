#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// The command line of torqal itself:
//   torqal [--data-folder FOLDER]
//   torqal --help | --version
// Read before anything needs a display.
struct ProgramCommandLine
{
    // The folder named with --data-folder (absolute), or empty for the usual one.
    QString dataFolder;

    // Reads `arguments` (the program's name first). Returns the exit status
    // when the program is done (help or version printed, or the command line
    // refused), otherwise nothing, with `options` filled in.
    static std::optional<int> read(const QStringList &arguments, ProgramCommandLine &options, QTextStream &out, QTextStream &errors);
};
