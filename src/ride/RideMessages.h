#pragma once

#include "data/FileStatus.h"
#include "platform/MessageBox.h"

#include <QString>

// The messages of the ride commands, as they are handed to the message box
// service (lines separated by CR LF).
namespace RideMessages {

// The main window opens and no ride is on file.
MessageBox::Request NoRidesOnFile();

// What the picture frame says instead of a ride's picture that cannot be
// shown (lines separated by '\n'): no file at path, or a file at path that
// is no picture the program can load.
QString PictureNotFound(const QString &path);
QString NoValidPicture(const QString &path);

// A date box holds text that is no date.
MessageBox::Request UnrecognizableDate(const QString &text);

// A price box holds a number beyond what the ride file can store.
MessageBox::Request AmountTooLarge(const QString &text);

// Year, make or model is missing on save.
MessageBox::Request InformationNeeded();

// The make typed is the text that marks deleted rides.
MessageBox::Request ReservedMake();

// The ride file holds as many rides as it can.
MessageBox::Request RideFileFull();

// The question before a ride is deleted. The aka lines appear only when the
// ride has a name of its own.
MessageBox::Request ConfirmRideDelete(const QString &year, const QString &make, const QString &model,
                                      const QString &rideName);

// A chosen picture file cannot be loaded.
MessageBox::Request PictureAccessError();

// The ride file cannot keep the chosen picture's path, for the reasons
// given: the question whether to use a copy in the data folder.
MessageBox::Request CopyPicture(const QString &path, const QStringList &reasons);

// The question before a ride's picture is removed.
MessageBox::Request ConfirmPictureDelete();

// A file operation was refused; the command stopped.
MessageBox::Request FileFailure(const FileStatus &status);

// The command's change is made, but a step after it failed (closing the
// file, flushing the folder): the status says so.
MessageBox::Request FileWarning(const FileStatus &status);

} // namespace RideMessages
