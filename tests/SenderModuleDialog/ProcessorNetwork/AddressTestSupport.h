#pragma once

#include "AddressRules.h"
#include "DialogDriver.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QJsonArray>
#include <QtTest>

namespace AddressTest {
using namespace DialogDriver;

// n stored entries 10.7.x.y, away from the baseline's 192.168.1.0/24.
inline QJsonArray StoredEntries(int nCount)
{
    QJsonArray arr;
    for (int i = 0; i < nCount; ++i)
        arr.append(QJsonObject {{"ip", QString("10.7.%1.%2").arg(i / 200).arg(i % 200 + 1)}, {"name", ""}});
    return arr;
}

inline QStringList Range(const QString& strPrefix, int nFirst, int nLast, int nStep = 1)
{
    QStringList list;
    for (int i = nFirst; i <= nLast; i += nStep)
        list << strPrefix + QString::number(i);
    return list;
}

// Baseline: gateway 192.168.1.1, /24, stored .10 ("one") and .11, current-set .20, the address
// state set. Host and rules share the computer's addresses: no test depends on this machine's network.
inline void ResetHost(const QJsonObject& objConfig = {},
    const QJsonObject& objHardware = {{"addressState", true}},
    const QStringList& listLocal = {"192.168.1.100"})
{
    QJsonObject objConfigAll = objConfig;
    objConfigAll["localAddresses"] = QJsonArray::fromStringList(listLocal);
    HostFixture::Reset({{"config", objConfigAll}, {"hardware", objHardware}});
    CAddressRules::SetDefaultLocalAddressSource([] { return GetConfigData()->LocalAddresses(); });
}

// The host calls for added entries and the closing save.
inline QStringList AddCalls(const QStringList& listAddresses, const QString& strName = {})
{
    QStringList list;
    for (const QString& str : listAddresses)
        list << QString("CConfigData::AddSpecifiedIP(%1, %2)").arg(str, strName);
    return list << "CConfigData::SpecifiedIPsSave()";
}

const QString g_strInvalid = QStringLiteral("IP地址不合理。");
const QString g_strInUse = QStringLiteral("IP地址已被使用。");
const QString g_strGateway = QStringLiteral("IP地址与默认网关相同。");
const QString g_strLocalPc
    = QStringLiteral("输入的IP地址和本机电脑的IP地址相同，会导致网络连接探测失败，是否继续？");

} // namespace AddressTest
