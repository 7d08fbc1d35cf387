#include "ui/ListMenu.h"

#include "ui/ListMenuAccessible.h"

#include <QAbstractItemDelegate>
#include <QAccessible>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionMenuItem>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The caption as the style draws it: an ampersand is no access key.
QString shownText(const QString &caption)
{
    QString text = caption;
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QStyleOptionMenuItem menuItemOption(const ListMenu *menu, const QString &caption, bool separator)
{
    QStyleOptionMenuItem item;
    item.initFrom(menu);
    item.state = QStyle::State_Enabled;
    item.font = menu->font();
    item.checkType = QStyleOptionMenuItem::NotCheckable;
    item.menuHasCheckableItems = false;
    item.maxIconWidth = 0;
    item.reservedShortcutWidth = 0;
    item.menuItemType = separator ? QStyleOptionMenuItem::Separator : QStyleOptionMenuItem::Normal;
    item.text = separator ? QString() : shownText(caption);
    item.menuRect = menu->viewport()->rect();
    return item;
}

// Each row painted as the style paints a menu item; every row as high as an
// item, so that the list lays out without measuring its rows.
class MenuRowDelegate : public QAbstractItemDelegate
{
public:
    explicit MenuRowDelegate(ListMenu *menu) : QAbstractItemDelegate(menu), m_menu(menu) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionMenuItem item = menuItemOption(m_menu, m_menu->caption(index.row()), m_menu->isSeparator(index.row()));
        item.rect = option.rect;
        if (option.state & QStyle::State_Selected)
            item.state |= QStyle::State_Selected;
        m_menu->style()->drawControl(QStyle::CE_MenuItem, &item, painter, m_menu);
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return itemSize(m_menu->fontMetrics().horizontalAdvance(QLatin1Char('X')));
    }

    // An item whose caption is textWidth wide.
    QSize itemSize(int textWidth) const
    {
        const QStyleOptionMenuItem item = menuItemOption(m_menu, QStringLiteral("X"), false);
        return m_menu->style()->sizeFromContents(QStyle::CT_MenuItem, &item,
                                                 QSize(textWidth, m_menu->fontMetrics().height()), m_menu);
    }

private:
    ListMenu *m_menu;
};

const QString SeparatorDescription = QStringLiteral("separator");

} // namespace

ListMenu::ListMenu(QWidget *parent)
    : QListView(parent)
{
    InstallListMenuAccessibility();
    setWindowFlags(Qt::Popup);
    setItemDelegate(new MenuRowDelegate(this));
    setUniformItemSizes(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerItem);
    // A thin dark line around the menu, as around the style's own menus.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setForegroundRole(QPalette::Dark);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    // The background is the style's menu panel.
    setBackgroundRole(QPalette::Window);
    viewport()->setBackgroundRole(QPalette::Window);
}

bool ListMenu::isSeparator(int row) const
{
    return model() && model()->index(row, 0).data(Qt::AccessibleDescriptionRole).toString() == SeparatorDescription;
}

QString ListMenu::caption(int row) const
{
    return model() ? model()->index(row, 0).data(Qt::DisplayRole).toString() : QString();
}

// The widest caption's width, from the advances of its characters, each
// character measured once: a long list is measured in one quick pass. As
// kerning and ligatures only narrow a text, no caption is cut short.
int ListMenu::widestCaption() const
{
    const QFontMetricsF metrics(font());
    std::array<qreal, 256> latin1;
    latin1.fill(-1);
    QHash<char16_t, qreal> others;
    const auto advance = [&](QChar c) {
        qreal &known = c.unicode() < latin1.size() ? latin1[c.unicode()] : others[c.unicode()];
        if (known <= 0)
            known = metrics.horizontalAdvance(c);
        return known;
    };
    qreal widest = 0;
    const int rows = model() ? model()->rowCount() : 0;
    for (int row = 0; row < rows; ++row) {
        qreal width = 0;
        for (const QChar c : caption(row))
            width += advance(c);
        widest = std::max(widest, width);
    }
    return int(std::ceil(widest));
}

QSize ListMenu::menuSize(const QRect &screen) const
{
    const int rows = model() ? model()->rowCount() : 0;
    const QSize item = static_cast<const MenuRowDelegate *>(itemDelegate())->itemSize(widestCaption());
    const int frame = 2 * frameWidth();
    QSize size(item.width() + frame, std::max(1, rows) * item.height() + frame);
    if (size.height() > screen.height()) {
        size.setHeight((screen.height() - frame) / item.height() * item.height() + frame);
        size.rwidth() += verticalScrollBar()->sizeHint().width();
    }
    return size.boundedTo(screen.size());
}

void ListMenu::popup(const QPoint &pos)
{
    const QScreen *screen = QGuiApplication::screenAt(pos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(pos, QSize(640, 480));
    const QSize size = menuSize(area);
    const QPoint at(std::clamp(pos.x(), area.left(), area.right() + 1 - size.width()),
                    std::clamp(pos.y(), area.top(), area.bottom() + 1 - size.height()));
    setGeometry(QRect(at, size));
    selectionModel()->clear();
    setCurrentIndex(QModelIndex());
    scrollToTop();
    show();
    setFocus(Qt::PopupFocusReason);
}

void ListMenu::trigger(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount() || isSeparator(row))
        return;
    close();
    emit triggered(row);
}

void ListMenu::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentIndex().isValid())
            trigger(currentIndex().row());
        event->accept();
        return;
    case Qt::Key_Escape:
        close();
        event->accept();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
        event->accept();
        return;
    case Qt::Key_Up:
    case Qt::Key_End:
        // From no highlight, as from the top, these go to the last row.
        if (!currentIndex().isValid() && model() && model()->rowCount() > 0) {
            int last = model()->rowCount() - 1;
            while (last > 0 && isSeparator(last))
                --last;
            setCurrentIndex(model()->index(last, 0));
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    // Arrows, pages, Home and End move; letters search.
    QListView::keyPressEvent(event);
}

// The row under the mouse is highlighted, pressed or not.
void ListMenu::mouseMoveEvent(QMouseEvent *event)
{
    const QModelIndex under = indexAt(event->position().toPoint());
    if (under.isValid() && under != currentIndex() && !isSeparator(under.row()))
        setCurrentIndex(under);
}

void ListMenu::mousePressEvent(QMouseEvent *event)
{
    mouseMoveEvent(event);
}

void ListMenu::mouseReleaseEvent(QMouseEvent *event)
{
    const QModelIndex under = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && under.isValid())
        trigger(under.row());
}

void ListMenu::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    if (current.isValid() && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(current.row());
        QAccessible::updateAccessibility(&focus);
    }
}

void ListMenu::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    QAccessibleEvent start(this, QAccessible::PopupMenuStart);
    QAccessible::updateAccessibility(&start);
}

void ListMenu::hideEvent(QHideEvent *event)
{
    QAccessibleEvent end(this, QAccessible::PopupMenuEnd);
    QAccessible::updateAccessibility(&end);
    QListView::hideEvent(event);
}
