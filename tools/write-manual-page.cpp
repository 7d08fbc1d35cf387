// Writes torqal-data's manual page when the program is built, from the same
// usage as its help:
//   torqal-data-manual PAGE DATE NAME SECTIONS
// PAGE is the file to write, DATE the page's date, NAME the NAME line's
// description and SECTIONS a help2man include file with the further sections.

#include "ManualPage.h"
#include "Verbs.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fputs("usage: torqal-data-manual PAGE DATE NAME SECTIONS\n", stderr);
        return 2;
    }
    QFile sections(QString::fromLocal8Bit(argv[4]));
    if (!sections.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "torqal-data-manual: %s: %s\n", argv[4], qPrintable(sections.errorString()));
        return 1;
    }
    const ManualPageParts parts{QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[2]), QString::fromUtf8(sections.readAll())};
    const QByteArray text = manualPage(toolUsage(), torqalDataVerbs(), parts).toUtf8();
    QSaveFile page(QString::fromLocal8Bit(argv[1]));
    if (!page.open(QIODevice::WriteOnly) || page.write(text) != text.size() || !page.commit()) {
        std::fprintf(stderr, "torqal-data-manual: %s: %s\n", argv[1], qPrintable(page.errorString()));
        return 1;
    }
    return 0;
}
