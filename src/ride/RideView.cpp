#include "ride/RideView.h"

#include "platform/BusyPointer.h"
#include "platform/Settings.h"
#include "platform/ValueFormats.h"
#include "ride/MainWindowBuilder.h"
#include "model/RideFieldValues.h"
#include "model/RideFields.h"
#include "ride/RideMessages.h"
#include "ride/RidePictureBox.h"
#include "store/PicturePaths.h"
#include "store/RideLabels.h"
#include "store/RideRead.h"
#include "ui/QorButton.h"

#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <utility>

namespace {

const QColor Yellow(255, 255, 0);
const QColor Pink(255, 192, 255);

// The first box of each ride tab, which takes the focus when the tab is
// chosen while a ride is added or edited.
int firstBoxOfTab(int tab)
{
    switch (tab) {
    case 0: return 1;
    case 1: return 8;
    case 2: return 20;
    default: return 0;
    }
}

void selectAllText(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->selectAll();
    else if (auto *notes = qobject_cast<QPlainTextEdit *>(box))
        notes->selectAll();
}

// Focus that leaves with the whole window (a message box, another program)
// is no end of the visit to the box.
bool withinWindow(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

RideView::RideView(const RideWindow &window, MainWindowControls &controls)
    : QObject(window.window), rw(window), m_controls(controls)
{
    // The ride's boxes made so far; the log notes boxes after them belong to
    // the log tabs.
    for (int i = 1; i <= RideFields::LastRideBox; ++i) {
        if (QWidget *box = rw.ui.txtField[std::size_t(i)])
            box->installEventFilter(this);
    }
    connect(rw.ui.MainTab, &QTabWidget::currentChanged, this, &RideView::MainTab_Click);
}

void RideView::completePages()
{
    if (std::exchange(m_pagesComplete, true))
        return;
    BuildRidePages(m_controls);
    for (int i = 1; i <= RideFields::LastRideBox; ++i) {
        if (RideFields::tabOf(i) == 0)
            continue;
        rw.ui.txtField[std::size_t(i)]->installEventFilter(this);
        showBoxText(i, m_shown[std::size_t(i)]);
    }
}

// Box i shows text, or, while its page is not complete, will show it.
void RideView::showBoxText(int i, const QString &text)
{
    if (!rw.ui.txtField[std::size_t(i)]) {
        m_shown[std::size_t(i)] = text;
        return;
    }
    rw.ui.setFieldText(i, text);
    m_shown[std::size_t(i)] = rw.ui.fieldText(i); // as the box has it
}

// The ride's boxes, its key and its log lists change in one step, without
// an event handled in between: a click or key that arrives meanwhile waits
// until the ride shown is the ride the commands work on.
void RideView::ShowRide(qint16 n)
{
    if (const FileStatus status = LoadRideView(n); !status) {
        rw.reportFailure(status);
        rw.state.CurrentRide = 0;
        (void)LoadRideView(0);
    }
    if (m_refillLogs)
        m_refillLogs();
    rw.ui.MainTab->setCurrentIndex(0);
    rw.ui.MainTab->setFocus();
}

FileStatus RideView::LoadRideView(qint16 n)
{
    m_heldPicture.reset();
    FileStatus status;
    if (n == 0)
        clearView();
    else
        status = fillView(n);
    ShowRideCommands();
    return status;
}

void RideView::ShowRideCommands()
{
    const MainWindowControls &ui = rw.ui;
    ui.cmdRideAdd->setVisible(true);
    ui.cmdRideAdd->setEnabled(true);
    ui.cmdRideEdit->setVisible(rw.state.CurrentRide > 0);
    ui.cmdRideEdit->setEnabled(true);
    ui.cmdRideDelete->setVisible(rw.state.CurrentRide > 0);
    ui.cmdRidePrint->setVisible(rw.state.CurrentRide > 0);
    ui.cmdRideHistory->setVisible(rw.state.CurrentRide > 0);
    ui.cmdSelectRide->setVisible(rw.state.RideCount > 1);
}

void RideView::clearView()
{
    const MainWindowControls &ui = rw.ui;
    RidePictureBox::Clear(ui);
    rw.state.PicturePath.clear();
    rw.state.CurrentRideKey = 0;
    rw.state.Shown.number = 0;
    rw.state.Shown.record = RideRecord();
    ui.lblRideName->clear();
    RidePictureBox::ShowCommands(ui, false, false);
    ui.cmdPicAddEdit[1]->hide();
    for (int i = 1; i <= RideFields::LastRideBox; ++i)
        showBoxText(i, QString());
}

FileStatus RideView::fillView(qint16 n)
{
    const MainWindowControls &ui = rw.ui;
    RidePictureBox::Clear(ui);
    rw.state.PicturePath.clear();
    StoreRead<RideRecord> ride;
    {
        // A window not yet on the screen takes no input and has no pointer
        // over it: it needs no busy guard (whose first wait pointer, loaded
        // from the pointer theme, would only hold the window back).
        std::optional<BusyPointer> busy;
        if (!m_holdPicture)
            busy.emplace(rw.window);
        ride = Store::readRide(n);
        rw.takeRideCount(ride.recordCount);
    }
    if (!ride.status)
        return ride.status;
    const RideBoxTexts boxes = RideFieldValues::BoxTextsOf(ride.value);
    for (int i = 1; i <= RideFields::LastRideBox; ++i)
        showBoxText(i, boxes[std::size_t(i)]);
    ui.lblRideName->setText(RideLabels::DisplayName(ride.value));
    rw.state.CurrentRideKey = ride.value.RideKey;
    rw.state.Shown.number = n;
    rw.state.Shown.record = ride.value;
    Settings::setValue(Settings::LastRideViewedKey, QString::number(n));
    loadPicture(ValueFormats::trimBlanks(ride.value.PicturePath));
    return {};
}

void RideView::rewriteAmounts(const Currency &before)
{
    const RideRecord &ride = rw.state.Shown.record;
    for (const auto &[box, price] : {std::pair{RideFields::PricePaidBox, ride.PricePaid},
                                     std::pair{RideFields::PriceSoldBox, ride.PriceSold}}) {
        const auto i = std::size_t(box);
        const bool untouched = !rw.ui.txtField[i] || rw.ui.fieldText(box) == m_shown[i];
        if (price != 0 && untouched && m_shown[i] == ValueFormats::moneyText(price, before))
            showBoxText(box, ValueFormats::moneyText(price));
    }
}

void RideView::loadPicture(const QString &path)
{
    const MainWindowControls &ui = rw.ui;
    if (m_holdPicture && !path.isEmpty()) {
        m_heldPicture = path;
        rw.state.PicturePath = path;
        RidePictureBox::ShowCommands(ui, true, true);
        return;
    }
    showPicture(path);
}

void RideView::LoadHeldPicture()
{
    m_holdPicture = false;
    const std::optional<QString> held = std::exchange(m_heldPicture, std::nullopt);
    if (!held || rw.state.inEditMode())
        return;
    // The box stays as it is, its empty frame on screen, until the picture
    // takes its place.
    showPicture(*held);
}

// Shows the ride's picture. The path is the ride's whether or not its file
// can be shown: a picture that cannot be shown is named in the frame, and
// the user chooses another or removes it; nothing here writes the ride.
void RideView::showPicture(const QString &path)
{
    const MainWindowControls &ui = rw.ui;
    rw.state.PicturePath = path;
    if (path.isEmpty()) {
        RidePictureBox::ShowCommands(ui, false, true);
        return;
    }
    const QString file = PicturePaths::pictureFile(QDir::currentPath(), path);
    if (const auto picture = PictureFit::LoadPicture(file)) {
        RidePictureBox::Show(ui, *picture, file);
        RidePictureBox::ShowCommands(ui, true, true);
        return;
    }
    RidePictureBox::ShowNotShown(
        ui, QFileInfo::exists(file) ? RideMessages::NoValidPicture(file) : RideMessages::PictureNotFound(file), file);
    RidePictureBox::ShowCommands(ui, true, false);
}

// A box is visited from the focus coming to it until the focus goes to
// another control of the window. When the window comes back (after a message
// box, say) to the box it left, the visit goes on; when it comes back to
// another box, because a command moved the focus meanwhile, the old visit
// ends and the new one starts as on any other focus.
bool RideView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (const int i = fieldIndexOf(watched); i != 0 && i != m_visitedBox) {
            if (m_visitedBox != 0)
                txtField_LostFocus(m_visitedBox);
            m_visitedBox = i;
            txtField_GotFocus(i);
        }
    } else if (event->type() == QEvent::FocusOut && withinWindow(event)) {
        if (const int i = fieldIndexOf(watched); i != 0 && i == m_visitedBox) {
            m_visitedBox = 0;
            txtField_LostFocus(i);
        }
    }
    return QObject::eventFilter(watched, event);
}

int RideView::fieldIndexOf(QObject *box) const
{
    for (int i = 1; i <= RideFields::LastRideBox; ++i) {
        if (rw.ui.txtField[std::size_t(i)] == box)
            return i;
    }
    return 0;
}

void RideView::txtField_GotFocus(int i)
{
    if (rw.ui.isFieldLocked(i))
        return;
    if (rw.state.AddingEntry)
        rw.ui.setFieldColors(i, Yellow, true, Yellow);
    else if (rw.state.EditingEntry)
        rw.ui.setFieldColors(i, ViewColors::CaptionText, true, Pink);
    selectAllText(rw.ui.txtField[std::size_t(i)]);
}

void RideView::txtField_LostFocus(int i)
{
    if (rw.ui.isFieldLocked(i))
        return;
    rw.ui.setFieldColors(i, ViewColors::CaptionText, false, ViewColors::BoxBackground);
    rw.ui.setFieldText(i, RideFieldValues::TrimmedBoxText(i, rw.ui.fieldText(i)));
}

void RideView::MainTab_Click(int tab)
{
    if (tab == BoughtSoldTab || tab == MiscNotesTab)
        completePages();
    if (!rw.state.inEditMode())
        return;
    if (const int box = firstBoxOfTab(tab))
        rw.ui.txtField[std::size_t(box)]->setFocus(Qt::TabFocusReason);
}
