// A QorButton's stored layout: the 22 keys, their order and their defaults.

#include "ui/ButtonPropertyBag.h"
#include "ui/QorButton.h"

namespace Key {
const QString ButtonType = QStringLiteral("BTYPE");
const QString Caption = QStringLiteral("TX");
const QString Enabled = QStringLiteral("ENAB");
const QString Font = QStringLiteral("FONT");
const QString ColorScheme = QStringLiteral("COLTYPE");
const QString ShowFocusRect = QStringLiteral("FOCUSR");
const QString BackColor = QStringLiteral("BCOL");
const QString BackOver = QStringLiteral("BCOLO");
const QString ForeColor = QStringLiteral("FCOL");
const QString ForeOver = QStringLiteral("FCOLO");
const QString MaskColor = QStringLiteral("MCOL");
const QString MousePointer = QStringLiteral("MPTR");
const QString MouseIcon = QStringLiteral("MICON");
const QString PictureNormal = QStringLiteral("PICN");
const QString PictureOver = QStringLiteral("PICH");
const QString UseMaskColor = QStringLiteral("UMCOL");
const QString SoftBevel = QStringLiteral("SOFT");
const QString PicturePosition = QStringLiteral("PICPOS");
const QString UseGreyscale = QStringLiteral("NGREY");
const QString SpecialEffect = QStringLiteral("FX");
const QString CheckBox = QStringLiteral("CHECK");
const QString Value = QStringLiteral("VALUE");
} // namespace Key

void QorButton::loadProperties(const ButtonPropertyBag &bag)
{
    m_buttonType = bag.readInt(Key::ButtonType, 2);
    m_caption = bag.readString(Key::Caption, {});
    const bool enabled = bag.readBool(Key::Enabled, true);
    // The caption is laid out once, below, for the font and all the rest.
    m_loadingProperties = true;
    setFont(bag.readFont(Key::Font, font()));
    m_loadingProperties = false;
    m_colorScheme = bag.readInt(Key::ColorScheme, System);
    m_showFocusRect = bag.readBool(Key::ShowFocusRect, true);
    m_backColor = bag.readColour(Key::BackColor, ButtonColor::SystemButtonFace);
    m_backOver = bag.readColour(Key::BackOver, m_backColor);
    m_foreColor = bag.readColour(Key::ForeColor, ButtonColor::SystemButtonText);
    m_foreOver = bag.readColour(Key::ForeOver, m_foreColor);
    m_maskColor = bag.readColour(Key::MaskColor, 0xC0C0C0);
    m_mousePointer = static_cast<short>(bag.readInt(Key::MousePointer, 0));
    m_mouseIcon = bag.readPicture(Key::MouseIcon);
    applyCursor();
    m_pictureNormal = bag.readPicture(Key::PictureNormal);
    m_pictureOver = bag.readPicture(Key::PictureOver);
    m_useMaskColor = bag.readBool(Key::UseMaskColor, true);
    m_softBevel = bag.readBool(Key::SoftBevel, false);
    m_picturePosition = bag.readInt(Key::PicturePosition, PictureLeft);
    m_useGreyscale = bag.readBool(Key::UseGreyscale, false);
    m_specialEffect = bag.readInt(Key::SpecialEffect, NoEffect);
    m_checkBoxBehaviour = bag.readBool(Key::CheckBox, false);
    m_value = bag.readBool(Key::Value, false);

    setEnabled(enabled);
    m_enabledLook = buttonEnabled();
    MeasurePicture();
    UpdateAccessKey();
    // Colours, caption layout, shape and look follow the loaded values at once,
    // also for a button that is already on the screen.
    ApplyColorScheme();
    resizeHandling();
}

void QorButton::saveProperties(ButtonPropertyBag &bag) const
{
    bag.write(Key::ButtonType, m_buttonType);
    bag.write(Key::Caption, m_caption);
    bag.write(Key::Enabled, buttonEnabled());
    bag.writeFont(Key::Font, font());
    bag.write(Key::ColorScheme, m_colorScheme);
    bag.write(Key::ShowFocusRect, m_showFocusRect);
    bag.writeColour(Key::BackColor, m_backColor);
    bag.writeColour(Key::BackOver, m_backOver);
    bag.writeColour(Key::ForeColor, m_foreColor);
    bag.writeColour(Key::ForeOver, m_foreOver);
    bag.writeColour(Key::MaskColor, m_maskColor);
    bag.write(Key::MousePointer, m_mousePointer);
    bag.writePicture(Key::MouseIcon, m_mouseIcon);
    bag.writePicture(Key::PictureNormal, m_pictureNormal);
    bag.writePicture(Key::PictureOver, m_pictureOver);
    bag.write(Key::UseMaskColor, m_useMaskColor);
    bag.write(Key::SoftBevel, m_softBevel);
    bag.write(Key::PicturePosition, m_picturePosition);
    bag.write(Key::UseGreyscale, m_useGreyscale);
    bag.write(Key::SpecialEffect, m_specialEffect);
    bag.write(Key::CheckBox, m_checkBoxBehaviour);
    bag.write(Key::Value, m_value);
}
