#include "model/EntryExtrasForm.h"

#include "platform/ValueFormats.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace EntryExtrasForm {

namespace {

// Amounts past a hundred billion are no fill-up's, and stay far from the
// limits of the ten-thousandths they are kept in.
constexpr double MostMoney = 1e11;

} // namespace

bool hasOdometer(LogKind kind)
{
    return kind != LogKind::Goodies;
}

bool hasFillUpBoxes(LogKind kind)
{
    return kind == LogKind::Gas;
}

Boxes boxesOf(const EntryExtras &extras)
{
    Boxes boxes;
    if (extras.odometer)
        boxes.odometer = QString::number(*extras.odometer);
    if (extras.cost)
        boxes.cost = QLocale().toString(double(*extras.cost) / 10000.0, 'f', 2);
    boxes.partial = extras.partial;
    boxes.missed = extras.missed;
    return boxes;
}

std::optional<qint64> moneyOf(const QString &text)
{
    QString digits = text;
    digits.remove(ValueFormats::currency().symbol);
    digits.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}\\x{202F}'$€£¥₹]")));
    if (digits.isEmpty())
        return std::nullopt;
    // The separator before the cents is the last "." or "," when one or two
    // digits follow it; any other is between thousands.
    const qsizetype last = std::max(digits.lastIndexOf(QLatin1Char('.')), digits.lastIndexOf(QLatin1Char(',')));
    QString whole = digits, cents;
    if (last >= 0 && digits.size() - last - 1 <= 2) {
        whole = digits.left(last);
        cents = digits.mid(last + 1);
    }
    whole.remove(QLatin1Char('.'));
    whole.remove(QLatin1Char(','));
    static const QRegularExpression number(QStringLiteral("^[0-9]*$"));
    if ((whole.isEmpty() && cents.isEmpty()) || !number.match(whole).hasMatch() || !number.match(cents).hasMatch())
        return std::nullopt;
    const double amount = (whole.isEmpty() ? 0.0 : whole.toDouble()) + (cents.isEmpty() ? 0.0 : cents.toDouble() / std::pow(10.0, double(cents.size())));
    if (!(amount <= MostMoney))
        return std::nullopt;
    return qint64(std::llround(amount * 10000.0));
}

std::optional<LogEntryForm::Problem> read(const Boxes &boxes, EntryExtras &extras)
{
    extras = EntryExtras();
    if (const QString odometer = boxes.odometer.trimmed(); !odometer.isEmpty()) {
        bool whole = false;
        QString digits = odometer;
        digits.remove(QLocale().groupSeparator());
        digits.remove(QLatin1Char(','));
        const qint64 reading = digits.toLongLong(&whole);
        if (!whole || reading < 0 || reading > MostMiles)
            return LogEntryForm::Problem{QStringLiteral("The odometer reading must be a whole number from 0 up."), OdometerBox};
        extras.odometer = reading;
    }
    if (!boxes.cost.trimmed().isEmpty()) {
        extras.cost = moneyOf(boxes.cost);
        if (!extras.cost)
            return LogEntryForm::Problem{QStringLiteral("The cost must be an amount from 0 up, such as 42.50."), CostBox};
    }
    extras.partial = boxes.partial;
    extras.missed = boxes.missed;
    return std::nullopt;
}

std::optional<qint64> milesSince(const std::vector<Reading> &readings, int dateSort, qint64 odometer)
{
    std::optional<Reading> before;
    for (const Reading &reading : readings) {
        const bool earlier = dateSort < 0 || reading.dateSort <= dateSort;
        if (earlier && (!before || reading.dateSort >= before->dateSort))
            before = reading;
    }
    if (!before || odometer < before->odometer)
        return std::nullopt;
    return odometer - before->odometer;
}

} // namespace EntryExtrasForm
