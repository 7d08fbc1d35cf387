#include "logs/EntryExtrasBoxes.h"

#include "logs/EditorLook.h"
#include "platform/ValueFormats.h"
#include "store/LogEntry.h"
#include "ui/AccessibleNames.h"
#include "ui/FieldBoxes.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// Positions in twips: beside the amount box, and beside the date box.
constexpr int BoxTop = 2055;
constexpr int CaptionTop = 1785;
constexpr int OdometerLeft = 1800;
constexpr int CostLeft = 3180;
constexpr int BoxWidth = 1170;
constexpr int BoxHeight = 285;
constexpr int CheckLeft = 1800;
constexpr std::array<int, 2> CheckTop = {330, 615};
constexpr int CheckWidth = 3240;
// Readings and amounts of up to twelve characters.
constexpr int BoxLimit = 12;

} // namespace

bool EntryExtrasBoxes::offeredFor(const LogEntryRequest &request)
{
    // An entry written as part of another command (a reminder marked done)
    // keeps to its record.
    return EntryExtrasForm::hasOdometer(request.kind) && !request.saveNew;
}

EntryExtrasBoxes::EntryExtrasBoxes(QWidget *editor, const LogEntryRequest &request, QLineEdit *date, QLineEdit *miles)
    : QObject(editor), m_request(request), m_date(date), m_miles(miles)
{
    m_odometer = lineBox(editor, QStringLiteral("txtOdometer"), QStringLiteral(" Odometer "), OdometerLeft);
    connect(m_odometer, &QLineEdit::textEdited, this, &EntryExtrasBoxes::fillInMiles);
    connect(m_miles, &QLineEdit::textEdited, this, [this] { m_milesFilledIn = false; });
    if (!EntryExtrasForm::hasFillUpBoxes(request.kind))
        return;
    m_cost = lineBox(editor, QStringLiteral("txtCost"), QStringLiteral(" Cost "), CostLeft);
    const auto checkBox = [&](const QString &name, const QString &text, int top) {
        auto *box = new QCheckBox(text, editor);
        box->setObjectName(name);
        box->setGeometry(EditorLook::twipsRect(CheckLeft, top, CheckWidth, BoxHeight));
        box->setAccessibleName(text);
        connect(box, &QCheckBox::toggled, this, &EntryExtrasBoxes::changed);
        return box;
    };
    m_partial = checkBox(QStringLiteral("chkPartial"), QStringLiteral("Partial fill-up"), CheckTop[0]);
    m_partial->setToolTip(QStringLiteral(" The tank was not filled: this fuel counts with the next full tank "));
    m_missed = checkBox(QStringLiteral("chkMissed"), QStringLiteral("Missed the fill-up before this one"), CheckTop[1]);
    m_missed->setToolTip(QStringLiteral(" A fill-up before this one is not in the log: no miles per gallon up to here "));
    QWidget::setTabOrder(m_odometer, m_cost);
    QWidget::setTabOrder(m_cost, m_partial);
    QWidget::setTabOrder(m_partial, m_missed);
}

QLineEdit *EntryExtrasBoxes::lineBox(QWidget *editor, const QString &name, const QString &caption, int left)
{
    auto *box = new QLineEdit(editor);
    box->setObjectName(name);
    EditorLook::restBox(box);
    box->setGeometry(EditorLook::twipsRect(left, BoxTop, BoxWidth, BoxHeight));
    FieldBoxes::limitOneLine(box, BoxLimit);
    box->installEventFilter(this);
    QLabel *label = EditorLook::caption(editor, name + QStringLiteral("Caption"), left, CaptionTop);
    label->setText(caption);
    label->adjustSize();
    AccessibleNames::nameByCaption(label, box);
    m_captions << label;
    connect(box, &QLineEdit::textChanged, this, &EntryExtrasBoxes::changed);
    return box;
}

EntryExtrasForm::Boxes EntryExtrasBoxes::boxes() const
{
    return {m_odometer->text(), m_cost ? m_cost->text() : QString(), m_partial && m_partial->isChecked(),
            m_missed && m_missed->isChecked()};
}

void EntryExtrasBoxes::show(const EntryExtrasForm::Boxes &boxes)
{
    const QSignalBlocker quiet(this);
    FieldBoxes::setText(m_odometer, boxes.odometer);
    if (m_cost) {
        FieldBoxes::setText(m_cost, boxes.cost);
        m_partial->setChecked(boxes.partial);
        m_missed->setChecked(boxes.missed);
    }
}

QWidget *EntryExtrasBoxes::box(int number) const
{
    return number == EntryExtrasForm::CostBox && m_cost ? static_cast<QWidget *>(m_cost) : m_odometer;
}

QWidget *EntryExtrasBoxes::last() const
{
    return m_missed ? static_cast<QWidget *>(m_missed) : m_odometer;
}

bool EntryExtrasBoxes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const int at = watched == m_odometer ? 0 : watched == m_cost ? 1 : -1;
        if (at >= 0)
            EditorLook::showFocus(m_captions[at], static_cast<QWidget *>(watched), event->type() == QEvent::FocusIn,
                                  m_request.adding());
    }
    return QObject::eventFilter(watched, event);
}

void EntryExtrasBoxes::fillInMiles()
{
    bool whole = false;
    const qint64 reading = m_odometer->text().trimmed().toLongLong(&whole);
    if (!whole || (!m_miles->text().isEmpty() && !m_milesFilledIn))
        return;
    const std::optional<double> day = ValueFormats::dateValueFromText(m_date->text());
    const std::optional<qint64> miles =
        EntryExtrasForm::milesSince(m_request.readings, day ? dateSortNumber(*day) : -1, reading);
    FieldBoxes::setText(m_miles, miles ? QString::number(*miles) : QString());
    m_milesFilledIn = true;
}
