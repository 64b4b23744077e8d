#include "EdidBuilder.h"
#include "EdidLimits.h"
#include "ToolRunner.h"

// Feeds built blocks to Debian's edid-decode. Within the advertised ranges the
// only failure is the manufacturer name (its bytes are fixed by the format and
// are not letters); outside them the only further failure is the out-of-range
// one, and the range complaint names exactly the ranges we predict.
namespace {
const char g_szManufacturer[] = "Manufacturer name field contains garbage";
const char g_szOutOfRange[] = "Some timings are out of range of the Monitor Ranges";
const char g_szClockTooLow[] = "Pixelclock < 10 MHz";

struct SMode
{
    int nWidth;
    int nHeight;
    float fRate;
    STimingInfo Timing() const
    {
        STimingInfo sTiming;
        CEdidBuilder::CalcCvtTiming(nWidth, nHeight, fRate, 0, 1, 0, sTiming);
        return sTiming;
    }
    unsigned Violations() const { return EdidLimits::FindRangeViolations(nWidth, nHeight, fRate, Timing()); }
};

// Failures, one line each, and the out-of-range item with its detail lines. A
// complaint that "could be due to a Monitor Range off-by-one rounding issue"
// is listed under warnings, a larger one under failures.
QStringList ParseReport(const QByteArray& baOutput, QString& strRangeComplaint)
{
    QStringList listFailures;
    bool bInFailures = false;
    bool bInRange = false;
    for (const QByteArray& baLine : baOutput.split('\n')) {
        if (baLine.startsWith("EDID conformity"))
            break;
        bInFailures = bInFailures || baLine == "Failures:";
        const bool bItem = baLine.startsWith("  ") && !baLine.startsWith("    ");
        if (bItem)
            bInRange = baLine.contains(g_szOutOfRange);
        if (bInRange)
            strRangeComplaint += QString::fromUtf8(baLine.trimmed()) + '\n';
        if (bItem && bInFailures)
            listFailures << QString::fromUtf8(baLine.trimmed());
    }
    return listFailures;
}

// Pairs of modes straddling each change of the predicted violations, found by
// bisecting the rate, so that rounding at the limits is compared too.
void AddBoundaryModes(int nWidth, int nHeight, QVector<SMode>& vecModes)
{
    for (float fRate = 2.0f; fRate < 260.0f; fRate += 2.0f) {
        SMode sLow {nWidth, nHeight, fRate - 2.0f};
        SMode sHigh {nWidth, nHeight, fRate};
        if (sLow.Violations() == sHigh.Violations())
            continue;
        for (int i = 0; i < 40 && sHigh.fRate - sLow.fRate > 1e-4f; ++i) {
            const SMode sMid {nWidth, nHeight, 0.5f * (sLow.fRate + sHigh.fRate)};
            (sMid.Violations() == sLow.Violations() ? sLow : sHigh) = sMid;
        }
        vecModes << sLow << sHigh;
    }
}
} // namespace

class CTestEdidDecodeCheck : public QObject
{
    Q_OBJECT

private slots:
    void SweepMatchesAdvertisedRanges();
};

void CTestEdidDecodeCheck::SweepMatchesAdvertisedRanges()
{
    const QString strEdidDecode = QStandardPaths::findExecutable("edid-decode");
    if (strEdidDecode.isEmpty())
        QSKIP("edid-decode is not installed");
    QVector<SMode> vecModes;
    for (int nWidth : {320, 640, 1024, 1366, 1920, 2560, 3840, 4095})
        for (int nHeight : {200, 480, 768, 1080, 1600, 2160, 4095})
            for (float fRate : {5.0f, 20.0f, 24.0f, 30.0f, 50.0f, 59.94f, 75.0f, 120.0f, 144.0f, 240.0f})
                vecModes << SMode {nWidth, nHeight, fRate};
    const int nGrid = vecModes.size();
    for (const QSize& size : {QSize(320, 200), QSize(640, 480), QSize(1280, 1024), QSize(1920, 1080)})
        AddBoundaryModes(size.width(), size.height(), vecModes);
    QVERIFY(vecModes.size() > nGrid + 10);

    QTemporaryDir dir;
    const QString strFile = dir.filePath("block.bin");
    int nChecked = 0;
    int nOutside = 0;
    int nRangeFailures = 0; // the rest were reported as off-by-one warnings
    for (const SMode& m : vecModes) {
        if (!EdidLimits::CheckEncodable(m.nWidth, m.nHeight, m.fRate, m.Timing()).isEmpty())
            continue;
        CEdidBuilder builder;
        builder.BuildEdid(m.nWidth, m.nHeight, m.fRate);
        QFile file(strFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE);
        file.close();

        QString strRange;
        const QStringList listFailures
            = ParseReport(RunTool(strEdidDecode, {"--check", strFile}).baOut, strRange);
        const QString strMode
            = QString("%1x%2@%3: ").arg(m.nWidth).arg(m.nHeight).arg(double(m.fRate), 0, 'g', 9)
            + listFailures.join(" | ") + " / " + strRange;
        QVERIFY2(listFailures.value(0).contains(g_szManufacturer), qPrintable(strMode));
        const QStringList listOthers = listFailures.mid(1);
        const unsigned nViolations = m.Violations();
        ++nChecked;
        if (nViolations == 0) {
            QVERIFY2(listOthers.isEmpty() && strRange.isEmpty(), qPrintable(strMode));
            continue;
        }
        ++nOutside;
        if (nViolations & EdidLimits::RANGE_CLOCK_LOW) {
            QVERIFY2(listOthers.size() == 1 && listOthers[0].contains(g_szClockTooLow), qPrintable(strMode));
            continue;
        }
        QVERIFY2(listOthers.isEmpty() || (listOthers.size() == 1 && listOthers[0].contains(g_szOutOfRange)),
            qPrintable(strMode));
        nRangeFailures += listOthers.size();
        QVERIFY2(!strRange.isEmpty()
                && strRange.contains("Maximum Clock") == bool(nViolations & EdidLimits::RANGE_CLOCK_HIGH)
                && strRange.contains("Vertical Freq") == bool(nViolations & EdidLimits::RANGE_VFREQ)
                && strRange.contains("Horizontal Freq") == bool(nViolations & EdidLimits::RANGE_HFREQ),
            qPrintable(strMode));
    }
    qInfo("%d blocks checked, %d outside the advertised ranges, %d of them reported as failures", nChecked,
        nOutside, nRangeFailures);
    QVERIFY(nOutside > 0 && nOutside < nChecked);
}

QTEST_GUILESS_MAIN(CTestEdidDecodeCheck)
#include "tst_EdidDecodeCheck.moc"
