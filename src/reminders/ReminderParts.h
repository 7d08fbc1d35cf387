#pragma once

#include <QString>

class QDialog;
class QWidget;
class QorButton;

// Pieces the reminder windows share.
namespace ReminderParts {

// A command of a reminder window: its object name (under which the window's
// stored layout gives its look and caption), the name assistive technology
// reads and its hover text.
QorButton *command(QWidget *parent, const QString &name, const QString &accessibleName, const QString &hoverText);

// Gives the window's commands their stored looks (":/layouts/<layoutName>.json").
void loadCommandLooks(QWidget *window, const QString &layoutName);

// A modal window in the program's steel look, with its object name and title.
void setUpWindow(QDialog *window, const QString &name, const QString &title);

} // namespace ReminderParts
