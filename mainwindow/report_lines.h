#pragma once

// The steps of each trapped handler, by the line number that its error report quotes when the
// step fails. Every handler numbers its steps with even numbers from 100 up; steps may share a
// line.

namespace FormLoadLine {
enum : int {
    kApplySkin = 100,
    kCursorFileTest = 104,
    kLoadMouseIcon = 106,
    kHomePage = 108,
    kOlderDateText = 126,
    kNewerDateText = 128,
    kClearFullResult = 130,
    kClearYears = 132,
    kClearMonths = 134,
    kClearDays = 136,
    kOlderCalendar = 138,
    kNewerCalendar = 140,
    kCaptionAndIcon = 142,
    kAppTitle = 142,
};
} // namespace FormLoadLine

// PushButton1_Click, the Calculate command.
namespace CalculateLine {
enum : int {
    kDatesTest = 102,
    kOrderTest = 104,
    kHourglass = 104,
    kYearsComponent = 106,
    kMonthsComponent = 108,
    kDaysComponent = 110,
    kFullResult = 130,
    kYearsTotal = 132,
    kMonthsTotal = 134,
    kDaysTotal = 136,
    kDefaultPointer = 136,
    kOrderMessage = 138,
    kValidityMessage = 140,
};
} // namespace CalculateLine

// PushButton2_Click, Help.
namespace HelpLine {
enum : int { kMessage = 100 };
} // namespace HelpLine

// PushButton3_Click, the sample dates.
namespace SampleLine {
enum : int { kOlderCalendar = 100, kNewerCalendar = 102, kOlderBox = 104, kNewerBox = 106 };
} // namespace SampleLine

// PushButton4_Click, the copy to the clipboard.
namespace CopyLine {
enum : int { kCopy = 100 };
} // namespace CopyLine
