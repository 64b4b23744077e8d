#include "CCT2ColorCoord.h"
#include "ChromaGamutInterpolation.h"

#include <QtTest>

// Start-up cost of the chromaticity widget's colour science, and the checks it
// makes on every mouse move.
class BenchColour : public QObject
{
    Q_OBJECT

private slots:
    void LocusAndTemperatureTables();
    void LocusHull();
    void TemperatureTables();
    void PointInLocus();
    void ChromaticityToTemperature();
};

void BenchColour::LocusAndTemperatureTables()
{
    QBENCHMARK
    {
        CChromaGamutInterpolation locus;
        CCCT2ColorCoord cct;
        cct.CalcColorGamut();
        cct.ColorCoordTables();
        QVERIFY(!locus.GetQPointFData().isEmpty() && !cct.GetColorCoordTables().isEmpty());
    }
}

void BenchColour::LocusHull()
{
    QBENCHMARK
    {
        CChromaGamutInterpolation locus;
        QVERIFY(!locus.GetQPointFData().isEmpty());
    }
}

void BenchColour::TemperatureTables()
{
    QBENCHMARK
    {
        CCCT2ColorCoord cct;
        cct.CalcColorGamut();
        cct.ColorCoordTables();
        QVERIFY(!cct.GetValidArea().isEmpty());
    }
}

void BenchColour::PointInLocus()
{
    const CChromaGamutInterpolation locus;
    bool bInside = false;
    QBENCHMARK
    {
        bInside = locus.IsPointInCIEPolygon(QPointF(0.3127, 0.3290));
    }
    QVERIFY(bInside);
}

void BenchColour::ChromaticityToTemperature()
{
    CCCT2ColorCoord cct;
    cct.CalcColorGamut();
    cct.ColorCoordTables();
    float fCCT = 0.0f;
    bool bOk = false;
    // A bluish white: the table walk runs through about 1000 records.
    QBENCHMARK
    {
        bOk = cct.TriangAlgCalcRelativeCCT(QPointF(0.2831, 0.2971), &fCCT, false);
    }
    QVERIFY(bOk);
}

QTEST_APPLESS_MAIN(BenchColour)
#include "bench_colour.moc"
