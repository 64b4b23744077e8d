#include "CCT2ColorCoord.h"
#include "ChromaGamutInterpolation.h"

#include <QtTest>

// The chromaticity widget's start-up cost, and the check it makes on every mouse move.
class BenchColour : public QObject
{
    Q_OBJECT

private slots:
    void locusAndTemperatureTables()
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

    void pointInLocus()
    {
        const CChromaGamutInterpolation locus;
        bool bInside = false;
        QBENCHMARK
        {
            bInside = locus.IsPointInCIEPolygon(QPointF(0.3127, 0.3290));
        }
        QVERIFY(bInside);
    }
};

QTEST_APPLESS_MAIN(BenchColour)
#include "bench_colour.moc"
