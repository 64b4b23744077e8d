#include "CanvasRules.h"

#include "Common/Assert.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
struct SCanvasPreset
{
    int nWidth;
    int nHeight;
    const char* pszText;
};

const SCanvasPreset g_canvasPresets[CanvasRules::g_nPresetCount] = {
    {1920, 1080, QT_TRANSLATE_NOOP("CSetCanvasDlg", "1920×1080")},
    {3840, 2160, QT_TRANSLATE_NOOP("CSetCanvasDlg", "3840×2160")},
    {4096, 2160, QT_TRANSLATE_NOOP("CSetCanvasDlg", "4096×2160")},
};

// The dialog's own context, so the texts translate with the dialog's.
constexpr const char* g_pszContext = "CSetCanvasDlg";

// Grouped as the language of the messages groups digits.
QString Number(qint32 nValue)
{
    return QLocale().toString(nValue);
}
} // namespace

namespace CanvasRules {

QSize PresetSize(int nPreset)
{
    SENDER_ASSERT(nPreset >= 0 && nPreset < g_nPresetCount);
    return QSize(g_canvasPresets[nPreset].nWidth, g_canvasPresets[nPreset].nHeight);
}

QString PresetText(int nPreset)
{
    SENDER_ASSERT(nPreset >= 0 && nPreset < g_nPresetCount);
    return QCoreApplication::translate(g_pszContext, g_canvasPresets[nPreset].pszText);
}

QString CustomText(int nWidth, int nHeight)
{
    return QCoreApplication::translate("CSetCanvasDlg", "自定义(%1×%2)").arg(nWidth).arg(nHeight);
}

int PresetOf(const QSize& size)
{
    for (int nPreset = 0; nPreset < g_nPresetCount; ++nPreset) {
        if (PresetSize(nPreset) == size)
            return nPreset;
    }
    return -1;
}

SCanvasCheck Check(int nWidth, int nHeight, const SCanvasLimits* pLimits)
{
    SCanvasCheck check;
    if (nWidth > g_nMaxWidth) {
        nWidth = g_nMaxWidth;
        check.bClamped = true;
    }
    if (nHeight > g_nMaxHeight) {
        nHeight = g_nMaxHeight;
        check.bClamped = true;
    }
    check.size = QSize(nWidth, nHeight);
    check.nPreset = check.bClamped ? -1 : PresetOf(check.size);
    check.strButtonText = check.nPreset >= 0 ? PresetText(check.nPreset) : CustomText(nWidth, nHeight);

    // A preset is known to be large enough.
    if (check.nPreset < 0 && (nWidth < g_nMinSide || nHeight < g_nMinSide)) {
        check.strError = QCoreApplication::translate("CSetCanvasDlg", "画布的宽或高不能小于%1。")
                             .arg(Number(g_nMinSide));
        return check;
    }
    if (!pLimits)
        return check;
    // Later failures replace earlier ones: the area message outranks the others.
    if (pLimits->nMaxWidth < nWidth)
        check.strError = QCoreApplication::translate("CSetCanvasDlg", "画布的宽不能大于%1。")
                             .arg(Number(pLimits->nMaxWidth));
    if (pLimits->nMaxHeight < nHeight)
        check.strError = QCoreApplication::translate("CSetCanvasDlg", "画布的高不能大于%1。")
                             .arg(Number(pLimits->nMaxHeight));
    if (qint64(nWidth) * nHeight > pLimits->nMaxArea)
        check.strError = QCoreApplication::translate("CSetCanvasDlg", "画布的面积不能大于%1。")
                             .arg(Number(pLimits->nMaxArea));
    return check;
}

} // namespace CanvasRules
