#pragma once

#include "ui/ButtonCanvas.h"
#include "ui/ButtonColor.h"
#include "ui/ButtonPicture.h"

#include <QChar>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

class ButtonPropertyBag;

// The program's own push button. It paints itself completely into an image of
// device pixels (face, border, caption, picture) and shows that image; its look
// follows the mouse (hover, pressed), the keyboard focus, the enabled state and,
// as a toggle, its Value. It raises ten events as signals, in this order:
// Click, MouseDown, MouseMove, MouseUp, KeyPress, KeyDown, KeyUp, MouseOver,
// MouseIn, MouseOut.
//
// Colours are 0x00BBGGRR values (see ButtonColor.h). Enabled is the widget's
// own enabled flag (QWidget::setEnabled); a disabled parent window does not
// change the button's look. The hover text is the widget's tool tip.
class QorButton : public QWidget
{
    Q_OBJECT

public:
    using Colour = ButtonColor::Value;

    enum ButtonTypes { RoundedShaded = 3, Transparent = 11, BevelShaded = 14 };
    enum ColorSchemes { System = 1, Custom = 2, Classic = 3, Container = 4 };
    enum PicturePositions { PictureLeft = 0, PictureRight = 1, PictureTop = 2, PictureBottom = 3, PictureBehind = 4 };
    enum SpecialEffects { NoEffect = 0, Raised = 1, Sunken = 2, Shadow = 3 };
    enum DrawStates { NormalState = 0, PressedState = 2 };

    // A new instance carries the values a stored layout without any keys gives.
    explicit QorButton(QWidget *parent = nullptr);
    ~QorButton() override;

    // The values of an instance newly placed on a window while its layout is
    // being designed: caption from the object name, font from the holder,
    // BevelShaded, Custom colours derived from black, mask colour 0xC0C0C0.
    void initNew();

    // Stored layouts: Load reads the 22 keys in order with their defaults,
    // Save writes all of them (a picture key only when there is a picture).
    void loadProperties(const ButtonPropertyBag &bag);
    void saveProperties(ButtonPropertyBag &bag) const;

    // Recaptures the background (Transparent), reapplies the colours and the
    // caption layout and redraws.
    void Refresh();

    // While a layout is being designed, setting BackColor or ForeColor also
    // sets BackOver or ForeOver. Off at run time.
    void setDesignTime(bool on) { m_designTime = on; }
    bool designTime() const { return m_designTime; }

    // Clicks the button as the space bar does (assistive technology's Press
    // action); nothing while the button or its window is disabled.
    void press();

    // Tells assistive technology that a click opens a pop-up menu.
    void setOpensMenu(bool on) { m_opensMenu = on; }
    bool opensMenu() const { return m_opensMenu; }

    // The holder marks its default button; a BevelShaded default button draws
    // its caption bold and a RoundedShaded one its focus edges.
    void setDisplayAsDefault(bool on);
    bool displayAsDefault() const { return m_displayAsDefault; }

    // Properties.
    Colour backColor() const { return m_backColor; }
    void setBackColor(Colour colour);
    Colour backOver() const { return m_backOver; }
    void setBackOver(Colour colour);
    Colour foreColor() const { return m_foreColor; }
    void setForeColor(Colour colour);
    Colour foreOver() const { return m_foreOver; }
    void setForeOver(Colour colour);
    Colour maskColor() const { return m_maskColor; }
    void setMaskColor(Colour colour);
    int buttonType() const { return m_buttonType; }
    void setButtonType(int type);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool buttonEnabled() const;
    bool fontBold() const { return font().bold(); }
    void setFontBold(bool on);
    bool fontItalic() const { return font().italic(); }
    void setFontItalic(bool on);
    bool fontUnderline() const { return font().underline(); }
    void setFontUnderline(bool on);
    short fontSize() const;
    void setFontSize(short points);
    QString fontName() const { return font().family(); }
    void setFontName(const QString &name);
    int colorScheme() const { return m_colorScheme; }
    void setColorScheme(int scheme);
    bool showFocusRect() const { return m_showFocusRect; }
    void setShowFocusRect(bool on);
    short mousePointer() const { return m_mousePointer; }
    void setMousePointer(short pointer);
    const ButtonPicture &mouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const ButtonPicture &picture);
    bool softBevel() const { return m_softBevel; }
    void setSoftBevel(bool on);
    const ButtonPicture &pictureNormal() const { return m_pictureNormal; }
    void setPictureNormal(const ButtonPicture &picture);
    const ButtonPicture &pictureOver() const { return m_pictureOver; }
    void setPictureOver(const ButtonPicture &picture);
    int picturePosition() const { return m_picturePosition; }
    void setPicturePosition(int position);
    bool useMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool on);
    bool useGreyscale() const { return m_useGreyscale; }
    void setUseGreyscale(bool on);
    int specialEffect() const { return m_specialEffect; }
    void setSpecialEffect(int effect);
    bool checkBoxBehaviour() const { return m_checkBoxBehaviour; }
    void setCheckBoxBehaviour(bool on);
    bool value() const { return m_value; }
    void setValue(bool on);
    static QString version() { return QStringLiteral("w2005.08.15"); }

    // What the button shows and how it laid itself out (read by tests and by
    // windows that print or grab a button).
    const QImage &surface() const;
    QChar accessKey() const { return m_accessKey; }
    QRect textRect() const { return m_textRect; }
    QRect focusRect() const { return m_focusRect; }
    QPoint picturePos() const { return {m_pictureX, m_pictureY}; }
    struct Colours {
        Colour face, light, highlight, shadow, text, hoverText, key, tint;
    };
    Colours workingColours() const { return m_colours; }
    bool hovering() const { return m_hover; }
    bool isDown() const { return m_lastDrawnState == PressedState; }
    int drawCount() const;

signals:
    void Click();
    void MouseDown(short button, short shift, float x, float y);
    void MouseMove(short button, short shift, float x, float y);
    void MouseUp(short button, short shift, float x, float y);
    void KeyPress(short keyAscii);
    void KeyDown(short keyCode, short shift);
    void KeyUp(short keyCode, short shift);
    void MouseOver();
    void MouseIn();
    void MouseOut();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    enum class PictureMode { Normal, Pressed, Disabled };

    // Drawing (QorButtonDraw.cpp).
    void DrawButton(int state, bool force = false);
    void drawLook();   // renders, then asks for a paint
    void renderLook(); // only renders
    void drawIfPending() const;
    void drawNormalLook();
    void drawPressedLook();
    void drawDisabledLook();
    void shade(Colour base, int numerator, bool blueScaled, bool bottomUp);
    void bevel(Colour light, Colour dark);
    void roundedFrame(Colour frame, Colour corner);
    void focusMark();
    void ApplyColorScheme();
    Colour ShiftColor(Colour colour, int n, bool blueScaled = false) const;
    void DrawCaption(int mode);
    void DrawCaptionEffect(const QRect &r);
    void DrawPicture(PictureMode mode);
    void DrawPictureEffect(int d, const ButtonPicture &picture);
    void BlitPicture(int x, int y, const ButtonPicture &picture, int silhouette, bool darkOnly, bool greyscale);
    bool drawsCaption() const;

    // Layout (QorButtonLayout.cpp).
    void resizeHandling();
    void LayoutCaption();
    void MeasurePicture();
    void PlacePicture();
    void BuildShape();
    void CaptureBackground();
    bool IsMouseOver(const QPointF &pos) const;
    void UpdateAccessKey();
    void announceNameChange();
    void applyCursor();
    QFont captionFont() const;

    // Behaviour.
    void clickAction();
    // The hover check: the pointer has left, so the hover look ends.
    void overTimerTick();

    // Stored properties.
    Colour m_backColor;
    Colour m_backOver;
    Colour m_foreColor;
    Colour m_foreOver;
    Colour m_maskColor = 0xC0C0C0;
    int m_buttonType = 2;
    QString m_caption;
    int m_colorScheme = System;
    bool m_showFocusRect = true;
    short m_mousePointer = 0;
    ButtonPicture m_mouseIcon;
    bool m_softBevel = false;
    ButtonPicture m_pictureNormal;
    ButtonPicture m_pictureOver;
    int m_picturePosition = PictureLeft;
    bool m_useMaskColor = true;
    bool m_useGreyscale = false;
    int m_specialEffect = NoEffect;
    bool m_checkBoxBehaviour = false;
    bool m_value = false;

    // Instance state.
    int m_w = 0;
    int m_h = 0;
    QRect m_focusRect;
    QRect m_textRect;
    QRect m_pressedTextRect;
    int m_pictureX = 0;
    int m_pictureY = 0;
    int m_pictureW = 0;
    int m_pictureH = 0;
    QImage m_background;
    short m_lastMouseButton = 0;
    short m_lastKey = 0;
    bool m_hasFocus = false;
    bool m_shown = true;
    bool m_hover = false;
    bool m_overTimerRunning = false;
    bool m_layoutGuard = false;
    bool m_loadingProperties = false;
    int m_lastDrawnState = NormalState;
    QString m_lastDrawnCaption;
    int m_textMode = 0;
    Colours m_colours{};
    ButtonCanvas m_canvas;
    QChar m_accessKey;
    int m_shortcutId = 0;
    bool m_designTime = false;
    bool m_displayAsDefault = false;
    bool m_opensMenu = false;
    bool m_boldForDefault = false;
    bool m_pressedHere = false;
    bool m_enabledLook = true;
    int m_drawCount = 0;
    // Until it has been shown once a button draws when its look is read (by
    // its first paint): a window being built sets every button up several
    // times before any is seen, and shows them before it is on the screen.
    bool m_everShown = false;
    bool m_drawPending = false;
};
