#pragma once

#include <QDialog>

class QCheckBox;
class QTreeWidget;
class QorButton;

// The list shown at start when reminders of any ride are overdue, with the
// choice not to show it at start again.
class OverdueWindow : public QDialog
{
    Q_OBJECT

public:
    struct Row
    {
        QString ride;
        QString description;
        QString standing;
    };

    explicit OverdueWindow(const QList<Row> &rows, QWidget *parent = nullptr);

    bool dontShowAtStart() const;

    QTreeWidget *list() const { return m_list; }
    QCheckBox *dontShowChoice() const { return m_dontShow; }
    QorButton *okButton() const { return m_ok; }

protected:
    // Enter is OK, as in a message box; Esc closes it too.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTreeWidget *m_list;
    QCheckBox *m_dontShow;
    QorButton *m_ok;
};
