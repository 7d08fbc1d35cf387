#include "print/PrintRun.h"

#include "print/PrintDevice.h"
#include "print/PrintMessages.h"
#include "print/QPrinterDevice.h"

PrintDeviceFactory SystemPrintDevices()
{
    if (PrintDevicesForTests *seam = PrintDevicesForTests::active())
        return seam->factory;
    return [](const QString &printoutName) -> std::shared_ptr<PrintDevice> {
        return std::make_shared<QPrinterDevice>(printoutName, QPrinterDevice::printoutsFolder());
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
    return true;
}

void PrintRun::report(QWidget *window) const
{
    if (failed())
        MessageBox::show(window, PrintMessages::PrintoutFailed(failure, pdfFiles));
    else if (!pdfFiles.isEmpty())
        MessageBox::show(window, PrintMessages::SavedAsPdf(pdfFiles));
}
