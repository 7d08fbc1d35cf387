#pragma once

#include "platform/TestSeam.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class PrintDevice;
class QWidget;
struct PrintDestination;
namespace PrintQueues {
struct Service;
}

// Makes the device one printout is printed on; the name names the print job
// and, without a printer, its PDF file.
using PrintDeviceFactory = std::function<std::shared_ptr<PrintDevice>(const QString &printoutName)>;

// The default printer, or PDF files in the printouts folder of the data
// folder when no printer is installed or the print service cannot be reached
// (asked when a run makes its first printout, with a time-out). While a
// PrintDevicesForTests exists, its factory instead.
PrintDeviceFactory SystemPrintDevices();

// Where printouts go when the user has not chosen: the service's default
// printer; without one, or without an answer from the service, PDF files in
// the printouts folder, with the reason.
PrintDestination DefaultDestination(const PrintQueues::Service &service);

// Every printout of a run on one destination.
PrintDeviceFactory PrintDevicesFor(const PrintDestination &destination);

class PrintDevicesForTests : public TestSeam<PrintDevicesForTests>
{
public:
    explicit PrintDevicesForTests(PrintDeviceFactory devices) : factory(std::move(devices)) {}

private:
    friend PrintDeviceFactory SystemPrintDevices();
    PrintDeviceFactory factory;
};

// The printouts of one print command, each on a device of its own. After the
// first printout that fails no further one is made; at the end the user hears
// once either why the run failed or where its PDF files went.
class PrintRun
{
public:
    explicit PrintRun(PrintDeviceFactory devices);

    // Prints one printout unless an earlier one failed. False when it was not
    // printed.
    bool print(const QString &printoutName, const std::function<bool(PrintDevice &)> &printout);

    bool failed() const { return !failure.isEmpty(); }

    // Shows the run's one message, if it has one, over window.
    void report(QWidget *window) const;

private:
    PrintDeviceFactory devices;
    QString failure;
    QStringList pdfFiles;
    QString whyPdf;
};
