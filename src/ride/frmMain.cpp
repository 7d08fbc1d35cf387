#include "ride/frmMain.h"

#include "help/frmManual.h"
#include "platform/Identity.h"
#include "platform/Links.h"
#include "platform/MessageBox.h"
#include "platform/ScreenPlacement.h"
#include "platform/Textures.h"
#include "platform/TileBackground.h"
#include "platform/Twips.h"
#include "ride/MainWindowBuilder.h"
#include "ride/MainWindowHoverTexts.h"
#include "ride/ModalDimming.h"
#include "ride/PrintCommands.h"
#include "ride/RideHistoryCommand.h"
#include "platform/ValueFormats.h"
#include "store/PicturePaths.h"
#include "store/ProgramSettings.h"
#include "ui/AfterFirstPaint.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr int DesignWidth = 9870;
constexpr int DesignHeight = 6765;

// Opacities and steps of the main window's dimming around a modal step, and
// of its fading in and out.
constexpr int Opaque = 255;
constexpr int Dimmed = 204;
constexpr int DimStep = 2;
constexpr int UndimStep = 3;
constexpr int FadeStep = 20;

frmMain::ManualOpener &manualOpener()
{
    static frmMain::ManualOpener opener = &frmManual::open;
    return opener;
}

} // namespace

frmMain::frmMain(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    ui = BuildMainWindow(this);
    m_logs = std::make_unique<MainWindowLogs>(this, ui, m_state);
    m_rides = std::make_unique<RideCommands>(RideWindow{this, ui, m_state}, ui);
    // The lists follow the ride shown when they come into view, but the
    // gasoline list at once (once the window is on screen): its miles are the
    // ride's miles that the reminders notice counts with.
    m_rides->view.setLogRefill([this] {
        m_logs->rideChanged();
        if (m_onScreen)
            m_logs->fillIfStale(LogKind::Gas);
    });
    // The reminders database lies in the data folder, the working folder.
    m_reminders = std::make_unique<RideReminders>(RideWindow{this, ui, m_state}, *m_logs,
                                                  QDir::current().absoluteFilePath(ReminderStore::FileName));
    // The gasoline list is refilled whenever the ride shown or its miles change.
    m_logs->setRefilled([this](LogKind kind) {
        if (kind == LogKind::Gas)
            m_reminders->refreshNotice();
    });
    m_rides->deletion.setReminders([this] { return m_reminders->store(); });
    m_logs->setDatabase([this] { return m_reminders->store(); });
    m_logs->setCurrencyChanged([this](const Currency &before) { m_rides->view.rewriteAmounts(before); });
    m_rides->editing.setDatabase([this] { return m_reminders->store(); });
    m_reminders->setRideOpener([this](int rideNumber) {
        m_rides->menu.menuListRides_Click(rideNumber);
        cmdRideHistory_Click(true);
    });
    setUpFade();

    setWindowTitle(QStringLiteral(" ") + ApplicationTitle);
    fitToContent();
    PlaceOnScreen(this);
    TileBackground(Textures::carbon(), this);
    ui.lblRideName->clear();
    ui.lblRideName->show();

    // The window sees F1 before its controls: the key runs the help command
    // and goes no further.
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &frmMain::cmdHelp_Click);

    connect(ui.cmdHelp, &QorButton::Click, this, &frmMain::cmdHelp_Click);
    connect(ui.cmdQuit, &QorButton::Click, this, &frmMain::cmdQuit_Click);
    connect(ui.cmdFadeStatus, &QorButton::Click, this, &frmMain::cmdFadeStatus_Click);
    connect(ui.cmdFadeStatus, &QorButton::MouseMove, this, &frmMain::cmdFadeStatus_MouseMove);
    connect(ui.cmdEmailFriend, &QorButton::Click, this, &frmMain::cmdEmailFriend_Click);
    connect(ui.cmdRidePrint, &QorButton::Click, this, [this] {
        // The report reads every list as it follows the shown ride.
        m_logs->fillStale();
        PrintRideReport(this, m_state.Shown);
    });
    connect(ui.cmdRideHistory, &QorButton::Click, this, [this] { cmdRideHistory_Click(); });
    connect(ui.cmdReminders, &QPushButton::clicked, this, [this] { cmdRideHistory_Click(true); });
}

void frmMain::cmdRideHistory_Click(bool remindersFirst)
{
    ShowRideHistory(
        this, m_state.CurrentRide, m_reminders->store(), [this] { m_logs->refillAll(); },
        [this, remindersFirst](HistoryWindow &window) { m_reminders->addPage(window, remindersFirst); });
    m_reminders->refreshNotice();
}

// The fade command is offered only where windows can be translucent; the
// stored choice decides whether this window fades.
void frmMain::setUpFade()
{
    if (!SetWindowOpacity(this, 0, true)) {
        SetFadesOn(false);
        ui.cmdFadeStatus->hide();
        return;
    }
    ui.cmdFadeStatus->show();
    if (!ClearForFadeIn(this))
        SetWindowOpacity(this, Opaque, true);
}

void frmMain::setManualOpener(ManualOpener opener)
{
    manualOpener() = opener ? std::move(opener) : ManualOpener(&frmManual::open);
}

void frmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!activated) {
        activated = true;
        activateFirstTime();
    }
}

void frmMain::takeStoredCurrency()
{
    // Torqal.db is opened here rather than at start, where its check would
    // hold up the first window: until now the amounts were in the desktop's
    // currency, which is the stored one for most users.
    const Currency before = ValueFormats::currency();
    if (ReminderStore *store = m_reminders->store())
        ValueFormats::setCurrency(Store::currencyOf(*store));
    if (ValueFormats::currency() != before)
        m_rides->view.rewriteAmounts(before);
}

void frmMain::activateFirstTime()
{
    SetMainWindowHoverTexts(ui);
    // The fade command has no caption: its hover text names it from the start.
    cmdFadeStatus_MouseMove();
    ui.MainTab->setCurrentIndex(0);
    // The window comes on screen with the ride's fields; the picture follows
    // at once.
    m_rides->view.holdPictureUntilShown();
    m_rides->FirstDisplay();
    // The other pages' controls, the gasoline list, the message that no ride
    // is on file and the reminders (whose notice counts with the list's
    // miles) come once the window is visible: after its first paint, or
    // after its fade-in.
    const auto afterShowing = [this] {
        takeStoredCurrency();
        m_logs->fillIfStale(LogKind::Gas);
        m_rides->TellWhenNoRides();
        m_reminders->start();
    };
    const bool fading = FadesOn();
    AfterFirstPaint(this, [this, afterShowing, fading] {
        m_onScreen = true;
        completePages();
        m_rides->view.LoadHeldPicture();
        if (!fading)
            afterShowing();
    });
    if (fading)
        StartFade(this, 0, Opaque, FadeStep, false, afterShowing);
    if (ui.cmdSelectRide->isVisible())
        ui.cmdSelectRide->setFocus();
}

// A window of a fixed design, which the desktop frames without handles for
// resizing, or as large as its content needs where that is more; on a
// smaller screen it takes the room there is.
void frmMain::fitToContent()
{
    setFixedSize(Twips::size(DesignWidth, DesignHeight).expandedTo(MainWindowContentSize(this)));
}

// The ride's pages before the log pages, each once. In the program's fonts
// none of them needs more room than the first page; should other fonts make
// one need more, the window takes it now.
void frmMain::completePages()
{
    m_rides->view.completePages();
    m_logs->completePages();
    fitToContent();
}

void frmMain::cmdHelp_Click()
{
    const int topic = ui.MainTab->currentIndex() + 3;
    const ManualOpener &opener = manualOpener();
    DimAround(this, [&] { opener(this, topic); });
}

void frmMain::cmdFadeStatus_MouseMove()
{
    ui.cmdFadeStatus->setToolTip(FadeStatusHoverText(FadesOn()));
}

void frmMain::cmdFadeStatus_Click()
{
    SetFadesOn(!FadesOn());
    cmdFadeStatus_MouseMove();
}

void frmMain::cmdEmailFriend_Click()
{
    OpenLink(LinkMode::Email, this, TellAFriendText());
}

void frmMain::cmdQuit_Click()
{
    // The question comes once the window is dimmed; until then the window
    // takes no input, so neither a second quit nor the manual gets in between.
    if (FadesOn())
        StartFade(this, Opaque, Dimmed, DimStep, false, [this] { askToQuit(); });
    else
        askToQuit();
}

void frmMain::askToQuit()
{
    const auto answer = MessageBox::ask(this, QStringLiteral("Confirm"), QStringLiteral("Are you sure you wish to quit?"),
                                        MessageBox::Button::Yes);
    if (answer != MessageBox::Button::Yes) {
        if (FadesOn())
            StartFade(this, Dimmed, Opaque, UndimStep, false);
        return;
    }
    // No data file stays open between commands, so none is left to close.
    if (FadesOn())
        StartFade(this, Opaque, 0, FadeStep, true, [this] { endProgram(); });
    else
        endProgram();
}

void frmMain::endProgram()
{
    ending = true;
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Only the user's close box is turned into the quit command; the
    // program's own closing and the desktop's shutdown go through.
    if (ending || ClosingByFade(this) || !event->spontaneous()) {
        event->accept();
        return;
    }
    event->ignore();
    // The quit command may close this window, which cannot happen while the
    // window is handling its close request; it runs right after.
    QTimer::singleShot(0, this, &frmMain::cmdQuit_Click);
}
