#include "AddressRules.h"

#include "CCustomMessageBox.h"
#include "CCustomSpinBox.h"
#include "Common/Assert.h"
#include "Common/IPv4Text.h"
#include "ConfigData.h"
#include "HwSenderLogic.h"
#include "ServiceRegistry.h"

#include <QNetworkInterface>
#include <QSet>

#include <algorithm>
#include <climits>

namespace {

const quint32 g_uLoopback = 0x7F000001u; // 127.0.0.1
// A suggestion search gives up on its row after this many rejections in all.
const int g_nMaxSuggestFailures = 256;

struct SCodeMessage
{
    unsigned long ulCode;
    const char* pszText;
};

// In the order a set of rows reports them: the first group present wins.
const SCodeMessage g_arrCodeMessages[] = {
    {IP_ERROR_IN_USE, QT_TRANSLATE_NOOP("CAddressRules", "IP地址已被使用。")},
    {IP_ERROR_ZERO_START, QT_TRANSLATE_NOOP("CAddressRules", "IP地址不能以0开头。")},
    {IP_ERROR_GATEWAY, QT_TRANSLATE_NOOP("CAddressRules", "IP地址与默认网关相同。")},
    {IP_ERROR_BROADCAST, QT_TRANSLATE_NOOP("CAddressRules", "IP地址是广播地址。")},
    {IP_ERROR_INVALID, QT_TRANSLATE_NOOP("CAddressRules", "IP地址不合理。")},
};
const char* const g_pszInvalid = QT_TRANSLATE_NOOP("CAddressRules", "IP地址不合理。");
const char* const g_pszLocalPc = QT_TRANSLATE_NOOP(
    "CAddressRules", "输入的IP地址和本机电脑的IP地址相同，会导致网络连接探测失败，是否继续？");
const char* const g_pszDuplicate = QT_TRANSLATE_NOOP("CAddressRules", "存在重复的IP地址。");

CAddressRules::LocalAddressSource& DefaultSource()
{
    static CAddressRules::LocalAddressSource s_source;
    return s_source;
}

quint32 Compose(quint32 a, quint32 b, quint32 c, quint32 d)
{
    return (a << 24) | (b << 16) | (c << 8) | d;
}

// The sender logic stores the first octet in the lowest byte, whatever the
// machine's byte order.
quint32 SubnetOfWireAddress(quint32 uWire)
{
    return Compose(uWire & 0xFF, (uWire >> 8) & 0xFF, (uWire >> 16) & 0xFF, 0);
}

bool IsEligibleLocal(quint32 uAddress)
{
    return uAddress != 0 && uAddress != g_uLoopback;
}

bool AnswersGoOn(int nAnswer)
{
    return nAnswer == CCustomMessageBox::AnswerYes;
}

} // namespace

IAddressMessages::~IAddressMessages() = default;

CMessageBoxMessages::CMessageBoxMessages(QWidget* pParent)
    : m_pParent(pParent)
{
}

void CMessageBoxMessages::Inform(const QString& strText)
{
    CCustomMessageBox::information(
        m_pParent, strText, CCustomMessageBox::ButtonOk, CCustomMessageBox::ButtonOk, INT_MAX);
}

int CMessageBoxMessages::Ask(const QString& strText)
{
    return CCustomMessageBox::question(m_pParent, strText,
        CCustomMessageBox::ButtonYes | CCustomMessageBox::ButtonNo, CCustomMessageBox::ButtonCancel);
}

CAddressRules::CAddressRules(IAddressMessages* pMessages, LocalAddressSource localSource)
    : m_pMessages(pMessages)
    , m_localSource(localSource ? std::move(localSource) : DefaultSource())
{
    SENDER_ASSERT(m_pMessages);
    if (!m_localSource)
        m_localSource = [] { return QNetworkInterface::allAddresses(); };
}

void CAddressRules::SetDefaultLocalAddressSource(LocalAddressSource localSource)
{
    DefaultSource() = std::move(localSource);
}

bool CAddressRules::IsAddressText(const QString& strText)
{
    return IPv4Text::Parse(strText, nullptr);
}

quint32 CAddressRules::TextToValue(const QString& strText)
{
    quint32 uValue = 0;
    return IPv4Text::Parse(strText, &uValue) ? uValue : 0;
}

QString CAddressRules::ValueToText(quint32 uAddress)
{
    QHostAddress address;
    address.setAddress(uAddress);
    return address.toString();
}

QString CAddressRules::EntryAddress(const QString& strEntry)
{
    return strEntry.left(strEntry.indexOf(QLatin1Char('(')));
}

QString CAddressRules::EntryName(const QString& strEntry)
{
    const int nOpen = strEntry.indexOf(QLatin1Char('('));
    if (nOpen < 0)
        return QString();
    const int nClose = strEntry.indexOf(QLatin1Char(')'), nOpen + 1);
    return nClose < 0 ? strEntry.mid(nOpen + 1) : strEntry.mid(nOpen + 1, nClose - nOpen - 1);
}

QString CAddressRules::WithDefaultName(const QString& strEntry)
{
    const int nOpen = strEntry.indexOf(QLatin1Char('('));
    if (nOpen < 0 || strEntry.indexOf(QLatin1Char(')')) != nOpen + 1)
        return strEntry;
    const QString strAddress = strEntry.left(nOpen);
    const QString strLastOctet = strAddress.mid(strAddress.lastIndexOf(QLatin1Char('.')) + 1);
    return strAddress + QStringLiteral("(IP") + strLastOctet + QLatin1Char(')');
}

QString CAddressRules::MessageForCode(unsigned long ulCode)
{
    for (const SCodeMessage& sEntry : g_arrCodeMessages) {
        if (sEntry.ulCode == ulCode)
            return tr(sEntry.pszText);
    }
    return tr(g_pszInvalid);
}

bool CAddressRules::IsRejected(quint32 uAddress) const
{
    return g_pConfigData->IsIPHasError(uAddress, nullptr, false);
}

bool CAddressRules::ScreenAddress(const QString& strText, const QString& strOwnAddress) const
{
    if (!IsAddressText(strText)) {
        m_pMessages->Inform(tr(g_pszInvalid));
        return false;
    }
    unsigned long ulCode = 0;
    if (!g_pConfigData->IsIPHasError(TextToValue(strText), &ulCode, false))
        return true;
    if (ulCode == IP_ERROR_LOCAL_PC)
        return AnswersGoOn(m_pMessages->Ask(tr(g_pszLocalPc)));
    if (ulCode == IP_ERROR_IN_USE && strText == strOwnAddress)
        return true; // the entry being modified keeps its own address
    m_pMessages->Inform(MessageForCode(ulCode));
    return false;
}

bool CAddressRules::ScreenRows(const QStringList& listTexts) const
{
    m_vecRowCodes.clear();
    if (!std::all_of(listTexts.begin(), listTexts.end(), IsAddressText)) {
        m_pMessages->Inform(tr(g_pszInvalid));
        return false;
    }
    QSet<quint32> setValues;
    for (const QString& strText : listTexts) {
        const quint32 uValue = TextToValue(strText);
        if (setValues.contains(uValue)) {
            m_pMessages->Inform(tr(g_pszDuplicate));
            return false;
        }
        setValues.insert(uValue);
    }

    // Every row's code is kept, however many rows the dialog shows.
    QSet<unsigned long> setCodes;
    for (const QString& strText : listTexts) {
        unsigned long ulCode = 0;
        g_pConfigData->IsIPHasError(TextToValue(strText), &ulCode, false);
        m_vecRowCodes.append(ulCode);
        setCodes.insert(ulCode);
    }

    if (setCodes.contains(IP_ERROR_LOCAL_PC) && !AnswersGoOn(m_pMessages->Ask(tr(g_pszLocalPc))))
        return false;
    for (const SCodeMessage& sEntry : g_arrCodeMessages) {
        if (setCodes.contains(sEntry.ulCode)) {
            m_pMessages->Inform(tr(sEntry.pszText));
            return false;
        }
    }
    return true;
}

quint32 CAddressRules::PickLocalAddress(enLocalPick nRule) const
{
    QVector<quint32> vecEligible;
    for (const QHostAddress& address : m_localSource()) {
        const quint32 uValue = address.toIPv4Address();
        if (IsEligibleLocal(uValue))
            vecEligible.append(uValue);
    }

    if (nRule == LocalPickLast)
        return vecEligible.isEmpty() ? g_uLoopback : vecEligible.last();

    quint32 arrWire[g_nSpecifiedCapacity] = {};
    const int nSenders = std::clamp(g_pHwSenderLogic->GetAddressList(arrWire), 0, g_nSpecifiedCapacity);
    if (nSenders == 0)
        return vecEligible.isEmpty() ? g_uLoopback : vecEligible.first();
    QSet<quint32> setSubnets;
    for (int i = 0; i < nSenders; ++i)
        setSubnets.insert(SubnetOfWireAddress(arrWire[i]));
    quint32 uPicked = g_uLoopback;
    for (quint32 uValue : vecEligible) {
        if (setSubnets.contains(uValue & 0xFFFFFF00u))
            uPicked = uValue; // the last match wins
    }
    return uPicked;
}

QStringList CAddressRules::SuggestAddresses(quint32 uBase, int nRows) const
{
    quint32 a = uBase >> 24, b = (uBase >> 16) & 0xFF, c = (uBase >> 8) & 0xFF, d = uBase & 0xFF;
    quint32 s = 1;
    int nFailures = 0; // over the whole call, so a full network ends the search
    QStringList listSuggested;
    for (int nRow = 0; nRow < nRows; ++nRow) {
        QString strRow;
        for (;;) {
            if (d + s > 255) {
                c = c == 255 ? 1 : c + 1;
                d = 1;
                s = 1;
            }
            if (b == 255)
                b = 1;
            if (a == 0 || a == 255)
                a = 192;
            const quint32 uCandidate = Compose(a, b, c, d + s);
            ++s;
            if (!IsRejected(uCandidate)) {
                strRow = ValueToText(uCandidate);
                break;
            }
            if (++nFailures > g_nMaxSuggestFailures)
                break;
        }
        listSuggested << strRow;
    }
    return listSuggested;
}

QString CAddressRules::SuggestNextFree(quint32 uBase) const
{
    // Only the rest of the local block is searched; a full block leaves the
    // editor empty for the user to fill.
    for (quint32 d = (uBase & 0xFF) + 1; d <= 255; ++d) {
        const quint32 uCandidate = (uBase & 0xFFFFFF00u) | d;
        if (!IsRejected(uCandidate))
            return ValueToText(uCandidate);
    }
    return QString();
}

int CAddressRules::AddAddressRun(quint32 uStart, int nCount) const
{
    const int nRoom = g_nSpecifiedCapacity - g_pConfigData->GetSpecifiedIPDWORD(nullptr);
    const int nWanted = std::min(nCount, nRoom);
    const quint32 uPrefix = uStart & 0xFFFF0000u;
    quint32 c = (uStart >> 8) & 0xFF, d = uStart & 0xFF, k = 0;
    int nAdded = 0;
    while (nAdded < nWanted) {
        if (d + k > 255) {
            // The run stays within the first two octets of its start; what
            // was added so far is kept and saved.
            if (c == 255)
                break;
            ++c;
            d = 1;
            k = 0;
        }
        const quint32 uCandidate = uPrefix | (c << 8) | (d + k);
        ++k;
        if (uCandidate != uStart && IsRejected(uCandidate))
            continue;
        g_pConfigData->AddSpecifiedIP(ValueToText(uCandidate), QString());
        ++nAdded;
    }
    g_pConfigData->SpecifiedIPsSave();
    return nAdded;
}

bool SetCountRange(CCustomSpinBox* pBox, int nMax, int nValue)
{
    const bool bChoosable = nMax >= 1;
    pBox->SetMinMax(bChoosable ? 1 : 0, bChoosable ? nMax : 0);
    pBox->setValue(bChoosable ? nValue : 0);
    pBox->setEnabled(bChoosable);
    return bChoosable;
}
