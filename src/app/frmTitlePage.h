#pragma once

#include <QWidget>

class LinkLabel;
class QLabel;
class QorButton;
class frmMain;

// The title window: the program's name, version and maker, shown first.
// Its continue command leads through the new-user overview and the screen
// check to the main window, which then replaces it.
class frmTitlePage : public QWidget
{
    Q_OBJECT

public:
    explicit frmTitlePage(QWidget *parent = nullptr);

    void cmdContinue_Click();

    // The main window, once the continue command has made it.
    frmMain *mainWindow() const { return main; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void activateFirstTime();
    void showOverview();
    void checkScreen();
    void showMainWindow();

    QLabel *lblTitle;
    QLabel *lblDescription;
    QLabel *lblVersion;
    QLabel *lblMaker;
    QLabel *lblAddress;
    LinkLabel *lblEmail;
    LinkLabel *lblWeb;
    QorButton *cmdContinue;
    frmMain *main = nullptr;
    bool activated = false;
    bool continuing = false;
};
