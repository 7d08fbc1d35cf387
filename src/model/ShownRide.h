#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The ride a printout is about, as the main window shows it.
struct RideHeading
{
    QString year;
    QString make;
    QString model;
    QString rideName;
    QDateTime printedAt;
};

// One field of the ride as the main window shows it: its label's caption and
// its text.
struct RideField
{
    QString caption;
    QString text;
};

// The ride's basic information: the fields from "Style" to "Key Code#" in the
// order of the ride view, and, when the notes are to be printed too, the
// notes with the caption of their label.
struct BasicInformation
{
    QList<RideField> fields;
    bool withNotes = false;
    QString notesCaption;
    QString notes;
};

// The ride as the main window shows it: the name it goes by, the heading of
// its printouts, its fields with their captions and its notes, its picture.
struct ShownRide
{
    QString displayName;
    RideHeading heading;
    BasicInformation information;
    QString picturePath;
};
