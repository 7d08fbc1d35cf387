#pragma once

#include <QString>

// The line break of the texts the program keeps and hands around: notes in
// the data files, captions, help topics and message texts. The message-box
// service shows each one as a line break; a text box shows "\n" instead, so
// that what is typed comes back with CR LF.
inline const QString CrLf = QStringLiteral("\r\n");
