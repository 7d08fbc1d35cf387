#include "ui/FocusList.h"

#include "ui/FocusFrame.h"
#include "ui/InputReach.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPainter>

namespace {

// The list as assistive technology knows it (a table of rows and cells, made
// by Qt), with a SetFocus action added. Everything else is the table's own.
class FocusListAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    FocusListAccessible(FocusList *list, QAccessibleInterface *table) : m_list(list), m_table(table) {}
    ~FocusListAccessible() override { QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_table)); }

    bool isValid() const override { return m_list && m_table->isValid(); }
    QObject *object() const override { return m_list; }
    QWindow *window() const override { return m_table->window(); }
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return m_table->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return m_table->focusChild(); }
    QAccessibleInterface *childAt(int x, int y) const override { return m_table->childAt(x, y); }
    QAccessibleInterface *parent() const override { return m_table->parent(); }
    QAccessibleInterface *child(int index) const override { return m_table->child(index); }
    int childCount() const override { return m_table->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override { return m_table->indexOfChild(child); }
    QString text(QAccessible::Text t) const override { return m_table->text(t); }
    void setText(QAccessible::Text t, const QString &text) override { m_table->setText(t, text); }
    QRect rect() const override { return m_table->rect(); }
    QAccessible::Role role() const override { return m_table->role(); }
    QAccessible::State state() const override { return m_table->state(); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return m_table->interface_cast(type);
    }

    QStringList actionNames() const override
    {
        return m_list && m_list->focusPolicy() != Qt::NoFocus ? QStringList{setFocusAction()} : QStringList();
    }

    void doAction(const QString &name) override
    {
        if (name == setFocusAction() && m_list && ReachedByInput(m_list))
            m_list->setFocus(Qt::OtherFocusReason);
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<FocusList> m_list;
    QAccessibleInterface *m_table;
};

// Qt's own table interface is made first (this factory declines while it is
// asked for it), then wrapped; the wrapper takes its place for the list.
QAccessibleInterface *focusListFactory(const QString &className, QObject *object)
{
    static bool makingTable = false;
    auto *list = qobject_cast<FocusList *>(object);
    if (makingTable || !list || className != QLatin1String("FocusList"))
        return nullptr;
    makingTable = true;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(object);
    makingTable = false;
    return table ? new FocusListAccessible(list, table) : nullptr;
}

} // namespace

FocusList::FocusList(QWidget *parent) : QTableView(parent)
{
    static const bool accessible = (QAccessible::installFactory(&focusListFactory), true);
    Q_UNUSED(accessible);
}

void FocusList::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid())
        return;
    const QModelIndex first = model()->index(current.row(), 0);
    const QModelIndex last = model()->index(current.row(), model()->columnCount() - 1);
    QPainter painter(viewport());
    DrawFocusFrame(painter, visualRect(first).united(visualRect(last)), palette().color(QPalette::Active, QPalette::Text));
}

void FocusList::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void FocusList::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}
