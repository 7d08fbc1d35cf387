#pragma once

#include "model/EntryExtrasForm.h"
#include "model/LogEntryRequest.h"

#include <QObject>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

// The entry editor's boxes for what an entry holds beyond its record (see
// EntryExtrasForm): the odometer reading, and for gasoline the cost and the
// partial and missed fill-up check boxes. They stand beside the editor's own
// fields, look and refuse characters as they do, and come after the amount in
// the Tab order. A reading typed fills in the miles driven since the reading
// before, as long as the miles were not typed by hand.
class EntryExtrasBoxes : public QObject
{
    Q_OBJECT

public:
    // On `editor`, for the request's log; `date` and `miles` are the editor's
    // date and amount boxes.
    EntryExtrasBoxes(QWidget *editor, const LogEntryRequest &request, QLineEdit *date, QLineEdit *miles);

    // Whether the log's editor has any of them.
    static bool offeredFor(const LogEntryRequest &request);

    EntryExtrasForm::Boxes boxes() const;
    void show(const EntryExtrasForm::Boxes &boxes);
    QWidget *box(int number) const; // EntryExtrasForm::OdometerBox, CostBox
    // The last of them in the Tab order.
    QWidget *last() const;

    QLineEdit *odometer() const { return m_odometer; }
    QLineEdit *cost() const { return m_cost; }
    QCheckBox *partial() const { return m_partial; }
    QCheckBox *missed() const { return m_missed; }

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *lineBox(QWidget *editor, const QString &name, const QString &caption, int left);
    void fillInMiles();

    const LogEntryRequest &m_request;
    QLineEdit *m_date;
    QLineEdit *m_miles;
    QLineEdit *m_odometer = nullptr;
    QLineEdit *m_cost = nullptr;
    QCheckBox *m_partial = nullptr;
    QCheckBox *m_missed = nullptr;
    QList<QLabel *> m_captions;
    bool m_milesFilledIn = false; // the miles box holds what a reading filled in
};
