#pragma once

class QStyle;

// The system's own widget style where Qt has one (Windows' "windowsvista"), for what the design
// leaves to the system: message boxes and the faces of push buttons. Nothing elsewhere, where
// the program's own style stands for the system's. Made once; lives as long as the application.
QStyle* systemStyle();
