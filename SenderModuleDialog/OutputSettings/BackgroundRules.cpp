#include "BackgroundRules.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>
#include <QtMath>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace BackgroundRules {

int TransparencyFromOpacity(int nOpacity)
{
    // Never exactly halfway: 255 divides 200 × opacity only for multiples of 51.
    return 100 - qRound(nOpacity * 100.0 / g_nMaxOpacity);
}

int OpacityFromTransparency(int nTransparency)
{
    return (100 - nTransparency) * g_nMaxOpacity / 100;
}

bool IsSameFile(const QString& strPathA, const QString& strPathB)
{
    const QString strCanonicalA = QFileInfo(strPathA).canonicalFilePath();
    return !strCanonicalA.isEmpty() && strCanonicalA == QFileInfo(strPathB).canonicalFilePath();
}

enPictureCheck CheckPicture(const QString& strPath)
{
    // A FIFO or a device would block in open() until some process writes to it.
    if (!QFileInfo(strPath).isFile())
        return PictureUnreadable;
    QImageReader reader(strPath);
    reader.setDecideFormatFromContent(true);
    // No size: no picture in a format the reader knows, or a broken header.
    const QSize size = reader.size();
    if (size.isEmpty())
        return PictureUnreadable;
    return size.width() > g_nMaxPictureWidth || size.height() > g_nMaxPictureHeight ? PictureTooLarge
                                                                                    : PictureReadable;
}

bool ReplaceFile(QIODevice& source, const QString& strTarget)
{
    // Not QSaveFile: it writes through a symbolic link into the file the link
    // names, and it misses an error raised while flushing its buffer.
    const QFileInfo infoTarget(strTarget);
    QTemporaryFile temporary(infoTarget.absolutePath() + "/." + infoTarget.fileName() + ".XXXXXX");
    if (!temporary.open())
        return false;
    char buffer[64 * 1024];
    qint64 nRead = 0;
    while ((nRead = source.read(buffer, sizeof(buffer))) > 0) {
        if (temporary.write(buffer, nRead) != nRead)
            return false; // the temporary file removes itself
    }
    if (nRead != 0 || !temporary.flush())
        return false;
#ifdef Q_OS_UNIX
    // The new name must never stand for a file whose data a crash could lose.
    if (::fsync(temporary.handle()) != 0)
        return false;
#endif
    temporary.setPermissions(
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // rename() replaces the directory entry, a link included, in one step;
    // the temporary's own name is then gone, so its removal finds nothing.
    return std::rename(QFile::encodeName(temporary.fileName()).constData(),
               QFile::encodeName(infoTarget.absoluteFilePath()).constData())
        == 0;
}

bool ReplaceFile(const QString& strSource, const QString& strTarget)
{
    QFile source(strSource);
    return source.open(QIODevice::ReadOnly) && ReplaceFile(source, strTarget);
}

} // namespace BackgroundRules
