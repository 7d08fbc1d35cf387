#include "ride/RidePictureBox.h"

#include "platform/Twips.h"
#include "ui/QorButton.h"

#include <QLabel>
#include <QPixmap>

namespace RidePictureBox {

namespace {

const char *const FrameProperty = "frameTwips";
// Pixels between the frame and the text that stands in for a picture.
constexpr int NotShownMargin = 8;

void setFrame(const MainWindowControls &ui, QSize twips)
{
    ui.imgRide->setProperty(FrameProperty, twips);
    ui.imgRide->setGeometry(QRect(QPoint(0, 0), Twips::size(twips.width(), twips.height())));
}

} // namespace

QSize Frame(const MainWindowControls &ui)
{
    const QVariant frame = ui.imgRide->property(FrameProperty);
    return frame.isValid() ? frame.toSize() : PictureFit::MainBox;
}

void Clear(const MainWindowControls &ui)
{
    ui.imgRide->clear();
    ui.imgRide->setMargin(0);
    ui.imgRide->setToolTip(QString());
    ui.imgRide->setAccessibleName(QString());
    setFrame(ui, PictureFit::MainBox);
}

void Show(const MainWindowControls &ui, const PictureFit::Picture &picture, const QString &path)
{
    setFrame(ui, PictureFit::FitPicture(picture.twips, PictureFit::MainBox));
    ui.imgRide->setScaledContents(true);
    ui.imgRide->setPixmap(QPixmap::fromImage(picture.image));
    ui.imgRide->setToolTip(path);
    ui.imgRide->setAccessibleName(QStringLiteral("Picture of the ride"));
    ui.imgRide->show();
}

void ShowNotShown(const MainWindowControls &ui, const QString &text, const QString &path)
{
    Clear(ui);
    // A path breaks after any of its slashes to fit the frame's width.
    QString wrapped = text;
    wrapped.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    ui.imgRide->setMargin(NotShownMargin);
    ui.imgRide->setText(wrapped);
    ui.imgRide->setToolTip(path);
    ui.imgRide->setAccessibleName(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    ui.imgRide->show();
}

void ShowCommands(const MainWindowControls &ui, bool hasPicture, bool offerLarger)
{
    ui.lblPicture->setVisible(!hasPicture);
    ui.cmdLargerPic->setVisible(hasPicture && offerLarger);
    ui.cmdPicAddEdit[1]->setVisible(!hasPicture);
    ui.cmdPicAddEdit[2]->setVisible(hasPicture);
    ui.cmdPicDelete->setVisible(hasPicture);
}

} // namespace RidePictureBox
