#pragma once

#include "Verb.h"

#include <QString>

// torqal-data's manual page, in the man macros of roff, written from the same
// usage as its help: what it does, its options, and each command as a
// subsection with its paragraphs, its lists ("- " lines of the help) as
// bulleted lists, its arguments and its options. `name` is the NAME line's
// description, `date` the page's date; `sections` are further sections as a
// help2man include file has them ("[FILES]" and the text of that section).
struct ManualPageParts
{
    QString name;
    QString date;
    QString sections;
};
QString manualPage(const CommandLine::Usage &tool, const QList<Verb> &verbs, const ManualPageParts &parts);
