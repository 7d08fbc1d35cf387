#include "ui/FieldBoxes.h"

#include "data/FieldText.h"

#include <QLineEdit>
#include <QValidator>

namespace FieldBoxes {

namespace {

// Checks every change of the box's text against the text before it. The
// line edit hands each change here before it shows it, so what the box does
// not take never shows.
class OneLineValidator : public QValidator
{
public:
    OneLineValidator(QLineEdit *box, int limit) : QValidator(box), m_box(box), m_limit(limit), m_before(box->text())
    {
        connect(box, &QLineEdit::textChanged, this, [this] { m_before = m_box->text(); });
    }

    void setLimit(int limit) { m_limit = limit; }
    int limit() const { return m_limit; }

    void showProgramText(const QString &text)
    {
        m_programText = true;
        m_box->setText(text);
        m_programText = false;
    }

    State validate(QString &input, int &pos) const override
    {
        if (m_programText || input == m_before)
            return Acceptable;
        const FieldText::Box box{m_limit, FieldText::Lines::One};
        const FieldText::Admitted admitted = FieldText::admit(m_before, {input, pos}, box);
        if (admitted.kept.text == input)
            return Acceptable;
        tell(m_box, FieldText::note(admitted, box));
        const QString keptPart = changeBetween(m_before, admitted.kept.text).inserted;

        // The user's edit is on the box's undo stack: refused, the box takes
        // it back whole (the selection comes back with it), and the part
        // taken goes in as an edit of its own, once the box has done so.
        const bool shown = m_box->text() == input;
        if (shown && m_box->isUndoAvailable()) {
            if (!keptPart.isEmpty())
                QMetaObject::invokeMethod(m_box, [box = m_box, keptPart] { box->insert(keptPart); },
                                          Qt::QueuedConnection);
            return Invalid;
        }
        // A text set as a whole (assistive technology asks first whether it
        // would do, or sets it outright): the part the field stores, and
        // never an empty box for a text of which it stores nothing.
        if (keptPart.isEmpty()) {
            if (!shown)
                return Invalid;
            input = m_before;
            pos = int(m_before.size());
            return Acceptable;
        }
        input = admitted.kept.text;
        pos = int(admitted.kept.cursor);
        return Acceptable;
    }

private:
    QLineEdit *m_box;
    int m_limit;
    QString m_before;
    bool m_programText = false;
};

OneLineValidator *validatorOf(const QLineEdit *box)
{
    return dynamic_cast<OneLineValidator *>(const_cast<QValidator *>(box->validator()));
}

} // namespace

void limitOneLine(QLineEdit *box, int limit)
{
    if (OneLineValidator *validator = validatorOf(box))
        validator->setLimit(limit);
    else
        box->setValidator(new OneLineValidator(box, limit));
}

int limitOf(const QLineEdit *box)
{
    const OneLineValidator *validator = validatorOf(box);
    return validator ? validator->limit() : 0;
}

void setText(QLineEdit *box, const QString &text)
{
    if (OneLineValidator *validator = validatorOf(box))
        validator->showProgramText(text);
    else
        box->setText(text);
}

Change changeBetween(QStringView before, QStringView after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype start = 0;
    while (start < shorter && before[start] == after[start])
        ++start;
    qsizetype end = 0;
    while (end < shorter - start && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    return {start, before.size() - start - end, after.mid(start, after.size() - start - end).toString()};
}

} // namespace FieldBoxes
