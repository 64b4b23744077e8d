#include "CanvasRules.h"

#include "Common/Assert.h"

#include <QCoreApplication>

namespace {
struct SCanvasPreset
{
    int nWidth;
    int nHeight;
    const char* pszText;
};

const SCanvasPreset g_canvasPresets[CanvasRules::c_nPresetCount] = {
    {1920, 1080, QT_TRANSLATE_NOOP("CSetCanvasDlg", "1920×1080")},
    {3840, 2160, QT_TRANSLATE_NOOP("CSetCanvasDlg", "3840×2160")},
    {4096, 2160, QT_TRANSLATE_NOOP("CSetCanvasDlg", "4096×2160")},
};

QString Tr(const char* pszText)
{
    return QCoreApplication::translate("CSetCanvasDlg", pszText);
}
} // namespace

namespace CanvasRules {

QSize PresetSize(int nPreset)
{
    SENDER_ASSERT(nPreset >= 0 && nPreset < c_nPresetCount);
    return QSize(g_canvasPresets[nPreset].nWidth, g_canvasPresets[nPreset].nHeight);
}

QString PresetText(int nPreset)
{
    SENDER_ASSERT(nPreset >= 0 && nPreset < c_nPresetCount);
    return Tr(g_canvasPresets[nPreset].pszText);
}

QString CustomText(int nWidth, int nHeight)
{
    return Tr("自定义(%1×%2)").arg(nWidth).arg(nHeight);
}

int PresetOf(const QSize& size)
{
    for (int nPreset = 0; nPreset < c_nPresetCount; ++nPreset) {
        if (PresetSize(nPreset) == size)
            return nPreset;
    }
    return -1;
}

int PresetOfText(const QString& strText)
{
    for (int nPreset = 0; nPreset < c_nPresetCount; ++nPreset) {
        if (PresetText(nPreset) == strText)
            return nPreset;
    }
    return -1;
}

SCanvasCheck Check(int nWidth, int nHeight, const SCanvasLimits* pLimits)
{
    SCanvasCheck check;
    if (nWidth > c_nMaxWidth) {
        nWidth = c_nMaxWidth;
        check.bClamped = true;
    }
    if (nHeight > c_nMaxHeight) {
        nHeight = c_nMaxHeight;
        check.bClamped = true;
    }
    check.size = QSize(nWidth, nHeight);
    check.nPreset = check.bClamped ? -1 : PresetOf(check.size);
    check.strButtonText = check.nPreset >= 0 ? PresetText(check.nPreset) : CustomText(nWidth, nHeight);

    // A preset is known to be large enough.
    if (check.nPreset < 0 && (nWidth < c_nMinSide || nHeight < c_nMinSide)) {
        check.strError = Tr("画布的宽或高不能小于%1。").arg(c_nMinSide);
        return check;
    }
    if (!pLimits)
        return check;
    // Later failures replace earlier ones: the area message outranks the others.
    if (pLimits->nMaxWidth < nWidth)
        check.strError = Tr("画布的宽不能大于%1。").arg(pLimits->nMaxWidth);
    if (pLimits->nMaxHeight < nHeight)
        check.strError = Tr("画布的高不能大于%1。").arg(pLimits->nMaxHeight);
    if (qint64(nWidth) * nHeight > pLimits->nMaxArea)
        check.strError = Tr("画布的面积不能大于%1。").arg(pLimits->nMaxArea);
    return check;
}

} // namespace CanvasRules
