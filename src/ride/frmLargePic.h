#pragma once

#include "print/PrintDialog.h"
#include "ride/PictureFit.h"

#include <QDialog>

class PrintDevice;
class QLabel;
class QorButton;

// The larger-picture window: the ride's picture fitted into 8000 x 6000
// twips, titled with the ride's name, with commands to print it and to
// return. Each opening makes a new window, shown modally over the main window.
class frmLargePic : public QDialog
{
    Q_OBJECT

public:
    explicit frmLargePic(QWidget *owner);

    // Loads the picture file and fits the picture; false when the file
    // cannot be loaded.
    bool loadPicture(const QString &path);

    // The title the window takes when it first shows.
    void setDisplayName(const QString &name) { tag = name; }

    // The picture's frame in twips.
    QSize frame() const { return m_frame; }

    // Print-only mode, for the print options: on its first activation the
    // window prints the picture on device, closes itself and reports whether
    // the printout was sent.
    void setPrintPictureOnly(PrintDevice *device) { printOnly = device; }
    bool pictureSent() const { return sent; }

    void cmdPrintPic_Click(PrintCommand command = PrintCommand::Print);
    void cmdReturn_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool printPicture(PrintDevice &device) const;
    void printAndReturn();

    QLabel *imgRide;
    QorButton *cmdPrintPic;
    QorButton *cmdReturn;
    QImage m_picture;
    QSize m_frame;
    QString tag;
    bool activated = false;
    PrintDevice *printOnly = nullptr;
    bool sent = false;
};
