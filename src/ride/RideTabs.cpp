#include "ride/MainWindowParts.h"

#include "model/RideFields.h"
#include "platform/Twips.h"
#include "ui/QorButton.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

namespace MainWindowParts {

namespace {

constexpr int PictureFrameWidth = 4530;
constexpr int PictureFrameHeight = 4110;
constexpr int SelectRideWidth = 1800;
constexpr int SelectRideHeight = 615;

QGridLayout *fieldGrid()
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(7);
    return grid;
}

// The picture box imgRide inside its frame, with the placeholder caption
// "Picture Frame" in the middle while the ride has no picture.
QFrame *pictureFrame(MainWindowControls &controls, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("imgRideFrame"));
    frame->setFixedSize(Twips::size(PictureFrameWidth, PictureFrameHeight));
    frame->setFrameShape(QFrame::Box);
    frame->setStyleSheet(QStringLiteral("#imgRideFrame { background-color: rgba(0, 0, 0, 90);"
                                        " border: 1px solid rgb(150, 160, 175); }"));

    // The picture box; where the picture cannot be shown, the text that says
    // so, in the captions' colour.
    controls.imgRide = caption(frame, QStringLiteral("imgRide"), QString());
    controls.imgRide->setGeometry(QRect(QPoint(0, 0), frame->size()));
    controls.imgRide->setScaledContents(true);
    controls.imgRide->setAlignment(Qt::AlignCenter);
    controls.imgRide->setWordWrap(true);

    controls.lblPicture = caption(frame, QStringLiteral("lblPicture"), QStringLiteral("Picture Frame"));
    controls.lblPicture->setAlignment(Qt::AlignCenter);
    controls.lblPicture->setGeometry(QRect(QPoint(0, 0), frame->size()));
    QFont font = controls.lblPicture->font();
    font.setItalic(true);
    font.setPointSize(11);
    controls.lblPicture->setFont(font);
    return frame;
}

// Field pairs first to last of each range, one below the other, in two
// columns side by side.
QGridLayout *twoFieldColumns(MainWindowControls &controls, QWidget *tab, std::pair<int, int> left,
                             std::pair<int, int> right)
{
    auto *fields = fieldGrid();
    for (int i = left.first; i <= left.second; ++i)
        addFieldPair(controls, i, tab, fields, i - left.first, 0);
    fields->setColumnMinimumWidth(2, 12);
    for (int i = right.first; i <= right.second; ++i)
        addFieldPair(controls, i, tab, fields, i - right.first, 3);
    fields->setColumnStretch(5, 1);
    return fields;
}

} // namespace

QWidget *rideTab(MainWindowControls &controls)
{
    QWidget *tab = page(QStringLiteral("tabRide"));
    auto *fields = fieldGrid();
    for (int i = 1; i <= 7; ++i)
        addFieldPair(controls, i, tab, fields, i - 1, 0);
    fields->setColumnStretch(2, 1);

    controls.cmdSelectRide = command(tab, QStringLiteral("cmdSelectRide"));
    controls.cmdSelectRide->setFixedSize(Twips::size(SelectRideWidth, SelectRideHeight));
    controls.lbl[0] = caption(tab, indexed("lbl", 0), QString());
    auto *selection = new QHBoxLayout;
    selection->addWidget(controls.cmdSelectRide);
    selection->addSpacing(8);
    selection->addWidget(controls.lbl[0]);
    selection->addStretch();

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addStretch();
    left->addLayout(selection);

    for (int index = 1; index <= 2; ++index)
        controls.cmdPicAddEdit[std::size_t(index)] = command(tab, indexed("cmdPicAddEdit", index));
    controls.cmdPicDelete = command(tab, QStringLiteral("cmdPicDelete"));
    controls.cmdLargerPic = command(tab, QStringLiteral("cmdLargerPic"));
    auto *pictureCommands = new QHBoxLayout;
    pictureCommands->addStretch();
    for (QorButton *button : {controls.cmdPicAddEdit[1], controls.cmdPicAddEdit[2], controls.cmdPicDelete,
                              controls.cmdLargerPic})
        pictureCommands->addWidget(button);

    auto *right = new QVBoxLayout;
    right->addWidget(pictureFrame(controls, tab));
    right->addLayout(pictureCommands);
    right->addStretch();

    auto *layout = new QHBoxLayout(tab);
    layout->setContentsMargins(10, 12, 10, 10);
    layout->addLayout(left, 1);
    layout->addSpacing(8);
    layout->addLayout(right);
    return tab;
}

void buildBoughtSoldPage(MainWindowControls &controls, QWidget *tab)
{
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(10, 12, 10, 10);
    layout->addLayout(twoFieldColumns(controls, tab, {8, 13}, {14, 19}));
    layout->addStretch();
}

void buildMiscNotesPage(MainWindowControls &controls, QWidget *tab)
{
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(10, 12, 10, 10);
    layout->addLayout(twoFieldColumns(controls, tab, {20, 23}, {24, 26}));
    // Made after the columns above it, so that it comes last in reading order.
    makeField(controls, RideFields::RideNotesBox, tab);
    layout->addSpacing(6);
    layout->addWidget(controls.lblField[RideFields::RideNotesBox]);
    layout->addWidget(controls.txtField[RideFields::RideNotesBox], 1);
}

} // namespace MainWindowParts
