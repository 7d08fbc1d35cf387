#include "ride/RidePicture.h"

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "ride/ModalDimming.h"
#include "ride/RideMessages.h"
#include "ride/RidePictureBox.h"
#include "ride/frmLargePic.h"
#include "store/PicturePaths.h"
#include "ui/QorButton.h"

#include <QDir>
#include <QLabel>

#include <memory>

RidePicture::RidePicture(const RideWindow &window)
    : QObject(window.window), rw(window)
{
    for (int index = 1; index <= 2; ++index)
        connect(rw.ui.cmdPicAddEdit[std::size_t(index)], &QorButton::Click, this, &RidePicture::cmdPicAddEdit_Click);
    connect(rw.ui.cmdPicDelete, &QorButton::Click, this, &RidePicture::cmdpicDelete_Click);
    connect(rw.ui.cmdLargerPic, &QorButton::Click, this, &RidePicture::cmdLargerPic_Click);
}

void RidePicture::cmdPicAddEdit_Click()
{
    const MainWindowControls &ui = rw.ui;
    const bool hadPicture = !rw.state.PicturePath.isEmpty();
    // The data files are named relative to the working folder, which the
    // dialog must not move.
    const QString workingFolder = QDir::currentPath();
    ui.lblPicture->hide();
    const QString chosen = FileDialog::openFile(rw.window);
    QDir::setCurrent(workingFolder);
    if (chosen.isEmpty()) {
        ui.lblPicture->setVisible(!hadPicture);
        return;
    }

    const auto picture = PictureFit::LoadPicture(chosen);
    if (!picture) {
        // The picture box keeps the picture it showed. While a ride is added
        // or edited its path is what the save stores, so clearing it would
        // quietly drop the ride's picture.
        MessageBox::show(rw.window, RideMessages::PictureAccessError());
        ui.lblPicture->setVisible(!hadPicture);
        return;
    }
    const std::optional<QString> path = pathToKeep(chosen);
    if (!path) {
        ui.lblPicture->setVisible(!hadPicture);
        return;
    }
    // An existing ride takes the picture at once, also while it is edited; a
    // ride being added takes it when it is saved.
    if (!rw.state.AddingEntry && !rw.storePicturePath(rw.state.CurrentRide, *path)) {
        ui.lblPicture->setVisible(!hadPicture);
        return;
    }
    rw.state.PicturePath = *path;
    RidePictureBox::Show(ui, *picture, PicturePaths::pictureFile(QDir::currentPath(), *path));
    RidePictureBox::ShowCommands(ui, true, !rw.state.inEditMode());
}

// A picture inside the data folder (the working folder) is kept relative to
// it. A path the ride file cannot keep would be stored cut or with "?", and
// the picture lost at the next start: such a picture is used through a copy
// in the data folder when the user agrees. Nothing when the user declines or
// the copy fails; the ride then keeps its picture.
std::optional<QString> RidePicture::pathToKeep(const QString &chosen)
{
    const QString dataFolder = QDir::currentPath();
    const QString stored = PicturePaths::storedPath(dataFolder, chosen);
    const QStringList reasons = PicturePaths::whyNotStorable(stored);
    if (reasons.isEmpty())
        return stored;
    if (MessageBox::show(rw.window, RideMessages::CopyPicture(chosen, reasons)) != MessageBox::Button::Yes)
        return std::nullopt;
    QString copy;
    if (const FileStatus status = PicturePaths::copyIntoDataFolder(dataFolder, chosen, copy); !status) {
        rw.reportFailure(status);
        return std::nullopt;
    }
    return copy;
}

void RidePicture::cmdpicDelete_Click()
{
    const MainWindowControls &ui = rw.ui;
    if (MessageBox::show(rw.window, RideMessages::ConfirmPictureDelete()) != MessageBox::Button::Yes)
        return;
    if (!rw.state.AddingEntry && !rw.storePicturePath(rw.state.CurrentRide, QString()))
        return;
    rw.state.PicturePath.clear();
    RidePictureBox::Clear(ui);
    RidePictureBox::ShowCommands(ui, false, false);
}

void RidePicture::cmdLargerPic_Click()
{
    // The picture shown, which is the one stored for the ride.
    const QString path = PicturePaths::pictureFile(QDir::currentPath(), rw.state.PicturePath);
    auto larger = std::make_unique<frmLargePic>(rw.window);
    if (!larger->loadPicture(path)) {
        // The file went away since the ride was shown.
        MessageBox::show(rw.window, RideMessages::PictureAccessError());
        return;
    }
    larger->setDisplayName(rw.ui.lblRideName->text());
    DimAround(rw.window, [&larger] { larger->exec(); });
}
