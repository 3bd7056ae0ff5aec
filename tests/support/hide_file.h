#pragma once

#include <QString>

// Hides a file by the system's own rule: on Windows its hidden attribute, on Linux its name in
// the ".hidden" list of its folder.
void hideFile(const QString& path);
