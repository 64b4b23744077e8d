#include "ProjectData.h"

#include "HostCallLog.h"

CSender* CProjectData::GetSender(int nIndex)
{
    return nIndex >= 0 && nIndex < m_vecSenders.size() ? &m_vecSenders[nIndex] : nullptr;
}

void CProjectData::SetDemoModeEnable(bool bEnable)
{
    CHostCallLog::Instance().Record("CProjectData::SetDemoModeEnable", {bEnable});
    m_bDemoMode = bEnable;
}

void CProjectData::SetDemoSenderType(int nType)
{
    CHostCallLog::Instance().Record("CProjectData::SetDemoSenderType", {nType});
    m_nDemoSenderType = nType;
}

void CProjectData::ResetSenders(const QVector<CSender>& vecSenders)
{
    m_vecSenders = vecSenders;
    if (m_nCurSenderIndex >= m_vecSenders.size())
        m_nCurSenderIndex = 0;
}

void CProjectData::LoadDemoState(bool bDemoMode, int nDemoSenderType)
{
    m_bDemoMode = bDemoMode;
    m_nDemoSenderType = nDemoSenderType;
}
