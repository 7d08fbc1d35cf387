#pragma once

#include "data/FileStatus.h"

// Moves a file of the working folder out of the way under the first free
// name of `pattern` ("TempFile-%1.$$$": 1, 2, ...), never replacing a file,
// and flushes the folder. `asideName` receives the name taken once the file
// is moved, also when the flush fails afterwards.
FileStatus setAsideUnderFreeName(const QString &fileName, const QString &pattern, QString &asideName);
