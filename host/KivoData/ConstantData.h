#pragma once

#include "KivoDataExport.h"

#include <QString>

class KIVODATA_EXPORT CConstantData
{
public:
    // Folder holding the senders' background pictures.
    QString GetBKImagePath() const { return m_strBackgroundFolder; }
    // File name of a sender's background picture; with bFullPath, inside GetBKImagePath().
    QString GetSenderBKImgName(int nSenderIndex, bool bFullPath) const;

    void SetBKImagePath(const QString& strFolder) { m_strBackgroundFolder = strFolder; }

private:
    QString m_strBackgroundFolder;
};
