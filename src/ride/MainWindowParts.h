#pragma once

#include "model/LogKindInfo.h"
#include "ride/MainWindowControls.h"

#include <QString>

class QGridLayout;
struct LogListing;
class QLabel;
class QWidget;

// Pieces of the main window's construction, shared by its builders. Each
// page makes its controls in its reading order (top to bottom, the left
// column before the right, notes last, its commands after its last box):
// the Tab key follows the order in which they are made.
namespace MainWindowParts {

// A command button named name, carrying its stored layout.
QorButton *command(QWidget *parent, const QString &name);

// An object name with its index, e.g. indexed("txtField", 8) = "txtField(8)".
QString indexed(const char *name, int index);

// Field pair i: the caption lblField(i) at (row, column) of grid and the box
// txtField(i) beside it.
void addFieldPair(MainWindowControls &controls, int i, QWidget *page, QGridLayout *grid, int row, int column);

// Caption and box of field i made without placing them (for the notes boxes).
void makeField(MainWindowControls &controls, int i, QWidget *page);

// A caption in the window's caption look (white text on the dark background).
QLabel *caption(QWidget *parent, const QString &name, const QString &text);

// A tab page with the window's background.
QWidget *page(const QString &name);

QWidget *rideTab(MainWindowControls &controls);

// The ride's two other pages, made on their empty pages tabBoughtSold and
// tabMiscNotes: the purchase and sale field pairs 8 to 19 in two columns;
// the field pairs 20 to 26 in two columns above the ride's notes, field 27.
void buildBoughtSoldPage(MainWindowControls &controls, QWidget *page);
void buildMiscNotesPage(MainWindowControls &controls, QWidget *page);

// Log k's page tabLog(k), empty but for its background; buildLogPage then
// makes its controls: the introduction lbl(k), the list grid(k) with the
// log's four commands beside it, its total captions, the notes caption and
// box txtField(k + 27).
QWidget *emptyLogPage(LogKind kind);
void buildLogPage(MainWindowControls &controls, LogListing &listing, QWidget *page);

} // namespace MainWindowParts
