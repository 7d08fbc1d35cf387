// Shows one button of every type in every look, with the program's icons, and
// saves a picture of the window: button_gallery <file.png>. Run it on a real or
// virtual display (xvfb-run -a) to look at the buttons as users see them.

#include "ui/ButtonIcons.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

// A window with a textured background, so that Transparent buttons show it.
class Gallery : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), height());
        g.setColorAt(0, QColor(0x3A, 0x5F, 0x8F));
        g.setColorAt(1, QColor(0x7F, 0x9F, 0x5A));
        p.fillRect(rect(), g);
        p.setPen(QColor(255, 255, 255, 40));
        for (int x = -height(); x < width(); x += 12)
            p.drawLine(x, 0, x + height(), height());
    }
};

void send(QWidget *target, QEvent::Type type, Qt::MouseButtons buttons)
{
    const QPointF at(5, 5);
    QMouseEvent event(type, at, target->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("buttons.png");

    Gallery window;
    window.setWindowTitle(QStringLiteral("QorButton gallery"));
    const QStringList looks = {"Normal", "Hover", "Pressed", "Disabled", "Focused", "Default", "Checked"};
    struct Kind {
        const char *name;
        int type;
        QorButton::Colour back;
        QorButton::Colour over;
        const char *icon;
    };
    const Kind kinds[] = {
        {"BevelShaded", QorButton::BevelShaded, 0x80FF80, 0x80FF80, "icon:add-16"},
        {"RoundedShaded", QorButton::RoundedShaded, 0xFF8080, 0xFF8080, "icon:continue-16"},
        {"Transparent", QorButton::Transparent, 0xC0C0C0, 0x8080FF, "icon:return-16"},
        {"Face only (5)", 5, 0x0080FF, 0x0080FF, "icon:print-16"},
    };
    QFont font(QStringLiteral("Arial"), 9, QFont::Bold);
    for (int c = 0; c < looks.size(); ++c) {
        auto *label = new QLabel(looks.at(c), &window);
        label->setStyleSheet(QStringLiteral("color: white; font: bold 9pt Arial"));
        label->setGeometry(120 + c * 90, 8, 86, 18);
    }
    QList<QorButton *> focusLater;
    for (int r = 0; r < 4; ++r) {
        const Kind &kind = kinds[r];
        auto *label = new QLabel(QString::fromLatin1(kind.name), &window);
        label->setStyleSheet(QStringLiteral("color: white; font: bold 9pt Arial"));
        label->setGeometry(8, 40 + r * 50, 110, 30);
        for (int c = 0; c < looks.size(); ++c) {
            auto *b = new QorButton(&window);
            b->setFont(font);
            b->setColorScheme(QorButton::Custom);
            b->setBackColor(kind.back);
            b->setBackOver(kind.over);
            b->setForeColor(0x000000);
            b->setForeOver(kind.type == QorButton::Transparent ? 0xC0C0FF : 0x800000);
            b->setButtonType(kind.type);
            b->setMousePointer(99);
            b->setMouseIcon(ButtonPicture::fromSource(QStringLiteral("cursor:hand")));
            b->setPictureNormal(ButtonPicture::fromSource(QString::fromLatin1(kind.icon)));
            b->setCaption(QStringLiteral("&Go"));
            b->setGeometry(120 + c * 90, 36 + r * 50, 82, 38);
            if (c == 3)
                b->setEnabled(false);
            if (c == 5)
                b->setDisplayAsDefault(true);
            if (c == 6) {
                b->setCheckBoxBehaviour(true);
                b->setValue(true);
            }
            if (c == 4)
                focusLater << b;
            b->setProperty("look", c);
        }
    }
    // The program's own icon-only buttons as the main window has them.
    const QStringList roles = {"add", "edit", "delete", "print", "save", "cancel", "picture", "largerpicture",
                               "help", "quit", "fade", "friend", "select", "continue", "return", "topics"};
    const QorButton::Colour backs[] = {0x80FF80, 0xFF80FF, 0x8080FF, 0x0080FF, 0x80FF80, 0x8080FF, 0x00FF00, 0xFFFF00,
                                       0x00FFFF, 0x8080FF, 0xFF8080, 0x80C0FF, 0xFF8080, 0xFF8080, 0x8080FF, 0xFF8080};
    for (int i = 0; i < roles.size(); ++i) {
        for (int size : {16, 32}) {
            auto *b = new QorButton(&window);
            b->setColorScheme(QorButton::Custom);
            b->setBackColor(backs[i]);
            b->setBackOver(backs[i]);
            b->setButtonType(QorButton::BevelShaded);
            b->setShowFocusRect(false);
            b->setPicturePosition(QorButton::PictureBehind);
            b->setPictureNormal(ButtonPicture::fromSource(QStringLiteral("icon:%1-%2").arg(roles.at(i)).arg(size)));
            b->setToolTip(roles.at(i));
            const int extent = size == 16 ? 30 : 44;
            b->setGeometry(12 + i * 46, size == 16 ? 250 : 290, extent, extent);
        }
    }
    // Buttons as the program's windows load them from their stored layouts.
    struct Loaded {
        const char *layout;
        const char *name;
        const char *caption;
        QRect geometry;
    };
    const Loaded loaded[] = {
        {"frmTitlePage", "cmdContinue", "&Continue", QRect(12, 350, 150, 50)},
        {"frmManual", "cmdHelpTopic", "Help Topics\r\n<F1>", QRect(180, 350, 150, 50)},
        {"frmManual", "cmdPrintHelp", "&Print", QRect(340, 350, 120, 50)},
        {"frmManual", "cmdReturn", "&Return\r\n<Esc>", QRect(470, 350, 130, 50)},
        {"frmMain", "cmdSelectRide", "Select a\r\nRide to View...", QRect(612, 350, 136, 50)},
    };
    for (const Loaded &entry : loaded) {
        QWidget holder;
        auto *b = new QorButton(&holder);
        b->setObjectName(QString::fromLatin1(entry.name));
        ButtonLayout layout;
        if (!readButtonLayout(buttonLayoutPath(QString::fromLatin1(entry.layout)), layout))
            return 1;
        for (const ButtonLayoutEntry &e : layout)
            if (e.name == b->objectName())
                b->loadProperties(e.properties);
        b->setParent(&window);
        b->setCaption(QString::fromLatin1(entry.caption));
        b->setGeometry(entry.geometry);
    }
    window.resize(760, 420);
    window.show();

    QTimer::singleShot(300, &window, [&] {
        for (QorButton *b : window.findChildren<QorButton *>()) {
            const int look = b->property("look").isValid() ? b->property("look").toInt() : -1;
            if (look == 1)
                send(b, QEvent::MouseMove, Qt::NoButton);
            if (look == 2)
                send(b, QEvent::MouseButtonPress, Qt::LeftButton);
            if (look == 4) {
                QFocusEvent in(QEvent::FocusIn);
                QApplication::sendEvent(b, &in);
            }
        }
        QTimer::singleShot(200, &window, [&] {
            const bool saved = window.grab().save(output);
            QApplication::exit(saved ? 0 : 1);
        });
    });
    return app.exec();
}
