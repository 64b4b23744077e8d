// Exact values of the colour-temperature steps that are defined in single
// precision. An optimiser that drops a float rounding changes the last bits
// and, near the middle between two table records, the neighbour chosen; both
// show here. Values compare as 17 significant digits, which identify a double.
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

class TestFloatPins : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_cct.CalcColorGamut();
        m_cct.ColorCoordTables();
    }

    void EveryTableRecordFollowsTheFloatSteps()
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

    void SampleRecords()
    {
        // Temperature, then u-rd, x, y, u, v as printed by Exact().
        const QPair<int, QStringList> arrRecords[]
            = {{4000,
                   {"250.00001525878906", "0.38234362006187439", "0.38376626372337341", "0.22357615795710106",
                       "0.33661207730995352"}},
                {6500,
                    {"153.84614562988281", "0.31277889013290405", "0.32918351888656616",
                        "0.19781595173292271", "0.31228650559986254"}},
                {23160,
                    {"43.177894592285156", "0.25110974907875061", "0.25651666522026062",
                        "0.18013674888384407", "0.27602320266433694"}},
                {25000,
                    {"40", "0.24985367059707642", "0.25479945540428162", "0.17981920826594161",
                        "0.27506802018097193"}}};
        for (const auto& record : arrRecords) {
            const int nCCT = record.first;
            const sCIE1931& sRecord = m_cct.GetColorCoordTables().at((nCCT - 4000) / 5);
            QCOMPARE(sRecord.nCCT, nCCT);
            QCOMPARE(QStringList({Exact(sRecord.fUrd), Exact(sRecord.dX), Exact(sRecord.dY),
                         Exact(sRecord.dU), Exact(sRecord.dV)}),
                record.second);
            // The single conversion gives the table's chromaticity.
            QPointF xy;
            QVERIFY(m_cct.CCTtoColorCoord(float(nCCT), &xy, true));
            QCOMPARE(QStringList({Exact(xy.x()), Exact(xy.y())}), record.second.mid(1, 2));
        }
    }

    void TemperatureOfChromaticity()
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
    }

private:
    CCCT2ColorCoord m_cct;
};

QTEST_APPLESS_MAIN(TestFloatPins)
#include "tst_float_pins.moc"
