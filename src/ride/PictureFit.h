#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Ride pictures: loading a picture file with its natural size, and fitting
// it into a picture box. Sizes are in twips (1/1440 inch).
namespace PictureFit {

// The main window's picture box and the larger-picture window's fitting box.
inline constexpr QSize MainBox{4530, 4110};
inline constexpr QSize LargerBox{8000, 6000};

// The frame a picture of natural size `natural` gets in a box: a landscape
// picture (wider than high) takes the box's width and height h x W / w; any
// other takes the box's height and width w x H / h. The division truncates,
// so 1000 x 950 pixels in the main box give 4530 x 4303; a landscape picture
// only slightly wider than high may come out taller than the box. An empty
// size gives an empty frame.
QSize FitPicture(QSize natural, QSize box);

struct Picture
{
    QImage image;
    QSize twips; // natural size: pixels x 1440 / the screen's logical DPI
};

// The picture in the file, or nothing when the file is missing, unreadable
// or no picture.
std::optional<Picture> LoadPicture(const QString &path);

} // namespace PictureFit
