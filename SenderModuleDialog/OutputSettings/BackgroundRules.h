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

// Largest picture a canvas can show.
constexpr int g_nMaxPictureWidth = 32768;
constexpr int g_nMaxPictureHeight = 16384;

enum enPictureCheck
{
    PictureReadable,
    PictureUnreadable, // no picture, whatever its name says, or not a plain file
    PictureTooLarge,
};
// Judged from the file's header; the picture itself is not decoded.
enPictureCheck CheckPicture(const QString& strPath);

// Copies all of source into a temporary file in the target's folder and
// renames it over strTarget only once it is complete and flushed. On any
// failure (a full disk, a file-size limit, a source that stops) the file that
// was at strTarget stays as it was and no temporary is left behind. A
// symbolic link at strTarget is itself replaced; the file it points to is
// never written.
bool ReplaceFile(QIODevice& source, const QString& strTarget);
bool ReplaceFile(const QString& strSource, const QString& strTarget);
} // namespace BackgroundRules
