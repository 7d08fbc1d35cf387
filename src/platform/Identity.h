#pragma once

#include <QString>
#include <QStringList>

// The program's name and its maker, as the windows, messages and links show them.
inline const QString ApplicationTitle = QStringLiteral("Torqal");

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
