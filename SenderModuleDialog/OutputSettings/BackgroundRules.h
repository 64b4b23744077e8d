#pragma once

#include <QString>

class QIODevice;

// Transparency shown to the user and opacity stored by the host, and the
// replacement of a sender's background picture.
namespace BackgroundRules {
constexpr int g_nMaxOpacity = 255;

// Percent, 0 to 100, from an opacity of 0 to 255 (rounded to the nearest percent).
int TransparencyFromOpacity(int nOpacity);
// Opacity from a transparency percent (truncated, as the host has always stored it).
int OpacityFromTransparency(int nTransparency);

// True when both names lead to the same existing file.
bool IsSameFile(const QString& strPathA, const QString& strPathB);

// True when the file decodes as a picture, whatever its name says.
bool IsReadablePicture(const QString& strPath);

// Copies all of source into a temporary file in the target's folder and
// renames it over strTarget only once it is complete and flushed. On any
// failure (a full disk, a file-size limit, a source that stops) the file that
// was at strTarget stays as it was and no temporary is left behind. A
// symbolic link at strTarget is itself replaced; the file it points to is
// never written.
bool ReplaceFile(QIODevice& source, const QString& strTarget);
bool ReplaceFile(const QString& strSource, const QString& strTarget);
} // namespace BackgroundRules
