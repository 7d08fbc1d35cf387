#pragma once

#include "data/FileStatus.h"

#include <functional>

namespace StoreFiles {

// The part of a change that a second store makes, Torqal.db: it runs once
// the data files are written and flushed, and notes `changeId` as finished
// in the same transaction as its own part (see WriteJournal::decideBy). Its
// failure takes the whole change back.
using SecondPart = std::function<FileStatus(quint64 changeId)>;

} // namespace StoreFiles
