#pragma once

#include "history/CsvEncoding.h"
#include "history/CsvImport.h"
#include "history/ImportReading.h"
#include "history/ImportRun.h"
#include "store/StoreResult.h"

#include <QDialog>

#include <array>
#include <optional>

class ImportPreview;
class ReminderStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QTableView;
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
// the window shows every entry as it will be stored, marks those already
// in the log (skipped unless the user includes them) and those whose values
// look wrong (see ImportChecks), and lists the rows it leaves out with their
// line numbers. Nothing is written until the user presses Import; then
// every entry is appended at once, as the entry editor appends one, or none
// when the log cannot take them all.
//
// Reading and writing run on a worker thread (ImportRun) while a progress
// bar and a Stop button show; every change of an option reads the file
// again, and only the reading of the options shown is ever shown. Stop (or
// Esc) forgets a reading; a writing is one command that cannot be stopped
// part way, and Stop then says that it completes.
class ImportWindow : public QDialog
{
    Q_OBJECT

public:
    // rideNumber is the ride's number in the ride file, by which an export
    // of every ride names it in its Ride column. The entries' extras
    // (odometer, cost, ...) go into `database`; without one, a file with
    // such columns is refused at Import. The ride's units are read from it.
    ImportWindow(double rideKey, int rideNumber, const QString &rideName, const QString &csvPath,
                 QWidget *parent = nullptr, ReminderStore *database = nullptr);

    // Why the file could not be read; the window should then not be shown.
    QString readFailure() const { return readFailure_; }

    // The entries written by Import.
    int written() const { return written_; }

    // Whether a reading or a writing runs.
    bool busy() const { return run_->reading() || run_->writing(); }

    // The Import button: starts writing the entries, or tells why not; the
    // window closes once they are written.
    void confirm();

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // What a change asks to read again: the file in the encoding picked,
    // its delimiter detected again; the file with the delimiter picked; the
    // file under another preset, in the log of its records; the plan the
    // header suggests for another log; the entries of the plan shown. All
    // but the last guess the plan from the header, and the first two the
    // preset too.
    enum class Reread { Encoding, Delimiter, Preset, Plan, Entries };

    void startReading(Reread what);
    void showOutcome(const ImportRun::Outcome &outcome);
    void stop();
    void setRunning(const QString &doing);
    void fillFileChoices();
    void fillColumnChoices();
    void setLog(LogKind kind);
    void fillPresets();
    void formatChanged(int field);
    void planChanged();
    void showPlan();
    void showCounts();
    void finishWriting(const StoreResult &appended);

    ReminderStore *database_;
    ImportReading::Ride ride_;
    QString rideName_;
    QByteArray bytes_;
    ImportRun *run_ = nullptr;
    ImportRun::Outcome outcome_;
    // The plan shown, and whether the columns shown are those of the file as
    // it is read now (not while the file is read again in another encoding).
    CsvImport::Plan plan_;
    bool rowsShown_ = false;
    // The encoding and delimiter picked, or shown as those of the file; none
    // before the file is read, and no delimiter after another encoding.
    std::optional<CsvEncoding> encodingPicked_;
    std::optional<QChar> delimiterPicked_;
    // What the reading running decides from the file: the plan, the
    // encoding, the delimiter.
    bool guessing_ = false;
    bool detectingEncoding_ = false;
    bool detectingDelimiter_ = false;
    bool recognising_ = false;
    bool stopRequested_ = false;  // Stop was pressed while writing
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
    ImportPreview *previewModel_ = nullptr;
    QTableView *preview_ = nullptr;
    QListWidget *problems_ = nullptr;
    QLabel *outcomeLabel_ = nullptr;
    QProgressBar *progress_ = nullptr;
    QLabel *doing_ = nullptr;
    QorButton *stop_ = nullptr;
    QorButton *import_ = nullptr;
};
