#include "model/RideFieldValues.h"

#include "platform/LineBreaks.h"
#include "platform/ValueFormats.h"

#include <utility>

namespace RideFieldValues {

using namespace RideFields;

namespace {

using TextField = QString RideRecord::*;

// The text field behind each box; null for the two dates and the two prices.
constexpr std::array<TextField, LastRideBox + 1> TextFields = {
    nullptr,
    &RideRecord::Year,
    &RideRecord::Make,
    &RideRecord::Model,
    &RideRecord::Style,
    &RideRecord::Color,
    &RideRecord::LicenseStateType,
    &RideRecord::RideName,
    nullptr, // PurchaseDate
    &RideRecord::PurchasedFrom,
    &RideRecord::PurchaseAddress,
    &RideRecord::PurchaseCityStateZip,
    &RideRecord::PurchasePhone,
    nullptr, // PricePaid
    nullptr, // SellingDate
    &RideRecord::SoldTo,
    &RideRecord::SoldToAddress,
    &RideRecord::SoldToCityStateZip,
    &RideRecord::SoldToPhone,
    nullptr, // PriceSold
    &RideRecord::InsuranceCompany,
    &RideRecord::InsurancePolicy,
    &RideRecord::TitleNumber,
    &RideRecord::VIN,
    &RideRecord::EngineSerial,
    &RideRecord::PaintCode,
    &RideRecord::KeyCode,
    &RideRecord::Notes,
};

// The notes box breaks lines with a line feed; the record with CR LF.
QString notesForBox(const QString &notes)
{
    QString text = notes;
    return text.replace(CrLf, QStringLiteral("\n"));
}

QString notesForRecord(const QString &box)
{
    return notesForBox(box).replace(QLatin1Char('\n'), CrLf);
}

double dateFromBox(const QString &text, const QLocale &locale)
{
    if (text.isEmpty())
        return 0;
    return ValueFormats::dateValueFromText(text, locale).value_or(0);
}

} // namespace

QString TrimmedBoxText(int box, const QString &text)
{
    return box >= RideNotesBox ? ValueFormats::trimTrailingBlanks(text) : ValueFormats::trimBlanks(text);
}

RideBoxTexts BoxTextsOf(const RideRecord &ride, const QLocale &locale)
{
    using namespace ValueFormats;
    RideBoxTexts boxes;
    for (int i = 1; i <= LastRideBox; ++i) {
        if (const TextField field = TextFields[std::size_t(i)])
            boxes[std::size_t(i)] = TrimmedBoxText(i, ride.*field);
    }
    boxes[RideNotesBox] = notesForBox(boxes[RideNotesBox]);
    boxes[PurchaseDateBox] = dateTextWhenSet(ride.PurchaseDate, locale);
    boxes[SellingDateBox] = dateTextWhenSet(ride.SellingDate, locale);
    boxes[PricePaidBox] = moneyTextWhenSet(ride.PricePaid, locale);
    boxes[PriceSoldBox] = moneyTextWhenSet(ride.PriceSold, locale);
    return boxes;
}

void StoreBoxTexts(const RideBoxTexts &shown, const RideBoxTexts &boxes, const QString &picturePath,
                   RideRecord &ride, const QLocale &locale)
{
    using namespace ValueFormats;
    const auto changed = [&](int i) { return boxes[std::size_t(i)] != shown[std::size_t(i)]; };
    for (int i = 1; i <= LastRideBox; ++i) {
        if (const TextField field = TextFields[std::size_t(i)]; field && changed(i))
            ride.*field = TrimmedBoxText(i, boxes[std::size_t(i)]);
    }
    if (changed(RideNotesBox))
        ride.Notes = notesForRecord(ride.Notes);
    for (const auto &[box, date] : {std::pair{PurchaseDateBox, &RideRecord::PurchaseDate},
                                    std::pair{SellingDateBox, &RideRecord::SellingDate}}) {
        if (changed(box))
            ride.*date = dateFromBox(trimBlanks(boxes[std::size_t(box)]), locale);
    }
    for (const auto &[box, price] : {std::pair{PricePaidBox, &RideRecord::PricePaid},
                                     std::pair{PriceSoldBox, &RideRecord::PriceSold}}) {
        if (changed(box))
            ride.*price = moneyFromText(boxes[std::size_t(box)], locale).value_or(0);
    }
    ride.PicturePath = picturePath;
}

} // namespace RideFieldValues
