#include "AddressTestSupport.h"

#include <QtTest>

using namespace AddressTest;

namespace {
class CSilentMessages : public IAddressMessages
{
public:
    void Inform(const QString&) override { }
    int Ask(const QString&) override { return 3; }
} s_messages;
} // namespace

// Worst cases: a suggestion search over a full network, and a run filling the
// whole list while skipping every other address.
class BenchAddressRules : public QObject
{
    Q_OBJECT

private slots:
    void suggestOverAFullNetwork()
    {
        ResetHost({{"detectedDevices",
            QJsonArray::fromStringList(Range("10.0.0.", 1, 254) + Range("10.0.1.", 1, 254))}});
        CAddressRules rules(&s_messages);
        QStringList listRows;
        QBENCHMARK
        {
            listRows = rules.SuggestAddresses(CAddressRules::TextToValue("10.0.0.0"), 8);
        }
        QCOMPARE(listRows, QStringList(QVector<QString>(8).toList()));
    }

    void runOfAFullList()
    {
        ResetHost({{"detectedDevices", QJsonArray::fromStringList(Range("10.0.0.", 2, 254, 2))}});
        CConfigData* pConfig = GetConfigData();
        const QVector<SSpecifiedIP> vecStored = pConfig->SpecifiedList();
        CAddressRules rules(&s_messages);
        QBENCHMARK
        {
            pConfig->LoadLists(vecStored, pConfig->CurrentSetList()); // part of the measure, and small
            HostFixture::ClearLog();
            QCOMPARE(rules.AddAddressRun(CAddressRules::TextToValue("10.0.0.1"), 255), 253);
        }
    }
};

QTEST_MAIN(BenchAddressRules)
#include "bench_addressrules.moc"
