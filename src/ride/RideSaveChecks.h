#pragma once

#include "platform/MessageBox.h"
#include "model/RideFieldValues.h"

#include <QLocale>

#include <optional>

// Why a ride cannot be saved as typed: the message to show, then the tab to
// select and the box to give the focus.
struct SaveRefusal
{
    MessageBox::Request message;
    int tab;
    int box;
};

// Whether a date box's text is a date in the user's locale: nothing when it
// is, otherwise the "Unrecognizable Date" message to show.
std::optional<MessageBox::Request> CheckDateText(const QString &text, const QLocale &locale = QLocale());

// The checks before a ride is saved, in their order: the purchase date, the
// selling date (each only when not empty), the two prices (a number too
// large for the ride file is refused; text that is no number stores 0), year,
// make and model present, and the make not the text that marks deleted
// rides. Dates and prices are checked only when their box was changed from
// what it `shown` (what the program showed is stored as it was). The boxes
// are already trimmed. Nothing when the ride can be saved.
std::optional<SaveRefusal> CheckRideBoxes(const RideBoxTexts &shown, const RideBoxTexts &boxes,
                                          const QLocale &locale = QLocale());
