#include "print/PrintMessages.h"

#include "platform/Identity.h"
#include "platform/LineBreaks.h"
#include "print/PrintHandover.h"

#include <QDir>
#include <QFileInfo>

namespace PrintMessages {

namespace {

QString folderOf(const QStringList &files)
{
    return QDir::toNativeSeparators(QFileInfo(files.first()).absolutePath());
}

// A paragraph naming printouts one a line, or nothing without any.
QString printoutsParagraph(const QString &heading, const QStringList &printouts)
{
    if (printouts.isEmpty())
        return {};
    return CrLf + CrLf + heading + CrLf + printouts.join(CrLf);
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

MessageBox::Request NotHandedOver(const HandoverResult &handover)
{
    const bool refused = handover.answer == PrintQueues::Answer::Refused;
    QString text = refused ? QStringLiteral("The printout could not be finished.") + CrLf + CrLf + handover.why
                           : QStringLiteral("The printer \"%1\" has not confirmed the printout \"%2\". %3")
                                     .arg(handover.stoppedAt.printer, handover.stoppedAt.title, handover.why)
                                 + CrLf + CrLf
                                 + QStringLiteral("It may still come out: look at the printer's queue before you "
                                                  "print it again.");
    text += printoutsParagraph(QStringLiteral("These printouts went to the printer before it:"), handover.printed);
    text += printoutsParagraph(QStringLiteral("These printouts were not sent:"), handover.notSent);
    return {ApplicationTitle, text, refused ? MessageBox::Icon::Critical : MessageBox::Icon::Warning,
            MessageBox::Buttons::Ok, MessageBox::Button::Ok};
}

MessageBox::Request SavedAsPdf(const QStringList &files, const QString &why)
{
    // "No printer is installed, so the printout was saved" or, for files the
    // user asked for, "The printout was saved".
    const auto sentence = [&why](const QString &rest) {
        return why.isEmpty() ? rest.at(0).toUpper() + rest.mid(1) : why + QStringLiteral(", so ") + rest;
    };
    QString text;
    if (files.size() == 1) {
        text = sentence(QStringLiteral("the printout was saved as a PDF file:")) + CrLf + CrLf
               + QDir::toNativeSeparators(files.first());
    } else {
        text = sentence(QStringLiteral("the %1 printouts were saved as PDF files in the folder:").arg(files.size()))
               + CrLf + CrLf + folderOf(files);
    }
    return {ApplicationTitle, text, MessageBox::Icon::Information, MessageBox::Buttons::Ok, MessageBox::Button::Ok};
}

} // namespace PrintMessages
