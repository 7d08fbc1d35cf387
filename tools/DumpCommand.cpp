#include "DumpCommand.h"

#include "Csv.h"
#include "RecordReader.h"

#include "data/DateValue.h"

#include <QFileInfo>

namespace {

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

int dumpCommand(const QString &path, QTextStream &out, QTextStream &errors)
{
    const QFileInfo fileInfo(path);
    const DataFileInfo *info = findDataFile(fileInfo.fileName());
    if (!info) {
        errors << "torqal-data: " << path << " is not a data file (Torqal.Dat, Maint.Dat, Goody.Dat, Trip.Dat or Gas.Dat)\n";
        return 2;
    }
    if (fileInfo.isDir()) {
        errors << "torqal-data: " << path << " is a folder, not a data file\n";
        return 2;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors << "torqal-data: cannot open " << path << ": " << file.errorString() << "\n";
        return 2;
    }
    return withRecordType(info->kind, [&](auto record) {
        CsvRow header;
        header.add(QStringLiteral("Record"));
        HeaderCells headerCells(header);
        decltype(record)::visitFields(std::as_const(record), headerCells);
        out << header.line();
        const bool read = forEachRecord(file, info->recordLength, [&](qint64 number, const char *bytes) {
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
        return 0;
    });
}
