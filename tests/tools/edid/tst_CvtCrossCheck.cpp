#include "ToolRunner.h"

#include <QMap>
#include <QRandomGenerator>

// Compares `sendertool timing` with Debian's cvt on random modes. Ours keeps
// the 8 % sync rule and the aspect-ratio test in single precision on whole
// cells, cvt computes exactly, so a minority may differ by a cell or a sync width.
namespace {
const char* const g_arrFieldNames[] = {"hblank", "hfront", "hsync", "vblank", "vfront", "vsync"};
enum
{
    H_BLANK = 0,
    H_SYNC = 2,
    FIELD_COUNT = 6
};

// Blanking, front porch and sync width per axis from the modeline's eight numbers.
bool ParseModeline(const QByteArray& baText, QVector<int>& vecFields)
{
    for (const QByteArray& baLine : baText.split('\n')) {
        const QList<QByteArray> listTokens = baLine.simplified().split(' ');
        if (listTokens.size() < 11 || listTokens[0] != "Modeline")
            continue;
        int arrNumbers[8];
        bool bOk = true;
        for (int i = 0; i < 8 && bOk; ++i)
            arrNumbers[i] = listTokens[3 + i].toInt(&bOk);
        if (!bOk)
            return false;
        for (const int* p : {arrNumbers, arrNumbers + 4})
            vecFields << p[3] - p[0] << p[1] - p[0] << p[2] - p[1];
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
    QStringList listModes;
    QVector<CToolCall> vecCalls; // ours, then cvt, for each mode
    for (int i = 0; i < MODE_COUNT; ++i) {
        const QString strWidth = QString::number(random.bounded(320, 4096));
        const QString strHeight = QString::number(random.bounded(200, 2401));
        // cvt only defines reduced blanking at multiples of 60 Hz.
        const bool bReduced = i % 4 == 0;
        const QString strRate = bReduced ? QString::number(60 * random.bounded(1, 3))
                                         : QString::number(24.0 + random.bounded(120.0), 'f', 2);
        const QStringList listArgs {strWidth, strHeight, strRate};
        vecCalls << CToolCall {SenderTool(),
            QStringList {"timing"} + listArgs
                + (bReduced ? QStringList {"--reduced-blanking"} : QStringList {})}
                 << CToolCall {m_strCvt, (bReduced ? QStringList {"-r"} : QStringList {}) + listArgs};
        listModes << QString("%1x%2@%3 %4").arg(strWidth, strHeight, strRate, bReduced ? "RB" : "CVT");
    }
    QVector<SToolRun> vecRuns;
    for (int i = 0; i < vecCalls.size(); i += 8)
        vecRuns += RunToolsTogether(vecCalls.mid(i, 8));

    int nAllSix = 0;
    QMap<QString, int> mapKinds; // disagreement pattern -> count
    for (int i = 0; i < MODE_COUNT; ++i) {
        QVector<int> vecOurs, vecCvt;
        QVERIFY2(vecRuns[2 * i].nExitCode == 0 && ParseModeline(vecRuns[2 * i].baOut, vecOurs),
            qPrintable(listModes[i]));
        QVERIFY2(vecRuns[2 * i + 1].nExitCode == 0 && ParseModeline(vecRuns[2 * i + 1].baOut, vecCvt),
            qPrintable(listModes[i]));
        QStringList listDiffs;
        for (int f = 0; f < FIELD_COUNT; ++f)
            if (vecOurs[f] != vecCvt[f])
                listDiffs << QString("%1 %2").arg(g_arrFieldNames[f]).arg(vecOurs[f] - vecCvt[f]);
        const QString strWhat = listModes[i] + ": " + listDiffs.join(", ");
        QVERIFY2(vecOurs[H_BLANK] == vecCvt[H_BLANK], qPrintable(strWhat));
        const int nSyncDelta = qAbs(vecOurs[H_SYNC] - vecCvt[H_SYNC]);
        QVERIFY2(nSyncDelta == 0 || nSyncDelta == 8, qPrintable(strWhat)); // at most one cell
        if (listDiffs.isEmpty())
            ++nAllSix;
        else if (++mapKinds[listModes[i].section(' ', 1) + ": " + listDiffs.join(", ")] == 1)
            qInfo("example %s", qPrintable(strWhat));
    }
    for (auto it = mapKinds.cbegin(); it != mapKinds.cend(); ++it)
        qInfo("%3d x  %s", it.value(), qPrintable(it.key()));
    qInfo("all six values agree in %d of %d modes", nAllSix, MODE_COUNT);
    QVERIFY2(nAllSix * 100 >= MODE_COUNT * 80,
        qPrintable(QString("only %1 of %2 agree").arg(nAllSix).arg(MODE_COUNT)));
}

QTEST_GUILESS_MAIN(CTestCvtCrossCheck)
#include "tst_CvtCrossCheck.moc"
