#pragma once

#include "Sender.h"

#include <QVector>

class KIVODATA_EXPORT CProjectData
{
public:
    int GetCurSenderIndex() const { return m_nCurSenderIndex; }
    void SetCurSenderIndex(int nIndex) { m_nCurSenderIndex = nIndex; }

    int GetSenderCount() const { return m_vecSenders.size(); }
    // Null for an index outside the project.
    CSender* GetSender(int nIndex);
    CSender* GetCurrentSender() { return GetSender(m_nCurSenderIndex); }

    bool GetDemoModeEnable() const { return m_bDemoMode; }
    void SetDemoModeEnable(bool bEnable);
    int GetDemoSenderType() const { return m_nDemoSenderType; }
    void SetDemoSenderType(int nType);

    // Project loading (not plug-in writes, so not logged).
    void ResetSenders(const QVector<CSender>& vecSenders);
    void LoadDemoState(bool bDemoMode, int nDemoSenderType);

private:
    QVector<CSender> m_vecSenders;
    int m_nCurSenderIndex = 0;
    bool m_bDemoMode = false;
    int m_nDemoSenderType = 21;
};
