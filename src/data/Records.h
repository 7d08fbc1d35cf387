#pragma once

#include "data/FieldCodec.h"

#include <QByteArray>
#include <QString>

// The records of the five data files, in the files' fixed byte layout: fields
// packed in the order listed, no gaps, no header, numbers little-endian.
// Kinds: key and date are 8-byte doubles (a date is a day count, see
// DateValue.h; 0 means no date), money is a 64-bit integer holding the amount
// times 10,000, single is a 4-byte float, long a 32-bit integer, and text is a
// fixed number of Windows-1252 bytes (see Cp1252.h), blank-padded.
//
// In memory text is held as QString. Decoding hands text fields out with their
// trailing blanks; callers trim. Encoding cuts text to its field's width and
// pads it with blanks. The widths are the input limits of the fields that edit
// them.
//
// Each record lists its fields once, in visitFields(); the encoding, decoding
// and the data tool's dump all follow that list.

// A text field without its leading and trailing blanks (code 32 only).
QString trimmedField(QStringView fieldText);

// Text that marks a record deleted, stored in the record's marker field.
inline const QString KillMarker = QStringLiteral("$Killed$");

// Whether a field's text, with leading and trailing blanks removed, is the
// deletion marker: the test that decides whether a record counts as deleted,
// and the check that keeps users from typing the marker into a marker field.
bool IsKillMarker(QStringView fieldText);

struct RideRecord
{
    static constexpr int Length = 10000;
    static constexpr int YearWidth = 4;
    static constexpr int MakeWidth = 20;
    static constexpr int ModelWidth = 15;
    static constexpr int StyleWidth = 15;
    static constexpr int ColorWidth = 15;
    static constexpr int LicenseStateTypeWidth = 25;
    static constexpr int RideNameWidth = 25;
    static constexpr int PurchasedFromWidth = 30;
    static constexpr int PurchaseAddressWidth = 30;
    static constexpr int PurchaseCityStateZipWidth = 30;
    static constexpr int PurchasePhoneWidth = 20;
    static constexpr int SoldToWidth = 30;
    static constexpr int SoldToAddressWidth = 30;
    static constexpr int SoldToCityStateZipWidth = 30;
    static constexpr int SoldToPhoneWidth = 20;
    static constexpr int InsuranceCompanyWidth = 30;
    static constexpr int InsurancePolicyWidth = 25;
    static constexpr int TitleNumberWidth = 25;
    static constexpr int VINWidth = 25;
    static constexpr int EngineSerialWidth = 25;
    static constexpr int PaintCodeWidth = 10;
    static constexpr int KeyCodeWidth = 10;
    static constexpr int PicturePathWidth = 150;
    static constexpr int NotesWidth = 9321;

    double RideKey = 0; // the moment the ride was first saved; never changes
    QString Year;
    QString Make; // the marker field
    QString Model;
    QString Style;
    QString Color;
    QString LicenseStateType;
    QString RideName;
    double PurchaseDate = 0;
    QString PurchasedFrom;
    QString PurchaseAddress;
    QString PurchaseCityStateZip;
    QString PurchasePhone;
    qint64 PricePaid = 0;
    double SellingDate = 0;
    QString SoldTo;
    QString SoldToAddress;
    QString SoldToCityStateZip;
    QString SoldToPhone;
    qint64 PriceSold = 0;
    QString InsuranceCompany;
    QString InsurancePolicy;
    QString TitleNumber;
    QString VIN;
    QString EngineSerial;
    QString PaintCode;
    QString KeyCode;
    QString PicturePath; // blank when the ride has no picture
    QString Notes;

    QString &markerField() { return Make; }
    const QString &markerField() const { return Make; }

    bool operator==(const RideRecord &) const = default;

    template<class Record, class Visitor>
    static void visitFields(Record &r, Visitor &v)
    {
        v.key("RideKey", r.RideKey);
        v.text("Year", r.Year, YearWidth);
        v.text("Make", r.Make, MakeWidth);
        v.text("Model", r.Model, ModelWidth);
        v.text("Style", r.Style, StyleWidth);
        v.text("Color", r.Color, ColorWidth);
        v.text("LicenseStateType", r.LicenseStateType, LicenseStateTypeWidth);
        v.text("RideName", r.RideName, RideNameWidth);
        v.date("PurchaseDate", r.PurchaseDate);
        v.text("PurchasedFrom", r.PurchasedFrom, PurchasedFromWidth);
        v.text("PurchaseAddress", r.PurchaseAddress, PurchaseAddressWidth);
        v.text("PurchaseCityStateZip", r.PurchaseCityStateZip, PurchaseCityStateZipWidth);
        v.text("PurchasePhone", r.PurchasePhone, PurchasePhoneWidth);
        v.money("PricePaid", r.PricePaid);
        v.date("SellingDate", r.SellingDate);
        v.text("SoldTo", r.SoldTo, SoldToWidth);
        v.text("SoldToAddress", r.SoldToAddress, SoldToAddressWidth);
        v.text("SoldToCityStateZip", r.SoldToCityStateZip, SoldToCityStateZipWidth);
        v.text("SoldToPhone", r.SoldToPhone, SoldToPhoneWidth);
        v.money("PriceSold", r.PriceSold);
        v.text("InsuranceCompany", r.InsuranceCompany, InsuranceCompanyWidth);
        v.text("InsurancePolicy", r.InsurancePolicy, InsurancePolicyWidth);
        v.text("TitleNumber", r.TitleNumber, TitleNumberWidth);
        v.text("VIN", r.VIN, VINWidth);
        v.text("EngineSerial", r.EngineSerial, EngineSerialWidth);
        v.text("PaintCode", r.PaintCode, PaintCodeWidth);
        v.text("KeyCode", r.KeyCode, KeyCodeWidth);
        v.text("PicturePath", r.PicturePath, PicturePathWidth);
        v.text("Notes", r.Notes, NotesWidth);
    }
};

// A maintenance or goodies log entry (Maint.Dat, Goody.Dat).
struct ExpenseRecord
{
    static constexpr int Length = 3000;
    static constexpr int DescriptionWidth = 60;
    static constexpr int NotesWidth = 2916;

    double RideKey = 0; // the ride the entry belongs to
    double EntryDate = 0;
    QString Description; // the marker field
    qint64 Cost = 0;
    QString Notes;

    QString &markerField() { return Description; }
    const QString &markerField() const { return Description; }

    bool operator==(const ExpenseRecord &) const = default;

    template<class Record, class Visitor>
    static void visitFields(Record &r, Visitor &v)
    {
        v.key("RideKey", r.RideKey);
        v.date("EntryDate", r.EntryDate);
        v.text("Description", r.Description, DescriptionWidth);
        v.money("Cost", r.Cost);
        v.text("Notes", r.Notes, NotesWidth);
    }
};

// A trip log entry (Trip.Dat).
struct TripRecord
{
    static constexpr int Length = 3000;
    static constexpr int DescriptionWidth = 60;
    static constexpr int NotesWidth = 2920;

    double RideKey = 0;
    double EntryDate = 0;
    QString Description; // the marker field
    qint32 Miles = 0;
    QString Notes;

    QString &markerField() { return Description; }
    const QString &markerField() const { return Description; }

    bool operator==(const TripRecord &) const = default;

    template<class Record, class Visitor>
    static void visitFields(Record &r, Visitor &v)
    {
        v.key("RideKey", r.RideKey);
        v.date("EntryDate", r.EntryDate);
        v.text("Description", r.Description, DescriptionWidth);
        v.long32("Miles", r.Miles);
        v.text("Notes", r.Notes, NotesWidth);
    }
};

// A gasoline log entry (Gas.Dat). It has no description, so its notes are
// its marker field.
struct GasRecord
{
    static constexpr int Length = 1000;
    static constexpr int NotesWidth = 976;

    double RideKey = 0;
    double EntryDate = 0;
    float Gallons = 0;
    qint32 Miles = 0;
    QString Notes; // the marker field

    QString &markerField() { return Notes; }
    const QString &markerField() const { return Notes; }

    bool operator==(const GasRecord &) const = default;

    template<class Record, class Visitor>
    static void visitFields(Record &r, Visitor &v)
    {
        v.key("RideKey", r.RideKey);
        v.date("EntryDate", r.EntryDate);
        v.single("Gallons", r.Gallons);
        v.long32("Miles", r.Miles);
        v.text("Notes", r.Notes, NotesWidth);
    }
};

template<class Record>
concept DataRecord = requires(Record r, const Record cr) {
    { Record::Length } -> std::convertible_to<int>;
    { r.RideKey } -> std::convertible_to<double>;
    { r.markerField() } -> std::same_as<QString &>;
    { cr.markerField() } -> std::same_as<const QString &>;
};

// Encodes a record into its Record::Length bytes at `bytes`.
template<DataRecord Record>
void encodeRecord(const Record &record, char *bytes)
{
    FieldCodec::FieldEncoder encoder(bytes);
    Record::visitFields(record, encoder);
}

template<DataRecord Record>
QByteArray encodeRecord(const Record &record)
{
    QByteArray bytes(Record::Length, Qt::Uninitialized);
    encodeRecord(record, bytes.data());
    return bytes;
}

// Decodes Record::Length bytes at `bytes` into a record.
template<DataRecord Record>
void decodeRecord(const char *bytes, Record &record)
{
    FieldCodec::FieldDecoder decoder(bytes);
    Record::visitFields(record, decoder);
}

template<DataRecord Record>
Record decodeRecord(const char *bytes)
{
    Record record;
    decodeRecord(bytes, record);
    return record;
}

// The keep tests of a compaction.
template<DataRecord Record>
bool IsMarked(const Record &record)
{
    return IsKillMarker(record.markerField());
}

// The same told from a record's bytes, without decoding it.
bool IsKillMarker(const char *field, int width);

template<DataRecord Record>
bool IsMarkedRecord(const char *bytes)
{
    static const FieldCodec::FieldPlace marker = [] {
        const Record record;
        FieldCodec::FieldPlace place(&record.markerField());
        Record::visitFields(record, place);
        return place;
    }();
    return IsKillMarker(bytes + marker.offset(), marker.width());
}

template<DataRecord Record>
void Mark(Record &record)
{
    record.markerField() = KillMarker;
}

// Keeps the records that are not marked deleted.
struct KeepUnmarked
{
    template<DataRecord Record>
    bool operator()(const Record &record) const { return !IsMarked(record); }
};

// Keeps the records that do not belong to the ride with the given key (exact
// equality of the two doubles: a key is copied, never recomputed).
struct KeepOtherRides
{
    double rideKey;

    template<DataRecord Record>
    bool operator()(const Record &record) const { return record.RideKey != rideKey; }
};
