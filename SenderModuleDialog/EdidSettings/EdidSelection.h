#pragma once

#include "EdidOptions.h"
#include "EdidSettingsRecord.h"

#include <QSize>
#include <QVector>

// Everything the user has chosen in the EDID dialog, as one value.
struct SEdidSelection
{
    int nOpenedWidth = -1; // size read at opening; the custom entry shows it
    int nOpenedHeight = -1;
    int nFieldWidth = -1; // what the custom fields hold now
    int nFieldHeight = -1;
    uint8_t ucColor = 0; // bit 0 travels as read
    uint8_t ucTimingStandard = 0;
    uint8_t ucConnectPC = 0; // the connect-to-computer box
    int nResolutionIndex = 0; // 0 custom, i entry i - 1 of the input's list
    int nRateIndex = EdidOptions::g_nRatePos60;
    int nDepthIndex = 0;
    int nFormatIndex = 0;
};

namespace EdidSelection {

// The selection shown on opening: from the record read from the input, or
// the defaults (1920 x 1080, 60 Hz, 8 bit RGB, CVT_RB) when pRead is null.
SEdidSelection FromRecord(const SEdidSettingsRecord* pRead, const QVector<QSize>& vecResolutions, int nInput);

// Positions chosen from the menus other than the rate's.
enum enField
{
    FieldResolution,
    FieldDepth,
    FieldFormat,
    FieldStandard,
};
// False, and nothing changes, for a position the field does not have.
bool Select(SEdidSelection& selection, enField nField, int nPosition);

// The size the selection stands for; false for a position beyond the list.
bool CurrentSize(const SEdidSelection& selection, const QVector<QSize>& vecResolutions, QSize& size);

// The record OK sends; false, with nothing to send, for a position outside
// its table. Without the extended settings only rate and size travel.
bool MakeRecord(const SEdidSelection& selection, const EdidOptions::SInputContext& ctx,
    const QVector<QSize>& vecResolutions, SEdidSettingsRecord& record);

// Rows shown below the resolution combo.
EdidOptions::SRowFlags VisibleRows(
    const SEdidSelection& selection, const EdidOptions::SInputContext& ctx, bool bErrorShown);

} // namespace EdidSelection
