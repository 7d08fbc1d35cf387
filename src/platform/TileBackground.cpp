#include "platform/TileBackground.h"

#include <QPalette>
#include <QPixmap>
#include <QWidget>

void TileBackground(const QPixmap &picture, QWidget *window)
{
    // A texture brush repeats its picture from the widget's origin.
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, QBrush(picture));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}
