#pragma once

// Where things go on paper, in inches from the top-left corner of the
// printable area. Shared by every printout.
namespace PageGeometry {

inline constexpr double LeftMargin = 1.0;
inline constexpr double TopMargin = 1.0;
// Past this a line of running text ends at the next blank ...
inline constexpr double WrapAt = 6.5;
// ... and past this it ends even inside a word.
inline constexpr double HardRightLimit = 8.0;
// A page of running text takes no further line once the position passes this.
inline constexpr double LastLineAbove = 8.8;
inline constexpr double PageNumberX = 6.0;
inline constexpr double PageNumberY = 9.2;
// The foot of a page numbered "Page N of M" stands this far above the bottom
// of the printable area.
inline constexpr double FootAboveBottom = 0.75;
// Below the ride heading.
inline constexpr double BodyTop = 2.0;
// Amounts and totals are right-aligned to end here.
inline constexpr double AmountsEndAt = 7.1;
inline constexpr double DateColumn = 1.0;
inline constexpr double DescriptionColumn = 2.0;
inline constexpr double AmountColumn = 6.5;
inline constexpr double GasMilesColumn = 3.0;
// A log list goes on to a new page once an entry line leaves the position
// below this.
inline constexpr double ListPageBreakBelow = 9.0;

} // namespace PageGeometry
