#pragma once

#include <QLabel>

// A caption that looks and acts like a link: underlined, a pointing hand
// over it, and a click reported as clicked().
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
