#include "AddressTestSupport.h"

#include <QtTest>

using namespace AddressTest;

namespace {
class CRecordingMessages : public IAddressMessages
{
public:
    void Inform(const QString& strText) override { m_listInformed << strText; }
    int Ask(const QString& strText) override
    {
        m_listAsked << strText;
        return m_listAnswers.isEmpty() ? 3 : m_listAnswers.takeFirst();
    }

    QStringList m_listInformed;
    QStringList m_listAsked;
    QList<int> m_listAnswers;
};

QList<QHostAddress> Addresses(const QStringList& list)
{
    QList<QHostAddress> listAddresses;
    for (const QString& str : list)
        listAddresses << QHostAddress(str);
    return listAddresses;
}

quint32 V(const char* pszText)
{
    return CAddressRules::TextToValue(QString::fromLatin1(pszText));
}
} // namespace

class TestAddressRules : public QObject
{
    Q_OBJECT

private:
    CRecordingMessages m_messages;

    CAddressRules Rules(const QStringList& listLocal = {"192.168.1.100"})
    {
        return CAddressRules(&m_messages, [listLocal] { return Addresses(listLocal); });
    }

private slots:
    void init()
    {
        // Baseline: gateway 192.168.1.1, /24, stored .10 ("one") and .11, local .100.
        ResetHost();
        m_messages = CRecordingMessages();
    }

    void TextsAndEntries()
    {
        QCOMPARE(CAddressRules::TextToValue("192.168.1.2"), 0xC0A80102u);
        QCOMPARE(CAddressRules::TextToValue("300.1.2.3"), 0u);
        QCOMPARE(CAddressRules::TextToValue(""), 0u);
        QCOMPARE(CAddressRules::TextToValue("fe80::1"), 0u);
        QCOMPARE(CAddressRules::ValueToText(0xC0A80102u), QString("192.168.1.2"));

        QCOMPARE(CAddressRules::EntryAddress("192.168.1.10(one)"), QString("192.168.1.10"));
        QCOMPARE(CAddressRules::EntryName("192.168.1.10(one)"), QString("one"));
        QCOMPARE(CAddressRules::EntryName("192.168.1.10(a(b)c)"), QString("a(b"));
        QCOMPARE(CAddressRules::EntryName("192.168.1.10()"), QString());
        QCOMPARE(CAddressRules::EntryAddress("192.168.1.10"), QString("192.168.1.10"));
        QCOMPARE(CAddressRules::EntryName("192.168.1.10"), QString());

        QCOMPARE(CAddressRules::WithDefaultName("192.168.0.23()"), QString("192.168.0.23(IP23)"));
        QCOMPARE(CAddressRules::WithDefaultName("192.168.0.23(cam)"), QString("192.168.0.23(cam)"));
        QCOMPARE(CAddressRules::WithDefaultName(""), QString());
        // Codes the host may add later read as an unacceptable address.
        QCOMPARE(CAddressRules::MessageForCode(0xE0832006), c_strInvalid);
    }

    // Each host answer becomes its own message; nothing is written.
    void ScreenAddressRejections_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("stored") << "192.168.1.11" << c_strInUse;
        QTest::newRow("zero start") << "0.1.2.3" << c_strZeroStart;
        QTest::newRow("gateway") << "192.168.1.1" << c_strGateway;
        QTest::newRow("broadcast") << "192.168.1.255" << c_strBroadcast;
        QTest::newRow("loopback") << "127.0.0.5" << c_strInvalid;
        QTest::newRow("not an address") << "300.168.1.7" << c_strInvalid;
    }
    void ScreenAddressRejections()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QVERIFY(!Rules().ScreenAddress(text, "192.168.1.10"));
        QCOMPARE(m_messages.m_listInformed, QStringList {message});
        QVERIFY(m_messages.m_listAsked.isEmpty());
        QCOMPARE(Writes(), 0);
    }

    void ScreenAddressEmptyIsRejectedBeforeTheHostIsAsked()
    {
        const int nChecks = GetConfigData()->GetCheckCount();
        QVERIFY(!Rules().ScreenAddress(QString()));
        QCOMPARE(m_messages.m_listInformed, QStringList {c_strInvalid});
        QCOMPARE(GetConfigData()->GetCheckCount(), nChecks);
    }

    void ScreenAddressOwnAddressPasses()
    {
        CAddressRules rules = Rules();
        QVERIFY(rules.ScreenAddress("192.168.1.10", "192.168.1.10"));
        QVERIFY(m_messages.m_listInformed.isEmpty());
        // Without a loaded address (add-processor) the same text is in use.
        QVERIFY(!rules.ScreenAddress("192.168.1.10"));
        QCOMPARE(m_messages.m_listInformed, QStringList {c_strInUse});
        // The exception is for in-use only, and compares text exactly.
        QVERIFY(!rules.ScreenAddress("192.168.1.1", "192.168.1.1"));
        QCOMPARE(m_messages.m_listInformed.last(), c_strGateway);
        QVERIFY(rules.ScreenAddress("192.168.1.50"));
    }

    void ScreenAddressLocalComputerAsks()
    {
        CAddressRules rules = Rules();
        m_messages.m_listAnswers = {2, 3, 1, 4};
        QVERIFY(rules.ScreenAddress("192.168.1.100"));
        QVERIFY(!rules.ScreenAddress("192.168.1.100"));
        QVERIFY(!rules.ScreenAddress("192.168.1.100"));
        QVERIFY(!rules.ScreenAddress("192.168.1.100"));
        QCOMPARE(
            m_messages.m_listAsked, (QStringList {c_strLocalPc, c_strLocalPc, c_strLocalPc, c_strLocalPc}));
        QVERIFY(m_messages.m_listInformed.isEmpty());
        QCOMPARE(Writes(), 0);
    }

    void ScreenRowsDuplicatesFirst()
    {
        const int nChecks = GetConfigData()->GetCheckCount();
        QVERIFY(!Rules().ScreenRows({"10.0.0.5", "10.0.0.6", "10.0.0.5"}));
        QCOMPARE(m_messages.m_listInformed, QStringList {c_strDuplicate});
        QCOMPARE(GetConfigData()->GetCheckCount(), nChecks);
    }

    void ScreenRowsOneMessageByPriority_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("message");
        QTest::newRow("broadcast then in use") << QStringList {"192.168.1.255", "192.168.1.10"} << c_strInUse;
        QTest::newRow("in use then broadcast") << QStringList {"192.168.1.10", "192.168.1.255"} << c_strInUse;
        QTest::newRow("invalid, gateway, zero")
            << QStringList {"127.0.0.9", "192.168.1.1", "0.0.0.7"} << c_strZeroStart;
        QTest::newRow("invalid then gateway") << QStringList {"127.0.0.9", "192.168.1.1"} << c_strGateway;
        QTest::newRow("empty row") << QStringList {"10.0.0.5", ""} << c_strInvalid;
    }
    void ScreenRowsOneMessageByPriority()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, message);
        QVERIFY(!Rules().ScreenRows(rows));
        QCOMPARE(m_messages.m_listInformed, QStringList {message});
        QCOMPARE(Writes(), 0);
    }

    void ScreenRowsLocalComputerAsksOnce()
    {
        ResetHost({}, {}, {"192.168.1.100", "10.0.0.100"});
        const QStringList listRows {"192.168.1.100", "10.0.0.5", "10.0.0.100"};
        CAddressRules rules = Rules();

        m_messages.m_listAnswers = {3};
        QVERIFY(!rules.ScreenRows(listRows));
        QCOMPARE(m_messages.m_listAsked.size(), 1);
        QVERIFY(m_messages.m_listInformed.isEmpty());

        m_messages.m_listAnswers = {2};
        QVERIFY(rules.ScreenRows(listRows));
        QCOMPARE(m_messages.m_listAsked.size(), 2);

        // Overriding the question does not override the other rows' reasons.
        m_messages.m_listAnswers = {2};
        QVERIFY(!rules.ScreenRows({"192.168.1.100", "192.168.1.1"}));
        QCOMPARE(m_messages.m_listAsked.size(), 3);
        QCOMPARE(m_messages.m_listInformed, QStringList {c_strGateway});
        QCOMPARE(Writes(), 0);
    }

    void ScreenRowsKeepsEveryRowsCode()
    {
        CAddressRules rules = Rules();
        QStringList listRows = Range("10.0.0.", 1, 7);
        listRows[6] = "192.168.1.1";
        QVERIFY(!rules.ScreenRows(listRows));
        QCOMPARE(rules.RowCodes().size(), 7);
        QCOMPARE(rules.RowCodes()[6], static_cast<unsigned long>(IP_ERROR_GATEWAY));
        QCOMPARE(rules.RowCodes()[0], 0ul);
        QCOMPARE(m_messages.m_listInformed, QStringList {c_strGateway});
        QVERIFY(rules.ScreenRows(Range("10.0.0.", 1, 7)));
    }

    void PickLastLocalAddress()
    {
        QCOMPARE(Rules({"127.0.0.1", "10.0.0.5", "fe80::1", "192.168.1.100", "127.0.0.1"})
                     .PickLocalAddress(LocalPickLast),
            V("192.168.1.100"));
        QCOMPARE(Rules({"127.0.0.1", "::1"}).PickLocalAddress(LocalPickLast), V("127.0.0.1"));
        QCOMPARE(Rules({}).PickLocalAddress(LocalPickLast), V("127.0.0.1"));
    }

    void PickSenderSubnetAddress_data()
    {
        QTest::addColumn<QStringList>("senders");
        QTest::addColumn<QString>("picked");
        // The sender logic's words hold the first octet lowest; a swapped
        // reading would look for 3.2.1.0/24 and 50.1.168.0/24 instead.
        QTest::newRow("last match wins") << QStringList {"192.168.1.50", "10.1.2.3"} << "192.168.1.7";
        QTest::newRow("one subnet") << QStringList {"10.1.2.3"} << "10.1.2.77";
        QTest::newRow("no match") << QStringList {"172.16.0.9"} << "127.0.0.1";
        QTest::newRow("no sender: first eligible") << QStringList {} << "10.1.2.77";
    }
    void PickSenderSubnetAddress()
    {
        QFETCH(QStringList, senders);
        QFETCH(QString, picked);
        ResetHost({}, {{"senderAddresses", QJsonArray::fromStringList(senders)}});
        CAddressRules rules = Rules({"127.0.0.1", "10.1.2.77", "192.168.1.100", "192.168.1.7", "::1"});
        QCOMPARE(CAddressRules::ValueToText(rules.PickLocalAddress(LocalPickSenderSubnet)), picked);
    }

    void SuggestAddresses_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("expected");
        // Stored: 192.168.1.10, .11. The step grows with every candidate.
        QTest::newRow("step over stored")
            << "192.168.1.9" << 3 << QStringList {"192.168.1.12", "192.168.1.13", "192.168.1.14"};
        QTest::newRow("consecutive") << "192.168.1.100" << 3
                                     << QStringList {"192.168.1.101", "192.168.1.102", "192.168.1.103"};
        QTest::newRow("next block ends in .2")
            << "192.168.1.253" << 3 << QStringList {"192.168.1.254", "192.168.2.2", "192.168.2.3"};
        QTest::newRow("third octet 255 becomes 1") << "10.0.255.254" << 1 << QStringList {"10.0.1.2"};
        QTest::newRow("second octet 255 becomes 1") << "10.255.7.9" << 1 << QStringList {"10.1.7.10"};
        QTest::newRow("first octet 255 becomes 192") << "255.5.7.9" << 1 << QStringList {"192.5.7.10"};
        QTest::newRow("first octet 0 becomes 192")
            << "0.5.7.9" << 2 << QStringList {"192.5.7.10", "192.5.7.11"};
    }
    void SuggestAddresses()
    {
        QFETCH(QString, base);
        QFETCH(int, rows);
        QFETCH(QStringList, expected);
        QCOMPARE(Rules().SuggestAddresses(CAddressRules::TextToValue(base), rows), expected);
        QCOMPARE(Writes(), 0);
    }

    // 257 rejections in all give the row up; the counter is not reset, so a
    // later row that meets a rejection gives up at once.
    void SuggestAddressesFailureCounterSpansRows()
    {
        QStringList listTaken = Range("10.0.0.", 1, 254);
        listTaken << "10.0.1.2"
                  << "10.0.1.3"
                  << "10.0.1.5";
        ResetHost({{"detectedDevices", QJsonArray::fromStringList(listTaken)}});
        const QStringList listRows = Rules().SuggestAddresses(V("10.0.0.0"), 3);
        QCOMPARE(listRows, (QStringList {"", "10.0.1.4", ""}));
    }

    void SuggestNextFree()
    {
        CAddressRules rules = Rules();
        QCOMPARE(rules.SuggestNextFree(V("192.168.1.9")), QString("192.168.1.12"));
        QCOMPARE(rules.SuggestNextFree(V("192.168.1.253")), QString("192.168.1.254"));
        // Only the local block is searched, so a full block gives nothing.
        QCOMPARE(rules.SuggestNextFree(V("192.168.1.254")), QString());
        QCOMPARE(rules.SuggestNextFree(V("192.168.1.255")), QString());
    }

    void AddRunContinuesInTheNextBlock()
    {
        QCOMPARE(Rules().AddAddressRun(V("192.168.1.250"), 10), 10);
        QStringList listExpected = Range("192.168.1.", 250, 254);
        listExpected << Range("192.168.2.", 1, 5);
        QCOMPARE(Added(), listExpected);
        QCOMPARE(Saves(), 1);
        QCOMPARE(Writes(), 11);
        QCOMPARE(
            CHostCallLog::Instance().Calls().last().strOperation, QString("CConfigData::SpecifiedIPsSave"));
        QCOMPARE(CHostCallLog::Instance().Calls().first().listArgs.value(1).toString(), QString());
    }

    void AddRunScreensAllButTheStart()
    {
        // The start is in use yet added as screened by the caller; .11 is skipped.
        QCOMPARE(Rules().AddAddressRun(V("192.168.1.10"), 3), 3);
        QCOMPARE(Added(), (QStringList {"192.168.1.10", "192.168.1.12", "192.168.1.13"}));
    }

    void AddRunStopsAtTheEndOfTheSecondOctet()
    {
        QCOMPARE(Rules().AddAddressRun(V("10.0.255.253"), 5), 2);
        QCOMPARE(Added(), (QStringList {"10.0.255.253", "10.0.255.254"}));
        QCOMPARE(Saves(), 1);
    }

    void AddRunRespectsCapacity_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("added");
        QTest::newRow("room for 2") << 253 << 5 << 2;
        QTest::newRow("full") << 255 << 5 << 0;
        QTest::newRow("over full") << 260 << 5 << 0;
        QTest::newRow("count 0") << 0 << 0 << 0;
        QTest::newRow("count -1") << 0 << -1 << 0;
    }
    void AddRunRespectsCapacity()
    {
        QFETCH(int, stored);
        QFETCH(int, count);
        QFETCH(int, added);
        ResetHost({{"specified", StoredEntries(stored)}});
        QCOMPARE(Rules().AddAddressRun(V("192.168.1.20"), count), added);
        QCOMPARE(Added(), Range("192.168.1.", 20, 20 + added - 1));
        QCOMPARE(Saves(), 1);
    }
};

QTEST_MAIN(TestAddressRules)
#include "tst_addressrules.moc"
