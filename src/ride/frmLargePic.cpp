#include "ride/frmLargePic.h"

#include "platform/BusyPointer.h"
#include "platform/ScreenPlacement.h"
#include "platform/Twips.h"
#include "print/PicturePrintout.h"
#include "print/PrintRun.h"
#include "ride/RideWindow.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

namespace {

constexpr int WindowWidth = 8310;
constexpr int WindowHeight = 7335;
constexpr QPoint PictureCorner{105, 735};
constexpr int ButtonTop = 105;
constexpr int ButtonWidth = 480;
constexpr int ButtonHeight = 420;
constexpr int FadeStep = 20;

QorButton *command(QWidget *window, const QString &name, int leftTwips)
{
    auto *button = new QorButton(window);
    button->setObjectName(name);
    button->setGeometry(QRect(QPoint(Twips::x(leftTwips), Twips::y(ButtonTop)), Twips::size(ButtonWidth, ButtonHeight)));
    return button;
}

} // namespace

frmLargePic::frmLargePic(QWidget *owner)
    : QDialog(owner),
      imgRide(new QLabel(this)),
      cmdPrintPic(command(this, QStringLiteral("cmdPrintPic"), PictureCorner.x())),
      cmdReturn(command(this, QStringLiteral("cmdReturn"), PictureCorner.x() + ButtonWidth + 105))
{
    setObjectName(QStringLiteral("frmLargePic"));
    ClearForFadeIn(this);
    setFixedSize(Twips::size(WindowWidth, WindowHeight));
    PlaceOnScreen(this, owner);
    imgRide->setObjectName(QStringLiteral("imgRide"));
    imgRide->setScaledContents(true);
    QString error;
    if (!LoadButtonLayout(this, QStringLiteral("frmLargePic"), &error))
        qWarning("%s", qPrintable(error));
    connect(cmdPrintPic, &QorButton::Click, this, [this] { cmdPrintPic_Click(PrintCommand::Print); });
    OfferPrintDialog(cmdPrintPic, [this] { cmdPrintPic_Click(PrintCommand::PrintTo); });
    connect(cmdReturn, &QorButton::Click, this, &frmLargePic::cmdReturn_Click);
}

bool frmLargePic::loadPicture(const QString &path)
{
    const auto picture = PictureFit::LoadPicture(path);
    if (!picture)
        return false;
    m_picture = picture->image;
    m_frame = PictureFit::FitPicture(picture->twips, PictureFit::LargerBox);
    imgRide->setGeometry(QRect(QPoint(Twips::x(PictureCorner.x()), Twips::y(PictureCorner.y())),
                               Twips::size(m_frame.width(), m_frame.height())));
    imgRide->setPixmap(QPixmap::fromImage(m_picture));
    imgRide->setToolTip(path);
    imgRide->setAccessibleName(QStringLiteral("Larger picture of the ride"));
    imgRide->show();
    return true;
}

void frmLargePic::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (activated)
        return;
    activated = true;
    setWindowTitle(tag);
    if (printOnly) {
        // Once the window is up and its modal loop runs.
        QTimer::singleShot(0, this, &frmLargePic::printAndReturn);
        return;
    }
    SetHoverText(cmdPrintPic, QStringLiteral(" Print this Picture "));
    SetHoverText(cmdReturn, QStringLiteral(" Finished Viewing "));
    if (FadesOn())
        StartFade(this, 0, 255, FadeStep, false);
}

bool frmLargePic::printPicture(PrintDevice &device) const
{
    return PrintLargerPicture(device, windowTitle(), m_picture, m_frame);
}

void frmLargePic::printAndReturn()
{
    {
        BusyPointer busy(this);
        sent = printPicture(*printOnly);
    }
    cmdReturn_Click();
}

// Prints the title and the picture on one page. A refused printout, or the
// PDF file made without a printer, is told once the window takes input again.
void frmLargePic::cmdPrintPic_Click(PrintCommand command)
{
    const std::optional<PrintDeviceFactory> devices = PrintDevicesOf(command, this, QStringLiteral("Picture"));
    if (!devices)
        return;
    PrintRun run(*devices);
    {
        BusyPointer busy(this);
        run.print(QStringLiteral("Picture"),
                  [this](PrintDevice &device) { return printPicture(device); });
    }
    run.finish(this);
}

void frmLargePic::cmdReturn_Click()
{
    if (FadesOn())
        StartFade(this, 255, 0, FadeStep, true);
    else
        close();
}
