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

const auto V = [](const QString& strText) { return CAddressRules::TextToValue(strText); };
} // namespace

class TestAddressRules : public QObject
{
    Q_OBJECT

    CRecordingMessages m_messages;

    // This computer's addresses come from the host fixture (ResetHost).
    CAddressRules Rules() { return CAddressRules(&m_messages); }

private slots:
    void init()
    {
        ResetHost();
        m_messages = CRecordingMessages();
    }

    // "own" is the loaded entry's address (modify mode); no message: it passes.
    void ScreenAddress()
    {
        const struct
        {
            const char *pszText, *pszOwn;
            QString strMessage;
        } aRows[] = {{"192.168.1.10", "192.168.1.10", ""}, {"192.168.1.11", "192.168.1.10", g_strInUse},
            {"0.1.2.3", "", QStringLiteral("IP地址不能以0开头。")},
            {"192.168.1.255", "", QStringLiteral("IP地址是广播地址。")}, {"127.0.0.5", "", g_strInvalid},
            {"192.168.1", "", g_strInvalid},
            // Decimal: as octal, 011 would be the free .9.
            {"192.168.1.011", "", g_strInUse}, {"192.168.1.010", "192.168.1.10", g_strInUse}};
        for (const auto& row : aRows) {
            m_messages = CRecordingMessages();
            const int nChecks = GetConfigData()->GetCheckCount();
            QCOMPARE(Rules().ScreenAddress(row.pszText, row.pszOwn), row.strMessage.isEmpty());
            QCOMPARE(m_messages.m_listInformed,
                row.strMessage.isEmpty() ? QStringList() : QStringList {row.strMessage});
            QVERIFY(m_messages.m_listAsked.isEmpty());
            if (!CAddressRules::IsAddressText(row.pszText))
                QCOMPARE(GetConfigData()->GetCheckCount(), nChecks); // rejected before the host is asked
        }
        QCOMPARE(Writes(), 0);
    }

    // One message for the whole set: incomplete rows and duplicates (by
    // address, however spelt) before the host, in use over broadcast.
    void ScreenRows()
    {
        const struct
        {
            const char* pszRows;
            QString strMessage;
            bool bHostAsked;
        } aRows[] = {{"10.0.0.5 10.0.0.6 10.0.0.005", g_strDuplicate, false},
            {"10.0.0.5 192.168.1", g_strInvalid, false}, {"192.168.1.10 192.168.1.255", g_strInUse, true},
            {"192.168.1.255 192.168.1.10", g_strInUse, true}};
        for (const auto& row : aRows) {
            m_messages = CRecordingMessages();
            const int nChecks = GetConfigData()->GetCheckCount();
            QVERIFY(!Rules().ScreenRows(QString(row.pszRows).split(' ')));
            QCOMPARE(m_messages.m_listInformed, QStringList {row.strMessage});
            QCOMPARE(GetConfigData()->GetCheckCount() != nChecks, row.bHostAsked);
        }
        QCOMPARE(Writes(), 0);
    }

    // One reading of dotted text: four decimal groups, nothing shorter, no octal or hex.
    void TextToValue()
    {
        QCOMPARE(V("010.001.002.003"), V("10.1.2.3"));
        QCOMPARE(V("10.1.2.3"), 0x0A010203u);
        for (const char* pszText :
            {"192.168.1", "10.1", "0x10.1.1.1", "1.2.3.4.5", "256.1.1.1", "1.2.3.", ""})
            QCOMPARE(V(pszText), 0u);
    }

    // One question per check, however many rows are this computer's; only 2 passes.
    void ScreenRowsLocalComputer()
    {
        const QStringList listRows {"192.168.1.100", "10.0.0.5", "10.0.0.100"};
        ResetHost({}, {}, {"192.168.1.100", "10.0.0.100"});
        CAddressRules rules = Rules();
        m_messages.m_listAnswers = {3, 1, 4, 2, 2};
        for (bool bPasses : {false, false, false, true})
            QCOMPARE(rules.ScreenRows(listRows), bPasses);
        QCOMPARE(m_messages.m_listAsked, QStringList(QVector<QString>(4, g_strLocalPc).toList()));
        // Consent does not override the other rows' reasons.
        QVERIFY(!rules.ScreenRows({"192.168.1.100", "192.168.1.1"}));
        QCOMPARE(m_messages.m_listInformed, QStringList {g_strGateway});
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

    void SuggestAddresses()
    {
        const struct
        {
            const char* pszBase;
            int nRows;
            const char* pszExpected;
        } aRows[] = {{"192.168.1.9", 2, "192.168.1.12 192.168.1.13"}, // steps over stored
            {"192.168.1.253", 2, "192.168.1.254 192.168.2.2"}, // the next block ends in .2
            {"10.0.255.254", 1, "10.0.1.2"}, {"10.255.7.9", 1, "10.1.7.10"}, // an octet of 255 -> 1
            {"255.5.7.9", 1, "192.5.7.10"}, {"0.5.7.9", 1, "192.5.7.10"}}; // a first of 255 or 0 -> 192
        for (const auto& row : aRows)
            QCOMPARE(Rules().SuggestAddresses(V(row.pszBase), row.nRows).join(' '), QString(row.pszExpected));
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

    void AddAddressRun()
    {
        const struct
        {
            const char* pszStart;
            int nCount;
            QStringList listAdded;
        } aRows[] = {{"192.168.1.250", 10, Range("192.168.1.", 250, 254) + Range("192.168.2.", 1, 5)},
            // The caller screened the start, so a stored one is added; .11 is skipped.
            {"192.168.1.10", 3, {"192.168.1.10", "192.168.1.12", "192.168.1.13"}},
            {"10.0.255.253", 5, {"10.0.255.253", "10.0.255.254"}}}; // stops before x.y.255.255
        for (const auto& row : aRows) {
            HostFixture::ClearLog();
            QCOMPARE(Rules().AddAddressRun(V(row.pszStart), row.nCount), row.listAdded.size());
            QCOMPARE(HostFixture::Calls(), AddCalls(row.listAdded));
        }
    }
};

QTEST_MAIN(TestAddressRules)
#include "tst_addressrules.moc"
