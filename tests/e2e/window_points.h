#pragma once

#include <QPoint>

// Centres of the main window's controls, in window coordinates, as the window lays them out on
// every system.
inline constexpr QPoint kText1{296, 227};
inline constexpr QPoint kText2{296, 439};
inline constexpr QPoint kText3{8 + 80 + 88, 500 + 18 + 11};
inline constexpr QPoint kHelp{136, 21};
inline constexpr QPoint kSample{400, 21};
inline constexpr QPoint kStart{268, 481};
inline constexpr QPoint kCopy{268, 602};
inline constexpr QPoint kCalendar1{16, 56}; // top-left corner
