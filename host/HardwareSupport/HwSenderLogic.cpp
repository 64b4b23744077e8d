#include "HwSenderLogic.h"

#include "KivoData.h"

#include <QHostAddress>
#include <QtEndian>

namespace {
// Device state of a sender; a default device for an index outside the project,
// as a real sender logic answers defaults for a card it cannot reach.
const SSenderDeviceState& DeviceOf(int nSenderIndex)
{
    static const SSenderDeviceState s_unknown;
    const CSender* pSender = GetProjectData()->GetSender(nSenderIndex);
    return pSender ? pSender->Device() : s_unknown;
}

void Log(const QString& strOperation, const QVariantList& listArgs = {})
{
    CHostCallLog::Instance().Record("CHwSenderLogic::" + strOperation, listArgs);
}
} // namespace

void CHwSenderLogic::NotifyEdidSent(int nSenderIndex)
{
    Log("NotifyEdidSent", {nSenderIndex});
}
void CHwSenderLogic::NotifyDemoChanged()
{
    Log("NotifyDemoChanged");
}
bool CHwSenderLogic::IsExtendedEdidSupported() const
{
    return GetDeviceAnswers()->bExtendedEdid;
}
bool CHwSenderLogic::GetAddressState() const
{
    return GetDeviceAnswers()->bAddressState;
}
bool CHwSenderLogic::IsRestricted(int nSenderIndex) const
{
    return DeviceOf(nSenderIndex).bRestricted;
}
bool CHwSenderLogic::Is10BitSupported(int nSenderIndex) const
{
    return DeviceOf(nSenderIndex).b10BitSupported;
}
bool CHwSenderLogic::IsCanvasReadable(int nSenderIndex) const
{
    return DeviceOf(nSenderIndex).bCanvasReadable;
}
bool CHwSenderLogic::Is12BitSupported(int nSenderIndex) const
{
    return DeviceOf(nSenderIndex).b12BitSupported;
}
int CHwSenderLogic::GetPortRowValue() const
{
    return GetDeviceAnswers()->nPortRowValue;
}
int CHwSenderLogic::GetModelCode(int nSenderIndex) const
{
    return DeviceOf(nSenderIndex).nModelCode;
}
int CHwSenderLogic::ReadColorDepth(int nSenderIndex) const
{
    return DeviceOf(nSenderIndex).nDepthCode;
}
int CHwSenderLogic::GetSenderType(int nSenderIndex) const
{
    return DeviceOf(nSenderIndex).nSenderType;
}

void CHwSenderLogic::GetCanvasLimits(
    int nSenderIndex, qint32& nMaxWidth, qint32& nMaxHeight, qint32& nMaxArea) const
{
    if (!GetProjectData()->GetSender(nSenderIndex))
        return;
    const SSenderDeviceState& device = DeviceOf(nSenderIndex);
    nMaxWidth = device.nCanvasMaxWidth;
    nMaxHeight = device.nCanvasMaxHeight;
    nMaxArea = device.nCanvasMaxArea;
}

int CHwSenderLogic::GetAddressList(quint32* pAddresses) const
{
    int nCount = 0;
    for (const QString& strAddress : GetDeviceAnswers()->listSenderAddresses) {
        bool bOk = false;
        const quint32 uValue = QHostAddress(strAddress).toIPv4Address(&bOk);
        if (!bOk || nCount == 255)
            continue;
        // Network byte order: the first octet lands in the lowest byte.
        pAddresses[nCount++] = qToBigEndian(uValue);
    }
    return nCount;
}

void CHwSenderLogic::WriteColorDepth(int nSenderIndex, int nDepthCode, int nReserved)
{
    Log("WriteColorDepth", {nSenderIndex, nDepthCode, nReserved});
    if (CSender* pSender = GetProjectData()->GetSender(nSenderIndex))
        pSender->Device().nDepthCode = nDepthCode;
}

void CHwSenderLogic::NotifyFrameRate(int nSenderIndex, bool bIs50Hz, int nReserved)
{
    Log("NotifyFrameRate", {nSenderIndex, bIs50Hz, nReserved});
}
