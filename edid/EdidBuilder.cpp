#include "EdidBuilder.h"

#include "Common/Assert.h"

#include <cstdio>
#include <cstring>

namespace {
enum enBlockOffset
{
    OFFSET_DESCRIPTOR_1 = 54,
    OFFSET_DESCRIPTOR_1_FLAGS = 71,
    OFFSET_NAME_TEXT = 95,
    OFFSET_CHECKSUM = 127,
};
constexpr int DESCRIPTOR_SIZE = 18;
constexpr int NAME_LENGTH = 13;
constexpr uint8_t FLAG_INTERLACED = 0x80;

// Everything but the monitor name text; descriptor 1 is a 1280x1024 placeholder
// until a detailed timing is written, and the checksum byte is not yet valid.
// clang-format off
const uint8_t g_arrTemplate[CEdidBuilder::BLOCK_SIZE] = {
    0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, // header
    0x7B, 0xDE,                                     // manufacturer codes 30, 30, 30
    0x00, 0x00,                                     // product code
    0x01, 0x01, 0x01, 0x01,                         // serial number
    0x00, 0x1B,                                     // week not given, year 2017
    0x01, 0x03,                                     // EDID 1.3
    0x81, 0x00, 0x00, 0x78, 0x0A,                   // digital input, no size, gamma 2.2, features
    0xC0, 0x01, 0xAF, 0x50, 0x30, 0xB6, 0x23, 0x0D, 0x50, 0x54, // chromaticity
    0x01, 0x00, 0x00,                               // established: 800x600 at 60 Hz only
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, // standard timings unused
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    // descriptor 1: 108.52 MHz, 1280x1024
    0x64, 0x2A, 0x00, 0x98, 0x51, 0x00, 0x2A, 0x40, 0x30, 0x70, 0x13, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1E,
    // descriptor 2: serial number text "000"
    0x00, 0x00, 0x00, 0xFF, 0x00, 0x30, 0x30, 0x30, 0x0A, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
    // descriptor 3: monitor name, text filled in from the resolution
    0x00, 0x00, 0x00, 0xFC, 0x00, 0x0A, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
    // descriptor 4: range limits 23-120 Hz, 30-153 kHz, 170 MHz
    0x00, 0x00, 0x00, 0xFD, 0x00, 0x17, 0x78, 0x1E, 0x99, 0x11, 0x00, 0x0A, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
    0x00,                                           // no extension blocks
    0x80,
};
// clang-format on

uint8_t LowByte(unsigned nValue)
{
    return static_cast<uint8_t>(nValue & 0xFF);
}
uint8_t Bits(unsigned nValue, int nShift, unsigned nMask)
{
    return static_cast<uint8_t>((nValue >> nShift) & nMask);
}
} // namespace

void CEdidBuilder::ClearBlock()
{
    std::memset(m_arrBlock, 0, sizeof(m_arrBlock));
}

void CEdidBuilder::UpdateChecksum()
{
    unsigned nSum = 0;
    for (int i = 0; i < OFFSET_CHECKSUM; ++i)
        nSum += m_arrBlock[i];
    m_arrBlock[OFFSET_CHECKSUM] = static_cast<uint8_t>((256 - nSum % 256) % 256);
}

bool CEdidBuilder::IsChecksumValid() const
{
    unsigned nSum = 0;
    for (uint8_t nByte : m_arrBlock)
        nSum += nByte;
    return nSum % 256 == 0;
}

void CEdidBuilder::BuildBaseBlock(int nWidth, int nHeight)
{
    std::memcpy(m_arrBlock, g_arrTemplate, sizeof(m_arrBlock));
    // Room for two full ints; only the first 13 characters are stored.
    char szName[32];
    const int nLength = std::snprintf(szName, sizeof(szName), "LED%5dX%d", nWidth, nHeight);
    SENDER_ASSERT(nLength >= 0);
    if (nLength >= NAME_LENGTH) {
        std::memcpy(m_arrBlock + OFFSET_NAME_TEXT, szName, NAME_LENGTH);
    } else {
        std::memcpy(m_arrBlock + OFFSET_NAME_TEXT, szName, nLength);
        // The template's spaces already pad the rest.
        m_arrBlock[OFFSET_NAME_TEXT + nLength] = 0x0A;
    }
}

void CEdidBuilder::WriteDetailedTiming(int nWidth, int nHeight, float fRate, const STimingInfo& sTiming)
{
    const unsigned nClock
        = static_cast<unsigned>(CalcDescriptorClockHz(nWidth, nHeight, fRate, sTiming) / 10000);
    const unsigned nW = static_cast<unsigned>(nWidth);
    const unsigned nH = static_cast<unsigned>(nHeight);
    const STimingInfo& t = sTiming;
    const uint8_t arrDescriptor[DESCRIPTOR_SIZE] = {
        LowByte(nClock),
        Bits(nClock, 8, 0xFF),
        LowByte(nW),
        LowByte(t.nHBlank),
        static_cast<uint8_t>(Bits(nW, 8, 0x0F) << 4 | Bits(t.nHBlank, 8, 0x0F)),
        LowByte(nH),
        LowByte(t.nVBlank),
        static_cast<uint8_t>(Bits(nH, 8, 0x0F) << 4 | Bits(t.nVBlank, 8, 0x0F)),
        LowByte(t.nHFrontPorch),
        LowByte(t.nHSyncWidth),
        static_cast<uint8_t>(Bits(t.nVFrontPorch, 0, 0x0F) << 4 | Bits(t.nVSyncWidth, 0, 0x0F)),
        static_cast<uint8_t>(Bits(t.nHFrontPorch, 8, 0x03) << 6 | Bits(t.nHSyncWidth, 8, 0x03) << 4
            | Bits(t.nVFrontPorch, 4, 0x03) << 2 | Bits(t.nVSyncWidth, 4, 0x03)),
        0x00,
        0x00,
        0x00, // image size not given
        0x00,
        0x00, // no borders
        // Digital separate sync; the polarity bits sit one above the flag bits.
        static_cast<uint8_t>(0x18 | (t.nSyncFlags & 0x03) << 1),
    };
    std::memcpy(m_arrBlock + OFFSET_DESCRIPTOR_1, arrDescriptor, DESCRIPTOR_SIZE);
    UpdateChecksum();
}

void CEdidBuilder::SetDetailedTiming(int nWidth, int nHeight, float fRate)
{
    STimingInfo sTiming;
    CalcCvtTiming(nWidth, nHeight, fRate, 0, 1, 0, sTiming);
    WriteDetailedTiming(nWidth, nHeight, fRate, sTiming);
}

void CEdidBuilder::BuildEdid(int nWidth, int nHeight, float fRate)
{
    // Template first so the computed descriptor replaces the placeholder;
    // the checksum is written last, over the final contents.
    ClearBlock();
    BuildBaseBlock(nWidth, nHeight);
    SetDetailedTiming(nWidth, nHeight, fRate);
}

void CEdidBuilder::BuildInterlacedEdid(int nWidth, int nHeight, float fFrameRate)
{
    const float fFieldRate = 2.0f * fFrameRate;
    STimingInfo sTiming;
    CalcCvtTiming(nWidth, nHeight, fFieldRate, 1, 1, 0, sTiming);
    ClearBlock();
    BuildBaseBlock(nWidth, nHeight);
    WriteDetailedTiming(nWidth, nHeight / 2, fFieldRate, sTiming);
    m_arrBlock[OFFSET_DESCRIPTOR_1_FLAGS] |= FLAG_INTERLACED;
    UpdateChecksum();
}
