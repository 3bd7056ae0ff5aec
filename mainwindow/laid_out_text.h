#pragma once

#include <QFont>
#include <QStaticText>
#include <QString>

// Plain text laid out once in the font it is drawn in, and kept for the program's lifetime: the
// calendars paint the same day numbers and day names at every repaint. Laid out in the drawing
// font, the text measures the same at the first paint as at every later one (a QStaticText not
// yet drawn measures itself in the default font).
const QStaticText& laidOutText(const QString& text, const QFont& font);

// Forgets every text laid out so far, so that the next paint lays each out anew, as the first
// paint of a process does.
void forgetLaidOutTexts();
