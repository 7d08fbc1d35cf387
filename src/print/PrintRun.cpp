#include "print/PrintRun.h"

#include "print/PrintDevice.h"
#include "print/PrintHandover.h"
#include "print/PrintMessages.h"
#include "print/PdfPrintDevice.h"
#include "print/PrinterPaper.h"
#include "platform/PrintQueues.h"

#include <algorithm>

PrintDestination DefaultDestination(const PrintQueues::Service &service)
{
    PrintDestination destination;
    switch (service.state) {
    case PrintQueues::Service::State::Ready:
        destination.printer = service.defaultPrinter;
        break;
    case PrintQueues::Service::State::Unreachable:
        destination.whyPdf = QStringLiteral("The print service cannot be reached");
        break;
    case PrintQueues::Service::State::NoPrinter:
        destination.whyPdf = QStringLiteral("No printer is installed");
        break;
    }
    return destination;
}

PrintDeviceFactory PrintDevicesFor(const PrintDestination &destination)
{
    return [destination](const QString &printoutName) -> std::shared_ptr<PrintDevice> {
        // Only a print queue is asked about its paper, so that a print
        // service that does not answer cannot hold up PDF files.
        PrintDestination each = destination;
        if (!each.printer.isEmpty())
            each.paper = PrinterPaper(each.printer);
        return std::make_shared<PdfPrintDevice>(printoutName, PdfPrintDevice::printoutsFolder(), std::move(each));
    };
}

PrintDeviceFactory SystemPrintDevices()
{
    if (PrintDevicesForTests *seam = PrintDevicesForTests::active())
        return seam->factory;
    // The print service is asked once per run, when the run's first printout
    // is made: every run works on a copy of this factory, whose devices are
    // still unknown.
    return [devices = PrintDeviceFactory()](const QString &printoutName) mutable {
        if (!devices)
            devices = PrintDevicesFor(DefaultDestination(PrintQueues::query()));
        return devices(printoutName);
    };
}

PrintRun::PrintRun(PrintDeviceFactory printDevices)
    : devices(std::move(printDevices))
{
}

bool PrintRun::print(const QString &printoutName, const std::function<bool(PrintDevice &)> &printout)
{
    if (!failure.isEmpty())
        return false;
    const std::shared_ptr<PrintDevice> device = devices(printoutName);
    // A device may serve several printouts, or several runs.
    if (std::none_of(used.begin(), used.end(), [&](const UsedDevice &each) { return each.device == device; }))
        used.push_back({device, device->pdfFiles().size(), device->queueJobs().size()});
    if (!printout(*device)) {
        failure = device->failure();
        if (failure.isEmpty())
            failure = QStringLiteral("Nothing could be printed.");
        return false;
    }
    return true;
}

void PrintRun::finish(QWidget *window, std::function<void()> ended)
{
    QStringList pdfFiles;
    QString whyPdf;
    QList<QueueJob> jobs;
    for (const UsedDevice &each : used) {
        PrintDevice &device = *each.device;
        if (!device.endRun() && failure.isEmpty())
            failure = device.failure();
        const QStringList made = device.pdfFiles().mid(each.pdfFilesBefore);
        if (!made.isEmpty())
            whyPdf = device.whyPdf();
        pdfFiles += made;
        jobs += device.queueJobs().mid(each.queueJobsBefore);
    }
    auto report = [window, failure = failure, pdfFiles, whyPdf,
                   ended = std::move(ended)](const HandoverResult &handover) {
        if (ended)
            ended();
        if (handover.answer != PrintQueues::Answer::Accepted)
            MessageBox::show(window, PrintMessages::NotHandedOver(handover));
        else if (!failure.isEmpty())
            MessageBox::show(window, PrintMessages::PrintoutFailed(failure, pdfFiles));
        else if (!pdfFiles.isEmpty())
            MessageBox::show(window, PrintMessages::SavedAsPdf(pdfFiles, whyPdf));
    };
    if (jobs.isEmpty()) {
        report({});
        return;
    }
    // The devices keep the jobs' files until the hand-over is over.
    HandOver(std::move(jobs), window,
             [keep = std::move(used), report = std::move(report)](const HandoverResult &handover) mutable {
                 keep.clear();
                 report(handover);
             });
}
