// The looks of each button type, checked pixel by pixel on the rendered image.

#include "ButtonTestSupport.h"

#include <QTest>

using ButtonColor::Value;

namespace {

// A 4 x 4 picture: the mask colour around a 2 x 2 centre of dark red.
QImage keyedPicture()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(qRgb(0xC0, 0xC0, 0xC0));
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x)
            image.setPixel(x, y, qRgb(0x90, 0x10, 0x20));
    return image;
}

} // namespace

class TestButtonLooks : public QObject
{
    Q_OBJECT

private slots:
    void bevelShadedNormalLook()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(80, 29));
        showWindow(window);
        // face 0x80FF80, highlight +47 0xAFFFAF, shadow -64 0x40BF40.
        QCOMPARE(pixelAt(b, 0, 0), Value(0x0E8D0E));      // outer frame: shadow - 50
        QCOMPARE(pixelAt(b, 40, 28), Value(0x0E8D0E));
        QCOMPARE(pixelAt(b, 79, 14), Value(0x0E8D0E));
        QCOMPARE(pixelAt(b, 1, 1), Value(0x77F677));       // inner frame: face - 9
        QCOMPARE(pixelAt(b, 40, 27), Value(0x77F677));
        QCOMPARE(pixelAt(b, 78, 10), Value(0x77F677));
        QCOMPARE(pixelAt(b, 2, 2), Value(0xAFFFAF));       // highlight bands
        QCOMPARE(pixelAt(b, 76, 3), Value(0xAFFFAF));
        QCOMPARE(pixelAt(b, 3, 24), Value(0xAFFFAF));
        // Shading: 58 / 29 = 2 per row, from the highlight colour.
        QCOMPARE(pixelAt(b, 40, 4), Value(0xA7F7A7));
        QCOMPARE(pixelAt(b, 40, 20), Value(0x87D787));
        QCOMPARE(pixelAt(b, 40, 26), Value(0x7BCB7B));
        // Two opposite corners are cut from the shape.
        QVERIFY(!b->mask().contains(QPoint(0, 28)));
        QVERIFY(!b->mask().contains(QPoint(79, 0)));
        QVERIFY(b->mask().contains(QPoint(0, 0)));
        QVERIFY(b->mask().contains(QPoint(79, 28)));
    }

    void shadingRoundsTiesToEven()
    {
        QWidget window;
        // 58 / 16 = 3.625 per row: row 4 is a tie at -14.5 (to -14), row 12 at -43.5 (to -44).
        QorButton *bevel = placeButton(window, QorButton::BevelShaded, 0x808080, QSize(80, 16), QPoint(0, 0));
        // 25 / 10 = 2.5 per row: row 3 is a tie at -7.5 (to -8).
        QorButton *rounded = placeButton(window, QorButton::RoundedShaded, 0x808080, QSize(80, 10), QPoint(0, 30));
        showWindow(window);
        QCOMPARE(pixelAt(bevel, 40, 4), Value(0xA1A1A1));
        QCOMPARE(pixelAt(bevel, 40, 12), Value(0x838383));
        const Value tint = rounded->workingColours().tint;
        QCOMPARE(pixelAt(rounded, 40, 3), ButtonColor::shift(tint, -8, true, false));
        QCOMPARE(pixelAt(rounded, 40, 5), ButtonColor::shift(tint, -12, true, false));  // 12.5 -> 12
    }

    void bevelShadedHoverUsesTheBackOverColours()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(80, 29));
        b->setBackOver(0xFF8080);
        showWindow(window);
        moveTo(b, QPoint(40, 14));
        QVERIFY(b->hovering());
        // BackOver 0xFF8080: light 0xFF9F9F fills the face; frame from its shadow 0xBF4040.
        QCOMPARE(pixelAt(b, 40, 20), Value(0xFF9F9F));
        QCOMPARE(pixelAt(b, 0, 0), Value(0x8D0E0E));
        QCOMPARE(pixelAt(b, 1, 1), Value(0xF67777));
        QCOMPARE(pixelAt(b, 2, 2), Value(0xFFAFAF));
        // The working colours are BackColor's again once drawn.
        QCOMPARE(b->workingColours().face, Value(0x80FF80));
        leave(b);
        QCOMPARE(pixelAt(b, 40, 20), Value(0x87D787));
    }

    void bevelShadedPressedLook()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(80, 29));
        showWindow(window);
        sendMouse(b, QEvent::MouseButtonPress, QPoint(40, 14), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(pixelAt(b, 0, 0), Value(0x108F10));      // frame: shadow - 48
        QCOMPARE(pixelAt(b, 40, 28), Value(0x108F10));
        QCOMPARE(pixelAt(b, 1, 1), Value(0x77F677));       // face - 9
        QCOMPARE(pixelAt(b, 40, 10), Value(0x77F677));
        QCOMPARE(pixelAt(b, 40, 27), Value(0xAFFFAF));     // highlight lines, bottom and right
        QCOMPARE(pixelAt(b, 78, 10), Value(0xAFFFAF));
        QCOMPARE(pixelAt(b, 78, 27), Value(0xAFFFAF));
        QCOMPARE(pixelAt(b, 77, 26), Value(0x77F677));
        QCOMPARE(pixelAt(b, 1, 27), Value(0x77F677));      // the bottom line starts at x = 2
    }

    void focusMarkIsInvertedDotsAroundTheFocusRectangle()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(80, 29));
        showWindow(window);
        QCOMPARE(b->focusRect(), QRect(QPoint(6, 6), QPoint(75, 24)));
        const QImage before = b->surface();
        setFocused(b, true);
        // Row 6 of the shading is highlight - 12 = 0xA3F3A3; inverted 0x5C0C5C.
        QCOMPARE(pixelAt(b, 6, 6), Value(0x5C0C5C));
        QCOMPARE(pixelAt(b, 7, 6), Value(0xA3F3A3));
        QCOMPARE(pixelAt(b, 5, 5), ButtonColor::fromRgb32(before.pixel(5, 5)));
        b->setShowFocusRect(false);
        QCOMPARE(b->surface(), before);
        b->setShowFocusRect(true);
        setFocused(b, false);
        QCOMPARE(b->surface(), before);
    }

    void disabledBevelShadedEtchesItsCaption()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(90, 29));
        showWindow(window);
        const QImage normal = b->surface();
        b->setEnabled(false);
        // Without a caption the disabled look equals the normal one.
        QCOMPARE(b->surface(), normal);
        b->setCaption(QStringLiteral("WWW"));
        const QorButton::Colours c = b->workingColours();
        QVERIFY(countNear(b->surface(), b->textRect(), c.shadow) > 10);
        QVERIFY(countNear(b->surface(), b->textRect().translated(1, 1), c.highlight) > 10);
        QCOMPARE(countNear(b->surface(), b->rect(), 0x000000), 0);
        // A disabled window around an enabled button does not grey it.
        QWidget holder;
        QorButton *enabled = placeButton(holder, QorButton::BevelShaded, 0x80FF80, QSize(90, 29));
        enabled->setCaption(QStringLiteral("WWW"));
        showWindow(holder);
        holder.setEnabled(false);
        QVERIFY(countNear(enabled->surface(), enabled->textRect(), 0x000000) > 10);
    }

    void captionModesUseTheirColours()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(90, 29));
        b->setForeColor(0x0000FF);
        b->setForeOver(0xFF0000);
        b->setCaption(QStringLiteral("MMM"));
        showWindow(window);
        QVERIFY(countNear(b->surface(), b->rect(), 0x0000FF) > 10);       // mode 0: text colour
        moveTo(b, QPoint(5, 5));
        QVERIFY(countNear(b->surface(), b->rect(), 0xFF0000) > 10);       // mode 1: hover text
        QCOMPARE(countNear(b->surface(), b->rect(), 0x0000FF), 0);
        sendMouse(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
        // Mode 5: shadow - 50 one pixel down and right, then the highlight.
        const QorButton::Colours c = b->workingColours();
        QVERIFY(countNear(b->surface(), b->rect(), ButtonColor::shift(c.shadow, -50, false, false)) > 10);
        QVERIFY(countNear(b->surface(), b->textRect(), c.highlight) > 10);
    }

    void defaultButtonDrawsItsCaptionBoldUnlessPressed()
    {
        QWidget window;
        QorButton *plain = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(90, 29), QPoint(0, 0));
        QorButton *marked = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(90, 29), QPoint(0, 40));
        for (QorButton *b : {plain, marked}) {
            b->setFont(QFont(QStringLiteral("Arial"), 9));
            b->setCaption(QStringLiteral("Save"));
        }
        marked->setDisplayAsDefault(true);
        showWindow(window);
        const int plainInk = countNear(plain->surface(), plain->rect(), 0x000000, 100);
        const int boldInk = countNear(marked->surface(), marked->rect(), 0x000000, 100);
        QVERIFY(plainInk > 10);
        QVERIFY2(boldInk > plainInk, qPrintable(QStringLiteral("%1 vs %2").arg(boldInk).arg(plainInk)));
        QVERIFY(!marked->font().bold());
        for (QorButton *b : {plain, marked})
            sendMouse(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(marked->surface(), plain->surface());
    }

    void defaultButtonWithAPictureBehindItsCaption()
    {
        // The caption drawn again over the picture is bold too: the default
        // button looks exactly like one with a bold font.
        QWidget window;
        QorButton *marked = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(90, 29), QPoint(0, 0));
        QorButton *bold = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(90, 29), QPoint(0, 40));
        marked->setFont(QFont(QStringLiteral("Arial"), 9));
        bold->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
        for (QorButton *b : {marked, bold}) {
            b->setCaption(QStringLiteral("Save it"));
            b->setPicturePosition(QorButton::PictureBehind);
            b->setPictureNormal(ButtonPicture::fromImage(keyedPicture()));
        }
        marked->setDisplayAsDefault(true);
        showWindow(window);
        QCOMPARE(marked->surface(), bold->surface());
    }

    void roundedShadedNormalLook()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::RoundedShaded, 0xFF8080, QSize(80, 25));
        showWindow(window);
        // Tint: +48 with blue scaling, 0xFFB0B0; shading 25 / 25 = 1 per row.
        QCOMPARE(b->workingColours().tint, Value(0xFFB0B0));
        QCOMPARE(pixelAt(b, 40, 0), Value(0x733C00));      // frame
        QCOMPARE(pixelAt(b, 0, 12), Value(0x733C00));
        QCOMPARE(pixelAt(b, 1, 1), Value(0x7B4D10));       // corners
        QCOMPARE(pixelAt(b, 78, 23), Value(0x7B4D10));
        QCOMPARE(pixelAt(b, 40, 12), Value(0xF0A4A4));     // shading row 12
        QCOMPARE(pixelAt(b, 40, 23), Value(0xC08080));     // edge n = -48
        QCOMPARE(pixelAt(b, 40, 1), Value(0xFFC0C0));      // edge n = +16
        QCOMPARE(pixelAt(b, 40, 2), Value(0xFFBABA));      // edge n = +10
        QCOMPARE(pixelAt(b, 1, 10), ButtonColor::shift(0xFFB0B0, -5, true, false));
        QCOMPARE(pixelAt(b, 2, 10), ButtonColor::shift(0xFFB0B0, -10, true, false));
        QCOMPARE(pixelAt(b, 78, 10), ButtonColor::shift(0xFFB0B0, -36, true, false));
        QCOMPARE(pixelAt(b, 77, 10), ButtonColor::shift(0xFFB0B0, -24, true, false));
        QCOMPARE(pixelAt(b, 40, 22), ButtonColor::shift(0xFFB0B0, -32, true, false));
        // Three cells cut at each corner.
        for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(79, 0), QPoint(78, 0), QPoint(79, 1),
                               QPoint(0, 24), QPoint(1, 24), QPoint(0, 23), QPoint(79, 24), QPoint(78, 24), QPoint(79, 23)})
            QVERIFY2(!b->mask().contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        QVERIFY(b->mask().contains(QPoint(1, 1)));
        QVERIFY(b->mask().contains(QPoint(2, 0)));
    }

    void roundedShadedHoverAndFocusEdges()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::RoundedShaded, 0xFF8080, QSize(80, 25));
        showWindow(window);
        setFocused(b, true);
        QCOMPARE(pixelAt(b, 40, 1), Value(0xFFE7CE));
        QCOMPARE(pixelAt(b, 1, 10), Value(0xE7AE8C));
        QCOMPARE(pixelAt(b, 40, 23), Value(0xEF826B));
        QCOMPARE(pixelAt(b, 40, 2), Value(0xF7D7BD));
        QCOMPARE(pixelAt(b, 2, 10), Value(0xF0D1B5));
        moveTo(b, QPoint(40, 12));
        QCOMPARE(pixelAt(b, 40, 1), Value(0xCEF3FF));
        QCOMPARE(pixelAt(b, 1, 10), Value(0x31B2FF));
        QCOMPARE(pixelAt(b, 40, 22), Value(0x31B2FF));
        QCOMPARE(pixelAt(b, 40, 23), Value(0x0096E7));
        QCOMPARE(pixelAt(b, 40, 2), Value(0x8CDBFF));
        QCOMPARE(pixelAt(b, 2, 10), Value(0x6BCBFF));
        QCOMPARE(pixelAt(b, 77, 10), Value(0x6BCBFF));
        // No dotted focus mark on this type: the focus rectangle's corner is shading.
        QCOMPARE(pixelAt(b, 4, 4), ButtonColor::shift(0xFFB0B0, -4, true, false));
        leave(b);
        setFocused(b, false);
        QCOMPARE(pixelAt(b, 40, 1), Value(0xFFC0C0));
        // The holder's default button shows the focus edges too.
        b->setDisplayAsDefault(true);
        QCOMPARE(pixelAt(b, 40, 1), Value(0xFFE7CE));
        b->setShowFocusRect(false);
        QCOMPARE(pixelAt(b, 40, 1), Value(0xFFC0C0));
    }

    void roundedShadedPressedAndDisabledLooks()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::RoundedShaded, 0xFF8080, QSize(80, 25));
        showWindow(window);
        sendMouse(b, QEvent::MouseButtonPress, QPoint(40, 12), Qt::LeftButton, Qt::LeftButton);
        // Base = tint - 32 (blue-scaled) = 0xD59090, shaded bottom-up.
        QCOMPARE(pixelAt(b, 40, 12), Value(0xC78383));
        QCOMPARE(pixelAt(b, 40, 20), ButtonColor::shift(0xD59090, -5, true, false));
        QCOMPARE(pixelAt(b, 40, 23), Value(0xE6A0A0));
        QCOMPARE(pixelAt(b, 40, 1), Value(0xB27070));
        QCOMPARE(pixelAt(b, 77, 10), Value(0xFFB0B0));     // the tint itself
        QCOMPARE(pixelAt(b, 2, 10), ButtonColor::shift(0xD59090, -22, true, false));
        QCOMPARE(pixelAt(b, 40, 0), Value(0x733C00));
        QCOMPARE(pixelAt(b, 1, 23), Value(0x7B4D10));
        sendMouse(b, QEvent::MouseButtonRelease, QPoint(40, 12), Qt::LeftButton, Qt::NoButton);

        b->setEnabled(false);
        QCOMPARE(pixelAt(b, 40, 12), Value(0xE09898));
        QCOMPARE(pixelAt(b, 40, 0), Value(0x905C5C));
        QCOMPARE(pixelAt(b, 1, 1), Value(0xA06868));
        b->setCaption(QStringLiteral("MMM"));
        QVERIFY(countNear(b->surface(), b->rect(), ButtonColor::shift(0xFFB0B0, -104, true, false)) > 10);
    }

    void transparentShowsWhatLiesBeneath()
    {
        QWidget window;
        setBackground(window, QColor(0x99, 0x66, 0x33));
        auto *patch = new QWidget(&window);
        setBackground(*patch, QColor(0x10, 0x20, 0x30));
        patch->setGeometry(50, 0, 100, 100);
        QorButton *b = placeButton(window, QorButton::Transparent, 0xC0C0C0, QSize(80, 30));
        b->setBackOver(0x8080FF);
        b->raise();
        showWindow(window);
        QCOMPARE(pixelAt(b, 5, 15), Value(0x336699));     // the window's colour
        QCOMPARE(pixelAt(b, 60, 15), Value(0x302010));    // the widget under the right part
        QCOMPARE(pixelAt(b, 0, 0), Value(0x336699));      // no border in the normal look
        QVERIFY(b->mask().isEmpty());

        moveTo(b, QPoint(5, 15));
        // Hover bevel from BackOver 0x8080FF: highlight 0xAFAFFF left and top, shadow 0x4040BF right and bottom.
        QCOMPARE(pixelAt(b, 0, 15), Value(0xAFAFFF));
        QCOMPARE(pixelAt(b, 40, 0), Value(0xAFAFFF));
        QCOMPARE(pixelAt(b, 79, 0), Value(0x4040BF));
        QCOMPARE(pixelAt(b, 79, 15), Value(0x4040BF));
        QCOMPARE(pixelAt(b, 0, 29), Value(0x4040BF));
        QCOMPARE(pixelAt(b, 5, 15), Value(0x336699));

        leave(b);
        sendMouse(b, QEvent::MouseButtonPress, QPoint(5, 15), Qt::LeftButton, Qt::LeftButton);
        // Pressed: shadow left and top, highlight right and bottom, from BackColor.
        QCOMPARE(pixelAt(b, 0, 15), Value(0x808080));
        QCOMPARE(pixelAt(b, 79, 15), Value(0xEFEFEF));
        QCOMPARE(pixelAt(b, 40, 29), Value(0xEFEFEF));
        QCOMPARE(pixelAt(b, 60, 15), Value(0x302010));
    }

    void transparentFocusedAndDisabledLooks()
    {
        QWidget window;
        setBackground(window, QColor(0x99, 0x66, 0x33));
        QorButton *b = placeButton(window, QorButton::Transparent, 0xC0C0C0, QSize(80, 30));
        b->setPicturePosition(QorButton::PictureBehind);
        b->setPictureNormal(ButtonPicture::fromImage(keyedPicture()));
        showWindow(window);
        QCOMPARE(b->focusRect(), QRect(QPoint(3, 3), QPoint(76, 26)));
        setFocused(b, true);
        QCOMPARE(pixelAt(b, 3, 3), Value(0xCC9966));      // inverted background
        QCOMPARE(pixelAt(b, 4, 3), Value(0x336699));
        QCOMPARE(pixelAt(b, 76, 26), Value(0xCC9966));
        QCOMPARE(pixelAt(b, 4, 4), Value(0x336699));
        setFocused(b, false);
        b->setEnabled(false);
        // The background, no bevel, and the picture's dark pixels as silhouettes.
        const QorButton::Colours c = b->workingColours();
        QCOMPARE(pixelAt(b, 0, 0), Value(0x336699));
        QCOMPARE(pixelAt(b, 79, 29), Value(0x336699));
        QCOMPARE(pixelAt(b, 39, 14), c.shadow);
        QCOMPARE(pixelAt(b, 41, 16), c.highlight);
        QCOMPARE(pixelAt(b, 38, 13), Value(0x336699));
    }

    void refreshRecapturesTheBackground()
    {
        QWidget window;
        setBackground(window, QColor(0x99, 0x66, 0x33));
        QorButton *b = placeButton(window, QorButton::Transparent, 0xC0C0C0, QSize(80, 30));
        showWindow(window);
        QCOMPARE(pixelAt(b, 40, 15), Value(0x336699));
        setBackground(window, QColor(0x00, 0x80, 0x40));
        QCOMPARE(pixelAt(b, 40, 15), Value(0x336699));     // still the picture taken at show
        b->Refresh();
        QCOMPARE(pixelAt(b, 40, 15), Value(0x408000));
        // Becoming Transparent while shown takes the picture at once.
        QorButton *late = placeButton(window, QorButton::BevelShaded, 0xC0C0C0, QSize(40, 20), QPoint(100, 10));
        late->show();
        late->setButtonType(QorButton::Transparent);
        QCOMPARE(pixelAt(late, 20, 10), Value(0x408000));
    }

    void otherTypesDrawOnlyTheFaceAndThePicture()
    {
        QWidget window;
        QorButton *b = placeButton(window, 5, 0x123456, QSize(40, 20));
        b->setCaption(QStringLiteral("MMM"));
        b->setPicturePosition(QorButton::PictureBehind);
        showWindow(window);
        setFocused(b, true);
        QCOMPARE(countColour(b->surface(), b->rect(), 0x123456), 40 * 20);
        b->setPictureNormal(ButtonPicture::fromImage(keyedPicture()));
        QCOMPARE(b->picturePos(), QPoint(18, 8));
        QCOMPARE(pixelAt(b, 19, 9), ButtonColor::rgb(0x90, 0x10, 0x20));
        QCOMPARE(countColour(b->surface(), b->rect(), 0x123456), 40 * 20 - 4);
        QVERIFY(b->mask().isEmpty());
    }

    void picturesKeyGreyAndMove()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(40, 29));
        b->setPicturePosition(QorButton::PictureBehind);
        b->setPictureNormal(ButtonPicture::fromImage(keyedPicture()));
        showWindow(window);
        const QPoint at = b->picturePos();
        QCOMPARE(at, QPoint(18, 12));
        const Value red = ButtonColor::rgb(0x90, 0x10, 0x20);
        QCOMPARE(pixelAt(b, 19, 13), red);
        // The mask colour lets the shading show through.
        QCOMPARE(pixelAt(b, 18, 12), ButtonColor::shift(0xAFFFAF, -24, false, false));

        b->setUseGreyscale(true);
        const int grey = ButtonColor::greyOf(0x90, 0x10, 0x20);
        QCOMPARE(pixelAt(b, 19, 13), ButtonColor::rgb(grey, grey, grey));
        moveTo(b, QPoint(2, 10));   // in colour while hovered
        QCOMPARE(pixelAt(b, 19, 13), red);
        leave(b);

        sendMouse(b, QEvent::MouseButtonPress, QPoint(2, 10), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(pixelAt(b, 20, 14), red);                 // moved by (+1, +1), in colour
        QCOMPARE(pixelAt(b, 19, 13), Value(0x77F677));
        sendMouse(b, QEvent::MouseButtonRelease, QPoint(2, 10), Qt::LeftButton, Qt::NoButton);

        b->setUseMaskColor(false);
        QCOMPARE(pixelAt(b, 18, 12), Value(0xC0C0C0));
        b->setUseMaskColor(true);

        // Disabled: dark pixels as silhouettes, highlight at (+1, +1), shadow on top.
        b->setEnabled(false);
        const QorButton::Colours c = b->workingColours();
        QCOMPARE(pixelAt(b, 19, 13), c.shadow);
        QCOMPARE(pixelAt(b, 21, 14), c.highlight);
    }

    void hoverPictureReplacesTheNormalOneOnlyWhileHovered()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(40, 29));
        b->setPicturePosition(QorButton::PictureBehind);
        b->setPictureNormal(ButtonPicture::fromImage(keyedPicture()));
        showWindow(window);
        QImage over = keyedPicture();
        over.setPixel(1, 1, qRgb(0, 0, 0xFF));
        const int draws = b->drawCount();
        b->setPictureOver(ButtonPicture::fromImage(over));
        QCOMPARE(b->drawCount(), draws);                   // not hovering: no redraw
        moveTo(b, QPoint(2, 10));
        QCOMPARE(pixelAt(b, 19, 13), Value(0xFF0000));
        sendMouse(b, QEvent::MouseButtonPress, QPoint(2, 10), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(pixelAt(b, 20, 14), Value(0xFF0000));
    }

    void pictureEffectsAddSilhouettes()
    {
        QWidget window;
        QorButton *b = placeButton(window, 5, 0x808080, QSize(40, 20));
        b->setPictureNormal(ButtonPicture::fromImage(keyedPicture()));
        showWindow(window);
        // Centre at (18, 8); the dark 2 x 2 block covers (19..20, 9..10).
        b->setSpecialEffect(QorButton::Raised);
        QCOMPARE(pixelAt(b, 21, 11), Value(0x585858));      // (+1, +1) in face - 40
        QCOMPARE(pixelAt(b, 18, 8), Value(0xA8A8A8));       // (-1, -1) in face + 40
        b->setSpecialEffect(QorButton::Sunken);
        QCOMPARE(pixelAt(b, 21, 11), Value(0xA8A8A8));
        QCOMPARE(pixelAt(b, 18, 8), Value(0x585858));
        b->setSpecialEffect(QorButton::Shadow);
        QCOMPARE(pixelAt(b, 21, 11), Value(0x585858));
        QCOMPARE(pixelAt(b, 18, 8), Value(0x808080));
    }

    void iconsAreDrawnOverTheMaskColour()
    {
        QImage icon(4, 4, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        icon.setPixel(1, 1, qRgba(0, 0, 0xFF, 0xFF));
        QWidget window;
        QorButton *b = placeButton(window, 5, 0x00FF00, QSize(20, 20));
        b->setPictureNormal(ButtonPicture::fromImage(icon));
        showWindow(window);
        QCOMPARE(countColour(b->surface(), b->rect(), 0x00FF00), 399);
        QCOMPARE(pixelAt(b, 9, 9), Value(0xFF0000));
        b->setUseMaskColor(false);
        QCOMPARE(countColour(b->surface(), b->rect(), 0xC0C0C0), 15);
    }

    void captionAndPicturePlacement()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(120, 40));
        b->setCaption(QStringLiteral("Go"));
        b->setPictureNormal(ButtonPicture::fromImage(QImage(16, 16, QImage::Format_RGB32)));
        showWindow(window);
        const QRect t = b->textRect();
        QCOMPARE(b->picturePos(), QPoint(t.left() - 16 - 6, 12));             // left of the caption
        b->setPicturePosition(QorButton::PictureRight);
        QCOMPARE(b->picturePos(), QPoint(b->textRect().left() + b->textRect().width() + 6, 12));
        // The caption and picture together are centred: the gap left equals the gap right, to a pixel.
        const int leftGap = b->textRect().left();
        const int rightGap = 120 - (b->picturePos().x() + 16);
        QVERIFY(std::abs(leftGap - rightGap) <= 7);
        b->setPicturePosition(QorButton::PictureTop);
        QCOMPARE(b->picturePos(), QPoint(52, b->textRect().top() - 16 - 2));
        b->setPicturePosition(QorButton::PictureBottom);
        QCOMPARE(b->picturePos(), QPoint(52, b->textRect().top() + b->textRect().height() + 2));
        b->setPicturePosition(QorButton::PictureBehind);
        QCOMPARE(b->picturePos(), QPoint(52, 12));
        b->setPicturePosition(QorButton::PictureLeft);
        b->setCaption(QStringLiteral("   "));                                // blank: centred
        QCOMPARE(b->picturePos(), QPoint(52, 12));
    }

    // A button never shown draws its look when the look is asked for: a
    // grab paints the same picture as the one the button keeps.
    void aButtonNeverShownPaintsItsLookWhenGrabbed()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(80, 29));
        const QImage grabbed = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(grabbed, b->surface().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(pixelAt(b, 0, 0), Value(0x0E8D0E));
    }

    void drawingIsSkippedWhenNothingChanged()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(80, 29));
        showWindow(window);
        moveTo(b, QPoint(10, 10));
        const int draws = b->drawCount();
        for (int x = 11; x < 30; ++x)
            moveTo(b, QPoint(x, 10));
        QCOMPARE(b->drawCount(), draws);
        sendMouse(b, QEvent::MouseButtonPress, QPoint(30, 10), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(b->drawCount(), draws + 1);
        for (int x = 31; x < 40; ++x)
            moveTo(b, QPoint(x, 10), Qt::LeftButton);
        QCOMPARE(b->drawCount(), draws + 1);
    }

    void softBevelHalvesEveryShift()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x808080, QSize(80, 29));
        b->setSoftBevel(true);
        showWindow(window);
        QCOMPARE(b->workingColours().highlight, Value(0x979797));   // +47 -> +23
        QCOMPARE(pixelAt(b, 40, 20), Value(0x838383));              // 0x97 - 20
    }

    void colourSchemes()
    {
        QWidget window;
        QorButton *b = placeButton(window, QorButton::BevelShaded, 0x80FF80, QSize(80, 29));
        b->setColorScheme(QorButton::Classic);
        QorButton::Colours c = b->workingColours();
        QCOMPARE(c.face, Value(0xC0C0C0));
        QCOMPARE(c.shadow, Value(0x808080));
        QCOMPARE(c.light, Value(0xDFDFDF));
        QCOMPARE(c.highlight, Value(0xFFFFFF));
        QCOMPARE(c.text, Value(0));

        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(0x20, 0x40, 0x60));
        palette.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0x00));
        palette.setColor(QPalette::Button, QColor(0x11, 0x22, 0x33));
        palette.setColor(QPalette::ButtonText, QColor(0x01, 0x02, 0x03));
        palette.setColor(QPalette::Light, QColor(0xF0, 0xF1, 0xF2));
        palette.setColor(QPalette::Midlight, QColor(0xE0, 0xE1, 0xE2));
        palette.setColor(QPalette::Dark, QColor(0x50, 0x51, 0x52));
        window.setPalette(palette);
        b->setColorScheme(QorButton::Container);
        c = b->workingColours();
        QCOMPARE(c.face, Value(0x604020));
        QCOMPARE(c.text, Value(0x00FFFF));
        QCOMPARE(c.shadow, Value(0x200000));
        QCOMPARE(c.light, Value(0x7F5F3F));
        QCOMPARE(c.tint, ButtonColor::shift(0x604020, 48, false, false));

        b->setColorScheme(QorButton::System);
        c = b->workingColours();
        QCOMPARE(c.face, Value(0x332211));
        QCOMPARE(c.text, Value(0x030201));
        QCOMPARE(c.highlight, Value(0xF2F1F0));
        QCOMPARE(c.light, Value(0xE2E1E0));
        QCOMPARE(c.shadow, Value(0x525150));
        b->setColorScheme(1234);                                    // any other value is System
        QCOMPARE(b->workingColours().face, Value(0x332211));

        b->setColorScheme(QorButton::Custom);
        b->setMaskColor(0x8000000F);                                // a system-colour reference
        QCOMPARE(b->workingColours().key, Value(0x332211));
        b->setButtonType(QorButton::RoundedShaded);
        QCOMPARE(b->workingColours().tint, ButtonColor::shift(0x80FF80, 48, true, false));
    }
};

QTEST_MAIN(TestButtonLooks)
#include "test_button_looks.moc"
