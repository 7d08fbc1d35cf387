#pragma once

#include "print/PrintDialog.h"
#include "print/PrintRun.h"
#include "print/RideReportContent.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QorButton;

// The print options of the shown ride: which of its basic information (with
// or without its notes), its picture and its four logs to print. Each checked
// option is printed as a printout of its own; options with nothing to print
// are switched off when the window first shows. Shown modally by its opener;
// it stays open for further runs until the user is finished.
class frmPrint : public QDialog
{
    Q_OBJECT

public:
    // chkPrintOption(0) the basic information, (1) the notes with it, (2)
    // the picture, (3) to (6) the logs of kinds 1 to 4.
    static constexpr int OptionCount = 7;

    frmPrint(RideReportContent content, QWidget *parent = nullptr,
             PrintDeviceFactory devices = SystemPrintDevices());

    QCheckBox *option(int index) const { return chkPrintOption[std::size_t(index)]; }

    void cmdPrint_Click();
    // Print To...: the checked options where the user chooses in the
    // system's print dialog.
    void cmdPrintTo_Click();
    void cmdCancel_Click();
    // Esc and the desktop's close request work as Finished.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    // A run, up to the print service's answer, cannot be interrupted, not
    // even by the window manager's close.
    void closeEvent(QCloseEvent *event) override;

private:
    void activate();
    void chkPrintOption_Toggled(int index);
    bool hasNotes() const;
    bool isChecked(int index) const;
    void printChecked(PrintCommand command);
    void printCheckedSections(PrintRun &run);
    // The run's printouts have gone where they go: the window as before.
    void printingEnded();
    void printed(int index);

    RideReportContent report;
    PrintDeviceFactory devices;
    std::array<QCheckBox *, OptionCount> chkPrintOption{};
    QLabel *lblStandby;
    QorButton *cmdPrint;
    QorButton *cmdPrintTo;
    QorButton *cmdCancel;
    bool Activated = false;
    bool Printing = false;
};
