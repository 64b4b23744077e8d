#include "EdidBuilder.h"

#include <QtTest>

// Throughput of the two operations the settings dialog and the tool call per
// mode; the inputs vary so the compiler cannot hoist the work out of the loop.
class CBenchEdid : public QObject
{
    Q_OBJECT

private slots:
    void BuildEdid();
    void CalcPixelRate();
};

void CBenchEdid::BuildEdid()
{
    CEdidBuilder builder;
    int nWidth = 640;
    unsigned nSink = 0;
    QBENCHMARK
    {
        for (int i = 0; i < 1000; ++i) {
            nWidth = nWidth >= 4000 ? 640 : nWidth + 7;
            builder.BuildEdid(nWidth, 1080, 59.94f);
            nSink += builder.GetBlock()[127];
        }
    }
    QVERIFY(builder.IsChecksumValid());
    QVERIFY(nSink != 1); // keeps the result observable
}

void CBenchEdid::CalcPixelRate()
{
    int nWidth = 640;
    double dSink = 0.0;
    QBENCHMARK
    {
        for (int i = 0; i < 1000; ++i) {
            nWidth = nWidth >= 4000 ? 640 : nWidth + 7;
            dSink += CEdidBuilder::CalcPixelRate(nWidth, 1080, 59.94f, i & 1);
        }
    }
    QVERIFY(dSink > 0.0);
}

QTEST_APPLESS_MAIN(CBenchEdid)
#include "bench_Edid.moc"
