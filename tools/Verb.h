#pragma once

#include "platform/CommandLine.h"
#include "platform/SingleInstance.h"

#include <QCommandLineParser>
#include <QList>
#include <QTextStream>

#include <functional>

// One command of torqal-data ("check", "dump", ...): what it takes, as its
// help describes it, and what it does. A command is made in a file of its own
// (tools/<Name>Command.cpp, which declares e.g. `Verb checkVerb();`) and
// takes its place in the list in Verbs.cpp; parsing, help and refusals are
// the same for all of them.
struct Verb
{
    // usage.command is "torqal-data <name>".
    CommandLine::Usage usage;
    // Runs the command on its command line; returns the exit status.
    std::function<int(const QCommandLineParser &parser, QTextStream &out, QTextStream &errors)> run;

    QString name() const;
};

// The optional FOLDER argument of the commands that work on a data folder,
// and the folder given (Torqal's own data folder when it is left out).
CommandLine::Argument folderArgument();
QString folderOf(const QCommandLineParser &parser);

// Whether `folder` is a folder; if not, says so in one line on `errors`.
bool isFolder(const QString &folder, QTextStream &errors);

// Takes the folder's lock for the command `verb`, which changes files in it;
// if it cannot, says why in one line on `errors` (Torqal running there, a
// lock file that cannot be read or made).
bool lockFolder(SingleInstance &lock, const QString &verb, QTextStream &errors);

// What torqal-data says about itself in its help, before the list of its
// commands.
CommandLine::Usage toolUsage();

// torqal-data itself: reads the command's name, then that command's own
// options and arguments, and runs it. `arguments` starts with the program's
// name. Returns the exit status.
int runVerbs(const QList<Verb> &verbs, const QStringList &arguments, QTextStream &out, QTextStream &errors);
