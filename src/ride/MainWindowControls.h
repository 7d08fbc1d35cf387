#pragma once

#include <QColor>
#include <QString>

#include <array>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QWidget;
class QorButton;

// Every control of the main window, by its name. Indexed controls keep their
// indices: lblField[i] and txtField[i] for i = 1 to 31, lbl[0] to lbl[4],
// grid[1] to grid[4], lblTotal[1] to lblTotal[6]; index 0 of the arrays that
// start at 1 stays empty. Each control's object name is its name, e.g.
// "txtField(8)", "grid(4)", "cmdRideAdd". The field pairs 8 to 27 of the
// ride's pages "Bought/Sold" and "Misc Info/Notes" exist once those pages
// are complete (RideView::completePages), the controls of the four log pages
// (lbl, grid, lblTotal and the log commands from index 1, fields 28 to 31)
// once theirs are (MainWindowLogs::completePages).
struct MainWindowControls
{
    QTabWidget *MainTab = nullptr;
    QLabel *lblRideName = nullptr;
    QLabel *lblTabsNotAvailable = nullptr;
    QPushButton *cmdReminders = nullptr; // the notice of the ride's reminders, under its name
    QPushButton *cmdRideUnits = nullptr; // "Units...", on the gasoline page once it is built
    QLabel *imgRide = nullptr;
    QLabel *lblPicture = nullptr;

    std::array<QLabel *, 32> lblField{};
    std::array<QWidget *, 32> txtField{};
    std::array<QLabel *, 5> lbl{};
    std::array<QTableView *, 5> grid{};
    std::array<QLabel *, 7> lblTotal{};

    QorButton *cmdSelectRide = nullptr;
    QorButton *cmdRideAdd = nullptr;
    QorButton *cmdRideEdit = nullptr;
    QorButton *cmdRideDelete = nullptr;
    QorButton *cmdRidePrint = nullptr;
    QorButton *cmdRideHistory = nullptr;
    QorButton *cmdRideSave = nullptr;
    QorButton *cmdRideCancel = nullptr;
    std::array<QorButton *, 3> cmdPicAddEdit{}; // [1] add, [2] change
    QorButton *cmdPicDelete = nullptr;
    QorButton *cmdLargerPic = nullptr;
    // Per log k = 1 to 4 (maintenance, goodies, trips, gasoline).
    std::array<QorButton *, 5> cmdLogAdd{};
    std::array<QorButton *, 5> cmdLogEdit{};
    std::array<QorButton *, 5> cmdLogDelete{};
    std::array<QorButton *, 5> cmdLogPrint{};
    QorButton *cmdBackup = nullptr;
    QorButton *cmdRestore = nullptr;
    QorButton *cmdHelp = nullptr;
    QorButton *cmdQuit = nullptr;
    QorButton *cmdFadeStatus = nullptr;
    QorButton *cmdEmailFriend = nullptr;

    // The text of field box i (the notes with '\n' between lines), and
    // showing the program's text in it, whole.
    QString fieldText(int i) const;
    void setFieldText(int i, const QString &text) const;

    // A locked box is read-only; in view mode every box is locked.
    bool isFieldLocked(int i) const;
    void setFieldLocked(int i, bool locked) const;

    // The look of field pair i: caption text colour and weight, box background.
    void setFieldColors(int i, const QColor &captionText, bool captionBold, const QColor &boxBackground) const;
};

// The ride's record is on tabs 0 to 2 of MainTab: "The 'Ride'", then these two.
inline constexpr int BoughtSoldTab = 1;
inline constexpr int MiscNotesTab = 2;

// Log k (1 to 4) is on tab k + 2 of MainTab.
inline constexpr int LogTabOffset = 2;

// The point sizes of the ride's name caption lblRideName: in view mode, and
// while a ride is added or edited.
namespace RideNameSize {
inline constexpr int Viewing = 12;
inline constexpr int Editing = 10;
} // namespace RideNameSize

// The colours of a field pair in view mode.
namespace ViewColors {
inline const QColor CaptionText = QColor(255, 255, 255);
inline const QColor BoxBackground = QColor(192, 255, 192);
} // namespace ViewColors
