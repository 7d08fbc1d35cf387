#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// The command line as Torqal's programs read it (torqal, torqal-data and the
// demo generator), through QCommandLineParser:
// - -h/--help prints the help and -v/--version the version on standard
//   output, exit status 0, without needing a display;
// - an unknown option or a wrong number of arguments is refused with one line
//   and a hint at --help on standard error, exit status 2 (UsageError);
// - the help is complete (every argument, option and exit status), for the
//   manual pages are made from it.
namespace CommandLine {

constexpr int UsageError = 2;

struct Argument
{
    QString name; // "FOLDER"
    QString description;
    bool optional = false;
    bool repeats = false; // the last argument may take any number of values
};

// What a program, or one command of torqal-data, takes and says about itself.
struct Usage
{
    QString command;     // "torqal", "torqal-data check"
    QString summary;     // one line: what it does
    QString description; // paragraphs, separated by empty lines
    QList<QCommandLineOption> options; // besides --help (and --version)
    QList<Argument> arguments;
    bool offersVersion = true;

    // "torqal-data dump [--kind KIND] FILE"
    QString synopsis() const;
    // The options with --help (and --version).
    QList<QCommandLineOption> allOptions() const;
    // Usage line, summary, description, arguments and options.
    QString help() const;
    // The same, without the usage line, indented as one entry of a list.
    QString entry(int indent) const;
};

// Reads `arguments` (the program's own name first, as argv has it) against
// `usage`. Returns the exit status when the program is done: 0 after the help
// or the version was printed, UsageError after a refusal. Returns nothing
// when the program is to run; `parser` then holds what was given.
std::optional<int> read(const Usage &usage, const QStringList &arguments, QCommandLineParser &parser,
                        QTextStream &out, QTextStream &errors);

// Refuses the command line: "<command>: <problem>" and a hint at --help on
// `errors`. Returns UsageError.
int refuse(const Usage &usage, const QString &problem, QTextStream &errors);

// "torqal-data (Torqal) 1.0.0"
QString versionLine(const QString &program);

QCommandLineOption helpOption();
QCommandLineOption versionOption();

QStringList argumentsOf(int argc, char *argv[]);

// Text laid out for a terminal: words wrapped before column 80, each line
// indented by `indent` blanks; paragraphs stay apart.
QString wrapped(const QString &text, int indent);

} // namespace CommandLine
