#pragma once

#include <QLabel>

// A caption that looks and acts like a link: underlined, a pointing hand
// over it, and a click reported as clicked(). It takes the keyboard focus
// (Tab), shows it with a dotted frame, and opens with the space bar or Enter;
// assistive technology sees a link named by its text, with a Press action.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    // What a click, the keyboard and assistive technology's Press do.
    void open();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
