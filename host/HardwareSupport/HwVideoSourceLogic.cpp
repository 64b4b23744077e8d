#include "HwVideoSourceLogic.h"

#include "KivoData.h"
#include "SenderEdidLimitData.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstring>

namespace {
const char* const c_pszBandwidthMessage
    = QT_TRANSLATE_NOOP("CHwVideoSourceLogic", "当前分辨率和帧率超出输入带宽限制。");
const char* const c_pszAreaMessage
    = QT_TRANSLATE_NOOP("CHwVideoSourceLogic", "当前分辨率超出该帧率下的最大带载面积。");
const char* const c_pszDisplayIdNote = QT_TRANSLATE_NOOP("CHwVideoSourceLogic", "已使用DisplayID 1.3扩展块");

QString Translate(const char* pszText)
{
    return QCoreApplication::translate("CHwVideoSourceLogic", pszText);
}

int InputIdOf(const quint8* pInputDescriptor)
{
    return qFromLittleEndian<qint32>(pInputDescriptor + 12);
}

SVideoInputState* FindInput(int nSenderIndex, int nInputId)
{
    CSender* pSender = GetProjectData()->GetSender(nSenderIndex);
    return pSender ? pSender->Device().FindInput(nInputId) : nullptr;
}

void Log(const QString& strOperation, const QVariantList& listArgs)
{
    CHostCallLog::Instance().Record("CHwVideoSourceLogic::" + strOperation, listArgs);
}
} // namespace

QString CHwVideoSourceLogic::GetInputName(int nSenderIndex, const quint8* pInputDescriptor, int) const
{
    const int nInputId = InputIdOf(pInputDescriptor);
    const SVideoInputState* pInput = FindInput(nSenderIndex, nInputId);
    return pInput && !pInput->strName.isEmpty()
        ? pInput->strName
        : Translate(QT_TRANSLATE_NOOP("CHwVideoSourceLogic", "输入%1")).arg(nInputId);
}

bool CHwVideoSourceLogic::ReadEdidSetting(
    int nSenderIndex, const quint8* pInputDescriptor, quint8* pRecord) const
{
    const SVideoInputState* pInput = FindInput(nSenderIndex, InputIdOf(pInputDescriptor));
    if (!pInput || pInput->baEdidRecord.size() != c_nRecordSize)
        return false;
    std::memcpy(pRecord, pInput->baEdidRecord.constData(), c_nRecordSize);
    return true;
}

void CHwVideoSourceLogic::GetEdidLimit(int nSenderIndex, int nInputId, CSenderEdidLimitData* pLimit)
{
    m_nCheckSender = nSenderIndex;
    m_nCheckInput = nInputId;
    const SVideoInputState* pInput = FindInput(nSenderIndex, nInputId);
    const SVideoInputState defaults;
    const SVideoInputState& input = pInput ? *pInput : defaults;
    pLimit->m_nMaxWidth = input.nMaxWidth;
    pLimit->m_nMaxHeight = input.nMaxHeight;
    pLimit->m_nMaxArea = input.nMaxArea60;
    pLimit->m_bCheckByPixelClock = input.bCheckByPixelClock;
    pLimit->m_vecResolutions = input.vecResolutions;
}

void CHwVideoSourceLogic::CheckEdidFormat(
    int nWidth, int nHeight, quint32 uClockOrArea, QString& strMessage) const
{
    strMessage.clear();
    const SVideoInputState* pInput = FindInput(m_nCheckSender, m_nCheckInput);
    const SVideoInputState defaults;
    const SVideoInputState& input = pInput ? *pInput : defaults;
    if (input.bCheckByPixelClock) {
        if (uClockOrArea > static_cast<quint32>(input.nPixelClockLimitMHz))
            strMessage = Translate(c_pszBandwidthMessage);
    } else if (static_cast<quint64>(qMax(nWidth, 0)) * static_cast<quint64>(qMax(nHeight, 0))
        > uClockOrArea) {
        strMessage = Translate(c_pszAreaMessage);
    }
    if (strMessage.isEmpty() && input.nDisplayIdAboveWidth > 0 && nWidth > input.nDisplayIdAboveWidth)
        strMessage = Translate(c_pszDisplayIdNote);
}

int CHwVideoSourceLogic::SendEdidSetting(int nSenderIndex, int nInputId, const quint8* pRecord)
{
    const QByteArray baRecord(reinterpret_cast<const char*>(pRecord), c_nRecordSize);
    Log("SendEdidSetting", {nSenderIndex, nInputId, baRecord});
    SVideoInputState* pInput = FindInput(nSenderIndex, nInputId);
    if (!pInput)
        return -1;
    if (pInput->nSendResult < 0)
        return pInput->nSendResult;
    pInput->baEdidRecord = baRecord;
    return pInput->nSendResult;
}

void CHwVideoSourceLogic::ApplyEdidSetting(int nSenderIndex, int nReserved)
{
    Log("ApplyEdidSetting", {nSenderIndex, nReserved});
}

void CHwVideoSourceLogic::CompleteBasicEdid(int nSenderIndex, int nWidth, int nHeight, bool* pSucceeded)
{
    Log("CompleteBasicEdid", {nSenderIndex, nWidth, nHeight});
    const SVideoInputState* pInput = FindInput(nSenderIndex, m_nCheckInput);
    if (pSucceeded)
        *pSucceeded = pInput ? pInput->bBasicSucceeded : false;
}

float CHwVideoSourceLogic::GetInputMaxFrameRate(int nSenderIndex) const
{
    const CSender* pSender = GetProjectData()->GetSender(nSenderIndex);
    return pSender ? pSender->Device().fMaxInputRate : 0.0f;
}

bool CHwVideoSourceLogic::CheckOutputLimit(int nSenderIndex, quint32& uFlags) const
{
    const CSender* pSender = GetProjectData()->GetSender(nSenderIndex);
    uFlags = pSender ? pSender->Device().uOutputLimitFlags : 0;
    return uFlags != 0;
}
