#include "history/ImportWindow.h"

#include "backup/BackupGuard.h"
#include "history/CsvExport.h"
#include "history/CsvFormatChoices.h"
#include "history/HistoryButtons.h"
#include "history/ImportPreview.h"
#include "model/LogKindInfo.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "store/ReminderStore.h"
#include "ui/QorButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

namespace {

// The log a file of the export names, maintenance otherwise.
LogKind logOfFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName().toLower();
    for (LogKind kind : AllLogKinds) {
        if (name == csvFileName(kind))
            return kind;
    }
    return LogKind::Maintenance;
}

QString rows(std::size_t count, const QString &one, const QString &more)
{
    return count == 1 ? QStringLiteral("1 row ") + one : QStringLiteral("%1 rows ").arg(count) + more;
}

} // namespace

ImportWindow::ImportWindow(double rideKey, int rideNumber, const QString &rideName, const QString &csvPath,
                           QWidget *parent, ReminderStore *database)
    : QDialog(parent)
    , database_(database)
    , ride_{rideKey, QString::number(rideNumber)}
    , rideName_(rideName)
{
    setObjectName(QStringLiteral("ImportWindow"));
    setWindowTitle(QStringLiteral("Import CSV into a log of ") + rideName);
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly)) {
        readFailure_ = QStringLiteral("Could not read %1: %2").arg(QDir::toNativeSeparators(csvPath), file.errorString());
        return;
    }
    // A file read only in part is not imported in part.
    bytes_ = file.readAll();
    if (file.error() != QFileDevice::NoError || !file.atEnd()) {
        readFailure_ = QStringLiteral("Could not read %1: %2").arg(QDir::toNativeSeparators(csvPath), file.errorString());
        return;
    }

    auto *grid = new QGridLayout;
    auto *fileLabel = new QLabel(QStringLiteral("File: ") + QDir::toNativeSeparators(csvPath));
    fileLabel->setWordWrap(true);
    grid->addWidget(fileLabel, 0, 0, 1, 2);
    const auto labelled = [&](const QString &caption, const QString &name, int row, int column) {
        auto *label = new QLabel(caption);
        auto *combo = new QComboBox;
        combo->setObjectName(name);
        label->setBuddy(combo);
        grid->addWidget(label, row, column);
        grid->addWidget(combo, row, column + 1);
        return std::pair{label, combo};
    };
    encoding_ = labelled(QStringLiteral("&Encoding:"), QStringLiteral("cboEncoding"), 1, 0).second;
    for (const CsvEncoding encoding : AllCsvEncodings)
        encoding_->addItem(csvEncodingName(encoding), int(encoding));
    delimiter_ = labelled(QStringLiteral("Delimi&ter:"), QStringLiteral("cboDelimiter"), 1, 2).second;
    for (const QChar delimiter : CsvDelimiters)
        delimiter_->addItem(csvDelimiterName(delimiter), delimiter);
    preset_ = labelled(QStringLiteral("&Preset:"), QStringLiteral("cboPreset"), 0, 2).second;
    preset_->setAccessibleName(QStringLiteral("Preset: the tracker whose export the file is"));
    for (std::size_t at = 0; at < CsvPresets::all().size(); ++at)
        preset_->addItem(CsvPresets::all()[at].name, int(at));
    log_ = labelled(QStringLiteral("&Log:"), QStringLiteral("cboLog"), 2, 0).second;
    for (LogKind kind : AllLogKinds)
        log_->addItem(logKindInfo(kind).tabCaption, logIndex(kind));
    header_ = new QCheckBox(QStringLiteral("The first row &names the columns"));
    header_->setObjectName(QStringLiteral("chkHeader"));
    grid->addWidget(header_, 2, 2, 1, 2);
    skipDuplicates_ = new QCheckBox(QStringLiteral("&Skip rows already in the log"));
    skipDuplicates_->setObjectName(QStringLiteral("chkSkipDuplicates"));
    skipDuplicates_->setToolTip(QStringLiteral(" Rows with the date, amounts and description of an entry already in the log are left out "));
    skipDuplicates_->setChecked(true);
    grid->addWidget(skipDuplicates_, 7, 2, 1, 2);
    std::tie(rideLabel_, rides_) = labelled(QStringLiteral("Rows of &ride:"), QStringLiteral("cboRide"), 7, 0);

    for (int field = 0; field < 4; ++field) {
        const auto [label, column] = labelled(QString(), QStringLiteral("cboColumn(%1)").arg(field), 3 + field, 0);
        fieldLabels_[std::size_t(field)] = label;
        columns_[std::size_t(field)] = column;
        connect(column, &QComboBox::currentIndexChanged, this, &ImportWindow::planChanged);
        auto *format = new QComboBox;
        format->setObjectName(QStringLiteral("cboFormat(%1)").arg(field));
        grid->addWidget(format, 3 + field, 2, 1, 2);
        formats_[std::size_t(field)] = format;
        connect(format, &QComboBox::currentIndexChanged, this, [this, field] { formatChanged(field); });
    }
    reading_ = new QLabel;
    reading_->setObjectName(QStringLiteral("lblReading"));
    reading_->setWordWrap(true);
    grid->addWidget(reading_, 8, 0, 1, 4);

    previewModel_ = new ImportPreview(this);
    preview_ = new QTableView;
    preview_->setObjectName(QStringLiteral("tblPreview"));
    preview_->setAccessibleName(QStringLiteral("The entries as they will be stored"));
    preview_->setModel(previewModel_);
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setSelectionBehavior(QAbstractItemView::SelectRows);
    preview_->horizontalHeader()->setStretchLastSection(true);
    problems_ = new QListWidget;
    problems_->setObjectName(QStringLiteral("lstProblems"));
    problems_->setAccessibleName(QStringLiteral("Rows left out"));
    outcomeLabel_ = new QLabel;
    outcomeLabel_->setObjectName(QStringLiteral("lblOutcome"));
    outcomeLabel_->setWordWrap(true);

    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("prgImport"));
    progress_->setAccessibleName(QStringLiteral("Import progress"));
    // The steps take a second at most: a bar that moves says enough.
    progress_->setRange(0, 0);
    doing_ = new QLabel;
    doing_->setObjectName(QStringLiteral("lblDoing"));
    stop_ = HistoryButtons::make(this, QStringLiteral("cmdCancelImport"), QStringLiteral("Sto&p"),
                                 QStringLiteral(" Stops reading the file; entries being written are all stored "));
    stop_->setAccessibleName(QStringLiteral("Stop reading or writing"));
    connect(stop_, &QorButton::Click, this, &ImportWindow::stop);
    auto *running = new QHBoxLayout;
    running->addWidget(doing_);
    running->addWidget(progress_, 1);
    running->addWidget(stop_);

    import_ = HistoryButtons::make(this, QStringLiteral("cmdImport"), QStringLiteral("Import"));
    auto *cancel = HistoryButtons::make(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    connect(import_, &QorButton::Click, this, &ImportWindow::confirm);
    connect(cancel, &QorButton::Click, this, &ImportWindow::reject);
    auto *commands = new QHBoxLayout;
    commands->addWidget(outcomeLabel_, 1);
    commands->addWidget(import_);
    commands->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("The entries as they will be stored:")));
    layout->addWidget(preview_, 2);
    layout->addWidget(new QLabel(QStringLiteral("Rows left out:")));
    layout->addWidget(problems_, 1);
    layout->addLayout(running);
    layout->addLayout(commands);
    resize(820, 640);
    HistoryButtons::loadLayout(this, QStringLiteral("ImportWindow"));

    run_ = new ImportRun(this);
    connect(run_, &ImportRun::outcomeRead, this, &ImportWindow::showOutcome);
    connect(run_, &ImportRun::written, this, &ImportWindow::finishWriting);
    plan_.kind = logOfFile(csvPath);
    startReading(Reread::Encoding);
    connect(encoding_, &QComboBox::currentIndexChanged, this, [this] {
        if (showingPlan_)
            return;
        encodingPicked_ = CsvEncoding(encoding_->currentData().toInt());
        delimiterPicked_.reset();
        startReading(Reread::Encoding);
    });
    connect(delimiter_, &QComboBox::currentIndexChanged, this, [this] {
        if (showingPlan_)
            return;
        delimiterPicked_ = delimiter_->currentData().toChar();
        startReading(Reread::Delimiter);
    });
    connect(log_, &QComboBox::currentIndexChanged, this, [this] {
        LogKind kind = LogKind::Maintenance;
        if (!showingPlan_ && logKindFromIndex(log_->currentData().toInt(), kind))
            setLog(kind);
    });
    connect(header_, &QCheckBox::toggled, this, &ImportWindow::planChanged);
    connect(skipDuplicates_, &QCheckBox::toggled, this, [this] { startReading(Reread::Entries); });
    connect(rides_, &QComboBox::currentIndexChanged, this, &ImportWindow::planChanged);
    connect(preset_, &QComboBox::currentIndexChanged, this, [this] {
        if (!showingPlan_)
            startReading(Reread::Preset);
    });
}

// Reads the file again with the options picked (see Reread).
void ImportWindow::startReading(Reread what)
{
    ImportRun::Reading reading;
    reading.bytes = bytes_;
    reading.choices.kind = plan_.kind;
    recognising_ = what == Reread::Encoding || what == Reread::Delimiter;
    if (!recognising_)
        reading.choices.preset = &CsvPresets::all()[std::size_t(std::max(0, preset_->currentData().toInt()))];
    reading.choices.kindOfPreset = recognising_ || what == Reread::Preset;
    reading.choices.encoding = encodingPicked_;
    reading.choices.delimiter = delimiterPicked_;
    if (what == Reread::Entries)
        reading.choices.plan = plan_;
    reading.choices.skipDuplicates = skipDuplicates_->isChecked();
    reading.ride = ride_;
    if (database_ && database_->isOpen())
        reading.databasePath = database_->path();
    reading.today = Clock::now().date();
    guessing_ = what != Reread::Entries;
    detectingEncoding_ = !encodingPicked_;
    detectingDelimiter_ = !delimiterPicked_;
    // The columns are those of the rows shown: none is mapped while other
    // rows are read.
    rowsShown_ = rowsShown_ && what == Reread::Entries;
    run_->read(std::move(reading));
    setRunning(QStringLiteral("Reading the file..."));
}

void ImportWindow::showOutcome(const ImportRun::Outcome &outcome)
{
    outcome_ = outcome;
    rowsShown_ = true;
    if (guessing_) {
        plan_ = outcome->plan;
        if (recognising_)
            fillPresets();
        fillFileChoices();
        fillColumnChoices();
        showPlan();
    }
    QStringList said;
    if (const QString reading = CsvImport::formatSummary(outcome->preset.rows, plan_); !reading.isEmpty())
        said << QStringLiteral("Read as: ") + reading;
    if (!outcome->conversions.isEmpty())
        said << QStringLiteral("Converted: ") + outcome->conversions;
    reading_->setText((said + outcome->notes).join(QStringLiteral(". ")));
    previewModel_->show(outcome);
    problems_->clear();
    for (const CsvImport::Problem &problem : outcome->entries.problems)
        problems_->addItem(QStringLiteral("Line %1: %2").arg(problem.line).arg(problem.message));
    if (outcome->file.undecodable)
        problems_->item(0)->setText(problems_->item(0)->text() + QStringLiteral("; pick its encoding above"));
    showCounts();
    setRunning(QString());
}

// The encoding and delimiter of the rows read, those detected so named.
void ImportWindow::fillFileChoices()
{
    const CsvImport::FileRows &file = outcome_->file;
    encodingPicked_ = file.encoding;
    delimiterPicked_ = file.delimiter;
    showingPlan_ = true;
    if (detectingEncoding_) {
        for (int item = 0; item < encoding_->count(); ++item) {
            const auto encoding = CsvEncoding(encoding_->itemData(item).toInt());
            encoding_->setItemText(item, csvEncodingName(encoding)
                                             + (encoding == file.encoding ? QStringLiteral(" (detected)") : QString()));
        }
    }
    encoding_->setCurrentIndex(encoding_->findData(int(file.encoding)));
    if (detectingDelimiter_) {
        for (int item = 0; item < delimiter_->count(); ++item) {
            const QChar delimiter = delimiter_->itemData(item).toChar();
            delimiter_->setItemText(
                item, csvDelimiterName(delimiter) + (delimiter == file.delimiter ? QStringLiteral(" (detected)") : QString()));
        }
    }
    delimiter_->setCurrentIndex(delimiter_->findData(file.delimiter));
    showingPlan_ = false;
}

// The presets, the one the header shows so named and picked.
void ImportWindow::fillPresets()
{
    const CsvPreset *recognised = outcome_->preset.preset;
    showingPlan_ = true;
    for (int item = 0; item < preset_->count(); ++item) {
        const CsvPreset &preset = CsvPresets::all()[std::size_t(preset_->itemData(item).toInt())];
        preset_->setItemText(item, preset.name + (&preset == recognised ? QStringLiteral(" (recognised)") : QString()));
        if (&preset == recognised)
            preset_->setCurrentIndex(item);
    }
    showingPlan_ = false;
}

void ImportWindow::fillColumnChoices()
{
    const std::vector<CsvRecord> &rows = outcome_->preset.rows;
    const QStringList firstRow = rows.empty() ? QStringList() : rows.front().cells;
    showingPlan_ = true;
    for (QComboBox *column : columns_) {
        column->clear();
        column->addItem(QStringLiteral("(none)"), CsvImport::NoColumn);
        for (int at = 0; at < firstRow.size(); ++at)
            column->addItem(QStringLiteral("Column %1: %2").arg(at + 1).arg(firstRow.at(at).left(30)), at);
    }
    const QStringList rides = CsvImport::ridesOf(rows, plan_);
    rides_->clear();
    rides_->addItems(rides);
    rides_->setCurrentIndex(std::max(0, int(rides.indexOf(plan_.ride))));
    rides_->setVisible(!rides.isEmpty());
    rideLabel_->setVisible(!rides.isEmpty());
    showingPlan_ = false;
}

void ImportWindow::setLog(LogKind kind)
{
    plan_.kind = kind;
    startReading(Reread::Plan);
}

void ImportWindow::showPlan()
{
    showingPlan_ = true;
    const std::vector<CsvRecord> &rows = outcome_->preset.rows;
    log_->setCurrentIndex(logIndex(plan_.kind) - 1);
    header_->setChecked(plan_.hasHeader);
    const QStringList names = CsvImport::fieldNames(plan_.kind);
    for (int field = 0; field < 4; ++field) {
        fieldLabels_[std::size_t(field)]->setText(QLatin1Char('&') + names.at(field) + QLatin1Char(':'));
        QComboBox *column = columns_[std::size_t(field)];
        column->setCurrentIndex(std::max(0, column->findData(plan_.columns[std::size_t(field)])));
        QComboBox *format = formats_[std::size_t(field)];
        format->clear();
        for (const CsvImport::FormatChoice &choice : CsvImport::formatChoices(rows, plan_, field))
            format->addItem(choice.text, choice.value);
        format->setCurrentIndex(std::max(0, format->findData(CsvImport::formatOf(plan_, field))));
        format->setAccessibleName(QStringLiteral("How the %1 column is written").arg(names.at(field)));
        format->setVisible(format->count() > 0);
    }
    showingPlan_ = false;
}

void ImportWindow::planChanged()
{
    if (showingPlan_ || !rowsShown_)
        return;
    const std::vector<CsvRecord> &rows = outcome_->preset.rows;
    plan_.hasHeader = header_->isChecked();
    plan_.ride = rides_->currentText();
    for (int field = 0; field < 4; ++field) {
        const int column = columns_[std::size_t(field)]->currentData().toInt();
        if (std::exchange(plan_.columns[std::size_t(field)], column) != column)
            CsvImport::decideFormat(rows, plan_, field);
    }
    showPlan();
    startReading(Reread::Entries);
}

void ImportWindow::formatChanged(int field)
{
    if (showingPlan_ || !rowsShown_)
        return;
    CsvImport::setFormat(plan_, field, formats_[std::size_t(field)]->currentData().toInt());
    startReading(Reread::Entries);
}

// The line above Import: what it stores, and what it leaves out and why.
void ImportWindow::showCounts()
{
    const ImportReading::Outcome &outcome = *outcome_;
    const std::size_t stored = outcome.storedCount();
    const std::size_t leftOut = outcome.entries.problems.size();
    QString text = QStringLiteral("%1 will be added to the '%2' log of %3; %4 left out.")
                       .arg(HistoryButtons::entries(stored), logKindInfo(plan_.kind).tabCaption, rideName_,
                            leftOut == 1 ? QStringLiteral("1 row is") : QStringLiteral("%1 rows are").arg(leftOut));
    if (const auto others = std::size_t(outcome.entries.otherRides); others > 0)
        text += u' ' + rows(others, QStringLiteral("of other rides is not read."), QStringLiteral("of other rides are not read."));
    if (const std::size_t suspicious = outcome.suspiciousCount(); suspicious > 0)
        text += QStringLiteral(" %1 that look wrong %2 marked below; they are imported too.")
                    .arg(HistoryButtons::entries(suspicious), suspicious == 1 ? QStringLiteral("is") : QStringLiteral("are"));
    if (!outcome.rideStatus)
        text += QStringLiteral(" The ride's units could not be read, so nothing can be imported: ") + outcome.rideStatus.message() + u'.';
    if (!outcome.logStatus)
        text += QStringLiteral(" Rows already in the log could not be looked for: ") + outcome.logStatus.message() + u'.';
    else if (const std::size_t duplicates = outcome.duplicateCount(); duplicates > 0 && outcome.skipDuplicates)
        text += u' ' + rows(duplicates, QStringLiteral("already in the log is skipped."),
                            QStringLiteral("already in the log are skipped."));
    outcomeLabel_->setText(text);
}

// Shows what runs (nothing: the window waits for the user), and lets the
// user do only what may be done meanwhile.
void ImportWindow::setRunning(const QString &doing)
{
    const bool writing = run_->writing();
    progress_->setVisible(!doing.isEmpty());
    stop_->setVisible(!doing.isEmpty());
    doing_->setText(doing);
    for (QWidget *option : std::initializer_list<QWidget *>{encoding_, delimiter_, preset_, log_, skipDuplicates_})
        option->setEnabled(!writing);
    for (QWidget *option : std::initializer_list<QWidget *>{header_, rides_})
        option->setEnabled(!writing && rowsShown_);
    for (std::size_t field = 0; field < 4; ++field) {
        columns_[field]->setEnabled(!writing && rowsShown_);
        formats_[field]->setEnabled(!writing && rowsShown_ && formats_[field]->count() > 1);
    }
    import_->setEnabled(!busy() && outcome_ && outcome_->storedCount() > 0);
}

void ImportWindow::stop()
{
    if (run_->writing()) {
        stopRequested_ = true;
        doing_->setText(QStringLiteral("The entries are being written as one command, which is not stopped part way: "
                                       "all of them will be stored."));
        return;
    }
    if (!run_->reading())
        return;
    run_->stopReading();
    outcome_.reset();
    rowsShown_ = false;
    previewModel_->show(nullptr);
    problems_->clear();
    outcomeLabel_->setText(QStringLiteral("Reading stopped: nothing will be added. Change an option to read the file again."));
    setRunning(QString());
}

void ImportWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && busy()) {
        stop();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ImportWindow::reject()
{
    // The window stays until the entries being written are stored.
    if (run_ && run_->writing()) {
        stop();
        return;
    }
    if (run_)
        run_->stopReading();
    QDialog::reject();
}

void ImportWindow::confirm()
{
    if (busy() || !outcome_ || !import_->isEnabled() || !backUpBefore(this, QStringLiteral("import")))
        return;
    const CsvImport::Entries entries = outcome_->toStore();
    run_->write(database_ && database_->isOpen() ? database_->path() : QString(), plan_.kind, entries);
    setRunning(QStringLiteral("Writing %1...").arg(HistoryButtons::entries(entries.count())));
}

void ImportWindow::finishWriting(const StoreResult &appended)
{
    setRunning(QString());
    if (!appended.done()) {
        MessageBox::tell(this, QStringLiteral("Import not finished"),
                         appended.status.message() + QStringLiteral("\r\n\r\nNo entry was added."),
                         MessageBox::Icon::Critical);
        return;
    }
    const std::size_t count = outcome_->storedCount();
    written_ = int(count);
    // Entries in the file count as imported, also when the file could not be
    // closed afterwards: one message says both.
    const QString added = QStringLiteral("%1 %2 added to the '%3' log.")
                              .arg(HistoryButtons::entries(count), written_ == 1 ? QStringLiteral("was") : QStringLiteral("were"),
                                   logKindInfo(plan_.kind).tabCaption);
    if (appended.outcome == StoreOutcome::WrittenWithWarning)
        MessageBox::tell(this, QStringLiteral("Imported"), appended.status.message() + QStringLiteral("\r\n\r\n") + added,
                         MessageBox::Icon::Warning);
    else
        MessageBox::tell(this, QStringLiteral("Imported"), added, MessageBox::Icon::Information);
    accept();
}
