#pragma once

#include <QTableView>

// A list of rows chosen whole. While it has the keyboard focus its current
// row is framed, so that it is plain where the keyboard is; assistive
// technology can give it the focus (its SetFocus action), as a click does.
class FocusList : public QTableView
{
    Q_OBJECT

public:
    explicit FocusList(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
