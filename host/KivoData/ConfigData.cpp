#include "ConfigData.h"

#include "HostCallLog.h"

#include "Common/IPv4Text.h"

#include <QNetworkInterface>

namespace {
// Stored entries keep the text as typed; "010" is 10 there too, never octal.
quint32 ToValue(const QString& strAddress)
{
    quint32 uValue = 0;
    return IPv4Text::Parse(strAddress, &uValue) ? uValue : 0;
}

QString ToText(quint32 uAddress)
{
    return QHostAddress(uAddress).toString();
}

bool IsUnusable(quint32 uAddress)
{
    const quint32 uFirst = uAddress >> 24;
    return uAddress == 0 || uFirst == 127 || (uFirst >= 224 && uAddress != 0xFFFFFFFFu);
}
} // namespace

CConfigData::CConfigData()
{
    UseSystemLocalAddresses();
}

bool CConfigData::IsIPHasError(unsigned long ulAddress, unsigned long* pCode, bool) const
{
    ++m_nCheckCount;
    const quint32 uAddress = static_cast<quint32>(ulAddress);
    unsigned long ulCode = 0;
    if (uAddress != 0 && (uAddress >> 24) == 0)
        ulCode = IP_ERROR_ZERO_START;
    else if (IsUnusable(uAddress))
        ulCode = IP_ERROR_INVALID; // 0.0.0.0, loopback, multicast, reserved 240/4
    else if (uAddress == 0xFFFFFFFFu)
        ulCode = IP_ERROR_BROADCAST;
    else if (LocalAddresses().contains(QHostAddress(uAddress)))
        ulCode = IP_ERROR_LOCAL_PC;
    else if (m_uGateway != 0 && uAddress == m_uGateway)
        ulCode = IP_ERROR_GATEWAY;
    else if (HasSubnetEnds() && (uAddress | m_uNetmask) == 0xFFFFFFFFu)
        ulCode = IP_ERROR_BROADCAST; // host part all ones
    else if (HasSubnetEnds() && (uAddress & ~m_uNetmask) == 0)
        ulCode = IP_ERROR_INVALID; // host part all zeros: the subnet itself
    else if (IsInUse(uAddress))
        ulCode = IP_ERROR_IN_USE;
    if (ulCode != 0 && pCode)
        *pCode = ulCode;
    return ulCode != 0;
}

bool CConfigData::HasSubnetEnds() const
{
    // A /31 link has no network or broadcast address: both are hosts (RFC 3021).
    return ~m_uNetmask > 1u;
}

bool CConfigData::IsInUse(quint32 uAddress) const
{
    if (m_setErrorIPs.contains(uAddress))
        return true;
    for (const SSpecifiedIP& entry : m_vecSpecified) {
        if (ToValue(entry.strAddress) == uAddress)
            return true;
    }
    return false;
}

void CConfigData::UpdateErrorIPList()
{
    m_setErrorIPs.clear();
    for (const SSpecifiedIP& entry : m_vecSpecified)
        m_setErrorIPs.insert(ToValue(entry.strAddress));
    for (const QString& strAddress : m_listDetected)
        m_setErrorIPs.insert(ToValue(strAddress));
    m_setErrorIPs.remove(0);
}

int CConfigData::GetSpecifiedIPDWORD(unsigned long* pAddresses) const
{
    if (pAddresses) {
        for (int i = 0; i < m_vecSpecified.size(); ++i)
            pAddresses[i] = ToValue(m_vecSpecified[i].strAddress);
    }
    return m_vecSpecified.size();
}

void CConfigData::GetSpecifiedIPs(QStringList& listAddresses) const
{
    for (const SSpecifiedIP& entry : m_vecSpecified)
        listAddresses << entry.strAddress;
}

void CConfigData::AddSpecifiedIP(const QString& strAddress, const QString& strName)
{
    CHostCallLog::Instance().Record("CConfigData::AddSpecifiedIP", {strAddress, strName});
    m_vecSpecified.append(SSpecifiedIP {strAddress, strName});
}

void CConfigData::SpecifiedIPsSave()
{
    CHostCallLog::Instance().Record("CConfigData::SpecifiedIPsSave");
    m_vecSavedSpecified = m_vecSpecified;
}

QString CConfigData::GetSpecifiedIPOriginal(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_vecSpecified.size() ? m_vecSpecified[nIndex].EntryText() : QString();
}

QString CConfigData::GetSpecifiedIPWithName(int nIndex) const
{
    return GetSpecifiedIPOriginal(nIndex);
}

QString CConfigData::GetCurSetSpecifiedIPWithIndex(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_vecCurrentSet.size() ? m_vecCurrentSet[nIndex].EntryText() : QString();
}

void CConfigData::SetSpecifiedIPWithIndex(int nIndex, const QString& strAddress, const QString& strName)
{
    CHostCallLog::Instance().Record("CConfigData::SetSpecifiedIPWithIndex", {nIndex, strAddress, strName});
    if (nIndex >= 0 && nIndex < m_vecSpecified.size())
        m_vecSpecified[nIndex] = SSpecifiedIP {strAddress, strName};
}

void CConfigData::SetCurSetSpecifiedIPWithIndex(int nIndex, const QString& strAddress, const QString& strName)
{
    CHostCallLog::Instance().Record(
        "CConfigData::SetCurSetSpecifiedIPWithIndex", {nIndex, strAddress, strName});
    if (nIndex >= 0 && nIndex < m_vecCurrentSet.size())
        m_vecCurrentSet[nIndex] = SSpecifiedIP {strAddress, strName};
}

void CConfigData::SetLocalAddressSource(LocalAddressSource source)
{
    m_localAddressSource = std::move(source);
    m_bFixedLocal = false;
    m_listFixedLocal.clear();
}

void CConfigData::SetFixedLocalAddresses(const QStringList& listAddresses)
{
    QList<QHostAddress> listHostAddresses;
    for (const QString& strAddress : listAddresses)
        listHostAddresses << QHostAddress(strAddress);
    m_localAddressSource = [listHostAddresses] { return listHostAddresses; };
    m_bFixedLocal = true;
    m_listFixedLocal = listAddresses;
}

void CConfigData::UseSystemLocalAddresses()
{
    SetLocalAddressSource([] { return QNetworkInterface::allAddresses(); });
}

QList<QHostAddress> CConfigData::LocalAddresses() const
{
    return m_localAddressSource ? m_localAddressSource() : QList<QHostAddress>();
}

void CConfigData::SetNetwork(const QString& strGateway, const QString& strNetmask)
{
    m_uGateway = ToValue(strGateway);
    m_uNetmask = strNetmask.isEmpty() ? 0xFFFFFF00u : ToValue(strNetmask);
}

QString CConfigData::GetDefaultGateway() const
{
    return m_uGateway ? ToText(m_uGateway) : QString();
}
QString CConfigData::GetNetmask() const
{
    return ToText(m_uNetmask);
}

void CConfigData::LoadLists(
    const QVector<SSpecifiedIP>& vecSpecified, const QVector<SSpecifiedIP>& vecCurrentSet)
{
    m_vecSpecified = vecSpecified;
    m_vecSavedSpecified = vecSpecified;
    m_vecCurrentSet = vecCurrentSet;
    UpdateErrorIPList();
}
