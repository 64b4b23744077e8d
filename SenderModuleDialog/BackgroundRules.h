#pragma once

#include <QString>

class QIODevice;

// Transparency shown to the user and opacity stored by the host, and the
// replacement of a sender's background picture.
namespace BackgroundRules {
constexpr int c_nMaxOpacity = 255;

// Percent, 0 to 100, from an opacity of 0 to 255 (rounded to the nearest percent).
int TransparencyFromOpacity(int nOpacity);
// Opacity from a transparency percent (truncated, as the host has always stored it).
int OpacityFromTransparency(int nTransparency);

// True when both names lead to the same existing file.
bool IsSameFile(const QString& strPathA, const QString& strPathB);

// Copies all of source into strTarget through a temporary file in the target's
// folder that is renamed over strTarget only once complete: on any failure the
// file that was at strTarget stays as it was and no temporary is left behind.
bool ReplaceFile(QIODevice& source, const QString& strTarget);
bool ReplaceFile(const QString& strSource, const QString& strTarget);
} // namespace BackgroundRules
