#include "CCustomAddProcessorDlg.h"

#include "AddressTestSupport.h"
#include "CCustomComboBox.h"
#include "CCustomIPEdit.h"
#include "CCustomLabel.h"
#include "CCustomSpinBox.h"
#include "CMessageBoxAnswers.h"

#include <QtTest>

using namespace AddressTest;

class TestAddProcessor : public QObject
{
    Q_OBJECT

    // Strategy 2 with the address state set shows the start row.
    static void ResetWithStartRow(
        const QJsonArray& arrStored = {}, const QStringList& listLocal = {"192.168.1.100"})
    {
        ResetHost(arrStored.isEmpty() ? QJsonObject() : QJsonObject {{"specified", arrStored}},
            {{"addressState", true}}, listLocal);
    }

    // Types the processor count and, unless null, the start address; clicks OK.
    static void Confirm(CCustomAddProcessorDlg& dlg, int nCount, const QString& strStart = {})
    {
        dlg.show();
        TypeInto(dlg.findChild<CCustomSpinBox*>(), QString::number(nCount));
        if (!strStart.isNull())
            TypeInto(dlg.findChild<CCustomIPEdit*>(), strStart);
        QTest::mouseClick(Button(&dlg, "确定"), Qt::LeftButton);
    }

private slots:
    void init() { ResetWithStartRow(); }

    // Port row value, address state and strategy -> the rows shown, on a fixed
    // size; the count box's range follows the address state.
    void RowsAndCountRange()
    {
        const struct
        {
            int nPortRow;
            bool bState;
            int nStrategy;
            QSize size;
            const char* pszLabels;
        } aRows[] = {{0, true, 2, {340, 175}, "主控数量|输出口数量|起始IP地址"},
            {1, true, 2, {340, 145}, "主控数量|起始IP地址"}, {0, false, 2, {260, 145}, "主控数量|输出口数量"},
            {5, false, 2, {260, 95}, "主控数量"},
            {0, true, 1, {260, 145}, "主控数量|输出口数量"}}; // strategy 1: no start row
        for (const auto& row : aRows) {
            HostFixture::Reset({{"config", QJsonObject {{"detectStrategy", row.nStrategy}}},
                {"runtime", QJsonObject {{"senderCountLimit", QJsonArray {12, 200}}}},
                {"hardware", QJsonObject {{"portRowValue", row.nPortRow}, {"addressState", row.bState}}}});
            CCustomAddProcessorDlg dlg;
            QCOMPARE(dlg.size(), row.size);
            QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
            QStringList listLabels;
            for (const CCustomLabel* pLabel : dlg.findChildren<CCustomLabel*>())
                listLabels << pLabel->text();
            QCOMPARE(listLabels.join('|'), QString(row.pszLabels));
            const CCustomSpinBox* pBox = dlg.findChild<CCustomSpinBox*>();
            QCOMPARE((QVector<double> {pBox->minimum(), pBox->maximum(), pBox->value()}),
                (QVector<double> {1, row.bState ? 200.0 : 12.0, 3}));
        }
    }

    // Enter on the port box confirms instead of opening its menu; the boxes
    // read back, and without the start row (strategy 1) nothing is written.
    void EnterOnThePortBoxConfirms()
    {
        ResetHost({{"detectStrategy", 1}});
        CCustomAddProcessorDlg dlg;
        dlg.show();
        TypeInto(dlg.findChild<CCustomSpinBox*>(), "7");
        CCustomComboBox* pPorts = dlg.findChild<CCustomComboBox*>();
        QVERIFY(pPorts->ActivateIndex(8));
        QVERIFY(ReturnConfirmsWithoutMenu(pPorts, pPorts->menu()));
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(dlg.m_nPortCount, 80);
        QCOMPARE(dlg.m_nProcessorCount, 7);
        QCOMPARE(Writes(), 0);
    }

    // Above the computer's last address, searching only its own block.
    void StartAddressSuggestion()
    {
        ResetWithStartRow({}, {"192.168.1.100", "10.9.9.9", "fe80::2"});
        QCOMPARE(CCustomAddProcessorDlg().findChild<CCustomIPEdit*>()->text(), QString("10.9.9.10"));
        ResetWithStartRow({}, {"192.168.1.254"}); // nothing free in its block
        QCOMPARE(CCustomAddProcessorDlg().findChild<CCustomIPEdit*>()->text(), QString());
    }

    // Stored entries and the typed start (null: the suggestion) -> the adds.
    void Adds()
    {
        const struct
        {
            QJsonArray arrStored;
            QString strStart;
            QStringList listAdded;
        } aRows[] = {{QJsonArray {QJsonObject {{"ip", "192.168.1.12"}, {"name", "x"}}}, "192.168.1.10",
                         Range("192.168.1.", 10, 11) + Range("192.168.1.", 13, 15)},
            {StoredEntries(253), {}, Range("192.168.1.", 101, 102)}, {StoredEntries(255), {}, {}},
            {{}, "192.168.001.050", Range("192.168.1.", 50, 54)}}; // leading zeros read as decimal
        for (const auto& row : aRows) {
            ResetWithStartRow(row.arrStored);
            CCustomAddProcessorDlg dlg;
            Confirm(dlg, 5, row.strStart);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), 1);
            QCOMPARE(HostFixture::Calls(), AddCalls(row.listAdded));
            QCOMPARE(dlg.m_nProcessorCount, 5);
        }
    }

    // No own-address exception here; a rejection keeps the dialog and input.
    void StartAddressRejections()
    {
        const QString aTyped[] = {"", "192.168.1.10", "10.1", "192.168.1"};
        for (const QString& strTyped : aTyped) {
            CMessageBoxAnswers::ClearShown();
            CCustomAddProcessorDlg dlg;
            Confirm(dlg, 3, strTyped);
            QCOMPARE(CMessageBoxAnswers::ShownTexts(),
                QStringList {strTyped == aTyped[1] ? g_strInUse : g_strInvalid});
            QVERIFY(dlg.isVisible());
            QCOMPARE(dlg.findChild<CCustomIPEdit*>()->text(), strTyped);
            QCOMPARE(Writes(), 0);
        }
    }

    void LocalComputerAddressNeedsConsent()
    {
        CCustomAddProcessorDlg dlg;
        CMessageBoxAnswers::Enqueue(4);
        Confirm(dlg, 1, "192.168.1.100");
        QVERIFY(dlg.isVisible());
        QCOMPARE(Writes(), 0);
        CMessageBoxAnswers::Enqueue(2);
        dlg.ActionSlots(CCustomAddProcessorDlg::ActionOk);
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(HostFixture::Calls(), AddCalls({"192.168.1.100"}));
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), (QStringList {g_strLocalPc, g_strLocalPc}));
    }

    void CloseOnce()
    {
        CheckCancelAndEscape([] { return new CCustomAddProcessorDlg; },
            [](QDialog& dlg) {
                QWidget* pBox = dlg.findChild<CCustomSpinBox*>();
                TypeInto(pBox, "9");
                return pBox;
            });
        CCustomAddProcessorDlg dlg;
        dlg.open();
        TypeInto(dlg.findChild<CCustomSpinBox*>(), "2");
        QCOMPARE(DoubleClickOk(dlg), 1);
        QCOMPARE(HostFixture::Calls(), AddCalls(Range("192.168.1.", 101, 102)));
    }
};

QTEST_MAIN(TestAddProcessor)
#include "tst_addprocessor.moc"
