#include "Command.h"
#include "EdidBuilder.h"
#include "EdidLimits.h"
#include "ModeArgs.h"

#include <cstdio>

namespace {
QByteArray FormatHex(const uint8_t* pBlock)
{
    QByteArray baText;
    for (int i = 0; i < CEdidBuilder::BLOCK_SIZE; ++i) {
        baText += QByteArray::number(pBlock[i], 16).rightJustified(2, '0').toUpper();
        baText += (i % 16 == 15) ? '\n' : ' ';
    }
    return baText;
}

int RunEdid(const QStringList& listArgs)
{
    SSplitArgs sSplit;
    SModeArgs sMode;
    QString strError;
    if (!SplitArgs(listArgs, g_listScanFlags + QStringList {"--hex"}, {"-o"}, sSplit, strError)
        || !ParseMode(sSplit.listPositional, sMode, strError)
        || !CheckOutputName(sSplit.mapValues.value("-o", "-"), strError))
        return UsageError(strError);

    // The same timing the builder computes for its preferred descriptor; the
    // block always has reduced blanking, so -r only confirms it.
    const SScan sScan = ScanOf(sSplit, sMode);
    STimingInfo sTiming;
    CEdidBuilder::CalcCvtTiming(
        sMode.nWidth, sMode.nHeight, sScan.fFieldRate, sScan.bInterlaced, 1, 0, sTiming);
    const double dClockHz
        = double(CEdidBuilder::CalcDescriptorClockHz(sMode.nWidth, sScan.nLines, sScan.fFieldRate, sTiming));
    if (!CheckClock(sMode, dClockHz, g_edidClockRange, strError))
        return UsageError(strError);
    strError = EdidLimits::CheckEncodable(sMode.nWidth, sScan.nLines, sScan.fFieldRate, sTiming);
    if (!strError.isEmpty())
        return UsageError(strError);

    CEdidBuilder builder;
    if (sScan.bInterlaced)
        builder.BuildInterlacedEdid(sMode.nWidth, sMode.nHeight, sMode.fRate);
    else
        builder.BuildEdid(sMode.nWidth, sMode.nHeight, sMode.fRate);
    const QByteArray baOut = sSplit.setFlags.contains("--hex")
        ? FormatHex(builder.GetBlock())
        : QByteArray(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE);

    const QString strRanges
        = EdidLimits::DescribeRangeViolations(sMode.nWidth, sScan.nLines, sScan.fFieldRate, sTiming);
    if (!strRanges.isEmpty())
        std::fprintf(stderr,
            "sendertool: warning: the mode lies outside the ranges the block advertises: %s\n",
            strRanges.toLocal8Bit().constData());

    return WriteOutput(sSplit.mapValues.value("-o", "-"), baOut);
}
} // namespace

SENDERTOOL_COMMAND(edid, "edid",
    "edid WIDTH HEIGHT RATE [-o FILE] [--hex] [-r|--reduced] [-i|--interlaced]\n"
    "    Builds the 128-byte EDID 1.3 base block of a monitor showing WIDTH x HEIGHT\n"
    "    (1 to 4095) at RATE Hz with CVT reduced blanking (always; -r is taken as\n"
    "    cvt spells it), interlaced with -i (RATE is then the frame rate, and the\n"
    "    timing is one field's at twice that rate), and writes it raw to FILE\n"
    "    or, without -o or with -o -, to standard output. --hex writes 8 lines of 16\n"
    "    hex bytes instead. The pixel clock must be from 0.01 to 655.35 MHz. Warns\n"
    "    when the mode lies outside the ranges the block advertises.",
    RunEdid);
