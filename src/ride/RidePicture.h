#pragma once

#include "ride/RideWindow.h"

#include <QObject>
#include <QString>

#include <optional>

// The picture commands of the ride tab: choosing a picture file for the ride
// shown (or the ride being added), removing it, and the larger view.
class RidePicture : public QObject
{
    Q_OBJECT

public:
    explicit RidePicture(const RideWindow &rw);

    void cmdPicAddEdit_Click();
    void cmdpicDelete_Click();
    void cmdLargerPic_Click();

private:
    std::optional<QString> pathToKeep(const QString &chosen);

    RideWindow rw;
};
