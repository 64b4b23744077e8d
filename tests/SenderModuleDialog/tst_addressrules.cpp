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
    QStringList m_listInformed, m_listAsked;
    QList<int> m_listAnswers;
};

quint32 V(const QString& strText)
{
    return CAddressRules::TextToValue(strText);
}
} // namespace

class TestAddressRules : public QObject
{
    Q_OBJECT

    CRecordingMessages m_messages;

    CAddressRules Rules(const QStringList& listLocal = {"192.168.1.100"})
    {
        return CAddressRules(&m_messages, [listLocal] {
            QList<QHostAddress> list;
            for (const QString& str : listLocal)
                list << QHostAddress(str);
            return list;
        });
    }

private slots:
    void init()
    {
        ResetHost();
        m_messages = CRecordingMessages();
    }

    void TextsAndEntries()
    {
        QCOMPARE(V("192.168.1.2"), 0xC0A80102u);
        QCOMPARE(V("300.1.2.3") | V("") | V("fe80::1"), 0u);
        QCOMPARE(CAddressRules::EntryName("192.168.1.10(a(b)c)"), QString("a(b"));
        QCOMPARE(CAddressRules::WithDefaultName("192.168.0.23()"), QString("192.168.0.23(IP23)"));
        // Codes the host may add later read as an unacceptable address.
        QCOMPARE(CAddressRules::MessageForCode(0xE0832006), c_strInvalid);
    }

    // "own" is the loaded entry's address (modify mode); "" means it passes.
    void ScreenAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("message");
        const struct
        {
            const char *pszRow, *pszText, *pszOwn;
            QString strMessage;
        } aRows[] = {{"empty", "", "", c_strInvalid}, {"own address", "192.168.1.10", "192.168.1.10", ""},
            {"another stored", "192.168.1.11", "192.168.1.10", c_strInUse},
            {"stored, nothing loaded", "192.168.1.10", "", c_strInUse},
            {"own is the gateway", "192.168.1.1", "192.168.1.1", c_strGateway},
            {"zero start", "0.1.2.3", "", QStringLiteral("IP地址不能以0开头。")},
            {"broadcast", "192.168.1.255", "", QStringLiteral("IP地址是广播地址。")},
            {"loopback", "127.0.0.5", "", c_strInvalid}};
        for (const auto& row : aRows)
            QTest::newRow(row.pszRow) << QString(row.pszText) << QString(row.pszOwn) << row.strMessage;
    }
    void ScreenAddress()
    {
        QFETCH(QString, text);
        QFETCH(QString, own);
        QFETCH(QString, message);
        const int nChecks = GetConfigData()->GetCheckCount();
        QCOMPARE(Rules().ScreenAddress(text, own), message.isEmpty());
        QCOMPARE(m_messages.m_listInformed, message.isEmpty() ? QStringList() : QStringList {message});
        QVERIFY(m_messages.m_listAsked.isEmpty());
        if (text.isEmpty())
            QCOMPARE(GetConfigData()->GetCheckCount(), nChecks); // rejected before the host is asked
        QCOMPARE(Writes(), 0);
    }

    // One message for the whole set, by priority; duplicates before the host.
    void ScreenRows_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("message");
        QTest::newRow("duplicates") << "10.0.0.5 10.0.0.6 10.0.0.5" << c_strDuplicate;
        QTest::newRow("broadcast, in use") << "192.168.1.255 192.168.1.10" << c_strInUse;
        QTest::newRow("in use, broadcast") << "192.168.1.10 192.168.1.255" << c_strInUse;
        QTest::newRow("invalid, gateway") << "127.0.0.9 192.168.1.1" << c_strGateway;
        QTest::newRow("empty row") << "10.0.0.5 " << c_strInvalid;
    }
    void ScreenRows()
    {
        QFETCH(QString, rows);
        QFETCH(QString, message);
        const int nChecks = GetConfigData()->GetCheckCount();
        QVERIFY(!Rules().ScreenRows(rows.split(' ')));
        QCOMPARE(m_messages.m_listInformed, QStringList {message});
        if (message == c_strDuplicate)
            QCOMPARE(GetConfigData()->GetCheckCount(), nChecks);
        QCOMPARE(Writes(), 0);
    }

    // One question per check, however many rows are this computer's; only 2 passes.
    void ScreenRowsLocalComputer()
    {
        const QStringList listRows {"192.168.1.100", "10.0.0.5", "10.0.0.100"};
        CAddressRules rules = Rules({"192.168.1.100", "10.0.0.100"});
        m_messages.m_listAnswers = {3, 1, 4, 2, 2};
        for (bool bPasses : {false, false, false, true})
            QCOMPARE(rules.ScreenRows(listRows), bPasses);
        QCOMPARE(m_messages.m_listAsked, QStringList(QVector<QString>(4, c_strLocalPc).toList()));
        // Consent does not override the other rows' reasons.
        QVERIFY(!rules.ScreenRows({"192.168.1.100", "192.168.1.1"}));
        QCOMPARE(m_messages.m_listInformed, QStringList {c_strGateway});
        QCOMPARE(Writes(), 0);
    }

    // More than five rows: every row keeps its own result.
    void ScreenRowsKeepsEveryRowsCode()
    {
        CAddressRules rules = Rules();
        QVERIFY(!rules.ScreenRows(Range("10.0.0.", 1, 6) << "192.168.1.1"));
        QCOMPARE(rules.RowCodes().size(), 7);
        QCOMPARE(rules.RowCodes()[0], 0ul);
        QCOMPARE(rules.RowCodes()[6], static_cast<unsigned long>(IP_ERROR_GATEWAY));
    }

    void PickSenderSubnetAddress_data()
    {
        QTest::addColumn<QStringList>("senders");
        QTest::addColumn<QString>("picked");
        // The sender logic's words hold the first octet lowest; a swapped
        // reading would look for 3.2.1.0/24 and 50.1.168.0/24 instead.
        QTest::newRow("last match wins") << QStringList {"192.168.1.50", "10.1.2.3"} << "192.168.1.7";
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
        QTest::addColumn<QString>("expected");
        QTest::newRow("step over stored") << "192.168.1.9" << 2 << "192.168.1.12 192.168.1.13";
        QTest::newRow("next block ends in .2") << "192.168.1.253" << 2 << "192.168.1.254 192.168.2.2";
        QTest::newRow("third octet 255 -> 1") << "10.0.255.254" << 1 << "10.0.1.2";
        QTest::newRow("second octet 255 -> 1") << "10.255.7.9" << 1 << "10.1.7.10";
        QTest::newRow("first octet 255 -> 192") << "255.5.7.9" << 1 << "192.5.7.10";
        QTest::newRow("first octet 0 -> 192") << "0.5.7.9" << 1 << "192.5.7.10";
    }
    void SuggestAddresses()
    {
        QFETCH(QString, base);
        QFETCH(int, rows);
        QFETCH(QString, expected);
        QCOMPARE(Rules().SuggestAddresses(V(base), rows).join(' '), expected);
        QCOMPARE(Writes(), 0);
    }

    // 257 rejections give a row up; the counter is not reset between rows.
    void SuggestAddressesFailureCounterSpansRows()
    {
        const QStringList listTaken
            = Range("10.0.0.", 1, 254) + QStringList {"10.0.1.2", "10.0.1.3", "10.0.1.5"};
        ResetHost({{"detectedDevices", QJsonArray::fromStringList(listTaken)}});
        QCOMPARE(Rules().SuggestAddresses(V("10.0.0.0"), 3), (QStringList {"", "10.0.1.4", ""}));
    }

    // stored -1: the baseline's two entries.
    void AddAddressRun_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("added");
        QTest::newRow("next block") << -1 << "192.168.1.250" << 10
                                    << (Range("192.168.1.", 250, 254) + Range("192.168.2.", 1, 5)).join(' ');
        // The caller screened the start, so a stored one is added; .11 is skipped.
        QTest::newRow("start unscreened")
            << -1 << "192.168.1.10" << 3 << "192.168.1.10 192.168.1.12 192.168.1.13";
        QTest::newRow("stops before x.y.255.255") << -1 << "10.0.255.253" << 5 << "10.0.255.253 10.0.255.254";
        QTest::newRow("room for 2") << 253 << "192.168.1.20" << 5 << "192.168.1.20 192.168.1.21";
        QTest::newRow("full") << 255 << "192.168.1.20" << 5 << "";
        QTest::newRow("count 0") << 0 << "192.168.1.20" << 0 << "";
    }
    void AddAddressRun()
    {
        QFETCH(int, stored);
        QFETCH(QString, start);
        QFETCH(int, count);
        QFETCH(QString, added);
        if (stored >= 0)
            ResetHost({{"specified", StoredEntries(stored)}});
        const QStringList listAdded = added.split(' ', QString::SkipEmptyParts);
        QCOMPARE(Rules().AddAddressRun(V(start), count), listAdded.size());
        QCOMPARE(HostFixture::Calls(), AddCalls(listAdded));
    }
};

QTEST_MAIN(TestAddressRules)
#include "tst_addressrules.moc"
