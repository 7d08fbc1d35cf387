#pragma once

#include <QSize>
#include <QString>

class PrintDevice;
class QImage;

// Prints the larger picture of a ride as one document: its title in Arial 9
// above the picture, which is 6.25 inches wide and as high as the frame it is
// shown in is in proportion. Returns what ending the document returned.
bool PrintLargerPicture(PrintDevice &device, const QString &title, const QImage &picture, QSize frame);
