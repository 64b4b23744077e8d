#include "DepthRateRules.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {
const int g_rates[] = {50, 60, 120, 240};
// In hardware code order.
const int g_depths[] = {8, 10, 12};

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

template <typename Table> bool Contains(const Table& table, int nValue)
{
    return std::find(std::begin(table), std::end(table), nValue) != std::end(table);
}
} // namespace

namespace DepthRateRules {

QVector<int> RateMenu(bool bRestricted, int nModelCode)
{
    QVector<int> vecRates;
    for (int nRate : g_rates) {
        if (nRate == 50 && bRestricted && nModelCode == g_nModelWithout50Hz)
            continue;
        vecRates << nRate;
    }
    return vecRates;
}

QVector<int> DepthMenu(bool bRestricted, bool b10BitSupported, bool b12BitSupported, int nModelCode)
{
    QVector<int> vecDepths {8};
    if (!bRestricted || b10BitSupported || b12BitSupported)
        vecDepths << 10;
    if (!bRestricted || (b12BitSupported && !Contains(g_modelsWithout12Bit, nModelCode)))
        vecDepths << 12;
    return vecDepths;
}

QString RateText(int nRate)
{
    return QCoreApplication::translate("CSetDepthRateDlg", "%1Hz").arg(nRate);
}

QString DepthText(int nDepth)
{
    return QCoreApplication::translate("CSetDepthRateDlg", "%1bit").arg(nDepth);
}

int DepthCode(int nDepth)
{
    for (int nCode = 0; nCode < int(std::size(g_depths)); ++nCode) {
        if (g_depths[nCode] == nDepth)
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
