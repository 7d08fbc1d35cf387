#pragma once

#include "platform/TestSeam.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

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
// first printout that fails no further one is made. The run's end hands the
// printouts for a printer to the print service, and the user hears once
// either why the run failed, that a printout was not confirmed, or where its
// PDF files went.
class PrintRun
{
public:
    explicit PrintRun(PrintDeviceFactory devices);

    // Prints one printout unless an earlier one failed. False when it was not
    // printed. A printout for a printer waits for the run's end to be handed
    // to the print service.
    bool print(const QString &printoutName, const std::function<bool(PrintDevice &)> &printout);

    // Ends the run: ends what the devices keep open from one printout to the
    // next, hands the printouts that wait for a print queue over (HandOver:
    // the window is not frozen, and takes no input meanwhile), runs ended, and
    // shows the run's one message, if it has one, over window. With nothing
    // for a print queue all this is over before finish() returns; otherwise
    // it happens from the event loop, or not at all when the window is
    // destroyed first. The run object itself may go once finish() returns.
    void finish(QWidget *window, std::function<void()> ended = {});

private:
    struct UsedDevice
    {
        std::shared_ptr<PrintDevice> device;
        // What the device had made before this run.
        qsizetype pdfFilesBefore = 0;
        qsizetype queueJobsBefore = 0;
    };

    PrintDeviceFactory devices;
    std::vector<UsedDevice> used;
    QString failure;
};
