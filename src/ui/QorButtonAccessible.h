#pragma once

#include <QAccessibleWidget>

class QorButton;

// What assistive technology sees of a QorButton: a push button (a menu button
// when its click opens a pop-up menu, a toggle with CheckBoxBehaviour) named
// by the name the program gave it, else by its caption or, for an icon-only
// button, by its hover text; described by its hover text; with a Press action that clicks it as the space bar does,
// and a Show Menu action where the button has a menu of its own besides.
// Its states: focusable, focused, pressed (drawn pressed), checked (a toggle
// that is on) and unavailable (disabled, behind a modal window, or while its
// window fades); an unavailable button takes no action.
class QorButtonAccessible : public QAccessibleWidget
{
public:
    explicit QorButtonAccessible(QorButton *button);

    // Hands Qt's accessibility this interface for every QorButton.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QorButton *button() const;
    QString accessKeyText() const;
    bool hasContextMenu() const;
};
