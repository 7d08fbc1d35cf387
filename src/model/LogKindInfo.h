#pragma once

#include "store/LogKind.h"

#include <QString>
#include <Qt>

#include <array>

// One visible column of a log's list.
struct LogColumn
{
    QString title;
    Qt::AlignmentFlag alignment;
    int widthTwips; // 0: as wide as its title
};

// How the windows show a log.
struct LogKindInfo
{
    LogKind kind;
    QString tabCaption;    // the main window's tab of the log
    std::array<LogColumn, 3> columns;
    int notesWidth;        // the notes field of its record
    std::array<int, 3> totalCaptions; // lblTotal indices of its totals; 0 for none
};

const LogKindInfo &logKindInfo(LogKind kind);
