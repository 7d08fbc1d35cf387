#include "ui/AccessibleNames.h"

#include <QLabel>
#include <QRegularExpression>

namespace AccessibleNames {

QString plainCaption(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == QLatin1Char('&')) {
            // "&&" shows one ampersand; a single one marks the access key.
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                text += c;
                ++i;
            }
            continue;
        }
        text += c;
    }
    static const QRegularExpression lineBreaks(QStringLiteral("\r\n|\r|\n"));
    return text.replace(lineBreaks, QStringLiteral(" ")).trimmed();
}

void nameByCaption(QLabel *caption, QWidget *box)
{
    caption->setBuddy(box);
    box->setAccessibleName(plainCaption(caption->text()));
}

} // namespace AccessibleNames
