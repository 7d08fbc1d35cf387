#include "history/ImportWindow.h"

#include "backup/BackupGuard.h"
#include "history/CsvDuplicates.h"
#include "history/CsvExport.h"
#include "history/CsvFormatChoices.h"
#include "history/CsvPresetEntries.h"
#include "history/HistoryButtons.h"
#include "store/EntryCommands.h"
#include "store/LogEntryWrite.h"
#include "store/ReminderStore.h"
#include "model/LogRows.h"
#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"
#include "ui/QorButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>
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

// The first few entries as the list will show them.
template<class Record>
void previewEntries(QTableWidget *table, LogKind kind, const std::vector<Record> &entries)
{
    const int shown = int(std::min<std::size_t>(entries.size(), ImportWindow::PreviewRows));
    table->setRowCount(shown);
    for (int row = 0; row < shown; ++row) {
        const LogRow cells = logRow(kind, logEntry(entries[std::size_t(row)], 0));
        for (int column = 0; column < 3; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.cells[std::size_t(column)]));
        table->setItem(row, 3, new QTableWidgetItem(entries[std::size_t(row)].Notes.simplified()));
    }
}

} // namespace

ImportWindow::ImportWindow(double rideKey, int rideNumber, const QString &rideName, const QString &csvPath,
                           QWidget *parent, ReminderStore *database)
    : QDialog(parent)
    , database_(database)
    , rideKey_(rideKey)
    , rideNumber_(QString::number(rideNumber))
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
    const CsvEncoding detected = detectCsvEncoding(bytes_);
    for (const CsvEncoding encoding : AllCsvEncodings)
        encoding_->addItem(csvEncodingName(encoding) + (encoding == detected ? QStringLiteral(" (detected)") : QString()),
                           int(encoding));
    encoding_->setCurrentIndex(encoding_->findData(int(detected)));
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

    preview_ = new QTableWidget(0, 4);
    preview_->setObjectName(QStringLiteral("tblPreview"));
    preview_->setAccessibleName(QStringLiteral("The first entries as they will be stored"));
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->horizontalHeader()->setStretchLastSection(true);
    problems_ = new QListWidget;
    problems_->setObjectName(QStringLiteral("lstProblems"));
    problems_->setAccessibleName(QStringLiteral("Rows left out"));
    outcome_ = new QLabel;
    outcome_->setObjectName(QStringLiteral("lblOutcome"));
    outcome_->setWordWrap(true);

    import_ = HistoryButtons::make(this, QStringLiteral("cmdImport"), QStringLiteral("Import"));
    auto *cancel = HistoryButtons::make(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    connect(import_, &QorButton::Click, this, &ImportWindow::confirm);
    connect(cancel, &QorButton::Click, this, &QDialog::reject);
    auto *commands = new QHBoxLayout;
    commands->addWidget(outcome_, 1);
    commands->addWidget(import_);
    commands->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("The first entries as they will be stored:")));
    layout->addWidget(preview_, 2);
    layout->addWidget(new QLabel(QStringLiteral("Rows left out:")));
    layout->addWidget(problems_, 1);
    layout->addLayout(commands);
    resize(820, 640);
    HistoryButtons::loadLayout(this, QStringLiteral("ImportWindow"));

    plan_.kind = logOfFile(csvPath);
    readText();
    connect(encoding_, &QComboBox::currentIndexChanged, this, &ImportWindow::readText);
    connect(delimiter_, &QComboBox::currentIndexChanged, this, &ImportWindow::readRows);
    connect(log_, &QComboBox::currentIndexChanged, this, [this] {
        LogKind kind = LogKind::Maintenance;
        if (!showingPlan_ && logKindFromIndex(log_->currentData().toInt(), kind))
            setLog(kind);
    });
    connect(header_, &QCheckBox::toggled, this, &ImportWindow::planChanged);
    connect(skipDuplicates_, &QCheckBox::toggled, this, &ImportWindow::refresh);
    connect(rides_, &QComboBox::currentIndexChanged, this, &ImportWindow::planChanged);
    connect(preset_, &QComboBox::currentIndexChanged, this, &ImportWindow::presetChanged);
}

// The file read in the chosen encoding, with the delimiter it evidently
// uses.
void ImportWindow::readText()
{
    const CsvImport::FileRows file = CsvImport::readFile(bytes_, CsvEncoding(encoding_->currentData().toInt()));
    const QSignalBlocker blocker(delimiter_);
    for (int item = 0; item < delimiter_->count(); ++item) {
        const QChar delimiter = delimiter_->itemData(item).toChar();
        delimiter_->setItemText(
            item, csvDelimiterName(delimiter) + (delimiter == file.delimiter ? QStringLiteral(" (detected)") : QString()));
    }
    delimiter_->setCurrentIndex(delimiter_->findData(file.delimiter));
    showRows(file);
}

void ImportWindow::readRows()
{
    showRows(CsvImport::readFile(bytes_, CsvEncoding(encoding_->currentData().toInt()), delimiter_->currentData().toChar()));
}

void ImportWindow::showRows(const CsvImport::FileRows &file)
{
    fileRows_ = file.rows;
    undecodable_ = file.undecodable;
    if (undecodable_)
        undecodable_->message += QStringLiteral("; pick its encoding above");
    showingPlan_ = true;
    const CsvPreset &recognised = CsvPresets::recognise(fileRows_);
    for (int item = 0; item < preset_->count(); ++item) {
        const CsvPreset &preset = CsvPresets::all()[std::size_t(preset_->itemData(item).toInt())];
        preset_->setItemText(item, preset.name + (&preset == &recognised ? QStringLiteral(" (recognised)") : QString()));
        if (&preset == &recognised)
            preset_->setCurrentIndex(item);
    }
    plan_.kind = CsvPresets::logOf(recognised, fileRows_).value_or(plan_.kind);
    const QStringList rides = CsvImport::ridesOf(fileRows_, CsvImport::guessPlan(plan_.kind, fileRows_));
    rides_->clear();
    rides_->addItems(rides);
    rides_->setCurrentIndex(std::max(0, int(rides.indexOf(rideNumber_))));
    rides_->setVisible(!rides.isEmpty());
    rideLabel_->setVisible(!rides.isEmpty());
    showingPlan_ = false;
    setLog(plan_.kind);
}

void ImportWindow::fillColumnChoices()
{
    const QStringList firstRow = rows_.empty() ? QStringList() : rows_.front().cells;
    for (QComboBox *column : columns_) {
        column->clear();
        column->addItem(QStringLiteral("(none)"), CsvImport::NoColumn);
        for (int at = 0; at < firstRow.size(); ++at)
            column->addItem(QStringLiteral("Column %1: %2").arg(at + 1).arg(firstRow.at(at).left(30)), at);
    }
}

const CsvPreset &ImportWindow::preset() const
{
    return CsvPresets::all()[std::size_t(std::max(0, preset_->currentData().toInt()))];
}

void ImportWindow::presetChanged()
{
    if (!showingPlan_)
        setLog(CsvPresets::logOf(preset(), fileRows_).value_or(plan_.kind));
}

void ImportWindow::setLog(LogKind kind)
{
    presetReading_ = CsvPresets::read(preset(), kind, fileRows_);
    rows_ = presetReading_.rows;
    plan_ = presetReading_.plan;
    ride_ = CsvPresets::importRide(database_, rideKey_, kind);
    showingPlan_ = true;
    fillColumnChoices();
    showingPlan_ = false;
    if (rides_->count() > 0)
        plan_.ride = rides_->currentText();
    showPlan();
    refresh();
}

void ImportWindow::showPlan()
{
    showingPlan_ = true;
    log_->setCurrentIndex(logIndex(plan_.kind) - 1);
    header_->setChecked(plan_.hasHeader);
    const QStringList names = CsvImport::fieldNames(plan_.kind);
    for (int field = 0; field < 4; ++field) {
        fieldLabels_[std::size_t(field)]->setText(QLatin1Char('&') + names.at(field) + QLatin1Char(':'));
        QComboBox *column = columns_[std::size_t(field)];
        column->setCurrentIndex(std::max(0, column->findData(plan_.columns[std::size_t(field)])));
        QComboBox *format = formats_[std::size_t(field)];
        format->clear();
        for (const CsvImport::FormatChoice &choice : CsvImport::formatChoices(rows_, plan_, field))
            format->addItem(choice.text, choice.value);
        format->setCurrentIndex(std::max(0, format->findData(CsvImport::formatOf(plan_, field))));
        format->setAccessibleName(QStringLiteral("How the %1 column is written").arg(names.at(field)));
        format->setVisible(format->count() > 0);
        format->setEnabled(format->count() > 1);
    }
    preview_->setHorizontalHeaderLabels(names);
    showingPlan_ = false;
}

void ImportWindow::planChanged()
{
    if (showingPlan_)
        return;
    plan_.hasHeader = header_->isChecked();
    plan_.ride = rides_->currentText();
    for (int field = 0; field < 4; ++field) {
        const int column = columns_[std::size_t(field)]->currentData().toInt();
        if (std::exchange(plan_.columns[std::size_t(field)], column) != column)
            CsvImport::decideFormat(rows_, plan_, field);
    }
    showPlan();
    refresh();
}

void ImportWindow::formatChanged(int field)
{
    if (showingPlan_)
        return;
    CsvImport::setFormat(plan_, field, formats_[std::size_t(field)]->currentData().toInt());
    refresh();
}

void ImportWindow::refresh()
{
    entries_ = CsvImport::readEntries(rows_, plan_, rideKey_);
    presetReading_.plan = plan_;
    const QStringList notes = CsvPresets::finish(presetReading_, entries_, ride_.value.units, ride_.value.readings);
    const StoreRead<std::size_t> skipped = skipDuplicates_->isChecked()
                                               ? CsvImport::leaveOutDuplicates(entries_, plan_.kind, rideKey_, database_)
                                               : StoreRead<std::size_t>();
    if (undecodable_)
        entries_.problems.insert(entries_.problems.begin(), *undecodable_);
    const QString reading = CsvImport::formatSummary(rows_, plan_);
    const QString converted = CsvPresets::conversions(presetReading_, ride_.value.units);
    QStringList said;
    if (!reading.isEmpty())
        said << QStringLiteral("Read as: ") + reading;
    if (!converted.isEmpty())
        said << QStringLiteral("Converted: ") + converted;
    reading_->setText((said + notes).join(QStringLiteral(". ")));
    preview_->clearContents();
    preview_->setRowCount(0);
    previewEntries(preview_, plan_.kind, entries_.expenses);
    if (plan_.kind == LogKind::Trips)
        previewEntries(preview_, plan_.kind, entries_.trips);
    if (plan_.kind == LogKind::Gas)
        previewEntries(preview_, plan_.kind, entries_.gas);
    problems_->clear();
    for (const CsvImport::Problem &problem : entries_.problems)
        problems_->addItem(QStringLiteral("Line %1: %2").arg(problem.line).arg(problem.message));
    const QString log = logKindInfo(plan_.kind).tabCaption;
    const std::size_t leftOut = entries_.problems.size();
    QString outcome = QStringLiteral("%1 will be added to the '%2' log of %3; %4 left out.")
                          .arg(HistoryButtons::entries(entries_.count()), log, rideName_,
                               leftOut == 1 ? QStringLiteral("1 row is") : QStringLiteral("%1 rows are").arg(leftOut));
    if (entries_.otherRides > 0)
        outcome += QStringLiteral(" %1 of other rides %2 not read.")
                       .arg(entries_.otherRides == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(entries_.otherRides),
                            entries_.otherRides == 1 ? QStringLiteral("is") : QStringLiteral("are"));
    if (!ride_.status)
        outcome += QStringLiteral(" The ride's units could not be read, so nothing can be imported: ") + ride_.status.message() + u'.';
    if (!skipped.status)
        outcome += QStringLiteral(" Rows already in the log could not be looked for: ") + skipped.status.message() + u'.';
    else if (skipped.value > 0)
        outcome += QStringLiteral(" %1 already in the log %2 skipped.")
                       .arg(skipped.value == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(skipped.value),
                            skipped.value == 1 ? QStringLiteral("is") : QStringLiteral("are"));
    outcome_->setText(outcome);
    import_->setEnabled(entries_.count() > 0 && ride_.status);
}

// The entries, with their extras into Torqal.db when the file has them.
StoreResult ImportWindow::append() const
{
    const std::vector<EntryExtras> &extras = entries_.extras;
    // Through Torqal.db whenever it can be used, which notes the import so
    // that it can be undone.
    if (extras.empty() && (!database_ || !database_->isOpen())) {
        switch (plan_.kind) {
        case LogKind::Maintenance:
        case LogKind::Goodies:
            return Store::appendLogEntries(plan_.kind, entries_.expenses);
        case LogKind::Trips:
            return Store::appendLogEntries(entries_.trips);
        case LogKind::Gas:
            break;
        }
        return Store::appendLogEntries(entries_.gas);
    }
    if (!database_) {
        return {StoreOutcome::NothingWritten,
                FileStatus::failure(ReminderStore::FileName,
                                    QStringLiteral("The odometer readings and costs of the file are kept in %1, which cannot "
                                                   "be used now")
                                        .arg(ReminderStore::FileName))};
    }
    switch (plan_.kind) {
    case LogKind::Maintenance:
    case LogKind::Goodies:
        return Store::appendLogEntries(*database_, plan_.kind, entries_.expenses, extras);
    case LogKind::Trips:
        return Store::appendLogEntries(*database_, entries_.trips, extras);
    case LogKind::Gas:
        break;
    }
    return Store::appendLogEntries(*database_, entries_.gas, extras);
}

void ImportWindow::confirm()
{
    if (entries_.count() == 0 || !ride_.status || !backUpBefore(this, QStringLiteral("import")))
        return;
    StoreResult appended;
    {
        BusyPointer busy(this);
        appended = append();
    }
    if (!appended.done()) {
        MessageBox::tell(this, QStringLiteral("Import not finished"),
                         appended.status.message() + QStringLiteral("\r\n\r\nNo entry was added."),
                         MessageBox::Icon::Critical);
        return;
    }
    written_ = int(entries_.count());
    // Entries in the file count as imported, also when the file could not be
    // closed afterwards: one message says both.
    const QString added = QStringLiteral("%1 %2 added to the '%3' log.")
                              .arg(HistoryButtons::entries(entries_.count()),
                                   written_ == 1 ? QStringLiteral("was") : QStringLiteral("were"), logKindInfo(plan_.kind).tabCaption);
    if (appended.outcome == StoreOutcome::WrittenWithWarning)
        MessageBox::tell(this, QStringLiteral("Imported"), appended.status.message() + QStringLiteral("\r\n\r\n") + added,
                         MessageBox::Icon::Warning);
    else
        MessageBox::tell(this, QStringLiteral("Imported"), added, MessageBox::Icon::Information);
    accept();
}
