#include "DumpCommand.h"

#include "history/Csv.h"
#include "NumberList.h"
#include "RecordReader.h"

#include "data/DateValue.h"

#include <QFileInfo>

namespace {

// The kinds that --kind names.
const QList<std::pair<QString, DataFileKind>> &kinds()
{
    static const QList<std::pair<QString, DataFileKind>> all = {
        {QStringLiteral("ride"), DataFileKind::Rides}, {QStringLiteral("maint"), DataFileKind::Maintenance},
        {QStringLiteral("goody"), DataFileKind::Goodies}, {QStringLiteral("trip"), DataFileKind::Trips},
        {QStringLiteral("gas"), DataFileKind::Gas}};
    return all;
}

// The data file that --kind names.
const DataFileInfo *dataFileOfKind(const QString &kind)
{
    for (const auto &[name, file] : kinds()) {
        if (name == kind)
            return &dataFileInfo(file);
    }
    return nullptr;
}

QString kindName(DataFileKind kind)
{
    for (const auto &[name, file] : kinds()) {
        if (file == kind)
            return name;
    }
    return {};
}

// Says on `errors` where the file does not fit its kind: a length that is
// no whole number of its records, records that cannot be of that kind (read
// with the wrong --kind, a maintenance file shows as nonsense fill-ups).
void noteMisfits(const QString &path, const DataFileInfo &info, qint64 length, const QList<qint64> &misfits, qint64 count, QTextStream &errors)
{
    const QString kind = kindName(info.kind);
    if (length % info.recordLength != 0) {
        errors << "torqal-data: " << path << ": its " << length << " bytes are not a whole number of " << kind << " records ("
               << info.recordLength << " bytes each): the file is damaged, or of another kind\n";
    }
    if (!misfits.isEmpty()) {
        errors << "torqal-data: " << path << ": " << misfits.size() << " of its " << count << " records cannot be " << kind
               << " records (" << numberList(misfits) << "): the file is damaged, or of another kind\n";
    }
}

QString keyText(double value) { return QString::number(value, 'g', 17); }

QString dateText(double value)
{
    if (value == 0.0)
        return {};
    const QDateTime moment = DateValue::toDateTime(value);
    if (!moment.isValid())
        return keyText(value);
    return moment.addMSecs(500).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString moneyText(qint64 value)
{
    const quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    return QStringLiteral("%1%2.%3")
        .arg(value < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 10000)
        .arg(magnitude % 10000, 4, 10, QChar(u'0'));
}

// The header row: each field's name.
class HeaderCells
{
public:
    explicit HeaderCells(CsvRow &row) : m_row(row) {}
    template<class Value>
    void key(const char *name, const Value &) { add(name); }
    template<class Value>
    void date(const char *name, const Value &) { add(name); }
    template<class Value>
    void money(const char *name, const Value &) { add(name); }
    template<class Value>
    void single(const char *name, const Value &) { add(name); }
    template<class Value>
    void long32(const char *name, const Value &) { add(name); }
    void text(const char *name, const QString &, int) { add(name); }

private:
    void add(const char *name) { m_row.add(QString::fromLatin1(name)); }
    CsvRow &m_row;
};

// A record's row: each field's value.
class ValueCells
{
public:
    explicit ValueCells(CsvRow &row) : m_row(row) {}
    void key(const char *, double value) { m_row.add(keyText(value)); }
    void date(const char *, double value) { m_row.add(dateText(value)); }
    void money(const char *, qint64 value) { m_row.add(moneyText(value)); }
    void single(const char *, float value) { m_row.add(QString::number(static_cast<double>(value), 'g', 9)); }
    void long32(const char *, qint32 value) { m_row.add(QString::number(value)); }
    void text(const char *, const QString &value, int) { m_row.add(trimmedField(value)); }

private:
    CsvRow &m_row;
};

} // namespace

int dumpCommand(const QString &path, const DataFileInfo *kind, QTextStream &out, QTextStream &errors)
{
    const DataFileInfo *info = kind ? kind : findDataFile(QFileInfo(path).fileName());
    if (!info) {
        errors << "torqal-data: " << path << " is not named as a data file (Torqal.Dat, Maint.Dat, Goody.Dat, Trip.Dat or Gas.Dat); "
               << "name its kind with --kind\n";
        return 2;
    }
    QFile file;
    QString problem;
    if (presenceOf(path, problem) == Presence::BrokenLink || !openForReading(file, path, problem)) {
        errors << "torqal-data: " << problem << "\n";
        return 2;
    }
    return withRecordType(info->kind, [&](auto record) {
        CsvRow header;
        header.add(QStringLiteral("Record"));
        HeaderCells headerCells(header);
        decltype(record)::visitFields(std::as_const(record), headerCells);
        out << header.line();
        QList<qint64> misfits;
        qint64 count = 0;
        const bool read = forEachRecord(file, info->recordLength, [&](qint64 number, const char *bytes) {
            count = number;
            if (!info->looksLikeRecord(bytes))
                misfits << number;
            decodeRecord(bytes, record);
            CsvRow row;
            row.add(QString::number(number));
            ValueCells cells(row);
            decltype(record)::visitFields(std::as_const(record), cells);
            out << row.line();
        });
        if (!read) {
            errors << "torqal-data: cannot read " << path << ": " << file.errorString() << "\n";
            return 2;
        }
        noteMisfits(path, *info, file.size(), misfits, count, errors);
        return 0;
    });
}

Verb dumpVerb()
{
    const QCommandLineOption kind(QStringLiteral("kind"),
                                  QStringLiteral("Read FILE as a data file of that kind: ride (Torqal.Dat), maint (Maint.Dat), "
                                                 "goody (Goody.Dat), trip (Trip.Dat) or gas (Gas.Dat). Needed for a file of "
                                                 "another name, such as a scratch file TempFile.$$$ or TempFile-N.$$$ that "
                                                 "\"torqal-data check\" lists; without it, FILE's name says its kind."),
                                  QStringLiteral("KIND"));
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-data dump");
    usage.summary = QStringLiteral("Prints every record of one data file as CSV.");
    usage.description = QStringLiteral(
        "For a spreadsheet, or for rescuing entries by hand: a header row with the field names, then one row per "
        "record with its number. Dates appear as yyyy-mm-dd hh:mm:ss (empty when there is no date), amounts of "
        "money with four decimals, text without its padding blanks, and a ride's key (which its log entries "
        "repeat) as a number. A last record cut short is shown with its missing bytes as zeros. The file is only "
        "read.\n\n"
        "When the file's length is not a whole number of records of its kind, or records cannot be of that kind "
        "(a file read with the wrong --kind), it says so on standard error, after the rows.\n\n"
        "Exit status: 0, also after such a note, or 2 when the file cannot be read (a broken link among others) or its "
        "kind is not known.");
    usage.options = {kind};
    usage.arguments = {{QStringLiteral("FILE"), QStringLiteral("the data file, e.g. ~/.local/share/Torqal/Gas.Dat")}};
    usage.offersVersion = false;
    return {usage, [usage, kind](const QCommandLineParser &parser, QTextStream &out, QTextStream &errors) {
                const DataFileInfo *info = nullptr;
                if (parser.isSet(kind)) {
                    info = dataFileOfKind(parser.value(kind));
                    if (!info)
                        return CommandLine::refuse(usage, QStringLiteral("unknown kind '%1' (ride, maint, goody, trip or gas)").arg(parser.value(kind)), errors);
                }
                return dumpCommand(parser.positionalArguments().constFirst(), info, out, errors);
            }};
}
