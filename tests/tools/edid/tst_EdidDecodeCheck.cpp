#include "EdidBuilder.h"
#include "EdidLimits.h"
#include "ToolRunner.h"

#include <QFile>
#include <QTemporaryDir>

// Feeds built blocks to Debian's edid-decode. Within the ranges the block
// advertises, the only failure must be the manufacturer name (its bytes are
// fixed by the format and are not letters) and there is no range complaint;
// outside them, the only further failure is the out-of-range one, and the
// range complaint names exactly the ranges we predict.
namespace {
const char g_szManufacturer[] = "Manufacturer name field contains garbage";
const char g_szOutOfRange[] = "Some timings are out of range of the Monitor Ranges";
const char g_szClockTooLow[] = "Pixelclock < 10 MHz";

struct SMode
{
    int nWidth;
    int nHeight;
    float fRate;
};

// The parts of an edid-decode report this test judges. A range complaint
// that "could be due to a Monitor Range off-by-one rounding issue" is listed
// under warnings; a larger one under failures.
struct SReport
{
    QStringList listFailures; // one line per failure
    QString strRangeComplaint; // the out-of-range line and its detail lines
};

SReport ParseReport(const QByteArray& baOutput)
{
    SReport sReport;
    bool bInFailures = false;
    bool bInRange = false;
    for (const QByteArray& baLine : baOutput.split('\n')) {
        if (baLine == "Failures:")
            bInFailures = true;
        if (baLine.startsWith("EDID conformity"))
            break;
        const bool bItem = baLine.startsWith("  ") && !baLine.startsWith("    ");
        if (bItem)
            bInRange = baLine.contains(g_szOutOfRange);
        if (bInRange)
            sReport.strRangeComplaint += QString::fromUtf8(baLine.trimmed()) + '\n';
        if (bItem && bInFailures)
            sReport.listFailures << QString::fromUtf8(baLine.trimmed());
    }
    return sReport;
}

unsigned Violations(const SMode& m)
{
    STimingInfo sTiming;
    CEdidBuilder::CalcCvtTiming(m.nWidth, m.nHeight, m.fRate, 0, 1, 0, sTiming);
    return EdidLimits::FindRangeViolations(m.nWidth, m.nHeight, m.fRate, sTiming);
}

bool Encodable(const SMode& m)
{
    STimingInfo sTiming;
    CEdidBuilder::CalcCvtTiming(m.nWidth, m.nHeight, m.fRate, 0, 1, 0, sTiming);
    return EdidLimits::CheckEncodable(m.nWidth, m.nHeight, m.fRate, sTiming).isEmpty();
}

// Pairs of modes straddling each change of the predicted violations, found by
// bisecting the rate, so that rounding at the limits is compared too.
void AddBoundaryModes(int nWidth, int nHeight, QVector<SMode>& vecModes)
{
    for (float fRate = 2.0f; fRate < 260.0f; fRate += 2.0f) {
        SMode sLow {nWidth, nHeight, fRate - 2.0f};
        SMode sHigh {nWidth, nHeight, fRate};
        if (Violations(sLow) == Violations(sHigh))
            continue;
        for (int i = 0; i < 40 && sHigh.fRate - sLow.fRate > 1e-4f; ++i) {
            SMode sMid {nWidth, nHeight, 0.5f * (sLow.fRate + sHigh.fRate)};
            (Violations(sMid) == Violations(sLow) ? sLow : sHigh) = sMid;
        }
        vecModes << sLow << sHigh;
    }
}
} // namespace

class CTestEdidDecodeCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void SweepMatchesAdvertisedRanges();

private:
    QString m_strEdidDecode;
};

void CTestEdidDecodeCheck::initTestCase()
{
    m_strEdidDecode = QStandardPaths::findExecutable("edid-decode");
    if (m_strEdidDecode.isEmpty())
        QSKIP("edid-decode is not installed");
}

void CTestEdidDecodeCheck::SweepMatchesAdvertisedRanges()
{
    QVector<SMode> vecModes;
    for (int nWidth : {320, 640, 1024, 1366, 1920, 2560, 3840, 4095})
        for (int nHeight : {200, 480, 768, 1080, 1600, 2160, 4095})
            for (float fRate : {5.0f, 20.0f, 24.0f, 30.0f, 50.0f, 59.94f, 75.0f, 120.0f, 144.0f, 240.0f})
                vecModes << SMode {nWidth, nHeight, fRate};
    const int nGrid = vecModes.size();
    for (const SMode& sBase :
        {SMode {320, 200, 0}, SMode {640, 480, 0}, SMode {1280, 1024, 0}, SMode {1920, 1080, 0}})
        AddBoundaryModes(sBase.nWidth, sBase.nHeight, vecModes);
    QVERIFY(vecModes.size() > nGrid + 10);

    QTemporaryDir dir;
    const QString strFile = dir.filePath("block.bin");
    int nChecked = 0;
    int nOutside = 0;
    int nRangeFailures = 0; // the rest were reported as off-by-one warnings
    for (const SMode& m : vecModes) {
        if (!Encodable(m))
            continue;
        CEdidBuilder builder;
        builder.BuildEdid(m.nWidth, m.nHeight, m.fRate);
        QFile file(strFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(builder.GetBlock()), CEdidBuilder::BLOCK_SIZE);
        file.close();

        const SToolRun sRun = RunTool(m_strEdidDecode, {"--check", strFile});
        const SReport sReport = ParseReport(sRun.baOut);
        const QString strMode
            = QString("%1x%2@%3: ").arg(m.nWidth).arg(m.nHeight).arg(double(m.fRate), 0, 'g', 9)
            + sReport.listFailures.join(" | ") + " / " + sReport.strRangeComplaint;
        QVERIFY2(!sReport.listFailures.isEmpty() && sReport.listFailures[0].contains(g_szManufacturer),
            qPrintable(strMode));
        const QStringList listOthers = sReport.listFailures.mid(1);

        const unsigned nViolations = Violations(m);
        ++nChecked;
        if (nViolations == 0) {
            QVERIFY2(listOthers.isEmpty() && sReport.strRangeComplaint.isEmpty(), qPrintable(strMode));
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
        const QString& strRange = sReport.strRangeComplaint;
        QVERIFY2(!strRange.isEmpty(), qPrintable(strMode));
        QVERIFY2(strRange.contains("Maximum Clock") == bool(nViolations & EdidLimits::RANGE_CLOCK_HIGH)
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
