#include "reminders/ReminderParts.h"

#include "platform/Textures.h"
#include "platform/TileBackground.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"

#include <QDialog>

namespace ReminderParts {

QorButton *command(QWidget *parent, const QString &name, const QString &accessibleName, const QString &hoverText)
{
    auto *button = new QorButton(parent);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setToolTip(hoverText);
    button->setMinimumSize(96, 30);
    return button;
}

void loadCommandLooks(QWidget *window, const QString &layoutName)
{
    QString error;
    if (!LoadButtonLayout(window, layoutName, &error))
        qWarning("%s", qPrintable(error));
}

void setUpWindow(QDialog *window, const QString &name, const QString &title)
{
    window->setObjectName(name);
    window->setWindowTitle(title);
    window->setModal(true);
    TileBackground(Textures::brushedSteel(), window);
}

} // namespace ReminderParts
