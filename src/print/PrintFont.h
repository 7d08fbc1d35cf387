#pragma once

#include <QString>

// The printer font as the printouts set it: a face name, a size in points and
// the four styles.
struct PrintFont
{
    QString name = QStringLiteral("Arial");
    double size = 10.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    friend bool operator==(const PrintFont &, const PrintFont &) = default;
};
