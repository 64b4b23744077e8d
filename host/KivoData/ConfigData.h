#pragma once

#include "KivoDataExport.h"

#include <QHostAddress>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// Reasons IsIPHasError gives for rejecting an address.
enum : unsigned long
{
    IP_ERROR_LOCAL_PC = 0xE0832000,
    IP_ERROR_IN_USE = 0xE0832001,
    IP_ERROR_ZERO_START = 0xE0832002,
    IP_ERROR_GATEWAY = 0xE0832003,
    IP_ERROR_BROADCAST = 0xE0832004,
    IP_ERROR_INVALID = 0xE0832005,
};

// One entry of an address list: dotted address text and a free name.
struct SSpecifiedIP
{
    QString strAddress;
    QString strName;

    QString EntryText() const { return strAddress + "(" + strName + ")"; }
    bool operator==(const SSpecifiedIP& other) const
    {
        return strAddress == other.strAddress && strName == other.strName;
    }
};

class KIVODATA_EXPORT CConfigData
{
public:
    using LocalAddressSource = std::function<QList<QHostAddress>()>;

    CConfigData();

    // True when the address (first octet most significant) is rejected; the
    // reason goes to *pCode when given.
    bool IsIPHasError(unsigned long ulAddress, unsigned long* pCode, bool bReserved) const;
    // How often IsIPHasError was asked since the object was made (queries are not logged).
    int GetCheckCount() const { return m_nCheckCount; }
    // Rebuilds the in-use set from the specified list and the detected devices.
    void UpdateErrorIPList();

    // Number of specified addresses; with a buffer, also the values (first octet most significant).
    int GetSpecifiedIPDWORD(unsigned long* pAddresses) const;
    void GetSpecifiedIPs(QStringList& listAddresses) const;
    void AddSpecifiedIP(const QString& strAddress, const QString& strName);
    void SpecifiedIPsSave();

    // Entry texts "address(name)"; empty for an index outside the list.
    QString GetSpecifiedIPOriginal(int nIndex) const;
    QString GetSpecifiedIPWithName(int nIndex) const;
    QString GetCurSetSpecifiedIPWithIndex(int nIndex) const;
    void SetSpecifiedIPWithIndex(int nIndex, const QString& strAddress, const QString& strName);
    void SetCurSetSpecifiedIPWithIndex(int nIndex, const QString& strAddress, const QString& strName);

    int GetDetectStrategy() const { return m_nDetectStrategy; }

    // Configuration of the simulation (project loading, tests, demo).
    void SetLocalAddressSource(LocalAddressSource source);
    // A fixed list makes a project behave the same on every computer; it is saved with the project.
    void SetFixedLocalAddresses(const QStringList& listAddresses);
    void UseSystemLocalAddresses();
    bool HasFixedLocalAddresses() const { return m_bFixedLocal; }
    QStringList FixedLocalAddresses() const { return m_listFixedLocal; }
    QList<QHostAddress> LocalAddresses() const;
    void SetNetwork(const QString& strGateway, const QString& strNetmask);
    QString GetDefaultGateway() const;
    QString GetNetmask() const;
    void SetDetectStrategy(int nStrategy) { m_nDetectStrategy = nStrategy; }
    void SetDetectedDevices(const QStringList& listAddresses) { m_listDetected = listAddresses; }
    QStringList GetDetectedDevices() const { return m_listDetected; }
    void LoadLists(const QVector<SSpecifiedIP>& vecSpecified, const QVector<SSpecifiedIP>& vecCurrentSet);
    const QVector<SSpecifiedIP>& SpecifiedList() const { return m_vecSpecified; }
    const QVector<SSpecifiedIP>& CurrentSetList() const { return m_vecCurrentSet; }
    // The list as last saved by SpecifiedIPsSave (what a restart of the host would see).
    const QVector<SSpecifiedIP>& SavedSpecifiedList() const { return m_vecSavedSpecified; }

private:
    bool IsInUse(quint32 uAddress) const;
    bool HasSubnetEnds() const;

    QVector<SSpecifiedIP> m_vecSpecified;
    QVector<SSpecifiedIP> m_vecSavedSpecified;
    QVector<SSpecifiedIP> m_vecCurrentSet;
    QStringList m_listDetected;
    QSet<quint32> m_setErrorIPs;
    quint32 m_uGateway = 0;
    quint32 m_uNetmask = 0xFFFFFF00u;
    int m_nDetectStrategy = 2;
    LocalAddressSource m_localAddressSource;
    bool m_bFixedLocal = false;
    QStringList m_listFixedLocal;
    mutable int m_nCheckCount = 0;
};
