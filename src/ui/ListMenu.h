#pragma once

#include <QListView>

// A pop-up menu over a list model, for lists of any length: opening it costs
// one pass over the captions, it paints only the rows in sight, and it
// scrolls within the screen instead of growing past it. It is worked like a
// menu:
// - the mouse highlights the row under it, a click chooses it, a click
//   outside closes the menu;
// - Up, Down, Page Up, Page Down, Home and End move the highlight, Return,
//   Enter and Space choose, Escape closes;
// - typing the first letters of a caption (in any letter case) jumps to the
//   next row whose caption starts with them.
// Rows are drawn as the style draws menu items; a row whose
// Qt::AccessibleDescriptionRole is "separator" is a separator line that
// cannot be chosen. Captions are shown as they are (an ampersand is no access
// key). Assistive technology sees a pop-up menu with one menu item (or
// separator) per row, each item with a Press action.
class ListMenu : public QListView
{
    Q_OBJECT

public:
    explicit ListMenu(QWidget *parent = nullptr);

    // Opens the menu with its top left corner at pos (global coordinates),
    // moved as far as needed to lie on the screen, and with the highlight
    // on no row.
    void popup(const QPoint &pos);

    // Chooses a row: the menu closes, then triggered(row) is emitted.
    // Separators are not chosen.
    void trigger(int row);

    bool isSeparator(int row) const;
    QString caption(int row) const;

signals:
    void triggered(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    int widestCaption() const;
    QSize menuSize(const QRect &screen) const;
};
