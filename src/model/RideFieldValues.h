#pragma once

#include "data/Records.h"
#include "model/RideFields.h"

#include <QLocale>
#include <QString>

#include <array>

// The texts of the main window's ride boxes, txtField(1) to txtField(27),
// and the ride record fields behind them. Index 0 stays unused.
using RideBoxTexts = std::array<QString, RideFields::LastRideBox + 1>;

namespace RideFieldValues {

// A box's text as the program keeps it: without the blanks at either end,
// except that notes (the ride's, and the logs' boxes after it) keep the
// blanks they start with.
QString TrimmedBoxText(int box, const QString &text);

// What each box shows of the record: text trimmed as above; a date other
// than 0 as "mm/dd/yyyy", 0 as nothing; an amount other than 0 as
// "$##,##0.00", otherwise nothing. The notes box breaks its lines with a
// line feed where the record has CR LF.
RideBoxTexts BoxTextsOf(const RideRecord &ride, const QLocale &locale = QLocale());

// Stores in the record the boxes whose text the user changed, that is, whose
// text differs from the text the box `shown` when the ride was shown (all
// empty for a new ride). Every other field keeps what the record holds, to
// the byte: a cost of 12.345678 shown as $12.35, a date with its time of day.
// A changed box is stored as: text trimmed as above (the record cuts it to its field's
// width); a date box empty or no date gives 0, else the date read from it (a
// time of day becomes the fraction); a price box that holds no number gives
// 0, else the amount rounded to four decimals; the notes' line breaks become
// CR LF. The picture path is stored as given.
void StoreBoxTexts(const RideBoxTexts &shown, const RideBoxTexts &boxes, const QString &picturePath,
                   RideRecord &ride, const QLocale &locale = QLocale());

} // namespace RideFieldValues
