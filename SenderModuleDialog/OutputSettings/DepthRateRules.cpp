#include "DepthRateRules.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {
struct SNamedValue
{
    int nValue;
    const char* pszText;
};

const SNamedValue g_rates[] = {
    {50, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "50Hz")},
    {60, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "60Hz")},
    {120, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "120Hz")},
    {240, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "240Hz")},
};

const SNamedValue g_depths[] = {
    {8, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "8bit")},
    {10, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "10bit")},
    {12, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "12bit")},
};

// Models whose restricted depth menu stops at 10 bit.
const int g_modelsWithout12Bit[] = {131095, 131091, 131100};
// Models limited to 2.6 million output pixels rather than 8.88 million.
const int g_smallAreaModels[] = {16, 24, 31, 63};

struct SLimitMessage
{
    int nBit;
    const char* pszText;
    const char* pszSmallModelText; // null: the same for every model
};

// Searched in this order; the first flag set decides.
const SLimitMessage g_limitMessages[] = {
    {11, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "输出视频区域不能超过888万像素。"),
        QT_TRANSLATE_NOOP("CSetDepthRateDlg", "输出视频区域不能超过260万像素。")},
    {12, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "DVI1~4的点数和不能超过888万。"), nullptr},
    {13, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "DVI5~8的点数和不能超过888万。"), nullptr},
    {27, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "输出口带载面积不能超过655360。"), nullptr},
    {28, QT_TRANSLATE_NOOP("CSetDepthRateDlg", "EDID的输出面积不能超过888W。"),
        QT_TRANSLATE_NOOP("CSetDepthRateDlg", "EDID的输出面积不能超过260W。")},
};

// The dialog's own context, so the texts translate with the dialog's.
constexpr const char* g_pszContext = "CSetDepthRateDlg";

template <typename Table> const SNamedValue* FindText(const Table& table, const QString& strText)
{
    auto it = std::find_if(std::begin(table), std::end(table), [&strText](const SNamedValue& entry) {
        return QCoreApplication::translate(g_pszContext, entry.pszText) == strText;
    });
    return it == std::end(table) ? nullptr : &*it;
}

template <typename Table> bool Contains(const Table& table, int nValue)
{
    return std::find(std::begin(table), std::end(table), nValue) != std::end(table);
}
} // namespace

namespace DepthRateRules {

QStringList RateMenu(bool bRestricted, int nModelCode)
{
    QStringList listItems;
    for (const SNamedValue& rate : g_rates) {
        if (rate.nValue == 50 && bRestricted && nModelCode == g_nModelWithout50Hz)
            continue;
        listItems << QCoreApplication::translate(g_pszContext, rate.pszText);
    }
    return listItems;
}

QStringList DepthMenu(bool bRestricted, bool b10BitSupported, bool b12BitSupported, int nModelCode)
{
    QStringList listItems {DepthText(8)};
    if (!bRestricted || b10BitSupported || b12BitSupported)
        listItems << DepthText(10);
    if (!bRestricted || (b12BitSupported && !Contains(g_modelsWithout12Bit, nModelCode)))
        listItems << DepthText(12);
    return listItems;
}

QString RateText(int nRate)
{
    return QCoreApplication::translate("CSetDepthRateDlg", "%1Hz").arg(nRate);
}

QString DepthText(int nDepth)
{
    return QCoreApplication::translate("CSetDepthRateDlg", "%1bit").arg(nDepth);
}

int RateFromText(const QString& strText, int nCurrent)
{
    const SNamedValue* pRate = FindText(g_rates, strText);
    return pRate ? pRate->nValue : nCurrent;
}

int DepthFromText(const QString& strText, int nCurrent)
{
    const SNamedValue* pDepth = FindText(g_depths, strText);
    return pDepth ? pDepth->nValue : nCurrent;
}

bool IsRateText(const QString& strText)
{
    return FindText(g_rates, strText) != nullptr;
}

bool IsDepthText(const QString& strText)
{
    return FindText(g_depths, strText) != nullptr;
}

int DepthCode(int nDepth)
{
    for (int nCode = 0; nCode < int(std::size(g_depths)); ++nCode) {
        if (g_depths[nCode].nValue == nDepth)
            return nCode;
    }
    return -1;
}

QString OutputLimitMessage(quint32 uFlags, int nModelCode, const QString& strPrevious)
{
    const bool bSmallModel = Contains(g_smallAreaModels, nModelCode);
    for (const SLimitMessage& message : g_limitMessages) {
        if (uFlags & (1u << message.nBit))
            return QCoreApplication::translate(g_pszContext,
                bSmallModel && message.pszSmallModelText ? message.pszSmallModelText : message.pszText);
    }
    return strPrevious;
}

QString RateQuestion(int nRate, float fInputMaxRate)
{
    return QCoreApplication::translate(
        "CSetDepthRateDlg", "工程设置支持的最大帧率(%1Hz)小于实际输入的最大帧率(%2Hz)，是否继续？")
        .arg(nRate)
        .arg(static_cast<double>(fInputMaxRate), 0, 'f', 2);
}

} // namespace DepthRateRules
