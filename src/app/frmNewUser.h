#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QorButton;

// The new-user overview: a few words about the program, shown modally after
// the title window until the user asks not to see it again.
class frmNewUser : public QDialog
{
    Q_OBJECT

public:
    explicit frmNewUser(QWidget *parent = nullptr);

    void cmdContinue_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void activateFirstTime();

    QLabel *lbl;
    QCheckBox *chk;
    QorButton *cmdContinue;
    bool activated = false;
};
