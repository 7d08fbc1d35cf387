#pragma once

#include <QWidget>

// The picture on the title window: a wheel on the road, painted to scale.
class TitleArtwork : public QWidget
{
    Q_OBJECT

public:
    explicit TitleArtwork(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
