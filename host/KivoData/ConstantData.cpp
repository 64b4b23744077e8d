#include "ConstantData.h"

#include <QDir>

QString CConstantData::GetSenderBKImgName(int nSenderIndex, bool bFullPath) const
{
    const QString strName = QString("sender_%1_background.png").arg(nSenderIndex);
    return bFullPath ? QDir(GetBKImagePath()).filePath(strName) : strName;
}
