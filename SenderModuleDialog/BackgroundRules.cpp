#include "BackgroundRules.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtMath>

namespace BackgroundRules {

int TransparencyFromOpacity(int nOpacity)
{
    // Never exactly halfway: 255 divides 200 × opacity only for multiples of 51.
    return 100 - qRound(nOpacity * 100.0 / c_nMaxOpacity);
}

int OpacityFromTransparency(int nTransparency)
{
    return (100 - nTransparency) * c_nMaxOpacity / 100;
}

bool IsSameFile(const QString& strPathA, const QString& strPathB)
{
    const QString strCanonicalA = QFileInfo(strPathA).canonicalFilePath();
    return !strCanonicalA.isEmpty() && strCanonicalA == QFileInfo(strPathB).canonicalFilePath();
}

bool ReplaceFile(QIODevice& source, const QString& strTarget)
{
    QSaveFile target(strTarget);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    qint64 nRead = 0;
    while ((nRead = source.read(buffer, sizeof(buffer))) > 0) {
        if (target.write(buffer, nRead) != nRead)
            return false; // the uncommitted temporary file goes with target
    }
    return nRead == 0 && target.commit();
}

bool ReplaceFile(const QString& strSource, const QString& strTarget)
{
    QFile source(strSource);
    return source.open(QIODevice::ReadOnly) && ReplaceFile(source, strTarget);
}

} // namespace BackgroundRules
