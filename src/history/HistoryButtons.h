#pragma once

#include <QString>

class QWidget;
class QorButton;

// The command buttons of the history windows: the program's own buttons in
// the look of the window's stored layout, with captions and hover texts.
namespace HistoryButtons {

// A button whose caption is shown once loadLayout() has run.
QorButton *make(QWidget *window, const QString &name, const QString &caption, const QString &tip = QString());

// Loads the window's stored layout (which holds no captions), then shows
// every caption.
void loadLayout(QWidget *window, const QString &layoutName);

// "1 entry", "2 entries".
QString entries(std::size_t count);

} // namespace HistoryButtons
