#include "platform/CommandLine.h"

#include "platform/Identity.h"

#include <algorithm>

namespace CommandLine {

namespace {

constexpr int LineWidth = 79;

QString optionNames(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        text += QLatin1Char(' ') + option.valueName();
    // Long-only options line up with the long names of the others.
    return option.names().constFirst().size() == 1 ? text : QStringLiteral("    ") + text;
}

// "  NAME   description" rows, the descriptions in one column.
QString table(const QList<std::pair<QString, QString>> &rows, int indent)
{
    int width = 0;
    for (const auto &[name, description] : rows)
        width = std::max(width, int(name.size()));
    const int column = indent + width + 2;
    QString text;
    for (const auto &[name, description] : rows) {
        const QString lead = QString(indent, u' ') + name;
        QString body = wrapped(description, column);
        if (description.isEmpty())
            body = lead + QLatin1Char('\n');
        else if (lead.size() + 2 <= column)
            body.replace(0, lead.size(), lead);
        else
            body = lead + QLatin1Char('\n') + body;
        text += body;
    }
    return text;
}

QString details(const Usage &usage, int indent)
{
    QString text = wrapped(usage.summary, indent);
    if (!usage.description.isEmpty())
        text += QLatin1Char('\n') + wrapped(usage.description, indent);
    if (!usage.arguments.isEmpty()) {
        QList<std::pair<QString, QString>> rows;
        for (const Argument &argument : usage.arguments)
            rows.append({argument.name, argument.description});
        text += QLatin1Char('\n') + QString(indent, u' ') + QStringLiteral("Arguments:\n") + table(rows, indent + 2);
    }
    QList<std::pair<QString, QString>> rows;
    for (const QCommandLineOption &option : usage.allOptions())
        rows.append({optionNames(option), option.description()});
    text += QLatin1Char('\n') + QString(indent, u' ') + QStringLiteral("Options:\n") + table(rows, indent + 2);
    return text;
}

} // namespace

QString Usage::synopsis() const
{
    QStringList parts{command};
    for (const QCommandLineOption &option : options) {
        const QString name = option.names().constLast();
        parts << QStringLiteral("[--%1%2]").arg(name, option.valueName().isEmpty() ? QString() : QLatin1Char(' ') + option.valueName());
    }
    for (const Argument &argument : arguments)
        parts << (argument.optional ? QStringLiteral("[%1]").arg(argument.name) : argument.name)
                     + (argument.repeats ? QStringLiteral("...") : QString());
    return parts.join(QLatin1Char(' '));
}

QList<QCommandLineOption> Usage::allOptions() const
{
    QList<QCommandLineOption> all = options;
    all << helpOption();
    if (offersVersion)
        all << versionOption();
    return all;
}

QString Usage::help() const
{
    return QStringLiteral("Usage: ") + synopsis() + QLatin1Char('\n') + details(*this, 0);
}

QString Usage::entry(int indent) const
{
    return details(*this, indent);
}

std::optional<int> read(const Usage &usage, const QStringList &arguments, QCommandLineParser &parser,
                        QTextStream &out, QTextStream &errors)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(usage.allOptions());
    for (const Argument &argument : usage.arguments)
        parser.addPositionalArgument(argument.name, argument.description);
    if (!parser.parse(arguments))
        return refuse(usage, parser.errorText(), errors);
    if (parser.isSet(helpOption())) {
        out << usage.help();
        return 0;
    }
    if (usage.offersVersion && parser.isSet(versionOption())) {
        out << versionLine(usage.command) << '\n';
        return 0;
    }
    const qsizetype given = parser.positionalArguments().size();
    const qsizetype required = std::count_if(usage.arguments.begin(), usage.arguments.end(),
                                             [](const Argument &argument) { return !argument.optional; });
    const bool unlimited = !usage.arguments.isEmpty() && usage.arguments.constLast().repeats;
    if (given > usage.arguments.size() && !unlimited)
        return refuse(usage, QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().at(usage.arguments.size())), errors);
    if (given < required)
        return refuse(usage, QStringLiteral("%1 is missing").arg(usage.arguments.at(given).name), errors);
    return std::nullopt;
}

int refuse(const Usage &usage, const QString &problem, QTextStream &errors)
{
    errors << usage.command << ": " << problem << "\n"
           << "Try '" << usage.command << " --help' for more information.\n";
    return UsageError;
}

QString versionLine(const QString &program)
{
    return QStringLiteral("%1 (%2) %3").arg(program, ApplicationTitle, ApplicationVersion());
}

QCommandLineOption helpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
}

QCommandLineOption versionOption()
{
    return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit."));
}

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString wrapped(const QString &text, int indent)
{
    QString result;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        // A line that fits is kept as it is, so that text laid out before
        // (a table) keeps its columns.
        if (indent + line.size() <= LineWidth) {
            result += (line.isEmpty() ? QString() : QString(indent, u' ') + line) + QLatin1Char('\n');
            continue;
        }
        // A line's own leading blanks indent it further; the continuation
        // lines of a "- " list item hang under its text.
        const int leading = int(std::find_if(line.begin(), line.end(), [](QChar c) { return c != u' '; }) - line.begin());
        const int hanging = indent + leading + (QStringView(line).sliced(leading).startsWith(u"- ") ? 2 : 0);
        int margin = indent + leading;
        QString current(margin, u' ');
        for (const QString &word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (current.size() > margin && current.size() + 1 + word.size() > LineWidth) {
                result += current + QLatin1Char('\n');
                margin = hanging;
                current = QString(margin, u' ');
            }
            if (current.size() > margin)
                current += QLatin1Char(' ');
            current += word;
        }
        result += (current.size() > margin ? current : QString()) + QLatin1Char('\n');
    }
    return result;
}

} // namespace CommandLine
