// Loading a window's buttons from a stored layout and saving their layout:
// the part of the button layouts that needs the windows' buttons.

#include "ui/ButtonLayout.h"

#include "ui/QorButton.h"

#include <QWidget>

#include <algorithm>

bool LoadButtonLayout(QWidget *window, const QString &layoutName, QString *error)
{
    ButtonLayout layout;
    const QString path = buttonLayoutPath(layoutName);
    if (!programButtonLayout(layoutName, layout, error))
        return false;
    QStringList missing;
    for (const ButtonLayoutEntry &entry : layout) {
        if (auto *button = window->findChild<QorButton *>(entry.name))
            button->loadProperties(entry.properties);
        else
            missing << entry.name;
    }
    if (missing.isEmpty())
        return true;
    if (error)
        *error = QStringLiteral("%1: no button %2 in the window").arg(path, missing.join(QStringLiteral(", ")));
    return false;
}

bool LoadButtonLayoutInto(const QList<QorButton *> &buttons, const QString &layoutName, QString *error)
{
    ButtonLayout layout;
    const QString path = buttonLayoutPath(layoutName);
    if (!programButtonLayout(layoutName, layout, error))
        return false;
    QStringList missing;
    for (QorButton *button : buttons) {
        const auto entry = std::find_if(layout.cbegin(), layout.cend(), [button](const ButtonLayoutEntry &stored) {
            return stored.name == button->objectName();
        });
        if (entry != layout.cend())
            button->loadProperties(entry->properties);
        else
            missing << button->objectName();
    }
    if (missing.isEmpty())
        return true;
    if (error)
        *error = QStringLiteral("%1: no layout for %2").arg(path, missing.join(QStringLiteral(", ")));
    return false;
}

ButtonLayout SaveButtonLayout(const QWidget *window)
{
    ButtonLayout layout;
    for (const QorButton *button : window->findChildren<QorButton *>()) {
        ButtonLayoutEntry entry{button->objectName(), {}};
        button->saveProperties(entry.properties);
        layout.append(entry);
    }
    return layout;
}
