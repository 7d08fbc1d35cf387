#pragma once

#include <QString>
#include <QStringList>

// The program's name and its maker, as the windows, messages and links show them.
inline const QString ApplicationTitle = QStringLiteral("Torqal");

// The program's version, "major.minor.revision".
QString ApplicationVersion();

// Gives the running program (the windows as well as the command-line tools)
// the application name and version under which the platform keeps its
// per-user folders and settings, so that all of them find the same data
// folder. Needs no display.
void SetApplicationIdentity();

namespace Maker {

inline const QString Name = QStringLiteral("Qor Software");
inline const QStringList PostalAddress = {QStringLiteral("417 Mill Street, Suite 12"),
                                          QStringLiteral("Springfield, OR 97477"), QStringLiteral("USA")};
inline const QString EmailAddress = QStringLiteral("support@qorsoftware.example");
// The web site's host name, without a scheme.
inline const QString WebAddress = QStringLiteral("www.qorsoftware.example");
// Where the program's download file lies on the web site.
inline const QString DownloadPath = QStringLiteral("/downloads/torqal.tar.gz");

} // namespace Maker
