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

bool SChromaGroupState::operator==(const SChromaGroupState& other) const
{
    return nKey == other.nKey && strName == other.strName && arrPoints == other.arrPoints
        && arrMovable == other.arrMovable && bCustomColor == other.bCustomColor && arrColor == other.arrColor
        && bVisible == other.bVisible;
}

void CProjectData::SetResetCoef(bool bCalibration, float fValue)
{
    CHostCallLog::Instance().Record("CProjectData::SetResetCoef", {bCalibration, fValue});
    (bCalibration ? m_fCaliCoef : m_fSeamCoef) = fValue;
}

void CProjectData::SetChromaGroups(const QVector<SChromaGroupState>& vecGroups)
{
    CHostCallLog::Instance().Record("CProjectData::SetChromaGroups", {vecGroups.size()});
    m_vecChromaGroups = vecGroups;
}

QVector<SChromaGroupState> CProjectData::DefaultChromaGroups()
{
    SChromaGroupState output;
    output.nKey = 512;
    output.arrPoints = {{{0.68f, 0.32f}, {0.265f, 0.69f}, {0.15f, 0.06f}, {0.3127f, 0.329f}}};
    SChromaGroupState screen;
    screen.nKey = 768;
    screen.arrPoints = {{{0.64f, 0.33f}, {0.3f, 0.6f}, {0.15f, 0.06f}, {0.3127f, 0.329f}}};
    return {output, screen};
}

void CProjectData::LoadExtras(float fCaliCoef, float fSeamCoef, const QVector<SChromaGroupState>& vecGroups)
{
    m_fCaliCoef = fCaliCoef;
    m_fSeamCoef = fSeamCoef;
    m_vecChromaGroups = vecGroups;
}

void CProjectData::AddSender(const CSender& sender)
{
    CHostCallLog::Instance().Record(
        "CProjectData::AddSender", {sender.GetName(), sender.GetOutputPortCount()});
    m_vecSenders.append(sender);
}
