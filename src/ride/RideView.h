#pragma once

#include "data/FileStatus.h"
#include "model/RideFieldValues.h"
#include "platform/Currency.h"
#include "ride/RideWindow.h"

#include <QObject>

#include <functional>
#include <optional>

// The ride part of the main window as a view of one ride: its boxes, its
// name caption, its picture and the ride commands' visibility; the colours
// and selection of the boxes while a ride is added or edited; and ShowRide,
// through which every command (re)displays a ride.
//
// The window comes on screen with the ride's pages "Bought/Sold" and "Misc
// Info/Notes" empty; completePages then makes their boxes, right after the
// window's first paint, and shows in them what the view holds for them.
// Whatever needs those boxes sooner (one of the two pages chosen, adding or
// editing a ride, the ride report) completes the pages first, through the
// same step: no box of theirs is touched before it exists.
class RideView : public QObject
{
    Q_OBJECT

public:
    // controls are rw's controls, which completePages adds the pages' boxes to.
    RideView(const RideWindow &rw, MainWindowControls &controls);

    // Makes the boxes of the pages "Bought/Sold" and "Misc Info/Notes" with
    // everything the view watches on them, and shows the ride's texts there;
    // does nothing the second time.
    void completePages();

    // Makes the four log lists follow the ride shown (CurrentRideKey).
    void setLogRefill(std::function<void()> refill) { m_refillLogs = std::move(refill); }

    // Shows ride n (0 = none): the view, CurrentRideKey, "Last Ride Viewed",
    // the four log lists, all in one step; then tab 0 with the focus.
    // Callers set CurrentRide to n first. When the ride cannot be read the
    // failure is reported and the empty view is shown, with CurrentRide 0.
    void ShowRide(qint16 n);

    // Until the window is on screen no busy guard is needed (no input or
    // pointer reaches the window yet), and the picture of a ride shown
    // waits: its box shows the empty frame, the picture commands are those
    // of a ride with a picture, and LoadHeldPicture then loads it as showing
    // the ride does. Another ride shown meanwhile drops the held picture.
    void holdPictureUntilShown() { m_holdPicture = true; }
    void LoadHeldPicture();

    // The currency changed from `before`: the prices that show the stored
    // amounts in it show them in the new one. A box the user has changed
    // keeps what was typed.
    void rewriteAmounts(const Currency &before);

    // The texts of the ride boxes as the program showed them, for telling
    // which boxes the user changed since (for boxes not made yet, the texts
    // they will show).
    const RideBoxTexts &shownTexts() const { return m_shown; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Fills the ride part of the view from ride n, with CurrentRideKey and
    // "Last Ride Viewed", or clears it for 0; sets the visibility of the ride
    // and picture commands. Fails only when the ride cannot be read.
    FileStatus LoadRideView(qint16 n);
    // The ride commands' visibility in view mode.
    void ShowRideCommands();
    void txtField_GotFocus(int i);
    void txtField_LostFocus(int i);
    void MainTab_Click(int tab);
    void clearView();
    void showBoxText(int i, const QString &text);
    FileStatus fillView(qint16 n);
    void loadPicture(const QString &path);
    void showPicture(const QString &path);
    int fieldIndexOf(QObject *box) const;

    RideWindow rw;
    MainWindowControls &m_controls;
    bool m_pagesComplete = false;
    std::function<void()> m_refillLogs;
    int m_visitedBox = 0; // the box with the focus look, 0 for none
    RideBoxTexts m_shown;
    bool m_holdPicture = false;
    std::optional<QString> m_heldPicture; // the path of the picture held
};
