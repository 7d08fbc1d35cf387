#include "model/ShownRideOf.h"

#include "model/RideFieldValues.h"
#include "model/RideFields.h"
#include "platform/ValueFormats.h"
#include "store/PicturePaths.h"
#include "store/RideLabels.h"

#include <QDir>

ShownRide ShownRideOf(const RideRecord &ride)
{
    using namespace RideFields;
    const RideBoxTexts boxes = RideFieldValues::BoxTextsOf(ride);
    ShownRide shown;
    shown.displayName = RideLabels::DisplayName(ride);
    shown.heading = {boxes[YearBox], boxes[MakeBox], boxes[ModelBox], boxes[RideNameBox], {}};
    for (int box = FirstReportBox; box <= LastReportBox; ++box)
        shown.information.fields.append({caption(box), boxes[std::size_t(box)]});
    shown.information.notesCaption = caption(RideNotesBox);
    shown.information.notes = boxes[RideNotesBox];
    // The data folder is the working folder, also of `torqal-data history`.
    shown.picturePath = PicturePaths::pictureFile(QDir::currentPath(), ValueFormats::trimBlanks(ride.PicturePath));
    return shown;
}
