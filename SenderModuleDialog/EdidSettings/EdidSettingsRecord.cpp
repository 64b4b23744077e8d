#include "EdidSettingsRecord.h"

#include <QtEndian>

namespace {
constexpr int g_nOffsetRate = 4;
constexpr int g_nOffsetFractional = 8;
constexpr int g_nOffsetWidth = 10;
constexpr int g_nOffsetHeight = 12;
constexpr int g_nOffsetColor = 14;
constexpr int g_nOffsetStandard = 15;
constexpr int g_nOffsetConnect = 16;
constexpr int g_nOffsetInputId = 12;
} // namespace

SEdidSettingsRecord::CBytes SEdidSettingsRecord::ToBytes() const
{
    CBytes bytes {};
    qToLittleEndian<quint32>(uFrameRate, bytes.data() + g_nOffsetRate);
    bytes[g_nOffsetFractional] = bFractional ? 1 : 0;
    qToLittleEndian<quint16>(uWidth, bytes.data() + g_nOffsetWidth);
    qToLittleEndian<quint16>(uHeight, bytes.data() + g_nOffsetHeight);
    bytes[g_nOffsetColor] = ucColor;
    bytes[g_nOffsetStandard] = ucTimingStandard;
    bytes[g_nOffsetConnect] = ucConnectPC;
    return bytes;
}

SEdidSettingsRecord SEdidSettingsRecord::FromBytes(const CBytes& bytes)
{
    SEdidSettingsRecord record;
    record.uFrameRate = qFromLittleEndian<quint32>(bytes.data() + g_nOffsetRate);
    record.bFractional = bytes[g_nOffsetFractional] != 0;
    record.uWidth = qFromLittleEndian<quint16>(bytes.data() + g_nOffsetWidth);
    record.uHeight = qFromLittleEndian<quint16>(bytes.data() + g_nOffsetHeight);
    record.ucColor = bytes[g_nOffsetColor];
    record.ucTimingStandard = bytes[g_nOffsetStandard];
    record.ucConnectPC = bytes[g_nOffsetConnect];
    return record;
}

SEdidSettingsRecord::CBytes MakeEdidInputDescriptor(int nInputId)
{
    SEdidSettingsRecord::CBytes bytes {};
    qToLittleEndian<qint32>(nInputId, bytes.data() + g_nOffsetInputId);
    return bytes;
}
