#pragma once

#include "EdidBuilder.h"

#include <QByteArray>

// Shared by the builder's and the tool's tests: a timing, a block's bytes, its fixed parts.
namespace EdidTestBlocks {

inline STimingInfo Rb(int nWidth, int nHeight, float fRate)
{
    STimingInfo sTiming;
    CEdidBuilder::CalcCvtTiming(nWidth, nHeight, fRate, 0, 1, 0, sTiming);
    return sTiming;
}

inline QByteArray Block(const CEdidBuilder& builder, int nOffset = 0, int nLength = CEdidBuilder::BLOCK_SIZE)
{
    return QByteArray(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE)
        .mid(nOffset, nLength);
}

// Everything outside descriptor 1, the name text and the checksum.
const QByteArray g_baHead = QByteArray::fromHex("00FFFFFFFFFFFF007BDE000001010101001B0103810000780AC001AF5030"
                                                "B6230D505401000001010101010101010101010101010101");
const QByteArray g_baSerial = QByteArray::fromHex("000000FF003030300A202020202020202020000000FC00");
const QByteArray g_baRanges = QByteArray::fromHex("000000FD0017781E9911000A202020202020");

} // namespace EdidTestBlocks
