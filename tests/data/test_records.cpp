#include "data/Cp1252.h"
#include "data/DateValue.h"
#include "data/Records.h"

#include <QTest>

#include <cstring>

namespace {

double doubleAt(const QByteArray &bytes, int offset) { return FieldCodec::loadDouble(bytes.constData() + offset); }
qint64 int64At(const QByteArray &bytes, int offset) { return FieldCodec::loadInt64(bytes.constData() + offset); }
QByteArray textAt(const QByteArray &bytes, int offset, int width) { return bytes.mid(offset, width); }
QByteArray padded(const QByteArray &text, int width) { return text + QByteArray(width - text.size(), ' '); }

template<DataRecord Record>
int layoutLength()
{
    FieldCodec::LayoutMeasure measure;
    const Record record;
    Record::visitFields(record, measure);
    return measure.length();
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void everyByteDecodesAndEncodesBackUnchanged()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            all[i] = static_cast<char>(i);
        const QString text = Cp1252::decode(all.constData(), all.size());
        QCOMPARE(text.size(), 256);
        QByteArray back(256, Qt::Uninitialized);
        Cp1252::encodeField(text, back.data(), back.size());
        QCOMPARE(back, all);
    }

    void aHighByteIsFoundWhereverItStands()
    {
        for (int at = 0; at < 17; ++at) {
            QByteArray bytes(17, 'a');
            bytes[at] = '\x93';
            QString expected(17, u'a');
            expected[at] = QChar(0x201C);
            QCOMPARE(Cp1252::decode(bytes.constData(), bytes.size()), expected);
        }
    }

    void codePageCharacters()
    {
        const char bytes[] = "\x80\x8A\x91\x92\x99\x9F\xE9\x81";
        QCOMPARE(Cp1252::decode(bytes, 8), QString::fromUtf8("€Š‘’™Ÿé\u0081"));
        QCOMPARE(Cp1252::encodeChar(U'€'), '\x80');
        QCOMPARE(Cp1252::encodeChar(U'ž'), '\x9E');
        QCOMPARE(Cp1252::encodeChar(U'ÿ'), '\xFF');
    }

    void charactersOutsideTheCodePageBecomeQuestionMarks()
    {
        char field[8];
        // A C1 control the code page does not use, a Greek letter, an emoji
        // (two UTF-16 units, one character), a lone surrogate.
        const QString text = QString::fromUtf8("a\u0080b\u03A9c😀d") + QChar(0xD800);
        Cp1252::encodeField(text, field, 8);
        QCOMPARE(QByteArray(field, 8), QByteArray("a?b?c?d?"));
    }

    void textIsPaddedWithBlanksAndCutToWidth()
    {
        char field[6];
        Cp1252::encodeField(u"Ford", field, 6);
        QCOMPARE(QByteArray(field, 6), QByteArray("Ford  "));
        Cp1252::encodeField(u"Chevrolet", field, 6);
        QCOMPARE(QByteArray(field, 6), QByteArray("Chevro"));
        Cp1252::encodeField(u"", field, 6);
        QCOMPARE(QByteArray(field, 6), QByteArray("      "));
    }

    void layoutsAddUpToTheRecordLengths()
    {
        QCOMPARE(layoutLength<RideRecord>(), RideRecord::Length);
        QCOMPARE(layoutLength<ExpenseRecord>(), ExpenseRecord::Length);
        QCOMPARE(layoutLength<TripRecord>(), TripRecord::Length);
        QCOMPARE(layoutLength<GasRecord>(), GasRecord::Length);
    }

    void rideFieldsSitAtTheirOffsets()
    {
        RideRecord r;
        r.RideKey = 39887.7345;
        r.Year = "1967";
        r.Make = "Ford";
        r.Model = "Mustang";
        r.Style = "Fastback";
        r.Color = "Red";
        r.LicenseStateType = "ABC 123 / TX";
        r.RideName = "Eleanor";
        r.PurchaseDate = 36526.0;
        r.PurchasedFrom = "Bob";
        r.PurchaseAddress = "1 Main St";
        r.PurchaseCityStateZip = "Austin TX";
        r.PurchasePhone = "555-1234";
        r.PricePaid = 12345678;
        r.SellingDate = 36527.5;
        r.SoldTo = "Al";
        r.SoldToAddress = "2 Elm St";
        r.SoldToCityStateZip = "Waco TX";
        r.SoldToPhone = "555-9876";
        r.PriceSold = -125000;
        r.InsuranceCompany = "Acme";
        r.InsurancePolicy = "P-1";
        r.TitleNumber = "T-2";
        r.VIN = "VIN3";
        r.EngineSerial = "E4";
        r.PaintCode = "C5";
        r.KeyCode = "K6";
        r.PicturePath = "/home/me/mustang.jpg";
        r.Notes = "Line one\r\nLine two";
        const QByteArray bytes = encodeRecord(r);

        QCOMPARE(bytes.size(), 10000);
        QCOMPARE(doubleAt(bytes, 0), 39887.7345);
        QCOMPARE(textAt(bytes, 8, 4), QByteArray("1967"));
        QCOMPARE(textAt(bytes, 12, 20), padded("Ford", 20));
        QCOMPARE(textAt(bytes, 32, 15), padded("Mustang", 15));
        QCOMPARE(textAt(bytes, 47, 15), padded("Fastback", 15));
        QCOMPARE(textAt(bytes, 62, 15), padded("Red", 15));
        QCOMPARE(textAt(bytes, 77, 25), padded("ABC 123 / TX", 25));
        QCOMPARE(textAt(bytes, 102, 25), padded("Eleanor", 25));
        QCOMPARE(doubleAt(bytes, 127), 36526.0);
        QCOMPARE(textAt(bytes, 135, 30), padded("Bob", 30));
        QCOMPARE(textAt(bytes, 165, 30), padded("1 Main St", 30));
        QCOMPARE(textAt(bytes, 195, 30), padded("Austin TX", 30));
        QCOMPARE(textAt(bytes, 225, 20), padded("555-1234", 20));
        QCOMPARE(int64At(bytes, 245), 12345678);
        QCOMPARE(doubleAt(bytes, 253), 36527.5);
        QCOMPARE(textAt(bytes, 261, 30), padded("Al", 30));
        QCOMPARE(textAt(bytes, 291, 30), padded("2 Elm St", 30));
        QCOMPARE(textAt(bytes, 321, 30), padded("Waco TX", 30));
        QCOMPARE(textAt(bytes, 351, 20), padded("555-9876", 20));
        QCOMPARE(int64At(bytes, 371), -125000);
        QCOMPARE(textAt(bytes, 379, 30), padded("Acme", 30));
        QCOMPARE(textAt(bytes, 409, 25), padded("P-1", 25));
        QCOMPARE(textAt(bytes, 434, 25), padded("T-2", 25));
        QCOMPARE(textAt(bytes, 459, 25), padded("VIN3", 25));
        QCOMPARE(textAt(bytes, 484, 25), padded("E4", 25));
        QCOMPARE(textAt(bytes, 509, 10), padded("C5", 10));
        QCOMPARE(textAt(bytes, 519, 10), padded("K6", 10));
        QCOMPARE(textAt(bytes, 529, 150), padded("/home/me/mustang.jpg", 150));
        QCOMPARE(textAt(bytes, 679, 9321), padded("Line one\r\nLine two", 9321));

        // Decoding gives every field back, text with its trailing blanks.
        const RideRecord back = decodeRecord<RideRecord>(bytes.constData());
        QCOMPARE(back.Make, QString("Ford").leftJustified(20));
        QCOMPARE(back.Notes.trimmed(), r.Notes);
        QCOMPARE(back.PriceSold, r.PriceSold);
        QCOMPARE(back.SellingDate, r.SellingDate);
        QCOMPARE(encodeRecord(back), bytes);
    }

    void numbersAreLittleEndian()
    {
        ExpenseRecord r;
        r.Cost = 12345678; // 1234.5678
        r.EntryDate = DateValue::fromDateTime(QDate(2000, 1, 1));
        const QByteArray bytes = encodeRecord(r);
        QCOMPARE(bytes.mid(76, 8), QByteArray::fromHex("4e61bc0000000000"));
        QCOMPARE(bytes.mid(8, 8), QByteArray::fromHex("00000000c0d5e140")); // 36526.0
        r.Cost = 125000; // 12.5
        QCOMPARE(encodeRecord(r).mid(76, 8), QByteArray::fromHex("48e8010000000000"));
    }

    void absentDatesAndAmountsAreZero()
    {
        RideRecord r; // as saved with an empty purchase date and a price of "abc"
        r.Make = "Ford";
        const QByteArray bytes = encodeRecord(r);
        QCOMPARE(bytes.mid(127, 8), QByteArray(8, '\0'));
        QCOMPARE(bytes.mid(245, 8), QByteArray(8, '\0'));
        QCOMPARE(bytes.mid(529, 150), QByteArray(150, ' '));
    }

    void longNotesAreCutToTheirWidth()
    {
        RideRecord r;
        r.Notes = QString(9321, u'x') + u'y';
        const QByteArray bytes = encodeRecord(r);
        QCOMPARE(bytes.size(), 10000);
        QCOMPARE(bytes.mid(679), QByteArray(9321, 'x'));
        QCOMPARE(decodeRecord<RideRecord>(bytes.constData()).Notes, QString(9321, u'x'));
    }

    void logRecordLayouts()
    {
        TripRecord trip;
        trip.RideKey = 1.5;
        trip.EntryDate = 2.5;
        trip.Description = "Coast";
        trip.Miles = -7;
        trip.Notes = "n";
        QByteArray bytes = encodeRecord(trip);
        QCOMPARE(bytes.size(), 3000);
        QCOMPARE(textAt(bytes, 16, 60), padded("Coast", 60));
        QCOMPARE(FieldCodec::loadInt32(bytes.constData() + 76), -7);
        QCOMPARE(textAt(bytes, 80, 2920), padded("n", 2920));

        GasRecord gas;
        gas.Gallons = 12.25f;
        gas.Miles = 301;
        gas.Notes = "Shell";
        bytes = encodeRecord(gas);
        QCOMPARE(bytes.size(), 1000);
        QCOMPARE(bytes.mid(16, 4), QByteArray::fromHex("00004441")); // 12.25f
        QCOMPARE(FieldCodec::loadInt32(bytes.constData() + 20), 301);
        QCOMPARE(textAt(bytes, 24, 976), padded("Shell", 976));
        QCOMPARE(decodeRecord<GasRecord>(bytes.constData()), [&] {
            GasRecord expected = gas;
            expected.Notes = gas.Notes.leftJustified(976);
            return expected;
        }());
    }

    void markerTestComparesTheWholeTrimmedField()
    {
        QVERIFY(IsKillMarker(u"$Killed$"));
        QVERIFY(IsKillMarker(u"  $Killed$            "));
        QVERIFY(!IsKillMarker(u"$Killed$ Ford"));
        QVERIFY(!IsKillMarker(u"$killed$"));
        QVERIFY(!IsKillMarker(u"\t$Killed$")); // only blanks are trimmed

        RideRecord r;
        r.Make = "Ford";
        QVERIFY(KeepUnmarked{}(r));
        Mark(r);
        QVERIFY(IsMarked(r));
        QCOMPARE(encodeRecord(r).mid(12, 20), padded("$Killed$", 20));
        // A marked record read back from its bytes is still marked.
        QVERIFY(!KeepUnmarked{}(decodeRecord<RideRecord>(encodeRecord(r).constData())));

        GasRecord g;
        Mark(g);
        QCOMPARE(g.Notes, KillMarker);

        ExpenseRecord e;
        e.RideKey = 0.1 + 0.2;
        QVERIFY(KeepOtherRides{0.3}(e)); // exact equality: 0.1 + 0.2 is not 0.3
        QVERIFY(!KeepOtherRides{0.1 + 0.2}(e));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
