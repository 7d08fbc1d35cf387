#pragma once

#include "ride/MainWindowControls.h"
#include "ride/PictureFit.h"

#include <QSize>
#include <QString>

// The main window's picture box imgRide: the picture fitted into its frame
// from the frame's top-left corner, its full path as the box's hover text,
// and the placeholder "Picture Frame" while the ride has no picture. A ride
// whose picture cannot be shown has the box say why, naming the file. The
// path itself is kept by the ride state (PicturePath), never read back from
// here.
namespace RidePictureBox {

// The picture box's frame in twips, as last fitted.
QSize Frame(const MainWindowControls &ui);

// No picture: the full frame, no path. The placeholder is left as it is.
void Clear(const MainWindowControls &ui);

// The picture fitted into the main box, with its path as the hover text.
void Show(const MainWindowControls &ui, const PictureFit::Picture &picture, const QString &path);

// Instead of the picture, the full frame says why it cannot be shown (text,
// which names the file); the file's path is the hover text.
void ShowNotShown(const MainWindowControls &ui, const QString &text, const QString &path);

// The placeholder and the picture commands for a ride with or without a
// picture; the larger-picture command only when offerLarger.
void ShowCommands(const MainWindowControls &ui, bool hasPicture, bool offerLarger);

} // namespace RidePictureBox
