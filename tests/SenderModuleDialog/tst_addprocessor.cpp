#include "CCustomAddProcessorDlg.h"

#include "AddressTestSupport.h"
#include "CCustomComboBox.h"
#include "CCustomIPEdit.h"
#include "CCustomLabel.h"
#include "CCustomSpinBox.h"
#include "CMessageBoxAnswers.h"

#include <QtTest>

using namespace AddressTest;

namespace {
// Strategy 2 with the address state set shows the start row.
void ResetWithStartRow(const QJsonObject& objConfig = {}, const QStringList& listLocal = {"192.168.1.100"})
{
    ResetHost(objConfig, {{"addressState", true}}, listLocal);
}

QStringList LabelTexts(QWidget* pDialog)
{
    QStringList list;
    for (const CCustomLabel* pLabel : pDialog->findChildren<CCustomLabel*>())
        list << pLabel->text();
    return list;
}

CCustomIPEdit* StartEdit(QWidget* pDialog)
{
    return pDialog->findChild<CCustomIPEdit*>();
}
} // namespace

class TestAddProcessor : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetWithStartRow(); }

    void RowsAndSize_data()
    {
        QTest::addColumn<int>("portRowValue");
        QTest::addColumn<bool>("addressState");
        QTest::addColumn<int>("strategy");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("labels");
        const QStringList listAll {"主控数量", "输出口数量", "起始IP地址"};
        QTest::newRow("port, start") << 0 << true << 2 << QSize(340, 175) << listAll;
        QTest::newRow("start only") << 1 << true << 2 << QSize(340, 145)
                                    << QStringList {"主控数量", "起始IP地址"};
        QTest::newRow("port only") << 0 << false << 2 << QSize(260, 145)
                                   << QStringList {"主控数量", "输出口数量"};
        QTest::newRow("count only") << 5 << false << 2 << QSize(260, 95) << QStringList {"主控数量"};
        QTest::newRow("strategy 1") << 0 << true << 1 << QSize(260, 145)
                                    << QStringList {"主控数量", "输出口数量"};
        QTest::newRow("strategy 3, no port") << 1 << true << 3 << QSize(260, 95) << QStringList {"主控数量"};
    }
    void RowsAndSize()
    {
        QFETCH(int, portRowValue);
        QFETCH(bool, addressState);
        QFETCH(int, strategy);
        QFETCH(QSize, size);
        QFETCH(QStringList, labels);
        ResetHost(
            {{"detectStrategy", strategy}}, {{"portRowValue", portRowValue}, {"addressState", addressState}});
        CCustomAddProcessorDlg dlg;
        QCOMPARE(dlg.windowTitle(), QString("自定义添加主控"));
        QCOMPARE(dlg.size(), size);
        QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
        QCOMPARE(LabelTexts(&dlg), labels);
        QCOMPARE(dlg.findChild<CCustomComboBox*>() != nullptr, labels.contains("输出口数量"));
        QCOMPARE(StartEdit(&dlg) != nullptr, labels.contains("起始IP地址"));
        QCOMPARE(Writes(), 0);
    }

    void CountBoxRangeFollowsTheAddressState_data()
    {
        QTest::addColumn<bool>("addressState");
        QTest::addColumn<int>("maximum");
        QTest::newRow("clear") << false << 12;
        QTest::newRow("set") << true << 200;
    }
    void CountBoxRangeFollowsTheAddressState()
    {
        QFETCH(bool, addressState);
        QFETCH(int, maximum);
        HostFixture::Reset({{"runtime", QJsonObject {{"senderCountLimit", QJsonArray {12, 200}}}},
            {"hardware", QJsonObject {{"addressState", addressState}}}});
        CCustomAddProcessorDlg dlg;
        const CCustomSpinBox* pBox = dlg.findChild<CCustomSpinBox*>();
        QCOMPARE(static_cast<int>(pBox->minimum()), 1);
        QCOMPARE(static_cast<int>(pBox->maximum()), maximum);
        QCOMPARE(static_cast<int>(pBox->value()), 3);
        QCOMPARE(dlg.m_nProcessorCount, 3);
    }

    // The initial port count comes from the first sender, the box shows the
    // current one's; OK reads the box.
    void PortCounts()
    {
        ResetHost({{"detectStrategy", 1}});
        GetProjectData()->GetSender(1)->SetOutputPortCount(12);
        GetProjectData()->SetCurSenderIndex(1);
        HostFixture::ClearLog();

        CCustomAddProcessorDlg dlgCancelled;
        QCOMPARE(dlgCancelled.m_nPortCount, 16);
        QCOMPARE(dlgCancelled.findChild<CCustomComboBox*>()->text(), QString("12"));
        dlgCancelled.ActionSlots(1);
        QCOMPARE(dlgCancelled.m_nPortCount, 16);
        QCOMPARE(dlgCancelled.result(), 0);

        CCustomAddProcessorDlg dlgUntouched;
        dlgUntouched.ActionSlots(0);
        QCOMPARE(dlgUntouched.GetPortCount(), 12);

        CCustomAddProcessorDlg dlg;
        CCustomComboBox* pPorts = dlg.findChild<CCustomComboBox*>();
        QCOMPARE(pPorts->Count(), 9);
        QVERIFY(pPorts->ActivateIndex(8));
        dlg.findChild<CCustomSpinBox*>()->setValue(7);
        dlg.ActionSlots(0);
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(dlg.m_nPortCount, 80);
        QCOMPARE(dlg.m_nProcessorCount, 7);
        QCOMPARE(Writes(), 0); // no start row: nothing goes to the configuration
    }

    void StartAddressSuggestion_data()
    {
        QTest::addColumn<QStringList>("local");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("start");
        QTest::newRow("above the last address")
            << QStringList {"192.168.1.100", "10.9.9.9", "fe80::2"} << QStringList {} << "10.9.9.10";
        QTest::newRow("first free") << QStringList {"192.168.1.100"}
                                    << QStringList {"192.168.1.101", "192.168.1.102"} << "192.168.1.103";
        QTest::newRow("no free address in the block")
            << QStringList {"192.168.1.254"} << QStringList {} << "";
    }
    void StartAddressSuggestion()
    {
        QFETCH(QStringList, local);
        QFETCH(QStringList, stored);
        QFETCH(QString, start);
        QJsonArray arrStored;
        for (const QString& str : stored)
            arrStored.append(QJsonObject {{"ip", str}, {"name", ""}});
        ResetWithStartRow({{"specified", arrStored}}, local);
        CCustomAddProcessorDlg dlg;
        QCOMPARE(StartEdit(&dlg)->text(), start);
        QString strSuggested;
        dlg.GetInitialIP(strSuggested);
        QCOMPARE(strSuggested, start);
    }

    void AddsARunSkippingTakenAddresses()
    {
        ResetWithStartRow({{"specified", QJsonArray {QJsonObject {{"ip", "192.168.1.12"}, {"name", "x"}}}}});
        CCustomAddProcessorDlg dlg;
        dlg.show();
        dlg.findChild<CCustomSpinBox*>()->setValue(5);
        StartEdit(&dlg)->setText("192.168.1.10");
        dlg.ActionSlots(0);
        QCOMPARE(dlg.result(), 1);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(Added(),
            (QStringList {"192.168.1.10", "192.168.1.11", "192.168.1.13", "192.168.1.14", "192.168.1.15"}));
        QCOMPARE(Saves(), 1);
        QCOMPARE(dlg.m_nProcessorCount, 5);
    }

    void AddsWithinCapacity_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("added");
        QTest::newRow("253 stored") << 253 << 2;
        QTest::newRow("255 stored") << 255 << 0;
    }
    void AddsWithinCapacity()
    {
        QFETCH(int, stored);
        QFETCH(int, added);
        ResetWithStartRow({{"specified", StoredEntries(stored)}});
        CCustomAddProcessorDlg dlg;
        dlg.show();
        dlg.findChild<CCustomSpinBox*>()->setValue(5);
        dlg.ActionSlots(0);
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(Added(), Range("192.168.1.", 101, 100 + added));
        QCOMPARE(Saves(), 1);
    }

    // No own-address exception here: a stored address is in use.
    void StartAddressRejections_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << c_strInvalid;
        QTest::newRow("stored") << "192.168.1.10" << c_strInUse;
        QTest::newRow("gateway") << "192.168.1.1" << c_strGateway;
    }
    void StartAddressRejections()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        CCustomAddProcessorDlg dlg;
        dlg.show();
        StartEdit(&dlg)->setText(typed);
        dlg.ActionSlots(0);
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {message});
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.result(), 0);
        QCOMPARE(StartEdit(&dlg)->text(), typed);
        QCOMPARE(Writes(), 0);
    }

    void LocalComputerAddressNeedsConsent()
    {
        CCustomAddProcessorDlg dlg;
        dlg.show();
        dlg.findChild<CCustomSpinBox*>()->setValue(1);
        StartEdit(&dlg)->setText("192.168.1.100");
        CMessageBoxAnswers::Enqueue(4);
        dlg.ActionSlots(0);
        QVERIFY(dlg.isVisible());
        QCOMPARE(Writes(), 0);
        CMessageBoxAnswers::Enqueue(2);
        dlg.ActionSlots(0);
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(Added(), QStringList {"192.168.1.100"});
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), (QStringList {c_strLocalPc, c_strLocalPc}));
    }

    void CancelWritesNothing()
    {
        CCustomAddProcessorDlg dlg;
        dlg.show();
        dlg.findChild<CCustomSpinBox*>()->setValue(9);
        dlg.ActionSlots(1);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), 0);
        QCOMPARE(dlg.m_nProcessorCount, 3);
        QCOMPARE(Writes(), 0);
    }
};

QTEST_MAIN(TestAddProcessor)
#include "tst_addprocessor.moc"
