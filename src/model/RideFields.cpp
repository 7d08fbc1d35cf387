#include "model/RideFields.h"

#include <array>

namespace RideFields {

namespace {
constexpr std::array<Field, Count> Fields = {{
    {" Year ", 4, false},
    {" Make ", 20, false},
    {" Model  ", 15, false},
    {" Style ", 15, false},
    {" Color ", 15, false},
    {" License# / State / Type ", 25, false},
    {" Your Ride's Name ", 25, false},
    {" Purchase Date ", 10, false},
    {" Purchased from ", 30, false},
    {" Address ", 30, false, "Seller's address"},
    {" City/State/Zip ", 30, false, "Seller's city/state/zip"},
    {" Phone # ", 20, false, "Seller's phone #"},
    {" Price Paid ", 10, false},
    {" Selling Date ", 10, false},
    {" Sold to ", 30, false},
    {" Address ", 30, false, "Buyer's address"},
    {" City/State/Zip ", 30, false, "Buyer's city/state/zip"},
    {" Phone # ", 20, false, "Buyer's phone #"},
    {" Price Sold ", 10, false},
    {" Insurance Company ", 30, false},
    {" Insurance Policy # ", 25, false},
    {" Vehicle Title # ", 25, false},
    {" VIN# ", 25, false},
    {" Engine Serial # ", 25, false},
    {" Paint Code# ", 10, false},
    {" Key Code# ", 10, false},
    {" Notes, Thoughts, Journal, etc. ", 9321, true},
    {" Notes on the Highlighted Maintenance Log... ", 2916, true},
    {" Notes on the Highlighted Goodies Log... ", 2916, true},
    {" Notes / Journal about the Highlighted Trip Log... ", 2920, true},
    {" Notes about the Highlighted Gas Entry... ", 976, true},
}};
} // namespace

const Field &field(int i)
{
    Q_ASSERT(i >= 1 && i <= Count);
    return Fields[std::size_t(i - 1)];
}

QString caption(int i)
{
    return QString::fromUtf8(field(i).caption);
}

QString spokenName(int i)
{
    const Field &box = field(i);
    return box.spokenName ? QString::fromUtf8(box.spokenName) : caption(i).trimmed();
}

int tabOf(int i)
{
    if (i <= RideNameBox)
        return 0;
    if (i <= PriceSoldBox)
        return 1;
    if (i <= LastRideBox)
        return 2;
    return i - FirstLogNotes + 3;
}

} // namespace RideFields
