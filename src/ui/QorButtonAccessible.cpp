#include "ui/QorButtonAccessible.h"

#include "ui/AccessibleNames.h"
#include "ui/InputReach.h"
#include "ui/QorButton.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeySequence>

QorButtonAccessible::QorButtonAccessible(QorButton *button)
    : QAccessibleWidget(button, QAccessible::PushButton)
{
}

QAccessibleInterface *QorButtonAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QorButton") && object && object->isWidgetType())
        return new QorButtonAccessible(static_cast<QorButton *>(object));
    return nullptr;
}

QorButton *QorButtonAccessible::button() const
{
    return static_cast<QorButton *>(widget());
}

QAccessible::Role QorButtonAccessible::role() const
{
    return button()->opensMenu() ? QAccessible::ButtonMenu : QAccessible::PushButton;
}

QAccessible::State QorButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const QorButton *b = button();
    state.disabled = !ReachedByInput(b);
    state.pressed = b->isDown();
    if (b->checkBoxBehaviour()) {
        state.checkable = true;
        state.checked = b->value();
    }
    state.hasPopup = b->opensMenu();
    return state;
}

QString QorButtonAccessible::accessKeyText() const
{
    const QChar key = button()->accessKey();
    if (key.isNull())
        return {};
    return QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.toUpper().unicode())))
        .toString(QKeySequence::NativeText);
}

QString QorButtonAccessible::text(QAccessible::Text kind) const
{
    switch (kind) {
    case QAccessible::Name: {
        // The name the program gave, else the caption as it is read out, or
        // for an icon-only button its hover text.
        if (const QString given = button()->accessibleName(); !given.isEmpty())
            return given;
        const QString caption = AccessibleNames::plainCaption(button()->caption());
        return caption.isEmpty() ? button()->toolTip().trimmed() : caption;
    }
    case QAccessible::Description:
        return button()->toolTip().trimmed();
    case QAccessible::Accelerator:
        return accessKeyText();
    default:
        return QAccessibleWidget::text(kind);
    }
}

bool QorButtonAccessible::hasContextMenu() const
{
    return button()->contextMenuPolicy() == Qt::CustomContextMenu;
}

QStringList QorButtonAccessible::actionNames() const
{
    QStringList names{pressAction()};
    if (button()->opensMenu() || hasContextMenu())
        names << showMenuAction();
    return names + QAccessibleWidget::actionNames();
}

void QorButtonAccessible::doAction(const QString &actionName)
{
    if (!ReachedByInput(button()))
        return;
    if (actionName == pressAction() || (actionName == showMenuAction() && button()->opensMenu())) {
        button()->press();
    } else if (actionName == showMenuAction() && hasContextMenu()) {
        // The button's own menu (Print To... beside a plain Print), as the
        // menu key opens it.
        const QPoint centre = button()->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, button()->mapToGlobal(centre));
        QCoreApplication::sendEvent(button(), &event);
    } else {
        QAccessibleWidget::doAction(actionName);
    }
}

QStringList QorButtonAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName != pressAction())
        return QAccessibleWidget::keyBindingsForAction(actionName);
    QStringList keys{QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)};
    if (const QString accessKey = accessKeyText(); !accessKey.isEmpty())
        keys << accessKey;
    return keys;
}
