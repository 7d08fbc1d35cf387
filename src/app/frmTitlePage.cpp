#include "app/frmTitlePage.h"

#include "Version.h"
#include "app/LinkLabel.h"
#include "app/StartTexts.h"
#include "app/StartUp.h"
#include "app/TitleArtwork.h"
#include "app/frmNewUser.h"
#include "platform/Identity.h"
#include "platform/Links.h"
#include "platform/MessageBox.h"
#include "platform/ScreenPlacement.h"
#include "platform/ScreenSize.h"
#include "platform/Settings.h"
#include "platform/Textures.h"
#include "platform/TileBackground.h"
#include "platform/Twips.h"
#include "ride/frmMain.h"
#include "ui/AfterFirstPaint.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int DesignWidth = 8200;
constexpr int DesignHeight = 3465;

QLabel *whiteCaption(QWidget *parent, const QString &name, int pointSize, bool bold = false, bool italic = false)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    return label;
}

LinkLabel *link(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new LinkLabel(text, parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(150, 200, 255));
    label->setPalette(palette);
    return label;
}

} // namespace

frmTitlePage::frmTitlePage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmTitlePage"));
    setWindowTitle(QStringLiteral(" ") + ApplicationTitle);
    TileBackground(Textures::carbon(), this);

    auto *artwork = new TitleArtwork(Twips::size(2300, 2300), this);
    artwork->setObjectName(QStringLiteral("imgTitle"));

    lblTitle = whiteCaption(this, QStringLiteral("lblTitle"), 26, true, true);
    lblDescription = whiteCaption(this, QStringLiteral("lblDescription"), 10, true);
    lblVersion = whiteCaption(this, QStringLiteral("lblVersion"), 8);
    lblMaker = whiteCaption(this, QStringLiteral("lblMaker"), 9, true);
    lblAddress = whiteCaption(this, QStringLiteral("lblAddress"), 8);
    lblEmail = link(this, QStringLiteral("lblEmail"), QString());
    lblWeb = link(this, QStringLiteral("lblWeb"), QString());
    cmdContinue = new QorButton(this);
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    cmdContinue->setFixedSize(Twips::size(1700, 650));

    QString error;
    if (!LoadButtonLayout(this, QStringLiteral("frmTitlePage"), &error))
        qWarning("%s", qPrintable(error));

    auto *names = new QVBoxLayout;
    names->setSpacing(2);
    names->addWidget(lblTitle);
    names->addWidget(lblDescription);
    names->addWidget(lblVersion);
    names->addStretch();

    auto *maker = new QVBoxLayout;
    maker->setSpacing(1);
    maker->addWidget(lblMaker);
    maker->addWidget(lblAddress);
    maker->addWidget(lblEmail);
    maker->addWidget(lblWeb);

    auto *bottom = new QHBoxLayout;
    bottom->addLayout(maker, 1);
    bottom->addWidget(cmdContinue, 0, Qt::AlignBottom);

    auto *text = new QVBoxLayout;
    text->addLayout(names, 1);
    text->addLayout(bottom);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(16);
    layout->addWidget(artwork, 0, Qt::AlignVCenter);
    layout->addLayout(text, 1);

    connect(lblEmail, &LinkLabel::clicked, this, [this] { OpenLink(LinkMode::Email, this, QString()); });
    connect(lblWeb, &LinkLabel::clicked, this, [this] { OpenLink(LinkMode::Web, this, QString()); });
    connect(cmdContinue, &QorButton::Click, this, &frmTitlePage::cmdContinue_Click);

    // The load step.
    ClearForFadeIn(this);
    // A window of a fixed design, which the desktop frames without handles
    // for resizing.
    setFixedSize(Twips::size(DesignWidth, DesignHeight).expandedTo(minimumSizeHint()));
    PlaceOnScreen(this);
}

void frmTitlePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!activated) {
        activated = true;
        activateFirstTime();
    }
}

void frmTitlePage::activateFirstTime()
{
    lblTitle->setText(ApplicationTitle);
    lblDescription->setText(StartTexts::description());
    lblVersion->setText(StartTexts::versionText(TorqalVersionMajor, TorqalVersionMinor, TorqalVersionRevision));
    lblMaker->setText(Maker::Name);
    lblAddress->setText(Maker::PostalAddress.join(QLatin1Char('\n')));
    lblEmail->setText(Maker::EmailAddress);
    lblWeb->setText(Maker::WebAddress);
    cmdContinue->setCaption(QStringLiteral("&Continue"));
    cmdContinue->setFocus();
    if (FadesOn())
        StartFade(this, 0, 255, 10, false);
}

void frmTitlePage::cmdContinue_Click()
{
    showOverview();
    checkScreen();
    continuing = true;
    if (FadesOn()) {
        StartFade(this, 255, 0, 20, true, [this] { showMainWindow(); });
    } else {
        showMainWindow();
        close();
    }
}

void frmTitlePage::showOverview()
{
    if (Settings::value(Settings::NewUserKey) == Settings::NoShow)
        return;
    if (FadesOn())
        StartFade(this, 255, 204, 2, false);
    frmNewUser overview(this);
    overview.exec();
    if (FadesOn())
        StartFade(this, 204, 255, 2, false);
}

void frmTitlePage::checkScreen()
{
    const QSize screen = ScreenSize::pixels();
    if (StartTexts::screenTooNarrow(screen))
        MessageBox::tell(this, StartTexts::screenResolutionTitle(), StartTexts::screenResolutionMessage(screen),
                         MessageBox::Icon::NoIcon);
}

void frmTitlePage::showMainWindow()
{
    main = new frmMain;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    AfterFirstPaint(main, &SetProgramIcon);
}

void frmTitlePage::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // Closed by the user before continuing: the program ends here.
    if (!continuing)
        QCoreApplication::quit();
}
