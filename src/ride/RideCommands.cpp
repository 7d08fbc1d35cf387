#include "ride/RideCommands.h"

#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "ride/RideMessages.h"

RideCommands::RideCommands(const RideWindow &window, MainWindowControls &controls)
    : view(window, controls),
      menu(window, [this](qint16 n) { view.ShowRide(n); }),
      editing(window, view, menu),
      deletion(window, view, menu),
      picture(window),
      rw(window)
{
}

void RideCommands::FirstDisplay()
{
    menu.BuildRidesMenu();
    rw.state.CurrentRide = 0;
    if (rw.state.RideCount > 0)
        rw.state.CurrentRide = FirstRideToShow(Settings::value(Settings::LastRideViewedKey, QStringLiteral("1")),
                                               rw.state.RideCount);
    view.ShowRide(rw.state.CurrentRide);
}

void RideCommands::TellWhenNoRides()
{
    if (rw.state.RideCount == 0)
        MessageBox::show(rw.window, RideMessages::NoRidesOnFile());
}
