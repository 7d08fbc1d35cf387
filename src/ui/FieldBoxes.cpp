#include "ui/FieldBoxes.h"

#include "data/FieldText.h"

#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

namespace FieldBoxes {

namespace {

// Checks every change of the box's text against the text before it. The
// line edit hands each change here before it takes it, so what the box does
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
        input = admitted.kept.text;
        pos = int(admitted.kept.cursor);
        if (const QString note = FieldText::note(admitted, box); !note.isEmpty())
            tell(m_box, note);
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

void tell(QWidget *box, const QString &note)
{
    if (NoteScript *script = NoteScript::active()) {
        script->notes.append({box, note});
        return;
    }
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), note, box, QRect(), 8000);
}

} // namespace FieldBoxes
