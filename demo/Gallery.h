#pragma once

#include <QString>

namespace Gallery {
// Opens every demo entry offscreen, saves a PNG of each into strFolder and
// prints the paths. Returns the process exit code.
int Write(const QString& strFolder);
} // namespace Gallery
