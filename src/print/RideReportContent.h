#pragma once

#include "print/PrintLayout.h"
#include "print/RideReport.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <array>

// The ride's picture as the larger-picture window shows it: its title (the
// ride's name as the main window shows it), the picture, and the frame it is
// fitted into, in twips. No picture is a null image.
struct LargerPicture
{
    QString title;
    QImage image;
    QSize frame;
};

// Everything the ride report prints, as the main window shows it when the
// print options open: the ride's heading values (the time of printing is
// filled in by each run), the fields from "Style" to "Key Code#" with their
// captions, the notes with their caption, the picture, and the four logs as
// their lists show them, maintenance first.
struct RideReportContent
{
    RideHeading ride;
    QList<RideField> fields;
    QString notesCaption;
    QString notes;
    LargerPicture picture;
    std::array<LogList, 4> logs;
};
