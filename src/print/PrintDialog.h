#pragma once

#include "platform/TestSeam.h"
#include "print/PrintRun.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// What the user chose in the system's print dialog.
struct PrintDialogAnswer
{
    QString printer;
    int copies = 1;
    // The print job's options ("sides=two-sided-long-edge", "page-ranges=2-3").
    QStringList jobOptions;
    // Not empty: the printouts go to this PDF file instead of a printer.
    QString pdfFile;
};

// "Print To...": the system's print dialog, with the default printer
// preselected, for printouts that go elsewhere than the default printer:
// another printer, more copies, or a PDF file of the user's naming (every
// printout of the run in that one file, one after the other, its pages
// numbered through). documentName names the proposed PDF file and the
// document in it.
//
// Gives the devices the run's printouts go to, or nothing when the user
// cancels. A print service that does not answer within its time-out would
// hold up the dialog: the dialog is not shown then, and the printouts go
// where Print sends them, PDF files in the printouts folder, with the same
// message.
std::optional<PrintDeviceFactory> ChoosePrintDevices(QWidget *parent, const QString &documentName);

// Print sends a command's printouts to the default printer at once; Print To
// lets the user choose first.
enum class PrintCommand { Print, PrintTo };

// The devices for one run of a print command: SystemPrintDevices() for Print,
// ChoosePrintDevices() for Print To; nothing when the user cancels.
std::optional<PrintDeviceFactory> PrintDevicesOf(PrintCommand command, QWidget *parent, const QString &documentName);

// Gives a print command's button a menu, by right click, the menu key or
// assistive technology's show-menu action, whose one item "Print To..." runs
// printTo. A plain click still prints on the default printer at once.
void OfferPrintDialog(QWidget *printButton, std::function<void()> printTo);

// Test seam: while it exists the dialog is not shown; it answers with answer
// (nothing: Cancel) and keeps the printer it was offered preselected.
class PrintDialogForTests : public TestSeam<PrintDialogForTests>
{
public:
    std::optional<PrintDialogAnswer> answer;
    int shown = 0;
    QString preselected;
    QString notice; // the line shown above the dialog's choices
};
