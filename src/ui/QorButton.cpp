#include "ui/QorButton.h"

#include "ui/ButtonInput.h"
#include "ui/QorButtonAccessible.h"

#include <QAccessible>

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

QorButton::QorButton(QWidget *parent)
    : QWidget(parent),
      m_backColor(ButtonColor::SystemButtonFace),
      m_backOver(ButtonColor::SystemButtonFace),
      m_foreColor(ButtonColor::SystemButtonText),
      m_foreOver(ButtonColor::SystemButtonText)
{
    static const bool accessible = (QAccessible::installFactory(&QorButtonAccessible::factory), true);
    Q_UNUSED(accessible);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    m_enabledLook = buttonEnabled();
    ApplyColorScheme();
}

QorButton::~QorButton()
{
    m_shown = false;
}

void QorButton::initNew()
{
    setEnabled(true);
    m_showFocusRect = true;
    m_useMaskColor = true;
    m_caption = objectName();
    setFont(parentWidget() ? parentWidget()->font() : QFont());
    m_buttonType = BevelShaded;
    m_colorScheme = Custom;
    m_backColor = m_backOver = m_foreColor = m_foreOver = m_maskColor = 0;
    ApplyColorScheme();
    m_backColor = m_backOver = m_colours.face;
    m_foreColor = m_foreOver = m_colours.text;
    m_maskColor = 0xC0C0C0;
    UpdateAccessKey();
    resizeHandling();
}

bool QorButton::buttonEnabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

void QorButton::Refresh()
{
    if (m_buttonType == Transparent)
        CaptureBackground();
    ApplyColorScheme();
    LayoutCaption();
    m_shown = true;
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setDisplayAsDefault(bool on)
{
    m_displayAsDefault = on;
    ApplyColorScheme();
    DrawButton(m_lastDrawnState, true);
}

// ---- properties -------------------------------------------------------------

void QorButton::setBackColor(Colour colour)
{
    m_backColor = colour;
    if (m_designTime)
        m_backOver = colour;
    ApplyColorScheme();
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setBackOver(Colour colour)
{
    m_backOver = colour;
    ApplyColorScheme();
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setForeColor(Colour colour)
{
    m_foreColor = colour;
    if (m_designTime)
        m_foreOver = colour;
    ApplyColorScheme();
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setForeOver(Colour colour)
{
    m_foreOver = colour;
    ApplyColorScheme();
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setMaskColor(Colour colour)
{
    m_maskColor = colour;
    ApplyColorScheme();
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setButtonType(int type)
{
    m_buttonType = type;
    if (type == Transparent && m_shown && isVisible())
        CaptureBackground();
    // The tint depends on the type (blue-scaled for RoundedShaded).
    ApplyColorScheme();
    resizeHandling();
}

void QorButton::setCaption(const QString &caption)
{
    m_caption = caption;
    UpdateAccessKey();
    LayoutCaption();
    DrawButton(NormalState, true);
}

void QorButton::setFontBold(bool on)
{
    QFont f = font();
    f.setBold(on);
    setFont(f);
}

void QorButton::setFontItalic(bool on)
{
    QFont f = font();
    f.setItalic(on);
    setFont(f);
}

void QorButton::setFontUnderline(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

short QorButton::fontSize() const
{
    return static_cast<short>(ButtonColor::roundHalfEven(font().pointSizeF()));
}

void QorButton::setFontSize(short points)
{
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
}

void QorButton::setFontName(const QString &name)
{
    QFont f = font();
    f.setFamily(name);
    setFont(f);
}

void QorButton::setColorScheme(int scheme)
{
    m_colorScheme = scheme;
    ApplyColorScheme();
    DrawButton(NormalState, true);
}

void QorButton::setShowFocusRect(bool on)
{
    m_showFocusRect = on;
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setMousePointer(short pointer)
{
    m_mousePointer = pointer;
    applyCursor();
}

void QorButton::setMouseIcon(const ButtonPicture &picture)
{
    m_mouseIcon = picture;
    applyCursor();
}

void QorButton::setSoftBevel(bool on)
{
    m_softBevel = on;
    ApplyColorScheme();
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setPictureNormal(const ButtonPicture &picture)
{
    m_pictureNormal = picture;
    MeasurePicture();
    LayoutCaption();
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setPictureOver(const ButtonPicture &picture)
{
    m_pictureOver = picture;
    if (m_hover)
        DrawButton(m_lastDrawnState, true);
}

void QorButton::setPicturePosition(int position)
{
    m_picturePosition = position;
    LayoutCaption();
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setUseMaskColor(bool on)
{
    m_useMaskColor = on;
    if (!m_pictureNormal.isNone())
        DrawButton(m_lastDrawnState, true);
}

void QorButton::setUseGreyscale(bool on)
{
    m_useGreyscale = on;
    if (!m_pictureNormal.isNone())
        DrawButton(m_lastDrawnState, true);
}

void QorButton::setSpecialEffect(int effect)
{
    m_specialEffect = effect;
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setCheckBoxBehaviour(bool on)
{
    m_checkBoxBehaviour = on;
    DrawButton(m_lastDrawnState, true);
}

void QorButton::setValue(bool on)
{
    m_value = on;
    if (m_checkBoxBehaviour)
        DrawButton(NormalState, true);
}

// ---- events -----------------------------------------------------------------

bool QorButton::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        // The access key acts as a click with the left button.
        m_lastMouseButton = ButtonInput::LeftButton;
        clickAction();
        return true;
    case QEvent::ToolTipChange:
        announceNameChange();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void QorButton::paintEvent(QPaintEvent *)
{
    if (m_layoutGuard)
        return; // the background is being captured: show what lies beneath
    QPainter painter(this);
    painter.drawImage(0, 0, surface());
}

void QorButton::resizeEvent(QResizeEvent *)
{
    if (m_layoutGuard)
        return;
    resizeHandling();
}

void QorButton::showEvent(QShowEvent *)
{
    if (m_buttonType == Transparent)
        CaptureBackground();
    m_shown = true;
    ApplyColorScheme();
    // The first time, the look is drawn when the button is first painted (or
    // read): the commands of a window being shown draw once it is on the screen.
    DrawButton(NormalState, true);
    m_everShown = true;
}

void QorButton::hideEvent(QHideEvent *)
{
    m_shown = false;
}

void QorButton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        // Only the button's own flag changes its look, not a disabled window.
        if (buttonEnabled() != m_enabledLook) {
            m_enabledLook = buttonEnabled();
            DrawButton(NormalState, true);
        }
        break;
    case QEvent::FontChange:
        if (m_loadingProperties)
            break;
        LayoutCaption();
        DrawButton(NormalState, true);
        break;
    case QEvent::PaletteChange:
    case QEvent::ParentChange:
        ApplyColorScheme();
        DrawButton(m_lastDrawnState, true);
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void QorButton::focusInEvent(QFocusEvent *event)
{
    m_hasFocus = true;
    DrawButton(m_lastDrawnState, true);
    QWidget::focusInEvent(event);
}

void QorButton::focusOutEvent(QFocusEvent *event)
{
    m_hasFocus = false;
    DrawButton(m_lastDrawnState, true);
    QWidget::focusOutEvent(event);
}

void QorButton::mousePressEvent(QMouseEvent *event)
{
    const short button = ButtonInput::mouseButton(event->button());
    const QPointF at = event->position();
    emit MouseDown(button, ButtonInput::shiftState(event->modifiers()), static_cast<float>(at.x()),
                   static_cast<float>(at.y()));
    m_lastMouseButton = button;
    m_pressedHere = true;
    if (button != ButtonInput::RightButton)
        DrawButton(PressedState);
}

void QorButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    const Qt::MouseButtons buttons = event->buttons();
    emit MouseMove(ButtonInput::mouseButtons(buttons), ButtonInput::shiftState(event->modifiers()),
                   static_cast<float>(at.x()), static_cast<float>(at.y()));
    const bool over = IsMouseOver(at);
    if (buttons == Qt::NoButton || buttons == Qt::LeftButton) {
        if (over) {
            if (!m_overTimerRunning)
                emit MouseIn();
            if (buttons == Qt::NoButton && !m_hover) {
                m_overTimerRunning = true;
                m_hover = true;
                DrawButton(NormalState, true);
                emit MouseOver();
            } else if (buttons == Qt::LeftButton) {
                m_hover = true;
                DrawButton(PressedState);
                m_hover = false;
            }
        } else {
            DrawButton(NormalState);
        }
    }
    // The hover check that follows the move: while a button is held the
    // pointer may leave without a leave event.
    if (m_overTimerRunning && !over)
        overTimerTick();
}

void QorButton::leaveEvent(QEvent *event)
{
    if (m_overTimerRunning)
        overTimerTick();
    QWidget::leaveEvent(event);
}

void QorButton::overTimerTick()
{
    m_overTimerRunning = false;
    m_hover = false;
    DrawButton(NormalState, true);
    emit MouseOut();
}

void QorButton::mouseReleaseEvent(QMouseEvent *event)
{
    const short button = ButtonInput::mouseButton(event->button());
    const QPointF at = event->position();
    emit MouseUp(button, ButtonInput::shiftState(event->modifiers()), static_cast<float>(at.x()),
                 static_cast<float>(at.y()));
    if (button != ButtonInput::RightButton)
        DrawButton(NormalState);
    const bool completed = m_pressedHere && event->buttons() == Qt::NoButton && IsMouseOver(at);
    m_pressedHere = false;
    if (completed)
        clickAction();
}

void QorButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click arrives as a press (raising MouseDown
    // and drawing the pressed look) followed by this event. A double click is
    // one click: the release that ends it raises MouseUp only.
    if (m_lastMouseButton == ButtonInput::LeftButton && event->button() == Qt::LeftButton)
        m_pressedHere = false;
}

void QorButton::clickAction()
{
    if (m_lastMouseButton != ButtonInput::LeftButton || !buttonEnabled())
        return;
    if (m_checkBoxBehaviour)
        m_value = !m_value;
    DrawButton(NormalState, true);
    repaint();
    emit Click();
}

void QorButton::keyPressEvent(QKeyEvent *event)
{
    const short code = ButtonInput::keyCode(event->key());
    emit KeyDown(code, ButtonInput::shiftState(event->modifiers()));
    m_lastKey = code;
    if (code == ButtonInput::SpaceKey)
        DrawButton(PressedState);
    if (const short ascii = ButtonInput::keyAscii(*event))
        emit KeyPress(ascii);
    // Enter clicks the focused button at once, as it does any focused command;
    // held down, it clicks once.
    if (code == ButtonInput::EnterKey) {
        if (!event->isAutoRepeat())
            press();
        event->accept();
        return;
    }
    // Other keys go on to the window (Esc, F1 and the like).
    if (code == ButtonInput::SpaceKey)
        event->accept();
    else
        event->ignore();
}

void QorButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    const short code = ButtonInput::keyCode(event->key());
    emit KeyUp(code, ButtonInput::shiftState(event->modifiers()));
    if (m_lastKey == ButtonInput::SpaceKey && code == ButtonInput::SpaceKey) {
        press();
        event->accept();
        return;
    }
    event->ignore();
}

void QorButton::press()
{
    if (!isEnabled())
        return;
    if (m_checkBoxBehaviour)
        m_value = !m_value;
    DrawButton(NormalState);
    repaint();
    emit Click();
}
