#include "ride/RideReportSource.h"

#include "logs/LogListModel.h"
#include "ride/MainWindowControls.h"
#include "ride/PictureFit.h"
#include "ride/frmLargePic.h"

#include <QLabel>
#include <QTabWidget>
#include <QTableView>

namespace {

constexpr int YearField = 1;
constexpr int MakeField = 2;
constexpr int ModelField = 3;
constexpr int RideNameField = 7;
constexpr int FirstReportField = 4;
constexpr int LastReportField = 26;
constexpr int NotesField = 27;
// The notes of log k are in field k + 27.
constexpr int LogNotesOffset = 27;

const LogListModel &listOf(const MainWindowControls &ui, LogKind kind)
{
    const auto *list = qobject_cast<const LogListModel *>(ui.grid[std::size_t(logIndex(kind))]->model());
    Q_ASSERT(list);
    return *list;
}

LogColumns columnsOf(const MainWindowControls &ui, LogKind kind)
{
    const LogListModel &list = listOf(ui, kind);
    LogColumns columns;
    columns.kind = logIndex(kind);
    columns.tabCaption = ui.MainTab->tabText(logIndex(kind) + LogTabOffset);
    for (int column = 0; column < 3; ++column)
        columns.titles[std::size_t(column)] = list.columnTitle(column);
    return columns;
}

LogList logListShown(const MainWindowControls &ui, LogKind kind)
{
    const LogListModel &list = listOf(ui, kind);
    LogList shown;
    shown.log = columnsOf(ui, kind);
    for (int row = 0; row < list.entryCount(); ++row)
        shown.rows.append(list.row(row).cells);
    for (const TotalCaption &total : list.totalCaptions())
        shown.totals.append(total.shown ? total.text : QString());
    return shown;
}

// The larger-picture window in print-only mode: it shows the picture, prints
// it and closes itself. A picture whose file cannot be loaded is not offered.
PicturePrinter pictureShown(const MainWindowControls &ui, const QString &path)
{
    if (path.isEmpty() || !PictureFit::LoadPicture(path))
        return {};
    const QString title = ui.lblRideName->text();
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

RideHeading RideHeadingShown(const MainWindowControls &ui)
{
    RideHeading heading;
    heading.year = ui.fieldText(YearField);
    heading.make = ui.fieldText(MakeField);
    heading.model = ui.fieldText(ModelField);
    heading.rideName = ui.fieldText(RideNameField);
    return heading;
}

RideReportContent RideReportShown(const MainWindowControls &ui, const QString &picturePath)
{
    RideReportContent report;
    report.ride = RideHeadingShown(ui);
    for (int field = FirstReportField; field <= LastReportField; ++field)
        report.fields.append({ui.lblField[std::size_t(field)]->text(), ui.fieldText(field)});
    report.notesCaption = ui.lblField[NotesField]->text();
    report.notes = ui.fieldText(NotesField);
    report.printPicture = pictureShown(ui, picturePath);
    for (LogKind kind : AllLogKinds)
        report.logs[std::size_t(logIndex(kind) - 1)] = logListShown(ui, kind);
    return report;
}

std::optional<LogEntryPrintout> LogEntryShown(const MainWindowControls &ui, LogKind kind)
{
    const QModelIndex current = ui.grid[std::size_t(logIndex(kind))]->currentIndex();
    const LogListModel &list = listOf(ui, kind);
    if (!current.isValid() || current.row() >= list.entryCount())
        return std::nullopt;
    return LogEntryPrintout{columnsOf(ui, kind), list.row(current.row()).cells,
                            ui.fieldText(logIndex(kind) + LogNotesOffset)};
}
