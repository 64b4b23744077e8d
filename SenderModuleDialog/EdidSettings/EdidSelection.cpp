#include "EdidSelection.h"

namespace EdidSelection {

SEdidSelection FromRecord(const SEdidSettingsRecord* pRead, const QVector<QSize>& vecResolutions, int nInput)
{
    using namespace EdidOptions;
    SEdidSettingsRecord record;
    if (pRead) {
        record = *pRead;
    } else {
        record.uFrameRate = 60;
        record.uWidth = 1920;
        record.uHeight = 1080;
        record.ucColor = g_ucDefaultColor;
    }
    SEdidSelection selection;
    selection.nOpenedWidth = selection.nFieldWidth = record.uWidth;
    selection.nOpenedHeight = selection.nFieldHeight = record.uHeight;
    selection.ucColor = record.ucColor;
    selection.ucTimingStandard = record.ucTimingStandard; // 2 and above too: it travels back as read
    selection.ucConnectPC = record.ucConnectPC;

    const int nFound = vecResolutions.indexOf(QSize(record.uWidth, record.uHeight));
    selection.nResolutionIndex = nFound >= 0 ? nFound + 1 : FallbackResolutionIndex(nInput);
    // The rate is one byte on the device; wider fields carry it in the low byte.
    if (!IndexByFrameRate(
            static_cast<uint8_t>(record.uFrameRate & 0xFF), record.bFractional, selection.nRateIndex))
        selection.nRateIndex = g_nRatePos60;
    selection.nDepthIndex = IndexByColorDepth(selection.ucColor);
    selection.nFormatIndex = IndexByColorFormat(selection.ucColor);
    return selection;
}

bool Select(SEdidSelection& selection, enField nField, int nPosition)
{
    using namespace EdidOptions;
    struct SField
    {
        int nCount; // positions at or above it are refused; -1 for no bound
        int SEdidSelection::*pnPosition;
    };
    static const SField s_arrFields[] = {
        {-1, &SEdidSelection::nResolutionIndex},
        {g_nDepthCount, &SEdidSelection::nDepthIndex},
        {g_nFormatCount, &SEdidSelection::nFormatIndex},
        {g_nStandardCount, nullptr},
    };
    const SField& field = s_arrFields[nField];
    if (nPosition < 0 || (field.nCount >= 0 && nPosition >= field.nCount))
        return false;
    if (field.pnPosition)
        selection.*field.pnPosition = nPosition;
    else
        selection.ucTimingStandard = static_cast<uint8_t>(nPosition);
    return true;
}

bool CurrentSize(const SEdidSelection& selection, const QVector<QSize>& vecResolutions, QSize& size)
{
    const int nIndex = selection.nResolutionIndex;
    if (nIndex == 0) {
        size = QSize(selection.nFieldWidth, selection.nFieldHeight);
        return true;
    }
    if (nIndex < 0 || nIndex > vecResolutions.size())
        return false;
    size = vecResolutions.at(nIndex - 1);
    return true;
}

bool MakeRecord(const SEdidSelection& selection, const EdidOptions::SInputContext& ctx,
    const QVector<QSize>& vecResolutions, SEdidSettingsRecord& record)
{
    using namespace EdidOptions;
    QSize size;
    uint8_t ucRate = 0;
    bool bFractional = false;
    if (!CurrentSize(selection, vecResolutions, size)
        || !FrameRateByIndex(selection.nRateIndex, ucRate, bFractional))
        return false;
    record = SEdidSettingsRecord();
    record.uFrameRate = ucRate;
    record.uWidth = static_cast<uint16_t>(size.width());
    record.uHeight = static_cast<uint16_t>(size.height());
    if (!ctx.bExtendedEdid)
        return true;
    uint8_t ucColor = selection.ucColor;
    if (!ColorDepthByIndex(selection.nDepthIndex, ucColor)
        || !ColorFormatByIndex(selection.nFormatIndex, ucColor))
        return false;
    record.bFractional = bFractional;
    record.ucColor = ucColor;
    record.ucTimingStandard = selection.ucTimingStandard;
    record.ucConnectPC = IsSenderConnectPC(ctx.nModel, ctx.nInput) || selection.ucConnectPC ? 1 : 0;
    return true;
}

EdidOptions::SRowFlags VisibleRows(
    const SEdidSelection& selection, const EdidOptions::SInputContext& ctx, bool bErrorShown)
{
    EdidOptions::SRowFlags rows;
    rows.bCustomSize = selection.nResolutionIndex == 0;
    rows.bRate = true;
    rows.bStandard = EdidOptions::IsStandardShown(ctx.nModel);
    rows.bConnectPC = EdidOptions::IsShowConnectPC(ctx.nModel, ctx.nInput);
    rows.bError = bErrorShown;
    return rows;
}

} // namespace EdidSelection
