// Colour temperature. Some steps are defined in single precision: an optimiser
// that drops a float rounding changes the last bits and, near the middle between
// two table records, the neighbour chosen; the exact values pinned here show
// both. They compare as 17 significant digits, which identify a double.
#include "CCT2ColorCoord.h"

#include <QtTest>

#include <cmath>

namespace {

QString Exact(double dValue)
{
    return QString::number(dValue, 'g', 17);
}

// Daylight chromaticity of T, each step as the conversion defines it.
QPointF DaylightSteps(int nCCT)
{
    const double dT = float(nCCT);
    const double dX = nCCT < 7000 ? (1000 / dT) * 0.09911
            + ((1000000 / (dT * dT)) * 2.9678 + (-4.607) * (1000000000 / std::pow(dT, 3))) + 0.244063
                                  : (1000 / dT) * 0.24748
            + ((1000000 / (dT * dT)) * 1.9018 + (-2.0064) * (1000000000 / std::pow(dT, 3))) + 0.23704;
    const float fX = float(dX);
    const float fY = float(-3.0 * double(fX) * double(fX) + 2.87 * double(fX) - 0.275);
    return QPointF(fX, fY);
}

} // namespace

class TestCct : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_cct.CalcColorGamut();
        m_cct.ColorCoordTables();
    }

    void everyTableRecordFollowsTheFloatSteps()
    {
        const QVector<sCIE1931>& vecTable = m_cct.GetColorCoordTables();
        QCOMPARE(vecTable.size(), 4201);
        for (int i = 0; i < vecTable.size(); ++i) {
            const sCIE1931& sRecord = vecTable[i];
            const int nCCT = 4000 + 5 * i;
            const QPointF xy = DaylightSteps(nCCT);
            const double dDenominator = -2.0 * xy.x() + 12.0 * xy.y() + 3.0;
            QCOMPARE(sRecord.nCCT, nCCT);
            QCOMPARE(Exact(sRecord.fUrd), Exact((1.0f / float(nCCT)) * 1000000.0f));
            QCOMPARE(Exact(sRecord.dX), Exact(xy.x()));
            QCOMPARE(Exact(sRecord.dY), Exact(xy.y()));
            QCOMPARE(Exact(sRecord.dU), Exact(4.0 * xy.x() / dDenominator));
            QCOMPARE(Exact(sRecord.dV), Exact(6.0 * xy.y() / dDenominator));
        }
    }

    void temperatureToChromaticity()
    {
        // With the formula the single conversion gives the table's chromaticity; the ends are in range.
        for (int nCCT : {4000, 6500, 25000}) {
            const sCIE1931& sRecord = m_cct.GetColorCoordTables().at((nCCT - 4000) / 5);
            QPointF xy;
            QVERIFY(m_cct.CCTtoColorCoord(float(nCCT), &xy, true) && xy == QPointF(sRecord.dX, sRecord.dY));
        }
        // Without it 6500 K is D65 itself, and only 6500 K. A negative x: refused.
        const struct
        {
            float fKelvin;
            double dX, dY; // y 0: not compared
        } arrCases[] = {{6500.0f, double(0.3127f), double(0.329f)}, {6500.001f, 0.312779, 0.3291835},
            {3999.999f, -1, -1}, {25000.002f, -1, -1},
            // The two daylight formulas differ by 4.6e-7 where they meet.
            {7000.0f, 0.30535697, 0}, {6999.999f, 0.30535743, 0}};
        for (const auto& c : arrCases) {
            QPointF pt(-1, -1);
            QCOMPARE(m_cct.CCTtoColorCoord(c.fKelvin, &pt, false), c.dX > 0);
            QVERIFY2(qAbs(pt.x() - c.dX) < (c.dY == 0.0 ? 1e-7 : 5e-7)
                    && (c.dY == 0.0 || qAbs(pt.y() - c.dY) < 5e-7),
                qPrintable(Exact(pt.x()) + " " + Exact(pt.y())));
        }
    }

    void chromaticityToTemperature()
    {
        // D65, D50, a bluish white, then points near the middle between two
        // records: the last bits of the table pick the pair, and a neighbour one
        // record away moves the result by 5 K.
        const QPair<QPointF, float> arrCases[]
            = {{QPointF(0.3127, 0.3290), 6505.58594f}, {QPointF(0.3457, 0.3585), 5000.99658f},
                {QPointF(0.2831, 0.2971), 9304.8584f}, {QPointF(0.2852, 0.3003), 8979.98145f},
                {QPointF(0.2781, 0.2916), 10095.0244f}, {QPointF(0.2743, 0.2856), 10945.0029f},
                {QPointF(0.2668, 0.2760), 13014.999f}, {QPointF(0.2622, 0.2725), 14424.9971f},
                {QPointF(0.2568, 0.2655), 17284.998f}, {QPointF(0.2556, 0.2612), 19004.998f},
                {QPointF(0.2526, 0.2571), 22039.998f}, {QPointF(0.2513, 0.2563), 23174.998f},
                {QPointF(0.2499, 0.2563), 24009.998f}, {QPointF(0.2496, 0.2559), 24440.0f}};
        for (const auto& c : arrCases) {
            float fResult = 0.0f;
            QVERIFY(m_cct.TriangAlgCalcRelativeCCT(c.first, &fResult, true));
            QCOMPARE(Exact(fResult), Exact(c.second));
        }
        float fResult = -1.0f; // unless raw, D65 reads as 6500 K
        QVERIFY(
            m_cct.TriangAlgCalcRelativeCCT(QPointF(0.3127, 0.3290), &fResult, false) && fResult == 6500.0f);
        // Refused before the table is consulted, output untouched: at y = 0.1858
        // the McCamy index is infinite, whatever x; (0.4, 0.4) is outside the area.
        for (const QPointF& pt : {QPointF(0.332, double(0.1858f)), QPointF(0.4, 0.4)}) {
            fResult = -1.0f;
            QVERIFY(!m_cct.TriangAlgCalcRelativeCCT(pt, &fResult, true) && fResult == -1.0f);
        }
        // In the area, but the nearest locus point lies beyond 25000 K.
        QVERIFY(!m_cct.TriangAlgCalcRelativeCCT(QPointF(0.2, 0.15), &fResult, true) && fResult > 25000.0f);
    }

private:
    CCCT2ColorCoord m_cct;
};

QTEST_APPLESS_MAIN(TestCct)
#include "tst_cct.moc"
