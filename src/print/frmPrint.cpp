#include "print/frmPrint.h"

#include "platform/BusyPointer.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ScreenPlacement.h"
#include "platform/Textures.h"
#include "platform/TileBackground.h"
#include "platform/Twips.h"
#include "print/PrintMessages.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>

namespace {

constexpr int WindowWidth = 4530;
constexpr int WindowHeight = 5325;

constexpr int NotesOption = 1;
constexpr int PictureOption = 2;
// Option k + 2 prints the log of kind k.
constexpr int LogOptionOffset = 2;

constexpr int OptionLeft = 840;
constexpr int IndentedOptionLeft = 1260;
constexpr int OptionRight = 4200;
constexpr int OptionHeight = 330;
constexpr std::array<int, frmPrint::OptionCount> OptionTops{1365, 1680, 2205, 2730, 3255, 3780, 4305};
const std::array<QString, frmPrint::OptionCount> OptionCaptions{
    QStringLiteral("Print the basic information"),   QStringLiteral("Print the notes also"),
    QStringLiteral("Print the picture"),             QStringLiteral("Print the 'Maint./Repair' log"),
    QStringLiteral("Print the 'Goodies' log"),       QStringLiteral("Print the 'Trips' log"),
    QStringLiteral("Print the 'Gas' log")};

constexpr int ButtonTop = 300;
constexpr int ButtonWidth = 700;
constexpr int ButtonGap = 100;
// Print To... between Print and Finished, wide enough for its caption.
constexpr int PrintToLeft = OptionLeft + ButtonWidth + ButtonGap;
constexpr int PrintToWidth = OptionRight - OptionLeft - 2 * (ButtonWidth + ButtonGap);
constexpr int ButtonHeight = 660;
constexpr int StandbyTop = 990;
constexpr int StandbyHeight = 330;

constexpr int FadeStep = 20;

QRect twipsRect(int left, int top, int width, int height)
{
    return {QPoint(Twips::x(left), Twips::y(top)), Twips::size(width, height)};
}

QorButton *command(QWidget *window, const QString &name, int left, int width = ButtonWidth)
{
    auto *button = new QorButton(window);
    button->setObjectName(name);
    button->setGeometry(twipsRect(left, ButtonTop, width, ButtonHeight));
    return button;
}

QCheckBox *printOption(QWidget *window, int index)
{
    auto *box = new QCheckBox(OptionCaptions[std::size_t(index)], window);
    box->setObjectName(QStringLiteral("chkPrintOption(%1)").arg(index));
    const int left = index == NotesOption ? IndentedOptionLeft : OptionLeft;
    box->setGeometry(twipsRect(left, OptionTops[std::size_t(index)], OptionRight - left, OptionHeight));
    box->setFont(QFont(QStringLiteral("Arial"), 10));
    box->setCheckState(Qt::Checked);
    return box;
}

void switchOff(QCheckBox *box)
{
    box->setCheckState(Qt::Unchecked);
    box->setEnabled(false);
}

} // namespace

frmPrint::frmPrint(RideReportContent content, QWidget *parent, PrintDeviceFactory printDevices)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      report(std::move(content)),
      devices(std::move(printDevices)),
      lblStandby(new QLabel(QStringLiteral("Printing - Stand by..."), this)),
      cmdPrint(command(this, QStringLiteral("cmdPrint"), OptionLeft)),
      cmdPrintTo(command(this, QStringLiteral("cmdPrintTo"), PrintToLeft, PrintToWidth)),
      cmdCancel(command(this, QStringLiteral("cmdCancel"), OptionRight - ButtonWidth))
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral(" Print Options"));
    ClearForFadeIn(this);
    setFixedSize(Twips::size(WindowWidth, WindowHeight));
    PlaceOnScreen(this);
    TileBackground(Textures::brushedSteel(), this);

    for (int index = 0; index < OptionCount; ++index) {
        chkPrintOption[std::size_t(index)] = printOption(this, index);
        connect(chkPrintOption[std::size_t(index)], &QCheckBox::toggled, this,
                [this, index] { chkPrintOption_Toggled(index); });
    }

    lblStandby->setObjectName(QStringLiteral("lblStandby"));
    lblStandby->setGeometry(twipsRect(0, StandbyTop, WindowWidth, StandbyHeight));
    lblStandby->setAlignment(Qt::AlignCenter);
    QFont standbyFont(QStringLiteral("Comic Sans MS"), 11);
    standbyFont.setBold(true);
    lblStandby->setFont(standbyFont);
    lblStandby->hide();

    QString error;
    if (!LoadButtonLayout(this, QStringLiteral("frmPrint"), &error))
        qWarning("%s", qPrintable(error));
    connect(cmdPrint, &QorButton::Click, this, &frmPrint::cmdPrint_Click);
    cmdPrintTo->setCaption(QStringLiteral("Print &To..."));
    connect(cmdPrintTo, &QorButton::Click, this, &frmPrint::cmdPrintTo_Click);
    OfferPrintDialog(cmdPrint, [this] { cmdPrintTo_Click(); });
    connect(cmdCancel, &QorButton::Click, this, &frmPrint::cmdCancel_Click);
}

void frmPrint::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (Activated)
        return;
    Activated = true;
    activate();
}

void frmPrint::closeEvent(QCloseEvent *event)
{
    if (Printing)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmPrint::activate()
{
    if (!hasNotes())
        switchOff(chkPrintOption[NotesOption]);
    if (!report.printPicture)
        switchOff(chkPrintOption[PictureOption]);
    for (int kind = 1; kind <= int(report.logs.size()); ++kind) {
        if (report.logs[std::size_t(kind - 1)].rows.isEmpty())
            switchOff(chkPrintOption[std::size_t(kind + LogOptionOffset)]);
    }
    cmdPrint->setToolTip(QStringLiteral(" Print the options checked below "));
    cmdPrintTo->setToolTip(QStringLiteral(" Choose a printer, the number of copies or a PDF file "));
    cmdCancel->setToolTip(QStringLiteral(" Finished with Printing Options "));
    cmdPrint->Refresh();
    cmdPrintTo->Refresh();
    cmdCancel->Refresh();
    if (FadesOn())
        StartFade(this, 0, 255, FadeStep, false);
}

// However an option changes (a click, a key, assistive technology), the
// basic information option switches the notes option: off and disabled
// without the basic information, offered again with it when the ride has
// notes to print.
void frmPrint::chkPrintOption_Toggled(int index)
{
    if (Printing || index != 0)
        return;
    QCheckBox *notes = chkPrintOption[NotesOption];
    if (chkPrintOption[0]->checkState() == Qt::Checked) {
        notes->setEnabled(hasNotes());
    } else {
        notes->setCheckState(Qt::Unchecked);
        notes->setEnabled(false);
    }
}

bool frmPrint::hasNotes() const
{
    return !report.notes.trimmed().isEmpty();
}

bool frmPrint::isChecked(int index) const
{
    return chkPrintOption[std::size_t(index)]->checkState() == Qt::Checked;
}

void frmPrint::printed(int index)
{
    chkPrintOption[std::size_t(index)]->setCheckState(Qt::PartiallyChecked);
}

void frmPrint::cmdPrint_Click()
{
    printChecked(PrintCommand::Print);
}

void frmPrint::cmdPrintTo_Click()
{
    printChecked(PrintCommand::PrintTo);
}

void frmPrint::printChecked(PrintCommand command)
{
    if (Printing)
        return;
    bool anything = false;
    for (int index = 0; index < OptionCount; ++index)
        anything = anything || isChecked(index);
    if (!anything) {
        MessageBox::show(this, PrintMessages::NothingChecked());
        return;
    }
    const std::optional<PrintDeviceFactory> chosen =
        command == PrintCommand::Print ? devices : ChoosePrintDevices(this, QStringLiteral("Ride report"));
    if (!chosen)
        return;

    PrintRun run(*chosen);
    Printing = true;
    lblStandby->show();
    {
        BusyPointer busy(this);
        lblStandby->repaint();
        printCheckedSections(run);
    }
    run.finish(this, [this] { printingEnded(); });
}

void frmPrint::printingEnded()
{
    for (QCheckBox *box : chkPrintOption) {
        if (box->checkState() == Qt::PartiallyChecked) {
            box->setCheckState(Qt::Checked);
            // Greying made the box three-state; the user only checks and
            // unchecks.
            box->setTristate(false);
        }
    }
    Printing = false;
    lblStandby->hide();
}

void frmPrint::printCheckedSections(PrintRun &run)
{
    report.ride.printedAt = Clock::now();
    const RideHeading &ride = report.ride;

    if (isChecked(0)) {
        const bool withNotes = isChecked(NotesOption);
        const BasicInformation information{report.fields, withNotes, report.notesCaption, report.notes};
        if (run.print(QStringLiteral("Ride report - basic information"),
                      [&](PrintDevice &device) { return PrintBasicInformation(device, ride, information); })) {
            printed(0);
            if (withNotes)
                printed(NotesOption);
        }
    }

    if (isChecked(PictureOption)) {
        if (run.print(QStringLiteral("Ride report - picture"),
                      [this](PrintDevice &device) { return report.printPicture(this, device); }))
            printed(PictureOption);
    }

    for (int kind = 1; kind <= int(report.logs.size()); ++kind) {
        const int index = kind + LogOptionOffset;
        if (!isChecked(index))
            continue;
        const LogList &list = report.logs[std::size_t(kind - 1)];
        if (run.print(QStringLiteral("Ride report - '%1' list").arg(list.log.tabCaption),
                      [&](PrintDevice &device) { return PrintLogList(device, ride, list); }))
            printed(index);
    }
}

void frmPrint::cmdCancel_Click()
{
    if (FadesOn())
        StartFade(this, 255, 0, FadeStep, true);
    else
        QDialog::reject();
}

void frmPrint::reject()
{
    if (Printing)
        return;
    // The last step of the fade-out closes the window for good.
    if (ClosingByFade(this))
        QDialog::reject();
    else
        cmdCancel_Click();
}
