#pragma once

#include "help/HelpTopics.h"
#include "print/PrintDialog.h"

#include <QDialog>
#include <QList>

class PrintDevice;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QorButton;

// The built-in manual: one topic at a time, its caption above its text, a
// pop-up menu of topics and the maker's links, and printing of the shown
// topic. Each opening builds a fresh window.
class frmManual : public QDialog
{
    Q_OBJECT

public:
    // startTopic: the entry of the topic menu to show first (the main window
    // passes HelpTopics::forTab of its current tab).
    explicit frmManual(int startTopic, QWidget *owner = nullptr);
    ~frmManual() override;

    // Opens the manual modally over owner at startTopic and returns when it
    // has closed.
    static void open(QWidget *owner, int startTopic);

    // What choosing entry index of the topic menu does.
    void showTopic(int index);
    void popUpTopicMenu();
    // Prints the shown topic on the system printer (or, without one, to a
    // PDF file in the printouts folder).
    void printTopic(PrintCommand command = PrintCommand::Print);
    // Closes the window, fading it out when fading is on.
    void closeManual();

    QMenu *topicMenu() const { return menuHelpMenu; }
    int currentTopic() const { return topics.current(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTopicMenu();
    void firstActivation();
    bool printOn(PrintDevice &device);

    int firstTopic;
    bool activated = false;
    ManualTopics topics;
    QString about;

    QLabel *labelHelpTopic;
    QPlainTextEdit *txtManual;
    QorButton *cmdHelpTopic;
    QorButton *cmdPrintHelp;
    QorButton *cmdReturn;
    QMenu *menuHelpMenu;
    QList<QAction *> menuHelpTopic;
};
