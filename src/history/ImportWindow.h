#pragma once

#include "history/CsvEncoding.h"
#include "history/CsvImport.h"
#include "history/CsvPresetRide.h"
#include "history/CsvPresets.h"
#include "store/StoreResult.h"

#include <QDialog>

#include <array>
#include <optional>

class ReminderStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;
class QorButton;

// "Import CSV into a log": the rows of a CSV file as new entries of one log
// of the shown ride. The window shows the file's encoding and delimiter as
// detected, and the user may pick others; a file not valid in its encoding
// is not read at all, and the list of rows left out says from which line.
// The file's header tells which tracker's export it is (see CsvPresets),
// and the user may pick another preset; the preset reads its columns,
// converts its units into the ride's and names the conversions.
// The user picks the log and, for each field of an entry, the column that
// fills it (both guessed from the file's name and header) and, where the
// column's values allow two readings, the date order or decimal mark,
// and, for a file of every ride, the ride whose rows it reads (the shown
// ride's number where the file has it);
// the window shows the first entries as they will be stored and lists the
// rows it leaves out with their line numbers; rows already in the log are
// skipped unless the user includes them. Nothing is written until the
// user presses Import; then every entry is appended at once, as the entry
// editor appends one, or none when the log cannot take them all.
class ImportWindow : public QDialog
{
    Q_OBJECT

public:
    // The preview shows this many rows.
    static constexpr int PreviewRows = 10;

    // rideNumber is the ride's number in the ride file, by which an export
    // of every ride names it in its Ride column. The entries' extras
    // (odometer, cost, ...) go into `database`; without one, a file with
    // such columns is refused at Import.
    ImportWindow(double rideKey, int rideNumber, const QString &rideName, const QString &csvPath,
                 QWidget *parent = nullptr, ReminderStore *database = nullptr);

    // Why the file could not be read; the window should then not be shown.
    QString readFailure() const { return readFailure_; }

    // The entries written by Import.
    int written() const { return written_; }

    // The Import button: writes the entries and closes, or tells why not.
    void confirm();

private:
    void readText();
    void readRows();
    void showRows(const CsvImport::FileRows &file);
    void fillColumnChoices();
    void setLog(LogKind kind);
    void presetChanged();
    const CsvPreset &preset() const;
    void formatChanged(int field);
    void planChanged();
    void showPlan();
    void refresh();
    StoreResult append() const;

    ReminderStore *database_;
    double rideKey_;
    QString rideNumber_;
    QString rideName_;
    QByteArray bytes_;
    // Why the bytes cannot be read in the chosen encoding, as a row left out.
    std::optional<CsvImport::Problem> undecodable_;
    std::vector<CsvRecord> fileRows_;
    // The rows the preset reads: the file's, or those of one of its
    // sections.
    std::vector<CsvRecord> rows_;
    CsvPresets::Reading presetReading_;
    StoreRead<CsvPresets::ImportRide> ride_;
    CsvImport::Plan plan_;
    CsvImport::Entries entries_;
    QString readFailure_;
    int written_ = 0;
    bool showingPlan_ = false;

    QComboBox *encoding_ = nullptr;
    QComboBox *delimiter_ = nullptr;
    QComboBox *log_ = nullptr;
    QComboBox *preset_ = nullptr;
    QLabel *rideLabel_ = nullptr;
    QComboBox *rides_ = nullptr;
    QCheckBox *header_ = nullptr;
    QCheckBox *skipDuplicates_ = nullptr;
    std::array<QComboBox *, 4> columns_{};
    std::array<QLabel *, 4> fieldLabels_{};
    std::array<QComboBox *, 4> formats_{};
    QLabel *reading_ = nullptr;
    QTableWidget *preview_ = nullptr;
    QListWidget *problems_ = nullptr;
    QLabel *outcome_ = nullptr;
    QorButton *import_ = nullptr;
};
