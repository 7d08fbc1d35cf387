#include "ride/MainWindowParts.h"

#include "platform/Textures.h"
#include "platform/TileBackground.h"
#include "model/RideFields.h"
#include "ui/AccessibleNames.h"
#include "ui/FieldBoxes.h"
#include "ui/NotesBox.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace MainWindowParts {

namespace {

// One-line boxes come in three widths, so that the columns stay tidy: short
// for codes, dates and amounts, medium for names, long for addresses.
int boxWidth(const QWidget *box, int maxLength)
{
    const int characters = maxLength <= 10 ? 12 : maxLength <= 20 ? 20 : 26;
    return QFontMetrics(box->font()).averageCharWidth() * characters + 10;
}

} // namespace

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel *caption(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ViewColors::CaptionText);
    label->setPalette(palette);
    return label;
}

QWidget *page(const QString &name)
{
    auto *widget = new QWidget;
    widget->setObjectName(name);
    TileBackground(Textures::carbon(), widget);
    return widget;
}

void makeField(MainWindowControls &controls, int i, QWidget *parent)
{
    const RideFields::Field &field = RideFields::field(i);
    controls.lblField[i] = caption(parent, indexed("lblField", i), RideFields::caption(i));
    QWidget *box = nullptr;
    if (field.multiLine) {
        auto *notes = new NotesBox(field.maxLength, parent);
        notes->setTabChangesFocus(true);
        box = notes;
    } else {
        auto *line = new QLineEdit(parent);
        FieldBoxes::limitOneLine(line, field.maxLength);
        line->setFixedWidth(boxWidth(line, field.maxLength));
        box = line;
    }
    box->setObjectName(indexed("txtField", i));
    AccessibleNames::nameByCaption(controls.lblField[i], box);
    box->setAccessibleName(RideFields::spokenName(i));
    controls.txtField[i] = box;
    controls.setFieldLocked(i, true);
    controls.setFieldColors(i, ViewColors::CaptionText, false, ViewColors::BoxBackground);
}

void addFieldPair(MainWindowControls &controls, int i, QWidget *parent, QGridLayout *grid, int row, int column)
{
    makeField(controls, i, parent);
    QLabel *caption = controls.lblField[i];
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The caption turns bold while its box has the focus; its column is as
    // wide as the bold caption from the start, so that nothing moves then.
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(caption->text()));
    grid->addWidget(caption, row, column);
    grid->addWidget(controls.txtField[i], row, column + 1, Qt::AlignLeft);
}

} // namespace MainWindowParts
