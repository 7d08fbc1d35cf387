#include "ride/MainWindowControls.h"

#include "ui/FieldBoxes.h"
#include "ui/NotesBox.h"

#include <QLabel>
#include <QLineEdit>

QString MainWindowControls::fieldText(int i) const
{
    if (const auto *line = qobject_cast<const QLineEdit *>(txtField[i]))
        return line->text();
    return static_cast<const NotesBox *>(txtField[i])->shownText();
}

void MainWindowControls::setFieldText(int i, const QString &text) const
{
    if (auto *line = qobject_cast<QLineEdit *>(txtField[i]))
        FieldBoxes::setText(line, text);
    else
        static_cast<NotesBox *>(txtField[i])->setShownText(text);
}

bool MainWindowControls::isFieldLocked(int i) const
{
    if (const auto *line = qobject_cast<const QLineEdit *>(txtField[i]))
        return line->isReadOnly();
    return static_cast<const NotesBox *>(txtField[i])->isReadOnly();
}

void MainWindowControls::setFieldLocked(int i, bool locked) const
{
    if (auto *line = qobject_cast<QLineEdit *>(txtField[i]))
        line->setReadOnly(locked);
    else
        static_cast<NotesBox *>(txtField[i])->setReadOnly(locked);
}

void MainWindowControls::setFieldColors(int i, const QColor &captionText, bool captionBold,
                                        const QColor &boxBackground) const
{
    QLabel *caption = lblField[i];
    QPalette captionPalette = caption->palette();
    captionPalette.setColor(QPalette::WindowText, captionText);
    caption->setPalette(captionPalette);
    QFont font = caption->font();
    font.setBold(captionBold);
    caption->setFont(font);

    QWidget *box = txtField[i];
    QPalette boxPalette = box->palette();
    boxPalette.setColor(QPalette::Base, boxBackground);
    box->setPalette(boxPalette);
}
