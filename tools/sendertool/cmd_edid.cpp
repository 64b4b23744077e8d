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
    if (!SplitArgs(listArgs, {"--hex"}, {"-o"}, sSplit, strError)
        || !ParseMode(sSplit.listPositional, sMode, strError)
        || !CheckOutputName(sSplit.mapValues.value("-o", "-"), strError))
        return UsageError(strError);

    // The same timing the builder computes for its preferred descriptor.
    STimingInfo sTiming;
    CEdidBuilder::CalcCvtTiming(sMode.nWidth, sMode.nHeight, sMode.fRate, 0, 1, 0, sTiming);
    const double dClockHz
        = double(CEdidBuilder::CalcDescriptorClockHz(sMode.nWidth, sMode.nHeight, sMode.fRate, sTiming));
    if (!CheckClock(sMode, dClockHz, g_edidClockRange, strError))
        return UsageError(strError);
    strError = EdidLimits::CheckEncodable(sMode.nWidth, sMode.nHeight, sMode.fRate, sTiming);
    if (!strError.isEmpty())
        return UsageError(strError);

    CEdidBuilder builder;
    builder.BuildEdid(sMode.nWidth, sMode.nHeight, sMode.fRate);
    const QByteArray baOut = sSplit.setFlags.contains("--hex")
        ? FormatHex(builder.GetBlock())
        : QByteArray(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE);

    const QString strRanges
        = EdidLimits::DescribeRangeViolations(sMode.nWidth, sMode.nHeight, sMode.fRate, sTiming);
    if (!strRanges.isEmpty())
        std::fprintf(stderr,
            "sendertool: warning: the mode lies outside the ranges the block advertises: %s\n",
            strRanges.toLocal8Bit().constData());

    return WriteOutput(sSplit.mapValues.value("-o", "-"), baOut);
}
} // namespace

SENDERTOOL_COMMAND(edid, "edid",
    "edid WIDTH HEIGHT RATE [-o FILE] [--hex]\n"
    "    Builds the 128-byte EDID 1.3 base block of a monitor showing WIDTH x HEIGHT\n"
    "    (1 to 4095) at RATE Hz with CVT reduced blanking, and writes it raw to FILE\n"
    "    or, without -o or with -o -, to standard output. --hex writes 8 lines of 16\n"
    "    hex bytes instead. The pixel clock must be from 0.01 to 655.35 MHz. Warns\n"
    "    when the mode lies outside the ranges the block advertises.",
    RunEdid);
