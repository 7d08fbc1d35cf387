#include "history/CsvExport.h"

#include "data/Cp1252.h"
#include "data/DateValue.h"
#include "data/RecordFile.h"
#include "history/Csv.h"
#include "model/FuelEconomy.h"
#include "model/Units.h"
#include "platform/ValueFormats.h"
#include "store/LogEntryIndex.h"
#include "store/RideLabels.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <memory>
#include <type_traits>

using ValueFormats::trimBlanks;

namespace {

// The header names of the ride's fields, in the order RideRecord lists them
// after its key.
const QStringList &rideHeader()
{
    static const QStringList names = {
        QStringLiteral("Year"), QStringLiteral("Make"), QStringLiteral("Model"), QStringLiteral("Style"),
        QStringLiteral("Color"), QStringLiteral("License State Type"), QStringLiteral("Name"),
        QStringLiteral("Purchase Date"), QStringLiteral("Purchased From"), QStringLiteral("Purchase Address"),
        QStringLiteral("Purchase City State Zip"), QStringLiteral("Purchase Phone"), QStringLiteral("Price Paid"),
        QStringLiteral("Selling Date"), QStringLiteral("Sold To"), QStringLiteral("Sold To Address"),
        QStringLiteral("Sold To City State Zip"), QStringLiteral("Sold To Phone"), QStringLiteral("Price Sold"),
        QStringLiteral("Insurance Company"), QStringLiteral("Insurance Policy"), QStringLiteral("Title Number"),
        QStringLiteral("VIN"), QStringLiteral("Engine Serial"), QStringLiteral("Paint Code"),
        QStringLiteral("Key Code"), QStringLiteral("Picture"), QStringLiteral("Notes")};
    return names;
}

// A text field as an entry holds it: decoded, or as its stored bytes
// (Windows-1252, blank-padded) when the entry is read one at a time.
struct StoredText
{
    const QString *text = nullptr;
    const char *bytes = nullptr;
    int width = 0;
};

// One row being written in UTF-8, by the rules of CsvRow (Csv.h).
class Row
{
public:
    explicit Row(QByteArray &out) : m_out(out) {}

    void add(const QString &cell)
    {
        separate();
        if (!cell.contains(u',') && !cell.contains(u'"') && !cell.contains(u'\r') && !cell.contains(u'\n')) {
            m_out += cell.toUtf8();
            return;
        }
        m_out += '"';
        m_out += QString(cell).replace(u'"', QStringLiteral("\"\"")).toUtf8();
        m_out += '"';
    }

    void addText(const QString &text) { add(csvTextCell(text)); }

    // The field's text without its surrounding blanks, as text the user typed.
    void addText(const StoredText &field)
    {
        if (field.text) {
            addText(trimBlanks(*field.text));
            return;
        }
        const int end = FieldCodec::lengthWithoutTrailingBlanks(field.bytes, field.width);
        int first = 0;
        while (first < end && field.bytes[first] == ' ')
            ++first;
        const QByteArrayView text(field.bytes + first, end - first);
        unsigned kinds = 0;
        for (const char byte : text)
            kinds |= ByteKinds[static_cast<unsigned char>(byte)];
        // Beyond ASCII the code page and UTF-8 differ: such text is decoded.
        if (kinds & BeyondAscii) {
            addText(Cp1252::decode(text.data(), text.size()));
            return;
        }
        // Plain ASCII is the same bytes in both.
        const bool quoted = kinds & Quoted;
        separate();
        if (quoted)
            m_out += '"';
        if (readAsFormula(text))
            m_out += '\'';
        if (!quoted) {
            m_out += text;
        } else {
            for (qsizetype from = 0; from < text.size();) {
                const qsizetype quote = text.indexOf('"', from);
                const qsizetype upTo = quote < 0 ? text.size() : quote + 1;
                m_out += text.sliced(from, upTo - from);
                if (quote >= 0)
                    m_out += '"';
                from = upTo;
            }
            m_out += '"';
        }
    }

    void end() { m_out += "\r\n"; }

private:
    // What a byte of stored text asks of its cell: quotes around it (a
    // comma, a quote, a line break), or decoding (a byte beyond ASCII).
    static constexpr unsigned char Quoted = 1;
    static constexpr unsigned char BeyondAscii = 2;
    static constexpr std::array<unsigned char, 256> ByteKinds = [] {
        std::array<unsigned char, 256> kinds{};
        for (const char byte : {',', '"', '\r', '\n'})
            kinds[static_cast<unsigned char>(byte)] = Quoted;
        for (std::size_t byte = 0x80; byte < 256; ++byte)
            kinds[byte] = BeyondAscii;
        return kinds;
    }();

    // As csvTextCell decides it (Csv.h).
    static bool readAsFormula(QByteArrayView text)
    {
        qsizetype at = 0;
        while (at < text.size() && text[at] == '\'')
            ++at;
        return at < text.size() && QByteArrayView("=+-@\t\r").contains(text[at]);
    }

    void separate()
    {
        if (!m_first)
            m_out += ',';
        m_first = false;
    }

    QByteArray &m_out;
    bool m_first = true;
};

// Adds the ride's fields to a row in the record's own order.
class RideCells
{
public:
    explicit RideCells(Row &row) : m_row(row) {}
    void key(const char *, double) {}
    void date(const char *, double value) { m_row.add(csvDate(value)); }
    void money(const char *, qint64 value) { m_row.add(value == 0 ? QString() : csvMoney(value)); }
    void text(const char *, const QString &value, int) { m_row.addText(trimBlanks(value)); }

private:
    Row &m_row;
};

void addHeader(QByteArray &out, const QStringList &names, bool withRideColumn)
{
    Row row(out);
    if (withRideColumn) {
        row.add(QStringLiteral("Ride"));
        row.add(QStringLiteral("Ride Name"));
    }
    for (const QString &name : names)
        row.add(name);
    row.end();
}

void startEntryRow(Row &row, const RideHistory &ride, bool withRideColumn)
{
    if (withRideColumn) {
        row.add(QString::number(ride.rideNumber));
        row.addText(trimBlanks(RideLabels::MenuLabel(ride.ride)));
    }
}

QString optionalNumber(const std::optional<qint64> &value)
{
    return value ? QString::number(*value) : QString();
}

QString yesWhen(bool set)
{
    return set ? QStringLiteral("yes") : QString();
}

// An entry's text fields, as the entry holds them.
template<class Record>
StoredText descriptionOf(const Record &entry)
{
    return {&entry.Description};
}
template<class Record>
StoredText notesOf(const Record &entry)
{
    return {&entry.Notes};
}

// Where a text field lies in an entry's stored bytes.
template<class Record>
FieldCodec::FieldPlace placeOf(QString Record::*field)
{
    const Record record;
    FieldCodec::FieldPlace place(&(record.*field));
    Record::visitFields(record, place);
    return place;
}

StoredText storedText(const char *bytes, const FieldCodec::FieldPlace &place)
{
    return {nullptr, bytes + place.offset(), place.width()};
}

// One entry's cells. `figure` is a fill-up's miles per gallon.
void addCells(Row &row, const ExpenseRecord &entry, StoredText description, StoredText notes, LogKind kind,
              const EntryExtras &extras, std::optional<double>)
{
    row.add(csvDate(entry.EntryDate));
    row.addText(description);
    row.add(entry.Cost == 0 ? QString() : csvMoney(entry.Cost));
    row.addText(notes);
    if (kind == LogKind::Maintenance)
        row.add(optionalNumber(extras.odometer));
}

void addCells(Row &row, const TripRecord &entry, StoredText description, StoredText notes, LogKind,
              const EntryExtras &extras, std::optional<double>)
{
    row.add(csvDate(entry.EntryDate));
    row.addText(description);
    row.add(entry.Miles == 0 ? QString() : QString::number(entry.Miles));
    row.addText(notes);
    row.add(optionalNumber(extras.odometer));
}

void addCells(Row &row, const GasRecord &entry, StoredText, StoredText notes, LogKind, const EntryExtras &extras,
              std::optional<double> figure)
{
    row.add(csvDate(entry.EntryDate));
    row.add(csvNumber(entry.Gallons));
    row.add(QString::number(entry.Miles));
    row.add(figure ? QString::number(*figure, 'f', 1) : QString());
    row.addText(notes);
    row.add(optionalNumber(extras.odometer));
    row.add(extras.cost ? csvMoney(*extras.cost) : QString());
    row.add(yesWhen(extras.partial));
    row.add(yesWhen(extras.missed));
}

template<>
StoredText descriptionOf(const GasRecord &)
{
    return {};
}

// A ride's fill-ups' figures; gallons(i), miles(i) of its i-th fill-up.
std::vector<std::optional<double>> figuresOf(const RideHistory &ride, std::size_t count,
                                             const std::function<const GasRecord &(std::size_t)> &fillUp)
{
    return FuelEconomy::of(count, [&](std::size_t i) {
        const EntryExtras own = ride.extrasOf(LogKind::Gas, i);
        const GasRecord &entry = fillUp(i);
        return FuelEconomy::FillUp{double(entry.Miles), double(entry.Gallons), own.partial, own.missed};
    }).perFillUp;
}

// A log's file as the rides make it: its header, and whether their units
// differ, so that each row names its own.
class LogFile
{
public:
    LogFile(LogKind kind, const std::vector<RideHistory> &rides, bool withRideColumn)
        : m_kind(kind), m_withRideColumn(withRideColumn),
          m_mixed(std::any_of(rides.begin(), rides.end(), [&](const RideHistory &ride) { return ride.units != rides.front().units; })),
          m_counted(kind == LogKind::Trips || kind == LogKind::Gas)
    {
        // The header names the rides' units; rides of different units name
        // theirs in a column of its own.
        QStringList header = csvLogHeader(kind, m_mixed || rides.empty() ? RideExtras() : rides.front().units);
        if (m_mixed && m_counted)
            header << QStringLiteral("Units");
        addHeader(m_header, header, withRideColumn);
    }

    const QByteArray &header() const { return m_header; }

    // The figures of the ride's entries of this log, in their order.
    template<class Record>
    std::vector<std::optional<double>> figures(const RideHistory &ride, std::size_t count,
                                               const std::function<const Record &(std::size_t)> &entry) const
    {
        if constexpr (std::is_same_v<Record, GasRecord>)
            return figuresOf(ride, count, entry);
        return std::vector<std::optional<double>>(count);
    }

    // Entry `index` of the ride's entries of this log.
    template<class Record>
    void addEntry(QByteArray &out, const RideHistory &ride, std::size_t index, const Record &entry, StoredText description,
                  StoredText notes, std::optional<double> figure) const
    {
        Row row(out);
        startEntryRow(row, ride, m_withRideColumn);
        addCells(row, entry, description, notes, m_kind, ride.extrasOf(m_kind, index), Units::shownEconomy(figure, ride.units));
        if (m_mixed && m_counted)
            row.add(Units::distanceName(ride.units.distance) + QStringLiteral(", ") + Units::fuelName(ride.units.fuel)
                    + QStringLiteral(", ") + Units::economyName(ride.units.economy));
        row.end();
    }

private:
    LogKind m_kind;
    bool m_withRideColumn;
    bool m_mixed;
    bool m_counted;
    QByteArray m_header;
};

template<class Record>
CsvFile logFile(LogKind kind, const std::vector<RideHistory> &rides, std::vector<Record> RideHistory::*log,
                bool withRideColumn)
{
    const LogFile file(kind, rides, withRideColumn);
    QByteArray bytes = file.header();
    for (const RideHistory &ride : rides) {
        const std::vector<Record> &entries = ride.*log;
        const std::vector<std::optional<double>> figures =
            file.figures<Record>(ride, entries.size(), [&](std::size_t i) -> const Record & { return entries[i]; });
        for (std::size_t i = 0; i < entries.size(); ++i)
            file.addEntry(bytes, ride, i, entries[i], descriptionOf(entries[i]), notesOf(entries[i]), figures[i]);
    }
    return {csvFileName(kind), QString::fromUtf8(bytes)};
}

QByteArray rideFile(const std::vector<RideHistory> &rides, bool withRideColumn)
{
    QByteArray bytes;
    addHeader(bytes, rideHeader(), withRideColumn);
    for (const RideHistory &ride : rides) {
        Row row(bytes);
        startEntryRow(row, ride, withRideColumn);
        RideCells cells(row);
        RideRecord::visitFields(ride.ride, cells);
        row.end();
    }
    return bytes;
}

FileStatus failureOf(const QSaveFile &out)
{
    const QString path = out.fileName();
    return FileStatus::failure(path, QStringLiteral("Could not write %1: %2").arg(QDir::toNativeSeparators(path), out.errorString()));
}

// The files of a folder written beside their places, and put in place once
// every one of them is written out in full: a file that cannot be written
// leaves every file of the folder as it was.
class FolderFiles
{
public:
    explicit FolderFiles(const QString &folder) : m_folder(folder) {}

    FileStatus makeFolder() const
    {
        if (QDir().mkpath(m_folder))
            return {};
        return FileStatus::failure(m_folder, QStringLiteral("The folder \"%1\" could not be created.")
                                                 .arg(QDir::toNativeSeparators(m_folder)));
    }

    // Starts the next file; nullptr when it cannot be, with the failure.
    QSaveFile *start(const QString &name, FileStatus &status)
    {
        QSaveFile &out = *m_files.emplace_back(std::make_unique<QSaveFile>(QDir(m_folder).filePath(name)));
        if (out.open(QIODevice::WriteOnly))
            return &out;
        status = failureOf(out);
        return nullptr;
    }

    static FileStatus write(QSaveFile &out, const QByteArray &bytes)
    {
        return out.write(bytes) == bytes.size() ? FileStatus() : failureOf(out);
    }

    FileStatus commit()
    {
        for (const std::unique_ptr<QSaveFile> &out : m_files) {
            if (!out->flush())
                return failureOf(*out);
        }
        for (const std::unique_ptr<QSaveFile> &out : m_files) {
            if (!out->commit())
                return failureOf(*out);
        }
        return {};
    }

private:
    QString m_folder;
    std::vector<std::unique_ptr<QSaveFile>> m_files;
};

// The entries of one log of the rides, read one at a time from its file
// and written as they come, a block at a time.
template<DataRecord Record>
class LogExport
{
public:
    explicit LogExport(DataFileKind file) : m_file(file) {}

    // Finds the rides' entries and their keys in Torqal.db.
    FileStatus index(std::vector<RideHistory> &rides, LogKind kind)
    {
        std::vector<double> keys;
        for (const RideHistory &ride : rides)
            keys.push_back(ride.ride.RideKey);
        // A log that was never written has no entries; reading it creates nothing.
        m_present = QFileInfo::exists(m_file.name());
        if (!m_present)
            return {};
        FileStatus status = OpenRecordFile(m_file);
        if (status)
            status = Store::indexLog(m_file, keys, m_index);
        const FileStatus closed = CloseRecordFile(m_file);
        if (!status)
            return status;
        for (std::size_t i = 0; i < rides.size(); ++i) {
            std::vector<EntryHead> &ofRide = rides[i].keys[std::size_t(logIndex(kind) - 1)];
            for (const auto &entry : m_index.ofRide[i])
                ofRide.push_back(entry.key);
        }
        return closed;
    }

    FileStatus write(const LogFile &csv, const std::vector<RideHistory> &rides, QSaveFile &out)
    {
        QByteArray bytes = csv.header();
        if (!m_present)
            return FolderFiles::write(out, bytes);
        std::vector<std::vector<std::optional<double>>> figures;
        for (std::size_t i = 0; i < rides.size(); ++i) {
            const auto &entries = m_index.ofRide[i];
            figures.push_back(csv.figures<Record>(rides[i], entries.size(),
                                                  [&](std::size_t e) -> const Record & { return entries[e].numbers; }));
        }
        FileStatus status = OpenRecordFile(m_file);
        FileStatus written;
        std::size_t ride = 0;
        std::size_t entry = 0;
        if (status)
            status = Store::readIndexedEntries<Record>(m_file, m_index, [&](std::size_t r, const auto &indexed, const char *stored) {
                entry = r == ride ? entry : 0;
                ride = r;
                csv.addEntry(bytes, rides[r], entry, indexed.numbers, descriptionOf(stored), storedText(stored, m_notes),
                             figures[r][entry]);
                ++entry;
                if (bytes.size() >= BlockSize) {
                    written = FolderFiles::write(out, bytes);
                    bytes.clear();
                }
                return written.ok();
            });
        const FileStatus closed = CloseRecordFile(m_file);
        if (!status)
            return status;
        if (!written)
            return written;
        if (!closed)
            return closed;
        return FolderFiles::write(out, bytes);
    }

private:
    static constexpr qsizetype BlockSize = 1 << 20;

    StoredText descriptionOf(const char *stored) const
    {
        if constexpr (std::is_same_v<Record, GasRecord>)
            return {};
        else
            return storedText(stored, m_description);
    }

    const FieldCodec::FieldPlace m_notes = placeOf(&Record::Notes);
    const FieldCodec::FieldPlace m_description = [] {
        if constexpr (std::is_same_v<Record, GasRecord>)
            return FieldCodec::FieldPlace(nullptr);
        else
            return placeOf(&Record::Description);
    }();
    RecordFile<Record> m_file;
    LogEntryIndex<Record> m_index;
    bool m_present = false;
};

} // namespace

QString csvFileName(LogKind kind)
{
    switch (kind) {
    case LogKind::Maintenance:
        return QStringLiteral("maintenance.csv");
    case LogKind::Goodies:
        return QStringLiteral("goodies.csv");
    case LogKind::Trips:
        return QStringLiteral("trips.csv");
    case LogKind::Gas:
        break;
    }
    return QStringLiteral("gasoline.csv");
}

QStringList csvLogHeader(LogKind kind, const RideExtras &units)
{
    const QString distance = Units::distanceName(units.distance);
    switch (kind) {
    case LogKind::Maintenance:
        return {QStringLiteral("Date"), QStringLiteral("Description"), QStringLiteral("Cost"), QStringLiteral("Notes"),
                QStringLiteral("Odometer")};
    case LogKind::Goodies:
        return {QStringLiteral("Date"), QStringLiteral("Description"), QStringLiteral("Cost"), QStringLiteral("Notes")};
    case LogKind::Trips:
        return {QStringLiteral("Date"), QStringLiteral("Description"), distance, QStringLiteral("Notes"),
                QStringLiteral("Odometer")};
    case LogKind::Gas:
        break;
    }
    return {QStringLiteral("Date"), Units::fuelName(units.fuel), distance, Units::economyName(units.economy),
            QStringLiteral("Notes"), QStringLiteral("Odometer"), QStringLiteral("Cost"), QStringLiteral("Partial"),
            QStringLiteral("Missed")};
}

std::vector<CsvFile> csvExport(const std::vector<RideHistory> &rides, bool withRideColumn)
{
    return {{QStringLiteral("ride.csv"), QString::fromUtf8(rideFile(rides, withRideColumn))},
            logFile(LogKind::Maintenance, rides, &RideHistory::maintenance, withRideColumn),
            logFile(LogKind::Goodies, rides, &RideHistory::goodies, withRideColumn),
            logFile(LogKind::Trips, rides, &RideHistory::trips, withRideColumn),
            logFile(LogKind::Gas, rides, &RideHistory::gas, withRideColumn)};
}

FileStatus writeCsvFiles(const QString &folder, const std::vector<CsvFile> &files)
{
    FolderFiles written(folder);
    FileStatus status = written.makeFolder();
    for (const CsvFile &file : files) {
        if (!status)
            return status;
        if (QSaveFile *out = written.start(file.name, status))
            status = FolderFiles::write(*out, file.text.toUtf8());
    }
    return status ? written.commit() : status;
}

FileStatus exportCsvFiles(const QString &folder, std::optional<int> rideNumber, const ReminderStore *database)
{
    StoreRead<std::vector<RideHistory>> read = Store::readRides(rideNumber);
    if (!read.status)
        return read.status;
    std::vector<RideHistory> &rides = read.value;
    LogExport<ExpenseRecord> maintenance(DataFileKind::Maintenance);
    LogExport<ExpenseRecord> goodies(DataFileKind::Goodies);
    LogExport<TripRecord> trips(DataFileKind::Trips);
    LogExport<GasRecord> gas(DataFileKind::Gas);
    FileStatus status = maintenance.index(rides, LogKind::Maintenance);
    if (status)
        status = goodies.index(rides, LogKind::Goodies);
    if (status)
        status = trips.index(rides, LogKind::Trips);
    if (status)
        status = gas.index(rides, LogKind::Gas);
    if (status && database)
        status = rideNumber ? Store::readEntryExtras(*database, rides.front()) : Store::readEntryExtras(*database, rides);
    if (!status)
        return status;

    const bool withRideColumn = !rideNumber;
    FolderFiles written(folder);
    status = written.makeFolder();
    QSaveFile *out = status ? written.start(QStringLiteral("ride.csv"), status) : nullptr;
    if (out)
        status = FolderFiles::write(*out, rideFile(rides, withRideColumn));
    const auto writeLog = [&](auto &log, LogKind kind) {
        if (status && (out = written.start(csvFileName(kind), status)))
            status = log.write(LogFile(kind, rides, withRideColumn), rides, *out);
    };
    writeLog(maintenance, LogKind::Maintenance);
    writeLog(goodies, LogKind::Goodies);
    writeLog(trips, LogKind::Trips);
    writeLog(gas, LogKind::Gas);
    return status ? written.commit() : status;
}

QString csvMoney(qint64 amount)
{
    const quint64 magnitude = amount < 0 ? 0 - static_cast<quint64>(amount) : static_cast<quint64>(amount);
    QString decimals = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
    while (decimals.size() > 2 && decimals.endsWith(u'0'))
        decimals.chop(1);
    return QStringLiteral("%1%2.%3").arg(amount < 0 ? QStringLiteral("-") : QString()).arg(magnitude / 10000).arg(decimals);
}

QString csvNumber(float value)
{
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    return QString::fromLatin1(text, result.ptr - text);
}

QString csvDate(double dateValue)
{
    if (!(dateValue > 0))
        return {};
    const QDateTime moment = DateValue::toDateTime(dateValue).addMSecs(500);
    if (!moment.isValid())
        return {};
    const QTime time = moment.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return moment.toString(QStringLiteral("yyyy-MM-dd"));
    return moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}
