#pragma once

// What assistive technology finds in a window: its accessibility tree, walked
// in process through QAccessible as a screen reader walks it over AT-SPI.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace AccessibleTree {

// Calls visit on every shown element under root, parents before children, in
// the order a screen reader reads them. Lists and tables count as one element:
// their rows are data, not controls.
inline void walk(QAccessibleInterface *root, const std::function<void(QAccessibleInterface *)> &visit)
{
    if (!root || !root->isValid() || root->state().invisible)
        return;
    visit(root);
    switch (root->role()) {
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::Tree:
        return;
    default:
        break;
    }
    for (int i = 0; i < root->childCount(); ++i)
        walk(root->child(i), visit);
}

inline QAccessibleInterface *of(QObject *object) { return QAccessible::queryAccessibleInterface(object); }

inline QString describe(QAccessibleInterface *element)
{
    const QObject *object = element->object();
    return QStringLiteral("%1 (role %2)")
        .arg(object ? object->objectName() + QLatin1Char(' ') + QLatin1String(object->metaObject()->className())
                    : QStringLiteral("child of ") + element->parent()->object()->objectName())
        .arg(int(element->role()));
}

inline bool isButton(QAccessible::Role role)
{
    return role == QAccessible::PushButton || role == QAccessible::ButtonMenu || role == QAccessible::Link
        || role == QAccessible::CheckBox || role == QAccessible::MenuItem;
}

// What would leave a screen-reader user stuck in window: a control that takes
// input (focus, typing, a press) without a name, and a button that cannot be
// pressed while it is available. Empty when there is nothing to report.
inline QStringList problems(QWidget *window)
{
    QStringList found;
    walk(of(window), [&found](QAccessibleInterface *element) {
        const QAccessible::Role role = element->role();
        const bool takesInput = element->state().focusable || element->state().editable || isButton(role)
                             || role == QAccessible::EditableText;
        if (takesInput && element->text(QAccessible::Name).trimmed().isEmpty())
            found << QStringLiteral("no name: ") + describe(element);
        if (isButton(role) && !element->state().disabled) {
            const QAccessibleActionInterface *actions = element->actionInterface();
            const QStringList names = actions ? actions->actionNames() : QStringList();
            if (!names.contains(QAccessibleActionInterface::pressAction())
                && !names.contains(QAccessibleActionInterface::toggleAction()))
                found << QStringLiteral("cannot be pressed: ") + describe(element);
        }
    });
    return found;
}

// The names of the editable text boxes under root, in reading order.
inline QStringList boxNames(QWidget *root)
{
    QStringList names;
    walk(of(root), [&names](QAccessibleInterface *element) {
        if (element->role() == QAccessible::EditableText)
            names << element->text(QAccessible::Name);
    });
    return names;
}

// The first shown element under root, in reading order, with the role and
// the name; null when there is none.
inline QAccessibleInterface *find(QAccessibleInterface *root, QAccessible::Role role, const QString &name)
{
    QAccessibleInterface *found = nullptr;
    walk(root, [&](QAccessibleInterface *element) {
        if (!found && element->role() == role && element->text(QAccessible::Name) == name)
            found = element;
    });
    return found;
}

// Presses the element through its Press action, as assistive technology does.
inline void press(QAccessibleInterface *element)
{
    element->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace AccessibleTree
