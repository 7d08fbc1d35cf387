#include "print/PrintRun.h"

#include "print/PrintDevice.h"
#include "print/PrintMessages.h"
#include "print/QPrinterDevice.h"
#include "platform/PrintQueues.h"

#include <optional>

namespace {

// The default printer; PDF files when there is none or the print service
// cannot be reached.
PrintDestination currentDestination()
{
    const PrintQueues::Service service = PrintQueues::query();
    switch (service.state) {
    case PrintQueues::Service::State::Ready:
        return {service.defaultPrinter, 1, {}};
    case PrintQueues::Service::State::Unreachable:
        return {{}, 1, QStringLiteral("The print service cannot be reached")};
    case PrintQueues::Service::State::NoPrinter:
        break;
    }
    return {{}, 1, QStringLiteral("No printer is installed")};
}

} // namespace

PrintDeviceFactory SystemPrintDevices()
{
    if (PrintDevicesForTests *seam = PrintDevicesForTests::active())
        return seam->factory;
    // The print service is asked once per run, when the run's first printout
    // is made: every run works on a copy of this factory, whose destination
    // is still unknown.
    return [destination = std::optional<PrintDestination>()](
               const QString &printoutName) mutable -> std::shared_ptr<PrintDevice> {
        if (!destination)
            destination = currentDestination();
        return std::make_shared<QPrinterDevice>(printoutName, QPrinterDevice::printoutsFolder(), *destination);
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
