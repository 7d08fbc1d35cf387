#include "ManualPage.h"

#include "platform/Identity.h"

#include <QRegularExpression>

namespace {

// Text as roff shows it: a backslash and a minus are escaped (so that option
// names and paths come out as typed), and a line starting with a dot or an
// apostrophe is kept as text, not read as a request.
QString text(const QString &plain)
{
    QString escaped = plain;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\e")).replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (escaped.startsWith(QLatin1Char('.')) || escaped.startsWith(QLatin1Char('\'')))
        escaped.prepend(QStringLiteral("\\&"));
    return escaped;
}

// Paragraphs apart by empty lines; a line starting "- " is an item of a list,
// and the text after a list goes on in a paragraph of its own.
QString paragraphs(const QString &plain)
{
    QString roff;
    for (const QString &paragraph : plain.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts)) {
        roff += QStringLiteral(".PP\n");
        bool inList = false;
        for (const QString &line : paragraph.split(QLatin1Char('\n'))) {
            const bool item = line.startsWith(QLatin1String("- "));
            if (item)
                roff += QStringLiteral(".IP \\(bu 2\n");
            else if (inList)
                roff += QStringLiteral(".PP\n");
            inList = item;
            roff += text(item ? line.mid(2) : line) + QLatin1Char('\n');
        }
    }
    return roff;
}

QString optionTerm(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << QStringLiteral("\\fB%1%2\\fR").arg(name.size() == 1 ? QStringLiteral("\\-") : QStringLiteral("\\-\\-"), text(name));
    QString term = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        term += QStringLiteral(" \\fI%1\\fR").arg(text(option.valueName()));
    return term;
}

// The arguments (in italics) and the options (in bold), each with its
// description indented under it.
QString definitions(const CommandLine::Usage &usage, bool withArguments)
{
    QString roff;
    if (withArguments) {
        for (const CommandLine::Argument &argument : usage.arguments)
            roff += QStringLiteral(".TP\n\\fI%1\\fR\n%2\n").arg(text(argument.name), text(argument.description));
    }
    for (const QCommandLineOption &option : usage.allOptions())
        roff += QStringLiteral(".TP\n%1\n%2\n").arg(optionTerm(option), text(option.description()));
    return roff;
}

// The sections of a help2man include file: "[NAME]" starts a section.
QString includedSections(const QString &sections)
{
    static const QRegularExpression heading(QStringLiteral("^\\[([^\\]]+)\\]$"), QRegularExpression::MultilineOption);
    QString roff = sections;
    roff.replace(heading, QStringLiteral(".SH \\1"));
    return roff.trimmed() + QLatin1Char('\n');
}

} // namespace

QString manualPage(const CommandLine::Usage &tool, const QList<Verb> &verbs, const ManualPageParts &parts)
{
    const QString program = text(tool.command);
    QString roff = QStringLiteral(".TH %1 1 \"%2\" \"%3 %4\" \"User Commands\"\n")
                       .arg(program.toUpper(), parts.date, ApplicationTitle, ApplicationVersion());
    roff += QStringLiteral(".SH NAME\n%1 \\- %2\n").arg(program, text(parts.name));
    roff += QStringLiteral(".SH SYNOPSIS\n.B %1\n%2\n").arg(program, text(tool.synopsis().mid(tool.command.size() + 1)));
    roff += QStringLiteral(".SH DESCRIPTION\n") + text(tool.summary) + QLatin1Char('\n') + paragraphs(tool.description);
    roff += QStringLiteral(".SH OPTIONS\n") + definitions(tool, false);
    roff += QStringLiteral(".SH COMMANDS\n");
    for (const Verb &verb : verbs) {
        roff += QStringLiteral(".SS \"%1\"\n").arg(text(verb.usage.synopsis().mid(tool.command.size() + 1)));
        roff += text(verb.usage.summary) + QLatin1Char('\n') + paragraphs(verb.usage.description);
        roff += definitions(verb.usage, true);
    }
    return roff + includedSections(parts.sections);
}
