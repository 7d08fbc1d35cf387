#include "ride/RideEditing.h"

#include "data/DataFileTable.h"
#include "data/DateValue.h"
#include "model/Units.h"
#include "platform/BusyPointer.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ValueFormats.h"
#include "ride/RideMessages.h"
#include "ride/RidePictureBox.h"
#include "ride/RideSaveChecks.h"
#include "ride/RideView.h"
#include "ride/RidesMenu.h"
#include "store/RideExtras.h"
#include "store/RideWrite.h"
#include "ui/QorButton.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr int FirstLogTab = 3;
constexpr int LastLogTab = 6;
const QString EditingNameCaption = QStringLiteral("Click the 'Save' or 'Cancel' button at left when finished");

void setLogTabsEnabled(const MainWindowControls &ui, bool enabled)
{
    for (int tab = FirstLogTab; tab <= LastLogTab; ++tab)
        ui.MainTab->setTabEnabled(tab, enabled);
    ui.lblTabsNotAvailable->setVisible(!enabled);
    // The reminders notice comes back with the ride's view.
    if (!enabled)
        ui.cmdReminders->hide();
}

void setRideNameLook(QLabel *label, int pointSize, bool italic, Qt::Alignment alignment)
{
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setItalic(italic);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
}

} // namespace

RideEditing::RideEditing(const RideWindow &window, RideView &view, RidesMenu &menu)
    : QObject(window.window), rw(window), m_view(view), m_menu(menu)
{
    connect(rw.ui.cmdRideAdd, &QorButton::Click, this, &RideEditing::cmdRideAdd_Click);
    connect(rw.ui.cmdRideEdit, &QorButton::Click, this, &RideEditing::cmdRideEdit_Click);
    connect(rw.ui.cmdRideSave, &QorButton::Click, this, &RideEditing::SaveRide);
    connect(rw.ui.cmdRideCancel, &QorButton::Click, this, &RideEditing::CancelRideEdit);
}

// Adding and editing work on the ride's boxes; the log notes boxes after them
// belong to the log tabs, which are closed meanwhile.
void RideEditing::setFieldsLocked(bool locked)
{
    for (int i = 1; i <= RideFields::LastRideBox; ++i) {
        // The box being typed in keeps its mode colours until it loses the
        // focus, which a locked box ignores: back to the view's look now.
        if (locked)
            rw.ui.setFieldColors(i, ViewColors::CaptionText, false, ViewColors::BoxBackground);
        rw.ui.setFieldLocked(i, locked);
    }
}

// What adding and editing share: the ride commands give way to save and
// cancel, the log tabs close, the name caption tells how to finish.
void RideEditing::enterMode(const QString &modeCaption, const QString &saveHover, const QString &cancelHover)
{
    // Every box of the ride is typed in from here on.
    m_view.completePages();
    const MainWindowControls &ui = rw.ui;
    for (QorButton *command : {ui.cmdRideAdd, ui.cmdRideEdit, ui.cmdRideDelete, ui.cmdRidePrint, ui.cmdRideHistory,
                               ui.cmdSelectRide, ui.cmdBackup, ui.cmdRestore})
        command->hide();
    rememberedRideCountCaption = ui.lbl[0]->text();
    QFont bold = ui.lbl[0]->font();
    bold.setBold(true);
    ui.lbl[0]->setFont(bold);
    ui.lbl[0]->setText(modeCaption);
    SetHoverText(ui.cmdRideSave, saveHover);
    ui.cmdRideSave->show();
    SetHoverText(ui.cmdRideCancel, cancelHover);
    ui.cmdRideCancel->show();
}

void RideEditing::cmdRideAdd_Click()
{
    // A full ride file takes no new ride; better said before anything is typed.
    if (rw.state.RideCount >= MaxRecords) {
        MessageBox::show(rw.window, RideMessages::RideFileFull());
        return;
    }
    const MainWindowControls &ui = rw.ui;
    rw.state.AddingEntry = true;
    enterMode(QStringLiteral("Adding a New Entry"), QStringLiteral(" Save this new 'Ride' entry "),
              QStringLiteral(" Cancel this new 'Ride' entry "));
    RidePictureBox::Clear(ui);
    rw.state.PicturePath.clear();
    RidePictureBox::ShowCommands(ui, false, false);
    for (int i = 1; i <= RideFields::LastRideBox; ++i)
        ui.setFieldText(i, QString());
    setFieldsLocked(false);
    ui.MainTab->setCurrentIndex(0);
    setLogTabsEnabled(ui, false);
    setRideNameLook(ui.lblRideName, RideNameSize::Editing, false, Qt::AlignLeft);
    ui.lblRideName->setText(EditingNameCaption);
    ui.txtField[RideFields::YearBox]->setFocus(Qt::OtherFocusReason);
}

void RideEditing::cmdRideEdit_Click()
{
    const MainWindowControls &ui = rw.ui;
    rw.state.EditingEntry = true;
    enterMode(QStringLiteral("Editing this Entry"), QStringLiteral(" Save any changes you made "),
              QStringLiteral(" Cancel any changes you made "));
    ui.cmdLargerPic->hide();
    setFieldsLocked(false);
    ui.MainTab->setCurrentIndex(0);
    setLogTabsEnabled(ui, false);
    setRideNameLook(ui.lblRideName, RideNameSize::Editing, false, Qt::AlignLeft);
    ui.lblRideName->setText(EditingNameCaption);
}

// What the boxes showed before the user typed: a new ride starts from empty
// boxes, an edited one from the ride as shown.
RideBoxTexts RideEditing::shownBoxes() const
{
    return rw.state.AddingEntry ? RideBoxTexts{} : m_view.shownTexts();
}

void RideEditing::SaveRide()
{
    const MainWindowControls &ui = rw.ui;
    RideBoxTexts boxes;
    for (int i = 1; i <= RideFields::LastRideBox; ++i) {
        ui.setFieldText(i, RideFieldValues::TrimmedBoxText(i, ui.fieldText(i)));
        boxes[std::size_t(i)] = ui.fieldText(i);
    }
    if (const auto refusal = CheckRideBoxes(shownBoxes(), boxes)) {
        MessageBox::show(rw.window, refusal->message);
        ui.MainTab->setCurrentIndex(refusal->tab);
        ui.txtField[std::size_t(refusal->box)]->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A ride whose record is in the file counts as saved, also when the
    // file could not be closed afterwards: Save never adds it twice.
    if (!rw.reportOutcome(writeRide()))
        return;
    savedMark = true;
    CancelRideEdit();
}

// Writes the boxes as the ride being added (a new record with the moment of
// saving as its key) or edited (its record, key unchanged). CurrentRide is
// the ride's record number once it is written.
StoreResult RideEditing::writeRide()
{
    BusyPointer busy(rw.window);
    RideBoxTexts boxes;
    for (int i = 1; i <= RideFields::LastRideBox; ++i)
        boxes[std::size_t(i)] = rw.ui.fieldText(i);
    const RideBoxTexts shown = shownBoxes();
    auto storeBoxes = [&](RideRecord &ride) { RideFieldValues::StoreBoxTexts(shown, boxes, rw.state.PicturePath, ride); };
    StoreResult saved;
    if (rw.state.AddingEntry) {
        RideRecord ride;
        ride.RideKey = DateValue::fromDateTime(Clock::now());
        storeBoxes(ride);
        // A new ride counts in the units of the desktop's locale.
        saved = Store::addRide(m_database ? m_database() : nullptr, ride, Units::forNewRide());
    } else {
        // Boxes the user left alone keep what the record holds, to the byte.
        saved = Store::editRide(rw.state.CurrentRide, rw.state.CurrentRideKey, storeBoxes);
    }
    if (saved.done())
        rw.state.CurrentRide = qint16(saved.recordNumber);
    return saved;
}

void RideEditing::CancelRideEdit()
{
    const MainWindowControls &ui = rw.ui;
    setFieldsLocked(true);
    setRideNameLook(ui.lblRideName, RideNameSize::Viewing, true, Qt::AlignHCenter);
    ui.lblRideName->clear();
    if (rw.state.AddingEntry)
        ui.MainTab->setCurrentIndex(0);
    setLogTabsEnabled(ui, true);
    if (savedMark) {
        savedMark = false;
        m_menu.BuildRidesMenu();
    } else {
        QFont font = ui.lbl[0]->font();
        font.setBold(false);
        ui.lbl[0]->setFont(font);
        ui.lbl[0]->setText(rememberedRideCountCaption);
    }
    for (QorButton *command : {ui.cmdRideAdd, ui.cmdBackup, ui.cmdRestore})
        command->show();
    ui.cmdRideSave->hide();
    ui.cmdRideCancel->hide();
    m_view.ShowRide(rw.state.CurrentRide);
    rw.state.AddingEntry = false;
    rw.state.EditingEntry = false;
}
