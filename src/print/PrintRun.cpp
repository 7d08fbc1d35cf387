#include "print/PrintRun.h"

#include "print/PrintDevice.h"
#include "print/PrintMessages.h"
#include "print/QPrinterDevice.h"
#include "platform/PrintQueues.h"

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
        return std::make_shared<QPrinterDevice>(printoutName, QPrinterDevice::printoutsFolder(), destination);
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
    if (failed())
        return false;
    const std::shared_ptr<PrintDevice> device = devices(printoutName);
    const QStringList filesBefore = device->pdfFiles();
    if (!printout(*device)) {
        failure = device->failure();
        if (failure.isEmpty())
            failure = QStringLiteral("Nothing could be printed.");
        return false;
    }
    pdfFiles += device->pdfFiles().mid(filesBefore.size());
    if (!device->pdfFiles().isEmpty())
        whyPdf = device->whyPdf();
    return true;
}

void PrintRun::report(QWidget *window) const
{
    if (failed())
        MessageBox::show(window, PrintMessages::PrintoutFailed(failure, pdfFiles));
    else if (!pdfFiles.isEmpty())
        MessageBox::show(window, PrintMessages::SavedAsPdf(pdfFiles, whyPdf));
}
