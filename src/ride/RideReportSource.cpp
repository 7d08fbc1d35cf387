#include "ride/RideReportSource.h"

#include "model/RideModel.h"
#include "ride/PictureFit.h"
#include "model/ShownRideOf.h"
#include "ride/frmLargePic.h"
#include "store/LogScan.h"

namespace {

// The list's columns as the main window titles them, in the ride's units.
LogColumns columnsOf(const LogListing &listing)
{
    LogColumns columns;
    columns.kind = logIndex(listing.kind);
    columns.tabCaption = logKindInfo(listing.kind).tabCaption;
    for (std::size_t column = 0; column < 3; ++column)
        columns.titles[column] = listing.columnTitle(int(column));
    return columns;
}

LogList logListOf(const LogListing &listing)
{
    LogList list;
    list.log = columnsOf(listing);
    for (int row = 0; row < listing.count(); ++row)
        list.rows.append(listing.row(row).cells);
    for (const TotalCaption &total : listing.totalCaptions())
        list.totals.append(total.shown ? total.text : QString());
    return list;
}

// The larger-picture window in print-only mode: it shows the picture, prints
// it and closes itself. A picture whose file cannot be loaded is not offered.
PicturePrinter picturePrinter(const QString &path, const QString &title)
{
    if (path.isEmpty() || !PictureFit::LoadPicture(path))
        return {};
    return [path, title](QWidget *owner, PrintDevice &device) {
        frmLargePic viewer(owner);
        // The file went away since the options opened.
        if (!viewer.loadPicture(path))
            return false;
        viewer.setDisplayName(title);
        viewer.setPrintPictureOnly(&device);
        viewer.exec();
        return viewer.pictureSent();
    };
}

} // namespace

RideHeading RideHeadingOf(const RideModel &shown)
{
    return ShownRideOf(shown.record).heading;
}

RideReportContent RideReportOf(const RideModel &shown)
{
    const ShownRide ride = ShownRideOf(shown.record);
    RideReportContent report;
    report.ride = ride.heading;
    report.fields = ride.information.fields;
    report.notesCaption = ride.information.notesCaption;
    report.notes = ride.information.notes;
    report.printPicture = picturePrinter(ride.picturePath, ride.displayName);
    for (LogKind kind : AllLogKinds)
        report.logs[std::size_t(logIndex(kind) - 1)] = logListOf(shown.log(kind));
    return report;
}

std::optional<LogEntryPrintout> LogEntryOf(const RideModel &shown, LogKind kind, int row)
{
    const LogListing &listing = shown.log(kind);
    if (row < 0 || row >= listing.count())
        return std::nullopt;
    const StoreRead<QString> notes = Store::readLogNotes(kind, listing.entries[std::size_t(row)].recordNumber);
    if (!notes.status)
        return std::nullopt;
    return LogEntryPrintout{columnsOf(listing), listing.row(row).cells, notes.value};
}
