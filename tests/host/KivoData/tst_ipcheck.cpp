#include "KivoData.h"

#include <QtTest>

// The host's address rule book, with a fixed computer address so the answers
// do not depend on the machine running the tests.
class TestIpCheck : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_config.SetNetwork("10.1.2.1", "255.255.255.0");
        m_config.SetFixedLocalAddresses({"10.1.2.100"});
        m_config.LoadLists({{"10.1.2.10", "a"}}, {});
        m_config.SetDetectedDevices({"10.1.2.30"});
        m_config.UpdateErrorIPList();
    }

    // The second table widens the subnet to 255.255.0.0 (gateway 10.1.0.1).
    void codes_data()
    {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QString>("address");
        QTest::addColumn<qulonglong>("code"); // 0: accepted
        const struct
        {
            bool bWide;
            const char* pszRow;
            const char* pszAddress;
            qulonglong ullCode;
        } aRows[] = {{false, "free", "10.1.2.50", 0}, {false, "free in another subnet", "172.16.5.5", 0},
            {false, "this computer", "10.1.2.100", IP_ERROR_LOCAL_PC},
            {false, "specified", "10.1.2.10", IP_ERROR_IN_USE},
            {false, "detected device", "10.1.2.30", IP_ERROR_IN_USE},
            {false, "first octet 0", "0.1.2.3", IP_ERROR_ZERO_START},
            {false, "gateway", "10.1.2.1", IP_ERROR_GATEWAY},
            {false, "limited broadcast", "255.255.255.255", IP_ERROR_BROADCAST},
            {false, "subnet broadcast", "10.1.2.255", IP_ERROR_BROADCAST},
            {false, "subnet address", "10.1.2.0", IP_ERROR_INVALID},
            {false, "unspecified", "0.0.0.0", IP_ERROR_INVALID},
            {false, "loopback", "127.0.0.1", IP_ERROR_INVALID},
            {false, "multicast", "224.0.0.1", IP_ERROR_INVALID},
            {false, "reserved", "240.0.0.1", IP_ERROR_INVALID},
            {true, "wide: old broadcast inside", "10.1.2.255", 0},
            {true, "wide: old subnet address inside", "10.1.2.0", 0},
            {true, "wide: broadcast", "10.1.255.255", IP_ERROR_BROADCAST},
            {true, "wide: subnet address", "10.1.0.0", IP_ERROR_INVALID}};
        for (const auto& row : aRows)
            QTest::newRow(row.pszRow) << row.bWide << QString(row.pszAddress) << row.ullCode;
    }

    void codes()
    {
        QFETCH(QString, address);
        QFETCH(qulonglong, code);
        QFETCH(bool, wide);
        if (wide)
            m_config.SetNetwork("10.1.0.1", "255.255.0.0");
        unsigned long ulCode = 0;
        const quint32 uAddress = QHostAddress(address).toIPv4Address();
        QCOMPARE(m_config.IsIPHasError(uAddress, &ulCode, false), code != 0);
        QCOMPARE(qulonglong(ulCode), code);
        // A null code pointer still gives the yes/no answer.
        QCOMPARE(m_config.IsIPHasError(uAddress, nullptr, false), code != 0);
    }

    // Entries keep their typed text; the check reads it as decimal, never octal.
    void storedLeadingZerosAreDecimal()
    {
        m_config.LoadLists({{"10.1.2.010", ""}}, {});
        QVERIFY(m_config.IsIPHasError(QHostAddress("10.1.2.10").toIPv4Address(), nullptr, false));
        QVERIFY(!m_config.IsIPHasError(QHostAddress("10.1.2.8").toIPv4Address(), nullptr, false));
        QCOMPARE(m_config.GetSpecifiedIPOriginal(0), QString("10.1.2.010()"));
    }

    void listsAndEntryTexts()
    {
        m_config.LoadLists({{"10.1.2.10", "a"}, {"10.1.2.11", ""}}, {{"10.1.2.20", ""}});
        QCOMPARE(m_config.GetSpecifiedIPDWORD(nullptr), 2);
        unsigned long ulValues[2] = {};
        m_config.GetSpecifiedIPDWORD(ulValues);
        QCOMPARE(ulValues[1], static_cast<unsigned long>(QHostAddress("10.1.2.11").toIPv4Address()));
        QCOMPARE(m_config.GetSpecifiedIPOriginal(1), QString("10.1.2.11()"));
        QCOMPARE(m_config.GetSpecifiedIPOriginal(2), QString());
        m_config.SetCurSetSpecifiedIPWithIndex(0, "10.1.2.21", "x");
        QCOMPARE(m_config.GetCurSetSpecifiedIPWithIndex(0), QString("10.1.2.21(x)"));
        // An addition is in use at once, but saving is a separate step.
        m_config.AddSpecifiedIP("10.1.2.12", "");
        QVERIFY(m_config.IsIPHasError(QHostAddress("10.1.2.12").toIPv4Address(), nullptr, false));
        QCOMPARE(m_config.SavedSpecifiedList().size(), 2);
        m_config.SpecifiedIPsSave();
        QCOMPARE(m_config.SavedSpecifiedList().size(), 3);
    }

private:
    CConfigData m_config;
};

QTEST_GUILESS_MAIN(TestIpCheck)
#include "tst_ipcheck.moc"
