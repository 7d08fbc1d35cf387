#include "history/HistoryButtons.h"

#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"

#include <QFontMetrics>

#include <algorithm>

namespace HistoryButtons {

namespace {
const char *const CaptionProperty = "caption";
// A 16-pixel icon, the gap beside it and the button's edges.
constexpr int IconAndMargins = 56;
} // namespace

QorButton *make(QWidget *window, const QString &name, const QString &caption, const QString &tip)
{
    auto *button = new QorButton(window);
    button->setObjectName(name);
    button->setProperty(CaptionProperty, caption);
    button->setToolTip(tip);
    button->setMinimumSize(150, 32);
    return button;
}

void loadLayout(QWidget *window, const QString &layoutName)
{
    QString error;
    if (!LoadButtonLayout(window, layoutName, &error))
        qWarning("%s", qPrintable(error));
    for (QorButton *button : window->findChildren<QorButton *>()) {
        const QString caption = button->property(CaptionProperty).toString();
        button->setCaption(caption);
        // Room for the caption on one line beside the icon, in the layout's font.
        const int captionWidth = QFontMetrics(button->font()).horizontalAdvance(QString(caption).remove(u'&'));
        button->setMinimumWidth(std::max(button->minimumWidth(), captionWidth + IconAndMargins));
    }
}

QString entries(std::size_t count)
{
    return count == 1 ? QStringLiteral("1 entry") : QStringLiteral("%1 entries").arg(count);
}

} // namespace HistoryButtons
