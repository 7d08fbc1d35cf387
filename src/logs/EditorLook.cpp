#include "logs/EditorLook.h"

#include "platform/Twips.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace EditorLook {

namespace {

const QColor White(0xFF, 0xFF, 0xFF);
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Pink(0xFF, 0xC0, 0xFF);
const QColor Magenta(0xFF, 0x80, 0xFF);
const QColor Cyan(0x00, 0xFF, 0xFF);
const QColor CaptionBackground(0x30, 0x30, 0x40);

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

QRect twipsRect(int left, int top, int width, int height)
{
    return {Twips::x(left), Twips::y(top), Twips::x(width), Twips::y(height)};
}

QLabel *caption(QWidget *parent, const QString &name, int left, int top)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(QFont(QStringLiteral("Comic Sans MS"), 9));
    label->setAutoFillBackground(true);
    setColour(label, QPalette::Window, CaptionBackground);
    setColour(label, QPalette::WindowText, White);
    label->move(Twips::x(left), Twips::y(top));
    return label;
}

void restBox(QWidget *box)
{
    box->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    box->setAutoFillBackground(true);
    setColour(box, QPalette::Base, Cyan);
}

void showFocus(QLabel *caption, QWidget *box, bool hasFocus, bool adding)
{
    QFont font = caption->font();
    font.setBold(hasFocus);
    caption->setFont(font);
    setColour(caption, QPalette::WindowText, !hasFocus ? White : adding ? Yellow : Pink);
    caption->adjustSize();
    setColour(box, QPalette::Base, !hasFocus ? Cyan : adding ? Yellow : Magenta);
}

QColor kindColour(LogKind kind)
{
    switch (kind) {
    case LogKind::Maintenance:
        return {0xFF, 0xE0, 0xC0};
    case LogKind::Goodies:
        return {0xC0, 0xC0, 0xFF};
    case LogKind::Trips:
        return {0xFF, 0xC0, 0xC0};
    case LogKind::Gas:
        break;
    }
    return {0xFF, 0xC0, 0xFF};
}

} // namespace EditorLook
