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

    void codes_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<qulonglong>("code"); // 0: accepted

        QTest::newRow("free") << "10.1.2.50" << 0ull;
        QTest::newRow("free in another subnet") << "172.16.5.5" << 0ull;
        QTest::newRow("this computer") << "10.1.2.100" << qulonglong(IP_ERROR_LOCAL_PC);
        QTest::newRow("specified") << "10.1.2.10" << qulonglong(IP_ERROR_IN_USE);
        QTest::newRow("detected device") << "10.1.2.30" << qulonglong(IP_ERROR_IN_USE);
        QTest::newRow("first octet 0") << "0.1.2.3" << qulonglong(IP_ERROR_ZERO_START);
        QTest::newRow("gateway") << "10.1.2.1" << qulonglong(IP_ERROR_GATEWAY);
        QTest::newRow("limited broadcast") << "255.255.255.255" << qulonglong(IP_ERROR_BROADCAST);
        QTest::newRow("subnet broadcast") << "10.1.2.255" << qulonglong(IP_ERROR_BROADCAST);
        QTest::newRow("subnet address") << "10.1.2.0" << qulonglong(IP_ERROR_INVALID);
        QTest::newRow("unspecified") << "0.0.0.0" << qulonglong(IP_ERROR_INVALID);
        QTest::newRow("loopback") << "127.0.0.1" << qulonglong(IP_ERROR_INVALID);
        QTest::newRow("multicast") << "224.0.0.1" << qulonglong(IP_ERROR_INVALID);
        QTest::newRow("reserved") << "240.0.0.1" << qulonglong(IP_ERROR_INVALID);
    }

    void codes()
    {
        QFETCH(QString, address);
        QFETCH(qulonglong, code);
        unsigned long ulCode = 0;
        const bool bRejected = m_config.IsIPHasError(QHostAddress(address).toIPv4Address(), &ulCode, false);
        QCOMPARE(bRejected, code != 0);
        QCOMPARE(qulonglong(ulCode), code);
        // A null code pointer still gives the yes/no answer.
        QCOMPARE(m_config.IsIPHasError(QHostAddress(address).toIPv4Address(), nullptr, false), code != 0);
    }

    void addedAddressIsInUseAtOnce()
    {
        const quint32 uAddress = QHostAddress("10.1.2.60").toIPv4Address();
        QVERIFY(!m_config.IsIPHasError(uAddress, nullptr, false));
        m_config.AddSpecifiedIP("10.1.2.60", "");
        unsigned long ulCode = 0;
        QVERIFY(m_config.IsIPHasError(uAddress, &ulCode, false));
        QCOMPARE(ulCode, static_cast<unsigned long>(IP_ERROR_IN_USE));
    }

    void widerSubnetMovesTheBroadcast()
    {
        m_config.SetNetwork("10.1.0.1", "255.255.0.0");
        for (const char* pszInside : {"10.1.2.255", "10.1.2.0"})
            QVERIFY(!m_config.IsIPHasError(QHostAddress(pszInside).toIPv4Address(), nullptr, false));
        unsigned long ulCode = 0;
        QVERIFY(m_config.IsIPHasError(QHostAddress("10.1.255.255").toIPv4Address(), &ulCode, false));
        QCOMPARE(ulCode, static_cast<unsigned long>(IP_ERROR_BROADCAST));
        QVERIFY(m_config.IsIPHasError(QHostAddress("10.1.0.0").toIPv4Address(), &ulCode, false));
        QCOMPARE(ulCode, static_cast<unsigned long>(IP_ERROR_INVALID));
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
        QCOMPARE(m_config.GetSpecifiedIPOriginal(0), QString("10.1.2.10(a)"));
        QCOMPARE(m_config.GetSpecifiedIPOriginal(1), QString("10.1.2.11()"));
        QCOMPARE(m_config.GetSpecifiedIPOriginal(2), QString());
        QCOMPARE(m_config.GetCurSetSpecifiedIPWithIndex(0), QString("10.1.2.20()"));

        m_config.SetCurSetSpecifiedIPWithIndex(0, "10.1.2.21", "x");
        QCOMPARE(m_config.GetCurSetSpecifiedIPWithIndex(0), QString("10.1.2.21(x)"));
        // Saving is a separate step: an unsaved addition is not in the saved list.
        m_config.AddSpecifiedIP("10.1.2.12", "");
        QCOMPARE(m_config.SavedSpecifiedList().size(), 2);
        m_config.SpecifiedIPsSave();
        QCOMPARE(m_config.SavedSpecifiedList().size(), 3);
    }

private:
    CConfigData m_config;
};

QTEST_GUILESS_MAIN(TestIpCheck)
#include "tst_ipcheck.moc"
