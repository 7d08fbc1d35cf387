#pragma once

#include <QRegularExpression>
#include <QStringList>

namespace ValueFormats {

// A regular-expression group matching any of the given texts literally; empty
// texts and repeats are left out.
inline QString alternativesPattern(QStringList texts)
{
    texts.removeAll(QString());
    texts.removeDuplicates();
    for (QString &text : texts)
        text = QRegularExpression::escape(text);
    return QStringLiteral("(?:%1)").arg(texts.join(QLatin1Char('|')));
}

} // namespace ValueFormats
