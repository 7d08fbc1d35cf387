#include "print/PrintDialog.h"

#include "platform/BusyPointer.h"
#include "platform/PrintQueues.h"
#include "print/ContinuousPrintDevice.h"
#include "print/PdfPrintDevice.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

namespace {

// Where Qt's print engine for the print service keeps the job options the
// dialog collected (page ranges, page set, pages per sheet), as name, value,
// name, value.
constexpr auto PrintServiceOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QStringList jobOptionsOf(QPrinter &printer)
{
    QStringList options;
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        options << QStringLiteral("sides=one-sided");
        break;
    case QPrinter::DuplexAuto:
    case QPrinter::DuplexLongSide:
        options << QStringLiteral("sides=two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        options << QStringLiteral("sides=two-sided-short-edge");
        break;
    }
    if (printer.colorMode() == QPrinter::GrayScale)
        options << QStringLiteral("print-color-mode=monochrome");
    const QStringList pairs = printer.printEngine()->property(PrintServiceOptions).toStringList();
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        options << pairs.at(i) + u'=' + pairs.at(i + 1);
    return options;
}

// The proposed PDF file: in the user's documents folder rather than in the
// program's data folder, which Qt's dialog would propose.
QString proposedPdfFile(const QString &documentName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(PdfPrintDevice::fileNameOf(documentName) + QStringLiteral(".pdf"));
}

// `notice`, when given, is a line above the dialog's choices.
std::optional<PrintDialogAnswer> askPrintDialog(QWidget *parent, const QString &defaultPrinter,
                                                const QString &documentName, const QString &notice)
{
    if (PrintDialogForTests *seam = PrintDialogForTests::active()) {
        ++seam->shown;
        seam->preselected = defaultPrinter;
        seam->notice = notice;
        return seam->answer;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (defaultPrinter.isEmpty())
        printer.setOutputFormat(QPrinter::PdfFormat);
    else
        printer.setPrinterName(defaultPrinter);
    QPrintDialog dialog(&printer, parent);
    // Every printout prints whole, in collated copies, on the printer's own
    // paper: no page range of the program's own, no collate or paper choice.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    if (auto *pdfFile = dialog.findChild<QLineEdit *>(QStringLiteral("filename")))
        pdfFile->setText(proposedPdfFile(documentName));
    if (auto *layout = qobject_cast<QBoxLayout *>(dialog.layout()); layout && !notice.isEmpty()) {
        auto *line = new QLabel(notice, &dialog);
        line->setObjectName(QStringLiteral("lblNoPrinter"));
        line->setWordWrap(true);
        layout->insertWidget(0, line);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrintDialogAnswer answer;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        answer.pdfFile = printer.outputFileName();
    } else {
        answer.printer = printer.printerName();
        answer.copies = printer.copyCount();
        answer.jobOptions = jobOptionsOf(printer);
    }
    return answer;
}

// The file the user named, holding every printout of the run as its pages,
// made when the run ends.
struct JoinedPdf
{
    explicit JoinedPdf(std::unique_ptr<PdfPrintDevice> file)
        : pdf(std::move(file))
        , pages(*pdf)
    {
    }

    std::unique_ptr<PdfPrintDevice> pdf;
    ContinuousPrintDevice pages;
};

PrintDeviceFactory PrintDevicesToFile(const QString &path, const QString &documentName)
{
    return [path, documentName, joined = std::shared_ptr<JoinedPdf>()](const QString &) mutable {
        if (!joined)
            joined = std::make_shared<JoinedPdf>(PdfPrintDevice::pdfFile(documentName, path));
        return std::shared_ptr<PrintDevice>(joined, &joined->pages);
    };
}

} // namespace

std::optional<PrintDeviceFactory> ChoosePrintDevices(QWidget *parent, const QString &documentName)
{
    PrintQueues::Service service;
    {
        BusyPointer busy(parent);
        service = PrintQueues::query();
    }
    if (service.state == PrintQueues::Service::State::Unreachable)
        return PrintDevicesFor(DefaultDestination(service));
    const QString notice = service.state == PrintQueues::Service::State::NoPrinter
                               ? QStringLiteral("No printer is set up on this computer: the printout can be saved "
                                                "as a PDF file.")
                               : QString();
    const std::optional<PrintDialogAnswer> answer = askPrintDialog(parent, service.defaultPrinter, documentName, notice);
    if (!answer)
        return std::nullopt;
    if (!answer->pdfFile.isEmpty())
        return PrintDevicesToFile(answer->pdfFile, documentName);
    return PrintDevicesFor({answer->printer, answer->copies, answer->jobOptions, {}, {}});
}

std::optional<PrintDeviceFactory> PrintDevicesOf(PrintCommand command, QWidget *parent, const QString &documentName)
{
    if (command == PrintCommand::Print)
        return SystemPrintDevices();
    return ChoosePrintDevices(parent, documentName);
}

void OfferPrintDialog(QWidget *printButton, std::function<void()> printTo)
{
    printButton->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(printButton, &QWidget::customContextMenuRequested, printButton,
                     [printButton, printTo = std::move(printTo)](const QPoint &at) {
                         auto *menu = new QMenu(printButton);
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         QObject::connect(menu->addAction(QStringLiteral("Print &To...")), &QAction::triggered,
                                          printButton, printTo);
                         menu->popup(printButton->mapToGlobal(at));
                     });
}
