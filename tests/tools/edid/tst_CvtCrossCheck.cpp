#include "ToolRunner.h"

#include <QMap>
#include <QRandomGenerator>

// Compares `sendertool timing` with Debian's cvt on random modes. The two
// share the CVT formula but not its arithmetic: ours keeps the 8 % sync rule
// and the aspect-ratio test in single precision on whole cells, cvt computes
// exactly, so a minority of modes may differ by a cell or a sync width.
namespace {
enum enField
{
    H_BLANK,
    H_FRONT_PORCH,
    H_SYNC,
    V_BLANK,
    V_FRONT_PORCH,
    V_SYNC,
    FIELD_COUNT
};
const char* const g_arrFieldNames[FIELD_COUNT] = {"hblank", "hfront", "hsync", "vblank", "vfront", "vsync"};

struct SBlanking
{
    int arrValues[FIELD_COUNT] = {};
};

// Blanking, front porch and sync width from the modeline's eight numbers,
// relative to the active size each tool reports.
bool ParseModeline(const QByteArray& baText, SBlanking& sBlanking)
{
    for (const QByteArray& baLine : baText.split('\n')) {
        const QList<QByteArray> listTokens = baLine.simplified().split(' ');
        if (listTokens.size() < 11 || listTokens[0] != "Modeline")
            continue;
        int arrNumbers[8];
        for (int i = 0; i < 8; ++i) {
            bool bOk = false;
            arrNumbers[i] = listTokens[3 + i].toInt(&bOk);
            if (!bOk)
                return false;
        }
        for (int nAxis = 0; nAxis < 2; ++nAxis) {
            const int* p = arrNumbers + 4 * nAxis;
            int* pOut = sBlanking.arrValues + 3 * nAxis;
            pOut[0] = p[3] - p[0]; // blanking
            pOut[1] = p[1] - p[0]; // front porch
            pOut[2] = p[2] - p[1]; // sync width
        }
        return true;
    }
    return false;
}
} // namespace

class CTestCvtCrossCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void RandomModesAgreeWithCvt();

private:
    QString m_strCvt;
};

void CTestCvtCrossCheck::initTestCase()
{
    REQUIRE_SENDERTOOL();
    m_strCvt = QStandardPaths::findExecutable("cvt");
    if (m_strCvt.isEmpty())
        QSKIP("cvt (Debian package xcvt) is not installed");
}

void CTestCvtCrossCheck::RandomModesAgreeWithCvt()
{
    constexpr int MODE_COUNT = 320;
    QRandomGenerator random(0xC47);
    int nAllSix = 0;
    QMap<QString, int> mapKinds; // disagreement pattern -> count
    QStringList listExamples;

    // Draw every mode first, then run the tools in batches side by side.
    QStringList listModes;
    QVector<SToolCall> vecCalls; // ours, then cvt, for each mode
    for (int i = 0; i < MODE_COUNT; ++i) {
        const QString strWidth = QString::number(random.bounded(320, 4096));
        const QString strHeight = QString::number(random.bounded(200, 2401));
        // cvt only defines reduced blanking at multiples of 60 Hz.
        const bool bReduced = i % 4 == 0;
        const QString strRate = bReduced ? QString::number(60 * random.bounded(1, 3))
                                         : QString::number(24.0 + random.bounded(120.0), 'f', 2);
        QStringList listOurs {"timing", strWidth, strHeight, strRate};
        QStringList listCvt {strWidth, strHeight, strRate};
        if (bReduced) {
            listOurs << "--reduced-blanking";
            listCvt.prepend("-r");
        }
        listModes << QString("%1x%2@%3%4").arg(strWidth, strHeight, strRate, bReduced ? " RB" : "");
        vecCalls << SToolCall {SenderTool(), listOurs} << SToolCall {m_strCvt, listCvt};
    }
    constexpr int BATCH = 8;
    QVector<SToolRun> vecRuns;
    for (int i = 0; i < vecCalls.size(); i += BATCH)
        vecRuns += RunToolsTogether(vecCalls.mid(i, BATCH));

    for (int i = 0; i < MODE_COUNT; ++i) {
        const QString& strMode = listModes[i];
        const bool bReduced = strMode.endsWith(" RB");
        SBlanking sOurs;
        SBlanking sCvt;
        const SToolRun& sOurRun = vecRuns[2 * i];
        const SToolRun& sCvtRun = vecRuns[2 * i + 1];
        QVERIFY2(sOurRun.nExitCode == 0 && ParseModeline(sOurRun.baOut, sOurs), qPrintable(strMode));
        QVERIFY2(sCvtRun.nExitCode == 0 && ParseModeline(sCvtRun.baOut, sCvt), qPrintable(strMode));

        QStringList listDiffs;
        for (int f = 0; f < FIELD_COUNT; ++f)
            if (sOurs.arrValues[f] != sCvt.arrValues[f])
                listDiffs
                    << QString("%1 %2").arg(g_arrFieldNames[f]).arg(sOurs.arrValues[f] - sCvt.arrValues[f]);

        QVERIFY2(sOurs.arrValues[H_BLANK] == sCvt.arrValues[H_BLANK],
            qPrintable(strMode + ": " + listDiffs.join(", ")));
        const int nSyncDelta = sOurs.arrValues[H_SYNC] - sCvt.arrValues[H_SYNC];
        QVERIFY2(nSyncDelta == 0 || nSyncDelta == 8 || nSyncDelta == -8,
            qPrintable(strMode + ": " + listDiffs.join(", ")));

        if (listDiffs.isEmpty()) {
            ++nAllSix;
        } else {
            ++mapKinds[(bReduced ? "RB: " : "CVT: ") + listDiffs.join(", ")];
            if (listExamples.size() < 12)
                listExamples << strMode + ": " + listDiffs.join(", ");
        }
    }

    for (auto it = mapKinds.cbegin(); it != mapKinds.cend(); ++it)
        qInfo("%3d x  %s", it.value(), qPrintable(it.key()));
    for (const QString& strExample : listExamples)
        qInfo("example %s", qPrintable(strExample));
    qInfo("all six values agree in %d of %d modes", nAllSix, MODE_COUNT);
    QVERIFY2(nAllSix * 100 >= MODE_COUNT * 80,
        qPrintable(QString("only %1 of %2 agree").arg(nAllSix).arg(MODE_COUNT)));
}

QTEST_GUILESS_MAIN(CTestCvtCrossCheck)
#include "tst_CvtCrossCheck.moc"
