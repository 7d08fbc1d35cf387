#pragma once

#include <QDialog>

class QCheckBox;
class QTreeWidget;
class QorButton;

// The list shown at start when reminders of any ride are overdue, with the
// choice not to show it at start again. Enter or a double-click on a row
// closes the list to open that ride's reminders.
class OverdueWindow : public QDialog
{
    Q_OBJECT

public:
    struct Row
    {
        QString ride;
        QString description;
        QString standing;
        int rideNumber = 0; // in the ride file
    };

    explicit OverdueWindow(const QList<Row> &rows, QWidget *parent = nullptr);

    bool dontShowAtStart() const;
    // The ride of the row opened; 0 when the list was closed otherwise.
    int rideToOpen() const { return m_rideToOpen; }

    QTreeWidget *list() const { return m_list; }
    QCheckBox *dontShowChoice() const { return m_dontShow; }
    QorButton *okButton() const { return m_ok; }

protected:
    // Enter is OK, as in a message box, unless it opened a row of the list;
    // Esc closes the list too.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTreeWidget *m_list;
    QCheckBox *m_dontShow;
    QorButton *m_ok;
    int m_rideToOpen = 0;
};
