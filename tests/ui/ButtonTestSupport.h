#pragma once

// Shared set-up for the button tests: a shown window holding buttons, and
// synthetic mouse events sent straight to a button.

#include "ui/QorButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <cstdlib>

inline QorButton *placeButton(QWidget &window, int type, QorButton::Colour back, QSize size,
                              QPoint at = QPoint(10, 10))
{
    auto *button = new QorButton(&window);
    button->setColorScheme(QorButton::Custom);
    button->setBackColor(back);
    button->setBackOver(back);
    button->setForeColor(0x000000);
    button->setForeOver(0x000000);
    button->setShowFocusRect(true);
    button->setButtonType(type);
    button->setGeometry(QRect(at, size));
    return button;
}

// A widget that fills its background with the colour.
inline void setBackground(QWidget &widget, const QColor &colour)
{
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
}

inline void showWindow(QWidget &window)
{
    if (window.size().width() < 200)
        window.resize(240, 120);
    window.show();
}

inline void sendMouse(QWidget *target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void moveTo(QWidget *target, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    sendMouse(target, QEvent::MouseMove, pos, Qt::NoButton, buttons);
}

inline void leave(QWidget *target)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(target, &event);
}

inline void setFocused(QWidget *target, bool focused)
{
    QFocusEvent event(focused ? QEvent::FocusIn : QEvent::FocusOut);
    QApplication::sendEvent(target, &event);
}

inline QorButton::Colour pixelAt(const QorButton *button, int x, int y)
{
    return ButtonColor::fromRgb32(button->surface().pixel(x, y));
}

// How many pixels inside r have exactly the given colour.
inline int countColour(const QImage &image, const QRect &r, QorButton::Colour colour)
{
    int count = 0;
    const QRect area = r.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ButtonColor::fromRgb32(image.pixel(x, y)) == colour)
                ++count;
    return count;
}

// How many pixels inside r are within tolerance of the colour in every channel
// (caption text is drawn smoothed, so its pixels only come close to the colour).
inline int countNear(const QImage &image, const QRect &r, QorButton::Colour colour, int tolerance = 40)
{
    int count = 0;
    const QRect area = r.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - ButtonColor::red(colour)) <= tolerance
                && std::abs(qGreen(p) - ButtonColor::green(colour)) <= tolerance
                && std::abs(qBlue(p) - ButtonColor::blue(colour)) <= tolerance)
                ++count;
        }
    }
    return count;
}
