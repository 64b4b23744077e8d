#pragma once

#include "KivoDataExport.h"

#include <QString>

class KIVODATA_EXPORT CConstantData
{
public:
    // Folder holding the senders' background pictures: the project's own, or
    // the host's fallback when the project leaves it empty.
    QString GetBKImagePath() const
    {
        return m_strBackgroundFolder.isEmpty() ? m_strFallbackFolder : m_strBackgroundFolder;
    }
    // File name of a sender's background picture; with bFullPath, inside GetBKImagePath().
    QString GetSenderBKImgName(int nSenderIndex, bool bFullPath) const;

    // As the project file holds it; empty means the fallback.
    QString GetStoredBKImagePath() const { return m_strBackgroundFolder; }
    void SetBKImagePath(const QString& strFolder) { m_strBackgroundFolder = strFolder; }
    // Resolved when used, never stored, so a moved project follows its folder.
    void SetFallbackBKImagePath(const QString& strFolder) { m_strFallbackFolder = strFolder; }

private:
    QString m_strBackgroundFolder;
    QString m_strFallbackFolder;
};
