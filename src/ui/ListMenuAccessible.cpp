#include "ui/ListMenuAccessible.h"

#include "ui/ListMenu.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

class ListMenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ListMenuItemAccessible(ListMenu *menu, int row) : m_menu(menu), m_row(row) {}

    ListMenu *menu() const { return m_menu; }
    int row() const { return m_row; }

    bool isValid() const override { return m_menu && m_menu->model() && m_row < m_menu->model()->rowCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_menu ? m_menu->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_menu); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() && !separator() ? m_menu->caption(m_row) : QString();
    }

    QRect rect() const override
    {
        if (!isValid() || !m_menu->isVisible())
            return {};
        const QRect shown = m_menu->visualRect(m_menu->model()->index(m_row, 0)) & m_menu->viewport()->rect();
        if (shown.isEmpty())
            return {};
        return QRect(m_menu->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }

    QAccessible::Role role() const override { return separator() ? QAccessible::Separator : QAccessible::MenuItem; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.invisible = !m_menu->isVisible();
        state.offscreen = rect().isEmpty();
        state.disabled = separator();
        state.focusable = !separator();
        const bool current = m_menu->currentIndex().row() == m_row;
        state.focused = current && m_menu->hasFocus();
        state.hotTracked = current;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        return isValid() && !separator() ? QStringList{pressAction()} : QStringList();
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid())
            m_menu->trigger(m_row);
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    bool separator() const { return m_menu->isSeparator(m_row); }

    QPointer<ListMenu> m_menu;
    int m_row;
};

class ListMenuAccessible : public QAccessibleWidget
{
public:
    explicit ListMenuAccessible(ListMenu *menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    ~ListMenuAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_items))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return menu()->model() ? menu()->model()->rowCount() : 0; }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const auto found = m_items.constFind(index); found != m_items.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto *item = new ListMenuItemAccessible(menu(), index);
        m_items.insert(index, QAccessible::registerAccessibleInterface(item));
        return item;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *item = dynamic_cast<const ListMenuItemAccessible *>(child);
        return item && item->menu() == menu() && item->isValid() ? item->row() : -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QModelIndex under = menu()->indexAt(menu()->viewport()->mapFromGlobal(QPoint(x, y)));
        return under.isValid() ? child(under.row()) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        const QModelIndex current = menu()->currentIndex();
        return current.isValid() ? child(current.row()) : nullptr;
    }

private:
    ListMenu *menu() const { return static_cast<ListMenu *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_items;
};

QAccessibleInterface *listMenuInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("ListMenu") && object && object->isWidgetType())
        return new ListMenuAccessible(static_cast<ListMenu *>(object));
    return nullptr;
}

} // namespace

void InstallListMenuAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(listMenuInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
