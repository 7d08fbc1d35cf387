#pragma once

// The program's currency for the length of a test, the one before put back
// afterwards, so that the other tests keep writing "$12.50".

#include "platform/ValueFormats.h"

class ProgramCurrency
{
public:
    explicit ProgramCurrency(const Currency &currency) : m_before(ValueFormats::currency()) { ValueFormats::setCurrency(currency); }
    ProgramCurrency() : m_before(ValueFormats::currency()) {}
    ~ProgramCurrency() { ValueFormats::setCurrency(m_before); }
    ProgramCurrency(const ProgramCurrency &) = delete;
    ProgramCurrency &operator=(const ProgramCurrency &) = delete;

    // A currency written so.
    static Currency of(const QString &symbol, Currency::Side side, bool spaced)
    {
        Currency currency;
        currency.symbol = symbol;
        currency.side = side;
        currency.spaced = spaced;
        return currency;
    }

private:
    Currency m_before;
};
