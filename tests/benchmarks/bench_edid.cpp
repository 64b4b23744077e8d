#include "EdidBuilder.h"

#include <QtTest>

// The widths vary so the compiler cannot hoist the work out of the loop.
class CBenchEdid : public QObject
{
    Q_OBJECT

private slots:
    void buildEdid()
    {
        CEdidBuilder builder;
        unsigned nSink = 0;
        QBENCHMARK
        {
            for (int i = 0; i < 1000; ++i) {
                builder.BuildEdid(640 + 3 * i, 1080, 59.94f);
                nSink += builder.GetBlock()[127];
            }
        }
        QVERIFY(builder.IsChecksumValid() && nSink != 1);
    }
    void calcPixelRate()
    {
        double dSink = 0.0;
        QBENCHMARK
        {
            for (int i = 0; i < 1000; ++i)
                dSink += CEdidBuilder::CalcPixelRate(640 + 3 * i, 1080, 59.94f, i & 1);
        }
        QVERIFY(dSink > 0.0);
    }
};

QTEST_APPLESS_MAIN(CBenchEdid)
#include "bench_edid.moc"
