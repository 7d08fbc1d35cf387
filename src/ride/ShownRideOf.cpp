#include "ride/ShownRideOf.h"

#include "platform/ValueFormats.h"
#include "ride/RideFieldValues.h"
#include "ride/RideFields.h"
#include "store/PicturePaths.h"
#include "store/RideLabels.h"

#include <QDir>

namespace {

constexpr int FirstReportBox = 4;
constexpr int LastReportBox = 26;

} // namespace

ShownRide ShownRideOf(const RideRecord &ride)
{
    using namespace RideFieldValues;
    const RideBoxTexts boxes = BoxTextsOf(ride);
    ShownRide shown;
    shown.displayName = RideLabels::DisplayName(ride);
    shown.heading = {boxes[YearBox], boxes[MakeBox], boxes[ModelBox], boxes[RideNameBox], {}};
    for (int box = FirstReportBox; box <= LastReportBox; ++box)
        shown.information.fields.append({RideFields::caption(box), boxes[std::size_t(box)]});
    shown.information.notesCaption = RideFields::caption(RideNotesBox);
    shown.information.notes = boxes[RideNotesBox];
    // The data folder is the working folder, also of `torqal-data history`.
    shown.picturePath = PicturePaths::pictureFile(QDir::currentPath(), ValueFormats::trimBlanks(ride.PicturePath));
    return shown;
}
