#include "model/LogKindInfo.h"

#include "data/Records.h"

namespace {

const std::array<LogKindInfo, 4> &infoTable()
{
    using namespace Qt;
    static const std::array<LogKindInfo, 4> table = {{
        {LogKind::Maintenance,
         QStringLiteral("Maint./Repair"),
         {{{QStringLiteral("Date"), AlignLeft, 1150},
           {QStringLiteral("Brief Description"), AlignLeft, 5600},
           {QStringLiteral("Cost"), AlignRight, 1100}}},
         ExpenseRecord::NotesWidth,
         {1, 0, 0}},
        {LogKind::Goodies,
         QStringLiteral("Goodies"),
         {{{QStringLiteral("Date"), AlignLeft, 1150},
           {QStringLiteral("Brief Description"), AlignLeft, 5600},
           {QStringLiteral("Cost"), AlignRight, 1100}}},
         ExpenseRecord::NotesWidth,
         {2, 0, 0}},
        {LogKind::Trips,
         QStringLiteral("Trips"),
         {{{QStringLiteral("Date"), AlignLeft, 1150},
           {QStringLiteral("Brief Description"), AlignLeft, 5900},
           {QStringLiteral("Miles"), AlignLeft, 700}}},
         TripRecord::NotesWidth,
         {3, 0, 0}},
        {LogKind::Gas,
         QStringLiteral("Gas Usage/Info"),
         {{{QStringLiteral("Date"), AlignLeft, 1150},
           {QStringLiteral("Gallons"), AlignRight, 775},
           {QStringLiteral("Miles     mpg"), AlignRight, 0}}},
         GasRecord::NotesWidth,
         {4, 5, 6}},
    }};
    return table;
}

} // namespace

const LogKindInfo &logKindInfo(LogKind kind)
{
    return infoTable()[std::size_t(logIndex(kind) - 1)];
}
