// Button properties, their stored layouts and the program's own layouts.

#include "ButtonTestSupport.h"

#include "ui/ButtonIcons.h"
#include "ui/ButtonLayout.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using ButtonColor::Value;

namespace {

const QStringList StoredKeys = {"BTYPE", "TX",   "ENAB", "FONT",  "COLTYPE", "FOCUSR", "BCOL",  "BCOLO",
                                "FCOL",  "FCOLO", "MCOL", "MPTR",  "MICON",   "PICN",   "PICH",  "UMCOL",
                                "SOFT",  "PICPOS", "NGREY", "FX",   "CHECK",   "VALUE"};

QStringList keysOf(const ButtonPropertyBag &bag)
{
    QStringList keys;
    for (const auto &entry : bag.entries())
        keys << entry.first;
    return keys;
}

ButtonPropertyBag saved(const QorButton &button)
{
    ButtonPropertyBag bag;
    button.saveProperties(bag);
    return bag;
}

// One row of the program's button table.
struct Role {
    const char *window;
    const char *button;
    int type;
    Value back;
    Value backOver;
    Value foreOver;
    int picturePosition;
    const char *icon;
};

constexpr Value Add = 0x80FF80, Edit = 0xFF80FF, Picture = 0x00FF00, Delete = 0x8080FF, Print = 0x0080FF,
                Help = 0x00FFFF, Larger = 0xFFFF00, Friend = 0x80C0FF, Blue = 0xFF8080;

const Role Roles[] = {
    {"frmMain", "cmdSelectRide", 14, Blue, Blue, 0x800000, 1, "icon:select-16"},
    {"frmMain", "cmdRideAdd", 14, Add, Add, 0, 4, "icon:add-16"},
    {"frmMain", "cmdRideEdit", 14, Edit, Edit, 0, 4, "icon:edit-16"},
    {"frmMain", "cmdRideDelete", 14, Delete, Delete, 0, 4, "icon:delete-16"},
    {"frmMain", "cmdRidePrint", 14, Print, Print, 0, 4, "icon:print-16"},
    {"frmMain", "cmdRideHistory", 14, 0x40C0FF, 0x40C0FF, 0, 4, "icon:history-16"},
    {"frmMain", "cmdRideSave", 14, Add, Add, 0, 4, "icon:save-16"},
    {"frmMain", "cmdRideCancel", 14, Delete, Delete, 0, 4, "icon:cancel-16"},
    {"frmMain", "cmdPicAddEdit(1)", 14, Picture, Picture, 0, 4, "icon:picture-16"},
    {"frmMain", "cmdPicAddEdit(2)", 14, Edit, Edit, 0, 4, "icon:edit-16"},
    {"frmMain", "cmdPicDelete", 14, Delete, Delete, 0, 4, "icon:delete-16"},
    {"frmMain", "cmdLargerPic", 14, Larger, Larger, 0, 4, "icon:largerpicture-16"},
    {"frmMain", "cmdMaintAdd", 14, Add, Add, 0, 4, "icon:add-16"},
    {"frmMain", "cmdMaintEdit", 14, Edit, Edit, 0, 4, "icon:edit-16"},
    {"frmMain", "cmdMaintDelete", 14, Delete, Delete, 0, 4, "icon:delete-16"},
    {"frmMain", "cmdMaintPrint", 14, Print, Print, 0, 4, "icon:print-16"},
    {"frmMain", "cmdGoodyAdd", 14, Add, Add, 0, 4, "icon:add-16"},
    {"frmMain", "cmdGoodyEdit", 14, Edit, Edit, 0, 4, "icon:edit-16"},
    {"frmMain", "cmdGoodyDelete", 14, Delete, Delete, 0, 4, "icon:delete-16"},
    {"frmMain", "cmdGoodyPrint", 14, Print, Print, 0, 4, "icon:print-16"},
    {"frmMain", "cmdTripAdd", 14, Add, Add, 0, 4, "icon:add-16"},
    {"frmMain", "cmdTripEdit", 14, Edit, Edit, 0, 4, "icon:edit-16"},
    {"frmMain", "cmdTripDelete", 14, Delete, Delete, 0, 4, "icon:delete-16"},
    {"frmMain", "cmdTripPrint", 14, Print, Print, 0, 4, "icon:print-16"},
    {"frmMain", "cmdGasAdd", 14, Add, Add, 0, 4, "icon:add-16"},
    {"frmMain", "cmdGasEdit", 14, Edit, Edit, 0, 4, "icon:edit-16"},
    {"frmMain", "cmdGasDelete", 14, Delete, Delete, 0, 4, "icon:delete-16"},
    {"frmMain", "cmdGasPrint", 14, Print, Print, 0, 4, "icon:print-16"},
    {"frmMain", "cmdBackup", 14, Friend, Friend, 0, 4, "icon:backup-16"},
    {"frmMain", "cmdRestore", 14, 0xFFC080, 0xFFC080, 0, 4, "icon:restore-16"},
    {"frmMain", "cmdHelp", 14, Help, Help, 0, 4, "icon:help-16"},
    {"frmMain", "cmdQuit", 14, Delete, Delete, 0, 4, "icon:quit-16"},
    {"frmMain", "cmdFadeStatus", 14, Blue, Blue, 0, 4, "icon:fade-16"},
    {"frmMain", "cmdEmailFriend", 14, Friend, Friend, 0, 4, "icon:friend-16"},
    {"frmLogEntry", "cmdSave", 14, Add, Add, 0, 4, "icon:save-16"},
    {"frmLogEntry", "cmdCancel", 14, Delete, Delete, 0, 4, "icon:cancel-16"},
    {"frmPrint", "cmdPrint", 14, Print, Print, 0, 4, "icon:print-16"},
    {"frmPrint", "cmdPrintTo", 14, Print, Print, 0, 0, "icon:print-16"},
    {"frmPrint", "cmdCancel", 14, Delete, Delete, 0, 4, "icon:cancel-16"},
    {"frmTitlePage", "cmdContinue", 14, Blue, Blue, 0xC00000, 1, "icon:continue-32"},
    {"frmNewUser", "cmdContinue", 14, Blue, Blue, 0xC00000, 1, "icon:continue-32"},
    {"frmLargePic", "cmdPrintPic", 11, Print, Print, 0, 4, "icon:print-32"},
    {"frmLargePic", "cmdReturn", 11, Delete, Delete, 0, 4, "icon:return-32"},
    {"frmManual", "cmdHelpTopic", 11, 0xC0C0C0, 0xFF8080, 0xFFFF80, 0, "icon:topics-32"},
    {"frmManual", "cmdPrintHelp", 11, 0xC0C0C0, 0x80C0FF, 0xC0E0FF, 0, "icon:print-32"},
    {"frmManual", "cmdReturn", 11, 0xC0C0C0, 0x8080FF, 0xC0C0FF, 0, "icon:return-32"},
};

} // namespace

class TestButtonLayout : public QObject
{
    Q_OBJECT

private slots:
    void loadingAnEmptyLayoutGivesTheLoadDefaults()
    {
        QWidget window;
        window.setFont(QFont(QStringLiteral("Courier"), 11));
        QorButton b(&window);
        b.loadProperties(ButtonPropertyBag());
        QCOMPARE(b.buttonType(), 2);
        QCOMPARE(b.caption(), QString());
        QVERIFY(b.buttonEnabled());
        QCOMPARE(b.fontSize(), short(11));
        QCOMPARE(b.colorScheme(), int(QorButton::System));
        QVERIFY(b.showFocusRect());
        QCOMPARE(b.backColor(), ButtonColor::SystemButtonFace);
        QCOMPARE(b.backOver(), ButtonColor::SystemButtonFace);
        QCOMPARE(b.foreColor(), ButtonColor::SystemButtonText);
        QCOMPARE(b.foreOver(), ButtonColor::SystemButtonText);
        QCOMPARE(b.maskColor(), Value(0xC0C0C0));
        QCOMPARE(b.mousePointer(), short(0));
        QVERIFY(b.mouseIcon().isNone());
        QVERIFY(b.pictureNormal().isNone());
        QVERIFY(b.pictureOver().isNone());
        QVERIFY(b.useMaskColor());
        QVERIFY(!b.softBevel());
        QCOMPARE(b.picturePosition(), 0);
        QVERIFY(!b.useGreyscale());
        QCOMPARE(b.specialEffect(), 0);
        QVERIFY(!b.checkBoxBehaviour());
        QVERIFY(!b.value());
    }

    void missingHoverColoursFollowTheLoadedColours()
    {
        QorButton b;
        ButtonPropertyBag bag;
        bag.writeColour(QStringLiteral("BCOL"), 0x123456);
        bag.writeColour(QStringLiteral("FCOL"), 0x654321);
        bag.write(QStringLiteral("ENAB"), false);
        b.loadProperties(bag);
        QCOMPARE(b.backOver(), Value(0x123456));
        QCOMPARE(b.foreOver(), Value(0x654321));
        QVERIFY(!b.buttonEnabled());
    }

    void savingWritesEveryKeyInOrderButNoMissingPicture()
    {
        QorButton b;
        QStringList withoutPictures = StoredKeys;
        withoutPictures.removeAll(QStringLiteral("MICON"));
        withoutPictures.removeAll(QStringLiteral("PICN"));
        withoutPictures.removeAll(QStringLiteral("PICH"));
        QCOMPARE(keysOf(saved(b)), withoutPictures);
        b.setPictureNormal(ButtonPicture::fromSource(QStringLiteral("icon:add-16")));
        b.setPictureOver(ButtonPicture::fromSource(QStringLiteral("icon:edit-16")));
        b.setMouseIcon(ButtonPicture::fromSource(QStringLiteral("cursor:hand")));
        QCOMPARE(keysOf(saved(b)), StoredKeys);
        b.setPictureOver(ButtonPicture());
        QVERIFY(!saved(b).contains(QStringLiteral("PICH")));
    }

    void everyPropertySurvivesSaveAndLoad()
    {
        QorButton a;
        a.setButtonType(QorButton::RoundedShaded);
        a.setCaption(QStringLiteral("&Go \"there\"\r\nnow"));
        a.setEnabled(false);
        a.setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold, true));
        a.setFontUnderline(true);
        a.setColorScheme(QorButton::Classic);
        a.setShowFocusRect(false);
        a.setBackColor(0x010203);
        a.setBackOver(0x040506);
        a.setForeColor(0x070809);
        a.setForeOver(0x8000000F);
        a.setMaskColor(0xFF00FF);
        a.setMousePointer(99);
        a.setMouseIcon(ButtonPicture::fromSource(QStringLiteral("cursor:hand")));
        a.setPictureNormal(ButtonPicture::fromSource(QStringLiteral("icon:help-32")));
        a.setPictureOver(ButtonPicture::fromSource(QStringLiteral("icon:quit-32")));
        a.setUseMaskColor(false);
        a.setSoftBevel(true);
        a.setPicturePosition(3);
        a.setUseGreyscale(true);
        a.setSpecialEffect(2);
        a.setCheckBoxBehaviour(true);
        a.setValue(true);

        ButtonLayout layout{{QStringLiteral("cmdPicAddEdit(1)"), saved(a)}};
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("frmTest.json"));
        QVERIFY(writeButtonLayout(path, layout));
        ButtonLayout read;
        QVERIFY(readButtonLayout(path, read));
        QCOMPARE(read.size(), 1);
        QCOMPARE(read.first().name, QStringLiteral("cmdPicAddEdit(1)"));

        QorButton b;
        b.loadProperties(read.first().properties);
        QCOMPARE(saved(b).entries(), saved(a).entries());
        QCOMPARE(b.caption(), a.caption());
        QCOMPARE(b.accessKey(), QChar('g'));
        QVERIFY(b.fontItalic() && b.fontUnderline() && b.fontBold());
        QCOMPARE(b.foreOver(), Value(0x8000000F));
        QCOMPARE(b.pictureNormal().size(), QSize(32, 32));
        QCOMPARE(b.cursor().shape(), Qt::BitmapCursor);
    }

    void layoutFilesReportTheirFailures()
    {
        ButtonLayout layout;
        QString error;
        QVERIFY(!readButtonLayout(QStringLiteral("/nonexistent/frmNone.json"), layout, &error));
        QVERIFY(error.contains(QStringLiteral("/nonexistent/frmNone.json")));
        QTemporaryDir folder;
        const QString broken = folder.filePath(QStringLiteral("broken.json"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{ \"cmdQuit\": [1, 2] }");
        file.close();
        QVERIFY(!readButtonLayout(broken, layout, &error));
        QVERIFY(error.contains(QStringLiteral("cmdQuit")));
        QVERIFY(!writeButtonLayout(QStringLiteral("/nonexistent/out.json"), layout, &error));
        QVERIFY(error.contains(QStringLiteral("/nonexistent/out.json")));
    }

    void colourValuesAreReadInEitherForm()
    {
        ButtonPropertyBag bag;
        bag.write(QStringLiteral("A"), QStringLiteral("0x80ff80"));
        bag.write(QStringLiteral("B"), 8421631);
        bag.write(QStringLiteral("C"), QStringLiteral("&H00FF8080&"));
        bag.write(QStringLiteral("D"), QStringLiteral("green"));
        QCOMPARE(bag.readColour(QStringLiteral("A"), 1), Value(0x80FF80));
        QCOMPARE(bag.readColour(QStringLiteral("B"), 1), Value(0x8080FF));
        QCOMPARE(bag.readColour(QStringLiteral("C"), 1), Value(0xFF8080));
        QCOMPARE(bag.readColour(QStringLiteral("D"), 1), Value(1));
        bag.writeColour(QStringLiteral("E"), 0xFF);
        QCOMPARE(bag.value(QStringLiteral("E")).toString(), QStringLiteral("0x0000FF"));
    }

    void designTimeCouplesTheHoverColours()
    {
        QorButton b;
        b.setBackColor(0x111111);
        b.setForeColor(0x222222);
        QCOMPARE(b.backOver(), ButtonColor::SystemButtonFace);
        QCOMPARE(b.foreOver(), ButtonColor::SystemButtonText);
        b.setDesignTime(true);
        b.setBackColor(0x333333);
        b.setForeColor(0x444444);
        QCOMPARE(b.backOver(), Value(0x333333));
        QCOMPARE(b.foreOver(), Value(0x444444));
    }

    void aNewlyPlacedButton()
    {
        QWidget window;
        window.setFont(QFont(QStringLiteral("Arial"), 10));
        QorButton b(&window);
        b.setObjectName(QStringLiteral("QorButton1"));
        b.initNew();
        QCOMPARE(b.caption(), QStringLiteral("QorButton1"));
        QCOMPARE(b.buttonType(), int(QorButton::BevelShaded));
        QCOMPARE(b.colorScheme(), int(QorButton::Custom));
        QCOMPARE(b.backColor(), Value(0));
        QCOMPARE(b.backOver(), Value(0));
        QCOMPARE(b.foreColor(), Value(0));
        QCOMPARE(b.maskColor(), Value(0xC0C0C0));
        QCOMPARE(b.fontSize(), short(10));
        QCOMPARE(b.mousePointer(), short(0));
        QVERIFY(b.showFocusRect() && b.useMaskColor() && b.buttonEnabled());
    }

    void fontSizeRoundsToEven()
    {
        QorButton b;
        for (const auto &[points, expected] : {std::pair{8.25, 8}, {10.5, 10}, {11.5, 12}, {9.0, 9}}) {
            QFont f = b.font();
            f.setPointSizeF(points);
            b.setFont(f);
            QCOMPARE(b.fontSize(), short(expected));
        }
        b.setFontSize(14);
        QCOMPARE(b.font().pointSizeF(), 14.0);
        b.setFontName(QStringLiteral("Courier"));
        QCOMPARE(b.fontName(), QStringLiteral("Courier"));
        QCOMPARE(QorButton::version(), QStringLiteral("w2005.08.15"));
    }

    void mousePointerSelectsTheCursor()
    {
        QorButton b;
        b.setMouseIcon(ButtonPicture::fromSource(QStringLiteral("cursor:hand")));
        QCOMPARE(b.cursor().shape(), Qt::ArrowCursor);
        b.setMousePointer(99);
        QCOMPARE(b.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(b.cursor().hotSpot(), ButtonIcons::handCursorHotSpot());
        // A bitmap cannot serve as a cursor: the default stays.
        b.setMouseIcon(ButtonPicture::fromImage(QImage(8, 8, QImage::Format_RGB32)));
        QCOMPARE(b.cursor().shape(), Qt::ArrowCursor);
        b.setMousePointer(11);
        QCOMPARE(b.cursor().shape(), Qt::WaitCursor);
        b.setMousePointer(0);
        QCOMPARE(b.cursor().shape(), Qt::ArrowCursor);
    }

    void theProgramsLayoutsFollowTheRoleTable()
    {
        for (const Role &role : Roles) {
            const QString where = QStringLiteral("%1.%2").arg(QLatin1String(role.window), QLatin1String(role.button));
            ButtonLayout layout;
            QString error;
            QVERIFY2(readButtonLayout(buttonLayoutPath(QLatin1String(role.window)), layout, &error), qPrintable(error));
            const auto found = std::find_if(layout.begin(), layout.end(),
                                            [&](const ButtonLayoutEntry &e) { return e.name == QLatin1String(role.button); });
            QVERIFY2(found != layout.end(), qPrintable(where));
            QorButton b;
            b.loadProperties(found->properties);
            QVERIFY2(b.buttonType() == role.type, qPrintable(where));
            QVERIFY2(b.backColor() == role.back, qPrintable(where));
            QVERIFY2(b.backOver() == role.backOver, qPrintable(where));
            QVERIFY2(b.foreColor() == 0 && b.foreOver() == role.foreOver, qPrintable(where));
            QVERIFY2(b.picturePosition() == role.picturePosition, qPrintable(where));
            // A button with the keyboard focus shows it, whatever the window.
            QVERIFY2(b.showFocusRect(), qPrintable(where));
            QVERIFY2(b.pictureNormal().source() == QLatin1String(role.icon), qPrintable(where));
            QVERIFY2(!b.pictureNormal().isNone(), qPrintable(where));
            QVERIFY2(b.pictureOver().isNone(), qPrintable(where));
            QVERIFY2(b.colorScheme() == QorButton::Custom && b.maskColor() == 0xC0C0C0 && b.useMaskColor()
                         && !b.useGreyscale() && !b.softBevel() && b.specialEffect() == 0 && !b.checkBoxBehaviour()
                         && b.buttonEnabled() && b.caption().isEmpty(),
                     qPrintable(where));
            QVERIFY2(b.mousePointer() == 99 && b.cursor().shape() == Qt::BitmapCursor, qPrintable(where));
            QVERIFY2(b.fontName() == QLatin1String("Arial") && b.fontSize() == 9, qPrintable(where));
            // Every key is stored except the hover picture, which is none.
            QStringList expected = StoredKeys;
            expected.removeAll(QStringLiteral("PICH"));
            QStringList stored = keysOf(found->properties);
            expected.sort();
            stored.sort();
            QCOMPARE(stored, expected);
        }
        // And the layouts hold no button beyond the table.
        int buttons = 0;
        for (const char *window : {"frmMain", "frmLogEntry", "frmPrint", "frmTitlePage", "frmNewUser", "frmLargePic",
                                   "frmManual"}) {
            ButtonLayout layout;
            QVERIFY(readButtonLayout(buttonLayoutPath(QLatin1String(window)), layout));
            buttons += int(layout.size());
        }
        QCOMPARE(buttons, int(std::size(Roles)));
    }

    void loadingAWindowsLayoutFindsItsButtonsByName()
    {
        QWidget window;
        auto *cont = new QorButton(&window);
        cont->setObjectName(QStringLiteral("cmdContinue"));
        QString error;
        QVERIFY2(LoadButtonLayout(&window, QStringLiteral("frmTitlePage"), &error), qPrintable(error));
        QCOMPARE(cont->backColor(), Value(0xFF8080));
        QCOMPARE(cont->foreOver(), Value(0xC00000));
        QCOMPARE(cont->pictureNormal().size(), QSize(32, 32));

        QWidget empty;
        QVERIFY(!LoadButtonLayout(&empty, QStringLiteral("frmPrint"), &error));
        QVERIFY(error.contains(QStringLiteral("cmdPrint")));
        QVERIFY(!LoadButtonLayout(&empty, QStringLiteral("frmNoSuchWindow"), &error));

        // Buttons of a part of the window, made on their own: each must have its entry.
        auto *print = new QorButton(&empty);
        print->setObjectName(QStringLiteral("cmdPrint"));
        QVERIFY2(LoadButtonLayoutInto({print}, QStringLiteral("frmPrint"), &error), qPrintable(error));
        QVERIFY(!print->pictureNormal().isNone());
        QVERIFY(!LoadButtonLayoutInto({print, cont}, QStringLiteral("frmPrint"), &error));
        QVERIFY(error.contains(QStringLiteral("cmdContinue")));

        // A saved window layout loads back into the same buttons.
        const ButtonLayout layout = SaveButtonLayout(&window);
        QCOMPARE(layout.size(), 1);
        QCOMPARE(layout.first().name, QStringLiteral("cmdContinue"));
        QCOMPARE(keysOf(layout.first().properties).size(), 21);
    }

    void iconsForEveryRole()
    {
        const QStringList roles = ButtonIcons::roles();
        QCOMPARE(roles.size(), 19);
        for (const QString &role : roles) {
            for (int size : {16, 32}) {
                const QImage icon = ButtonIcons::icon(role, size);
                QCOMPARE(icon.size(), QSize(size, size));
                int opaque = 0;
                int clear = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        const QRgb p = icon.pixel(x, y);
                        if (qAlpha(p) == 255) {
                            ++opaque;
                            // Nothing inside an icon may vanish as the mask colour.
                            QVERIFY2((p & 0xFFFFFF) != 0xC0C0C0, qPrintable(role));
                        } else {
                            QVERIFY2(qAlpha(p) == 0, qPrintable(role));
                            ++clear;
                        }
                    }
                }
                QVERIFY2(opaque > size * size / 5 && clear > 0, qPrintable(role));
            }
        }
        QVERIFY(ButtonIcons::icon(QStringLiteral("nonsense-16")).isNull());
        QVERIFY(ButtonPicture::fromSource(QStringLiteral("icon:add-sixteen")).isNone());
        QVERIFY(ButtonPicture::fromSource(QStringLiteral(":/no/such/picture.png")).isNone());
    }
};

QTEST_MAIN(TestButtonLayout)
#include "test_button_layout.moc"
