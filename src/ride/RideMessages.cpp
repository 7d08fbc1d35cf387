#include "ride/RideMessages.h"

#include "data/DataFileTable.h"
#include "data/Records.h"
#include "platform/Identity.h"
#include "platform/LineBreaks.h"

#include <QStringList>

namespace RideMessages {

namespace {

MessageBox::Request okBox(const QString &title, const QStringList &lines, MessageBox::Icon icon)
{
    MessageBox::Request request;
    request.title = title;
    request.text = lines.join(CrLf);
    request.icon = icon;
    return request;
}

MessageBox::Request questionWithNoDefault(const QString &title, const QStringList &lines)
{
    MessageBox::Request request = okBox(title, lines, MessageBox::Icon::Question);
    request.buttons = MessageBox::Buttons::YesNo;
    request.defaultButton = MessageBox::Button::No;
    return request;
}

} // namespace

MessageBox::Request NoRidesOnFile()
{
    return okBox(ApplicationTitle,
                 {QStringLiteral("There are no rides currently on file."), QString(),
                  QStringLiteral("When you're ready to add a ride,"), QStringLiteral("just click on the green button"),
                  QStringLiteral("in the upper-left hand corner.")},
                 MessageBox::Icon::Information);
}

QString PictureNotFound(const QString &path)
{
    return QStringLiteral("The picture was not found\nat the indicated location--\n\n(") + path + QLatin1Char(')');
}

QString NoValidPicture(const QString &path)
{
    return QStringLiteral("There is no valid picture file\nat the indicated location--\n\n(") + path + QLatin1Char(')');
}

MessageBox::Request UnrecognizableDate(const QString &text)
{
    return okBox(QStringLiteral("Unrecognizable Date"),
                 {QStringLiteral("I don't recognize"), QString(), QStringLiteral("   ") + text, QString(),
                  QStringLiteral("as a valid date.")},
                 MessageBox::Icon::Critical);
}

MessageBox::Request AmountTooLarge(const QString &text)
{
    return okBox(QStringLiteral("Amount Too Large"),
                 {QStringLiteral("I can't store"), QString(), QStringLiteral("   ") + text, QString(),
                  QStringLiteral("as an amount of money.")},
                 MessageBox::Icon::Critical);
}

MessageBox::Request InformationNeeded()
{
    return okBox(QStringLiteral("Information needed..."),
                 {QStringLiteral("Your ride has to have, at minimum,"),
                  QStringLiteral("the 'Year', 'Make', and 'Model' information...")},
                 MessageBox::Icon::Information);
}

MessageBox::Request ReservedMake()
{
    return okBox(ApplicationTitle,
                 {QStringLiteral("The 'Make' cannot be \"%1\":").arg(KillMarker),
                  QStringLiteral("%1 uses that text to mark deleted rides.").arg(ApplicationTitle),
                  QStringLiteral("Please enter the make of your ride.")},
                 MessageBox::Icon::Warning);
}

MessageBox::Request RideFileFull()
{
    return okBox(ApplicationTitle,
                 {QStringLiteral("%1 can keep at most %2 rides,").arg(ApplicationTitle).arg(MaxRecords),
                  QStringLiteral("and that many are already on file."), QString(),
                  QStringLiteral("Delete a ride before you add a new one.")},
                 MessageBox::Icon::Warning);
}

MessageBox::Request ConfirmRideDelete(const QString &year, const QString &make, const QString &model,
                                      const QString &rideName)
{
    QStringList lines = {QStringLiteral("Are you SURE you want to delete your"), QString(),
                         year + QLatin1Char(' ') + make + QLatin1Char(' ') + model};
    if (!rideName.isEmpty())
        lines << QString() << QStringLiteral("(aka  ") + rideName + QLatin1Char(')');
    lines << QString() << QStringLiteral("from your '") + ApplicationTitle + QStringLiteral("' list?");
    return questionWithNoDefault(QStringLiteral("Confirm"), lines);
}

MessageBox::Request PictureAccessError()
{
    return okBox(QStringLiteral("File Access Error"),
                 {QStringLiteral("There is some kind of problem"),
                  QStringLiteral("in trying to access that picture file...")},
                 MessageBox::Icon::NoIcon);
}

MessageBox::Request CopyPicture(const QString &path, const QStringList &reasons)
{
    MessageBox::Request request =
        okBox(QStringLiteral("Picture Path"),
              QStringList{QStringLiteral("The ride file cannot keep the path of this picture:"), QString(),
                          QStringLiteral("   ") + path, QString()}
                  + reasons
                  + QStringList{QString(), QStringLiteral("Copy the picture into the Pictures folder of your ride data"),
                                QStringLiteral("under a short name, and use the copy?")},
              MessageBox::Icon::Question);
    request.buttons = MessageBox::Buttons::YesNo;
    request.defaultButton = MessageBox::Button::Yes;
    return request;
}

MessageBox::Request ConfirmPictureDelete()
{
    return questionWithNoDefault(QStringLiteral("Confirm Picture Delete"),
                                 {QStringLiteral("Are you SURE that you want"), QStringLiteral("to delete this picture?")});
}

MessageBox::Request FileFailure(const FileStatus &status)
{
    return okBox(ApplicationTitle,
                 {status.message() + QLatin1Char('.'), QString(), QStringLiteral("The command was stopped at that step.")},
                 MessageBox::Icon::Critical);
}

MessageBox::Request FileWarning(const FileStatus &status)
{
    return okBox(ApplicationTitle, {status.message()}, MessageBox::Icon::Warning);
}

} // namespace RideMessages
