#include "Command.h"
#include "EdidBuilder.h"
#include "EdidLimits.h"
#include "ModeArgs.h"

#include <QSaveFile>

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
        || !ParseMode(sSplit.listPositional, sMode, strError))
        return UsageError(strError);

    // The same timing the builder computes for its preferred descriptor.
    STimingInfo sTiming;
    CEdidBuilder::CalcCvtTiming(sMode.nWidth, sMode.nHeight, sMode.fRate, 0, 1, 0, sTiming);
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

    if (!sSplit.mapValues.contains("-o")) {
        std::fwrite(baOut.constData(), 1, baOut.size(), stdout);
        return std::fflush(stdout) == 0 ? EXIT_OK : EXIT_FAILURE_RESULT;
    }
    // Written to a temporary file and renamed, so a failed write leaves an existing file intact.
    QSaveFile file(sSplit.mapValues["-o"]);
    if (!file.open(QIODevice::WriteOnly) || file.write(baOut) != baOut.size() || !file.commit())
        return UsageError(QString("cannot write %1: %2").arg(file.fileName(), file.errorString()));
    return EXIT_OK;
}
} // namespace

SENDERTOOL_COMMAND(edid, "edid",
    "edid WIDTH HEIGHT RATE [-o FILE] [--hex]\n"
    "    Builds the 128-byte EDID 1.3 base block of a monitor showing WIDTH x HEIGHT\n"
    "    (1 to 4095) at RATE Hz with CVT reduced blanking, and writes it raw to FILE\n"
    "    or standard output. --hex writes 8 lines of 16 hex bytes instead. Warns when\n"
    "    the mode lies outside the ranges the block advertises.",
    RunEdid);
