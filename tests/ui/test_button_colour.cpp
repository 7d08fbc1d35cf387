// Colour arithmetic and the drawing primitives of the button control.

#include "ui/ButtonCanvas.h"
#include "ui/ButtonColor.h"

#include <QTest>

using namespace ButtonColor;

class TestButtonColour : public QObject
{
    Q_OBJECT

private slots:
    void shiftMovesEachChannelAndClamps()
    {
        QCOMPARE(shift(0x80FF80, 47, false, false), Value(0xAFFFAF));   // green clamped at 255
        QCOMPARE(shift(0x80FF80, -64, false, false), Value(0x40BF40));
        QCOMPARE(shift(0x102030, -40, false, false), Value(0x000008));   // red and green clamped at 0
        QCOMPARE(shift(0x123456, 0, false, false), Value(0x123456));
        // Channels are independent: red is the low byte.
        QCOMPARE(shift(0x0000FF, 1, false, false), Value(0x0101FF));
    }

    void blueScalingMovesBlueInProportion()
    {
        // blue' = blue + blue * n / 192, truncated toward zero.
        QCOMPARE(blue(shift(0xC00000, 48, true, false)), 0xC0 + 0xC0 * 48 / 192);
        QCOMPARE(blue(shift(0x640000, -32, true, false)), 100 - 16);  // 100 * -32 / 192 = -16.67 -> -16
        QCOMPARE(blue(shift(0x000000, 48, true, false)), 0);
        QCOMPARE(red(shift(0x000010, 48, true, false)), 0x10 + 48);
        QCOMPARE(blue(shift(0xFF0000, 100, true, false)), 255);
    }

    void softBevelHalvesTheAmountTowardZero()
    {
        QCOMPARE(shift(0x808080, 47, false, true), Value(0x979797));    // +23
        QCOMPARE(shift(0x808080, -5, false, true), Value(0x7E7E7E));    // -2, not -3
        QCOMPARE(shift(0x808080, 1, false, true), Value(0x808080));
    }

    void roundingGoesToTheEvenNeighbour()
    {
        QCOMPARE(roundHalfEven(2.5), 2);
        QCOMPARE(roundHalfEven(3.5), 4);
        QCOMPARE(roundHalfEven(-2.5), -2);
        QCOMPARE(roundHalfEven(-14.5), -14);
        QCOMPARE(roundHalfEven(-3.5), -4);
        QCOMPARE(roundHalfEven(8.25), 8);
        QCOMPARE(roundHalfEven(-0.6), -1);
    }

    void greyRoundsTheRedPartFirst()
    {
        // R 5: 5 * 0.3 = 1.5 rounds to 2 (even); total 2 + 0 + 0 = 2.
        QCOMPARE(greyOf(5, 0, 0), 2);
        // R 15: 4.5 -> 4; G 0; B 5: 0.55 -> total 4.55 -> 5.
        QCOMPARE(greyOf(15, 0, 5), 5);
        // White: 150.45 + 76 (76.5 to even) + 28.05 = 254.5, which goes to 254.
        QCOMPARE(greyOf(255, 255, 255), 254);
        QCOMPARE(greyOf(0, 100, 0), 59);
        // 50 * 0.59 is 29.5 in double precision: a tie, to the even 30.
        QCOMPARE(greyOf(0, 50, 0), 30);
    }

    void systemColourReferencesResolveThroughThePalette()
    {
        QPalette palette;
        palette.setColor(QPalette::Button, QColor(0x11, 0x22, 0x33));
        palette.setColor(QPalette::ButtonText, QColor(0x44, 0x55, 0x66));
        QCOMPARE(translate(SystemButtonFace, palette), Value(0x332211));
        QCOMPARE(translate(SystemButtonText, palette), Value(0x665544));
        QCOMPARE(translate(0xFF80FF, palette), Value(0xFF80FF));
        QCOMPARE(toQColor(0x0080FF), QColor(0xFF, 0x80, 0x00));
        QCOMPARE(fromQColor(QColor(0xFF, 0x80, 0x00)), Value(0x0080FF));
    }

    void lineLeavesOutItsEndPoint()
    {
        ButtonCanvas canvas;
        canvas.resize(6, 4);
        canvas.fill(0, 0, 6, 4, 0x000000);
        canvas.line(1, 1, 4, 1, 0x0000FF);
        QCOMPARE(canvas.pixel(0, 1), Value(0));
        QCOMPARE(canvas.pixel(1, 1), Value(0x0000FF));
        QCOMPARE(canvas.pixel(3, 1), Value(0x0000FF));
        QCOMPARE(canvas.pixel(4, 1), Value(0));
        canvas.line(5, 3, 5, 0, 0x00FF00);   // upwards: (5, 0) stays
        QCOMPARE(canvas.pixel(5, 3), Value(0x00FF00));
        QCOMPARE(canvas.pixel(5, 1), Value(0x00FF00));
        QCOMPARE(canvas.pixel(5, 0), Value(0));
        canvas.line(2, 2, 2, 2, 0xFFFFFF);   // a zero-length line draws nothing
        QCOMPARE(canvas.pixel(2, 2), Value(0));
    }

    void frameIsTheOutlineAndFillIsClipped()
    {
        ButtonCanvas canvas;
        canvas.resize(5, 5);
        canvas.fill(0, 0, 5, 5, 0x000000);
        canvas.frame(1, 1, 3, 3, 0x0000FF);
        QCOMPARE(canvas.pixel(1, 1), Value(0x0000FF));
        QCOMPARE(canvas.pixel(3, 3), Value(0x0000FF));
        QCOMPARE(canvas.pixel(2, 2), Value(0));
        QCOMPARE(canvas.pixel(4, 4), Value(0));
        canvas.fill(3, 3, 10, 10, 0x00FF00);
        QCOMPARE(canvas.pixel(4, 4), Value(0x00FF00));
        QCOMPARE(canvas.pixel(2, 4), Value(0));
        canvas.fill(0, 0, 0, 5, 0xFFFFFF);    // an empty rectangle paints nothing
        QCOMPARE(canvas.pixel(0, 0), Value(0));
    }

    void focusRectangleInvertsEveryOtherPixelOfItsOutline()
    {
        ButtonCanvas canvas;
        canvas.resize(8, 8);
        canvas.fill(0, 0, 8, 8, 0x102030);
        canvas.invertFocusRect(QRect(1, 1, 6, 6));
        QCOMPARE(canvas.pixel(1, 1), Value(0xEFDFCF));
        QCOMPARE(canvas.pixel(2, 1), Value(0x102030));
        QCOMPARE(canvas.pixel(3, 1), Value(0xEFDFCF));
        QCOMPARE(canvas.pixel(6, 3), Value(0x102030));
        QCOMPARE(canvas.pixel(6, 2), Value(0xEFDFCF));
        QCOMPARE(canvas.pixel(6, 6), Value(0xEFDFCF));
        QCOMPARE(canvas.pixel(3, 3), Value(0x102030));
        // Drawing it twice takes it away again.
        canvas.invertFocusRect(QRect(1, 1, 6, 6));
        QCOMPARE(canvas.pixel(1, 1), Value(0x102030));
    }

    void blitKeysGreysAndSilhouettes()
    {
        QImage picture(3, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(0xC0, 0xC0, 0xC0));   // the key colour
        picture.setPixel(1, 0, qRgb(200, 100, 50));
        picture.setPixel(2, 0, qRgb(250, 250, 250));      // bright
        ButtonCanvas canvas;
        canvas.resize(3, 1);

        canvas.fill(0, 0, 3, 1, 0x0000FF);
        canvas.blit(0, 0, picture, {});
        QCOMPARE(canvas.pixel(0, 0), Value(0x0000FF));      // keyed out: the face shows
        QCOMPARE(canvas.pixel(1, 0), rgb(200, 100, 50));

        ButtonCanvas::Blit noKey;
        noKey.useKey = false;
        canvas.blit(0, 0, picture, noKey);
        QCOMPARE(canvas.pixel(0, 0), Value(0xC0C0C0));

        canvas.fill(0, 0, 3, 1, 0x0000FF);
        ButtonCanvas::Blit grey;
        grey.greyscale = true;
        canvas.blit(0, 0, picture, grey);
        const int g = greyOf(200, 100, 50);
        QCOMPARE(canvas.pixel(1, 0), rgb(g, g, g));
        QCOMPARE(canvas.pixel(0, 0), Value(0x0000FF));

        canvas.fill(0, 0, 3, 1, 0x0000FF);
        ButtonCanvas::Blit dark;
        dark.silhouette = 0x00FF00;
        dark.darkOnly = true;
        canvas.blit(0, 0, picture, dark);
        QCOMPARE(canvas.pixel(1, 0), Value(0x00FF00));     // 350 < 385
        QCOMPARE(canvas.pixel(2, 0), Value(0x0000FF));     // too bright: unchanged
        QCOMPARE(canvas.pixel(0, 0), Value(0x0000FF));

        ButtonCanvas::Blit all;
        all.silhouette = 0x00FF00;
        canvas.blit(0, 0, picture, all);
        QCOMPARE(canvas.pixel(2, 0), Value(0x00FF00));

        // Clipped at the surface's edges.
        canvas.fill(0, 0, 3, 1, 0x0000FF);
        canvas.blit(-1, 0, picture, {});
        QCOMPARE(canvas.pixel(0, 0), rgb(200, 100, 50));
        QCOMPARE(canvas.pixel(1, 0), rgb(250, 250, 250));
    }
};

QTEST_MAIN(TestButtonColour)
#include "test_button_colour.moc"
