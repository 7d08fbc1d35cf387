#include "ride/RideSaveChecks.h"

#include "data/Records.h"
#include "platform/ValueFormats.h"
#include "ride/RideMessages.h"

namespace {

constexpr int RideTab = 0;
constexpr int BoughtSoldTab = 1;

} // namespace

std::optional<MessageBox::Request> CheckDateText(const QString &text, const QLocale &locale)
{
    if (ValueFormats::isDateText(text, locale))
        return std::nullopt;
    return RideMessages::UnrecognizableDate(text);
}

std::optional<SaveRefusal> CheckRideBoxes(const RideBoxTexts &shown, const RideBoxTexts &boxes,
                                          const QLocale &locale)
{
    using namespace RideFields;
    for (const int box : {PurchaseDateBox, SellingDateBox}) {
        const QString &text = boxes[box];
        if (text.isEmpty() || text == shown[box])
            continue;
        if (auto message = CheckDateText(text, locale))
            return SaveRefusal{*message, BoughtSoldTab, box};
    }
    for (const int box : {PricePaidBox, PriceSoldBox}) {
        const QString &text = boxes[box];
        if (text != shown[box] && ValueFormats::numberFromText(text, locale) && !ValueFormats::moneyFromText(text, locale))
            return SaveRefusal{RideMessages::AmountTooLarge(text), BoughtSoldTab, box};
    }
    if (boxes[YearBox].isEmpty() || boxes[MakeBox].isEmpty() || boxes[ModelBox].isEmpty())
        return SaveRefusal{RideMessages::InformationNeeded(), RideTab, YearBox};
    if (IsKillMarker(boxes[MakeBox]))
        return SaveRefusal{RideMessages::ReservedMake(), RideTab, MakeBox};
    return std::nullopt;
}
