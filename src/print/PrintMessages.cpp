#include "print/PrintMessages.h"

#include "platform/Identity.h"

#include <QDir>
#include <QFileInfo>

namespace PrintMessages {

namespace {
const QString CrLf = QStringLiteral("\r\n");
}

MessageBox::Request NothingChecked()
{
    return {QStringLiteral(" Ahem... "), QStringLiteral("There's nothing checked to print!"),
            MessageBox::Icon::Warning, MessageBox::Buttons::Ok, MessageBox::Button::Ok};
}

MessageBox::Request PrintoutFailed(const QString &why)
{
    return {ApplicationTitle, QStringLiteral("The printout could not be finished.") + CrLf + CrLf + why,
            MessageBox::Icon::Critical, MessageBox::Buttons::Ok, MessageBox::Button::Ok};
}

MessageBox::Request SavedAsPdf(const QStringList &files)
{
    QString text;
    if (files.size() == 1) {
        text = QStringLiteral("No printer is installed, so the printout was saved as a PDF file:") + CrLf + CrLf
               + QDir::toNativeSeparators(files.first());
    } else {
        text = QStringLiteral("No printer is installed, so the %1 printouts were saved as PDF files in the folder:")
                   .arg(files.size())
               + CrLf + CrLf + QDir::toNativeSeparators(QFileInfo(files.first()).absolutePath());
    }
    return {ApplicationTitle, text, MessageBox::Icon::Information, MessageBox::Buttons::Ok, MessageBox::Button::Ok};
}

} // namespace PrintMessages
