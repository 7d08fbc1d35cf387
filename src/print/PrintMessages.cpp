#include "print/PrintMessages.h"

#include "platform/Identity.h"

#include <QDir>
#include <QFileInfo>

namespace PrintMessages {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString folderOf(const QStringList &files)
{
    return QDir::toNativeSeparators(QFileInfo(files.first()).absolutePath());
}

} // namespace

MessageBox::Request NothingChecked()
{
    return {QStringLiteral(" Ahem... "), QStringLiteral("There's nothing checked to print!"),
            MessageBox::Icon::Warning, MessageBox::Buttons::Ok, MessageBox::Button::Ok};
}

MessageBox::Request PrintoutFailed(const QString &why, const QStringList &pdfFilesBefore)
{
    QString text = QStringLiteral("The printout could not be finished.") + CrLf + CrLf + why;
    if (!pdfFilesBefore.isEmpty())
        text += CrLf + CrLf + QStringLiteral("The printouts before it were saved as PDF files in the folder:") + CrLf
                + folderOf(pdfFilesBefore);
    return {ApplicationTitle, text, MessageBox::Icon::Critical, MessageBox::Buttons::Ok, MessageBox::Button::Ok};
}

MessageBox::Request SavedAsPdf(const QStringList &files, const QString &why)
{
    const QString reason = why.isEmpty() ? QStringLiteral("No printer is installed") : why;
    QString text;
    if (files.size() == 1) {
        text = reason + QStringLiteral(", so the printout was saved as a PDF file:") + CrLf + CrLf
               + QDir::toNativeSeparators(files.first());
    } else {
        text = reason
               + QStringLiteral(", so the %1 printouts were saved as PDF files in the folder:").arg(files.size())
               + CrLf + CrLf + folderOf(files);
    }
    return {ApplicationTitle, text, MessageBox::Icon::Information, MessageBox::Buttons::Ok, MessageBox::Button::Ok};
}

} // namespace PrintMessages
