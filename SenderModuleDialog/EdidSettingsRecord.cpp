#include "EdidSettingsRecord.h"

#include <QtEndian>

namespace {
constexpr int OFFSET_RATE = 4;
constexpr int OFFSET_FRACTIONAL = 8;
constexpr int OFFSET_WIDTH = 10;
constexpr int OFFSET_HEIGHT = 12;
constexpr int OFFSET_COLOR = 14;
constexpr int OFFSET_STANDARD = 15;
constexpr int OFFSET_CONNECT = 16;
constexpr int OFFSET_INPUT_ID = 12;
} // namespace

SEdidSettingsRecord::CBytes SEdidSettingsRecord::ToBytes() const
{
    CBytes bytes {};
    qToLittleEndian<quint32>(uFrameRate, bytes.data() + OFFSET_RATE);
    bytes[OFFSET_FRACTIONAL] = bFractional ? 1 : 0;
    qToLittleEndian<quint16>(uWidth, bytes.data() + OFFSET_WIDTH);
    qToLittleEndian<quint16>(uHeight, bytes.data() + OFFSET_HEIGHT);
    bytes[OFFSET_COLOR] = ucColor;
    bytes[OFFSET_STANDARD] = ucTimingStandard;
    bytes[OFFSET_CONNECT] = ucConnectPC;
    return bytes;
}

SEdidSettingsRecord SEdidSettingsRecord::FromBytes(const CBytes& bytes)
{
    SEdidSettingsRecord record;
    record.uFrameRate = qFromLittleEndian<quint32>(bytes.data() + OFFSET_RATE);
    record.bFractional = bytes[OFFSET_FRACTIONAL] != 0;
    record.uWidth = qFromLittleEndian<quint16>(bytes.data() + OFFSET_WIDTH);
    record.uHeight = qFromLittleEndian<quint16>(bytes.data() + OFFSET_HEIGHT);
    record.ucColor = bytes[OFFSET_COLOR];
    record.ucTimingStandard = bytes[OFFSET_STANDARD];
    record.ucConnectPC = bytes[OFFSET_CONNECT];
    return record;
}

SEdidSettingsRecord::CBytes MakeEdidInputDescriptor(int nInputId)
{
    SEdidSettingsRecord::CBytes bytes {};
    qToLittleEndian<qint32>(nInputId, bytes.data() + OFFSET_INPUT_ID);
    return bytes;
}
