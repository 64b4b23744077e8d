#include "AddressTestSupport.h"
#include "CCustomAddProcessorDlg.h"
#include "CCustomComboBox.h"
#include "CCustomIPEdit.h"
#include "CCustomLabel.h"
#include "CCustomSpinBox.h"
#include "CDemoProjectConfigDlg.h"
#include "CSetIPOfflineDlg.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace AddressTest;

namespace {
const auto V = [](const QString& strText) { return CAddressRules::TextToValue(strText); };
const QString g_strCleared = "CRuntimeData::SetCurSelectNode(0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1)";
const QString g_strDemoOn = "CProjectData::SetDemoModeEnable(true)";
const QString g_strNotify = "CHwSenderLogic::NotifyDemoChanged()";
using Args = QVector<int>; // the offline dialog's index, count (-1: batch), set, specified

// Creation order is the order a person reads the rows in.
template <class T> QString Texts(QWidget* pDialog, const QString& strSeparator = " ")
{
    QStringList listTexts;
    for (const T* p : pDialog->findChildren<T*>())
        listTexts << p->text();
    return listTexts.join(strSeparator);
}

// The plain name editor: not an address editor, nor a number box's own editor.
QLineEdit* NameEdit(QWidget* pDialog)
{
    for (QLineEdit* pEdit : pDialog->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<CCustomIPEdit*>(pEdit))
            return pEdit;
    }
    return nullptr;
}

// Types a space-separated input (null: none), the count first in batch mode,
// then the address rows top down, then the name; Return in the last field typed.
void TypeAndConfirm(CSetIPOfflineDlg& dlg, int nCount, const QString& strTyped, const QString& strName)
{
    dlg.open();
    QStringList listTyped = strTyped.isNull() ? QStringList() : strTyped.split(' ');
    QWidget* pLast = dlg.focusWidget();
    if (nCount == -1 && !listTyped.isEmpty())
        TypeInto(pLast = dlg.findChild<CCustomSpinBox*>(), listTyped.takeFirst());
    for (int i = 0; i < listTyped.size(); ++i)
        TypeInto(pLast = dlg.findChildren<CCustomIPEdit*>()[i], listTyped[i]);
    if (!strName.isEmpty())
        TypeInto(pLast = NameEdit(&dlg), strName);
    QTest::keyClick(pLast ? pLast : &dlg, Qt::Key_Return);
}

// An accepted confirm closes after exactly the calls; a rejected one shows one message.
struct SConfirm
{
    Args args;
    const char* pszTyped; // the count first in batch mode; null: nothing typed
    QStringList listCalls;
    QString strReset = {}, strMessage = {};
    const char* pszName = "";
    QJsonObject objConfig = {}; // over the baseline
};
} // namespace
Q_DECLARE_METATYPE(SConfirm)

class TestAddressRules : public QObject
{
    Q_OBJECT

    CMessageBoxMessages m_messages {nullptr}; // answered from the fixture's queue

    CAddressRules Rules() { return CAddressRules(&m_messages); }

    // Types the processor count and, unless null, the start address; clicks OK.
    static void AddProcessors(CCustomAddProcessorDlg& dlg, int nCount, const QString& strStart = {})
    {
        dlg.show();
        TypeInto(dlg.findChild<CCustomSpinBox*>(), QString::number(nCount));
        if (!strStart.isNull())
            TypeInto(dlg.findChild<CCustomIPEdit*>(), strStart);
        QTest::mouseClick(Button(&dlg, "确定"), Qt::LeftButton);
    }

private slots:
    void init() { ResetHost(); }

    // In every dialog and mode Cancel and Escape write nothing, and a double
    // click on OK writes once: two adds and a save, one change, or the demo's calls.
    void closeOnce()
    {
        const std::pair<std::function<QDialog*()>, int> aRows[] = {
            {[] { return new CSetIPOfflineDlg(3, 2, true, true); }, 3}, // rows from 3 on
            {[] { return new CSetIPOfflineDlg(0, -1, true, true); }, 3},
            {[] { return new CSetIPOfflineDlg(0, 0, false, false); }, 1},
            {[] { return new CCustomAddProcessorDlg; }, 3}, {[] { return new CDemoProjectConfigDlg; }, 4}};
        for (const auto& [fnCreate, nWrites] : aRows) {
            ResetHost();
            const auto fnEdit = [](QDialog& dlg) -> QWidget* {
                if (QWidget* pBox = dlg.findChild<CCustomSpinBox*>();
                    pBox || (pBox = dlg.findChild<CCustomIPEdit*>())) {
                    TypeInto(pBox, qobject_cast<CCustomSpinBox*>(pBox) ? "2" : "10.0.0.9");
                    return pBox;
                }
                dlg.findChild<CCustomComboBox*>()->ActivateIndex(5);
                return dlg.findChild<CCustomComboBox*>();
            };
            CheckCancelAndEscape(fnCreate, fnEdit);
            QScopedPointer<QDialog> pDlg(fnCreate());
            pDlg->open();
            fnEdit(*pDlg);
            QCOMPARE(
                DoubleClickOk(*pDlg, qobject_cast<CDemoProjectConfigDlg*>(pDlg.data()) ? "确认" : "确定"), 1);
            QCOMPARE(pDlg->result(), 1);
            QCOMPARE(HostFixture::Calls().size(), nWrites);
        }
    }

    // Texts and "own" (the entry being modified; null: several rows checked
    // together) -> the one message (none: passes). Incomplete rows and
    // duplicates, by address however spelt, are refused before the host is asked.
    void screen()
    {
        const std::tuple<const char*, const char*, QString, bool> aRows[]
            = {{"192.168.1.10", "192.168.1.10", "", true},
                {"0.1.2.3", "", QStringLiteral("IP地址不能以0开头。"), true},
                {"192.168.1.255", "", QStringLiteral("IP地址是广播地址。"), true},
                {"127.0.0.5", "", g_strInvalid, true}, {"192.168.1", "", g_strInvalid, false},
                // Decimal: as octal, 011 would be the free .9; own is matched as typed.
                {"192.168.1.011", "", g_strInUse, true}, {"192.168.1.010", "192.168.1.10", g_strInUse, true},
                {"10.0.0.5 10.0.0.6 10.0.0.005", nullptr, QStringLiteral("存在重复的IP地址。"), false},
                {"192.168.1.10 192.168.1.255", nullptr, g_strInUse, true},
                {"192.168.1.255 192.168.1.10", nullptr, g_strInUse, true}};
        for (const auto& [pszTexts, pszOwn, strMessage, bHostAsked] : aRows) {
            CMessageBoxAnswers::ClearShown();
            const int nChecks = GetConfigData()->GetCheckCount();
            const bool bPassed = pszOwn ? Rules().ScreenAddress(pszTexts, pszOwn)
                                        : Rules().ScreenRows(QString(pszTexts).split(' '));
            QCOMPARE(bPassed, strMessage.isEmpty());
            QCOMPARE(CMessageBoxAnswers::ShownTexts(),
                strMessage.isEmpty() ? QStringList() : QStringList {strMessage});
            QCOMPARE(GetConfigData()->GetCheckCount() != nChecks, bHostAsked);
        }
    }

    // One question per check, however many rows are this computer's; only 2
    // passes, and consent does not override the other rows' reasons. Every row
    // keeps its code, also beyond five rows.
    void screenRowsLocalComputer()
    {
        ResetHost({}, {}, {"192.168.1.100", "10.0.0.100"});
        CAddressRules rules = Rules();
        for (int nAnswer : {3, 1, 4, 2, 2})
            CMessageBoxAnswers::Enqueue(nAnswer);
        for (bool bPasses : {false, false, false, true})
            QCOMPARE(rules.ScreenRows({"192.168.1.100", "10.0.0.5", "10.0.0.100"}), bPasses);
        QVERIFY(!rules.ScreenRows(Range("10.0.0.", 1, 6) + QStringList {"192.168.1.100", "192.168.1.1"}));
        QCOMPARE(
            CMessageBoxAnswers::ShownTexts(), QVector<QString>(5, g_strLocalPc).toList() << g_strGateway);
        QCOMPARE(rules.RowCodes().mid(5), (QVector<unsigned long> {0, IP_ERROR_LOCAL_PC, IP_ERROR_GATEWAY}));
    }

    void suggestAddresses()
    {
        const std::tuple<const char*, int, const char*> aRows[]
            = {{"192.168.1.9", 2, "192.168.1.12 192.168.1.13"}, // steps over stored
                {"192.168.1.253", 2, "192.168.1.254 192.168.2.2"}, // the next block ends in .2
                {"10.0.255.254", 1, "10.0.1.2"}, {"10.255.7.9", 1, "10.1.7.10"}, // an octet of 255 -> 1
                {"255.5.7.9", 1, "192.5.7.10"}, {"0.5.7.9", 1, "192.5.7.10"}}; // a first of 255 or 0 -> 192
        for (const auto& [pszBase, nRows, pszExpected] : aRows)
            QCOMPARE(Rules().SuggestAddresses(V(pszBase), nRows).join(' '), QString(pszExpected));
        // 257 rejections give a row up; the counter is not reset between rows.
        ResetHost({{"detectedDevices",
            QJsonArray::fromStringList(
                Range("10.0.0.", 1, 254) + QStringList {"10.0.1.2", "10.0.1.3", "10.0.1.5"})}});
        QCOMPARE(Rules().SuggestAddresses(V("10.0.0.0"), 3), (QStringList {"", "10.0.1.4", ""}));
    }

    void addAddressRun()
    {
        const std::tuple<const char*, int, QStringList> aRows[]
            = {{"192.168.1.250", 10, Range("192.168.1.", 250, 254) + Range("192.168.2.", 1, 5)},
                // The caller screened the start, so a stored one is added; .11 is skipped.
                {"192.168.1.10", 3, {"192.168.1.10", "192.168.1.12", "192.168.1.13"}},
                {"10.0.255.253", 5, {"10.0.255.253", "10.0.255.254"}}}; // stops before x.y.255.255
        for (const auto& [pszStart, nCount, listAdded] : aRows) {
            HostFixture::ClearLog();
            QCOMPARE(Rules().AddAddressRun(V(pszStart), nCount), listAdded.size());
            QCOMPARE(HostFixture::Calls(), AddCalls(listAdded));
        }
    }

    // Labels / addresses / name ("-": none) each offline mode shows.
    void offlineModes()
    {
        const std::pair<Args, const char*> aRows[]
            = {{{0, -1, 1, 1}, "添加数量|起始IP地址 / 192.168.1.101 / -"},
                {{4, 3, 1, 1}, "主控 4|主控 5|主控 6 / 192.168.1.101 192.168.1.102 192.168.1.103 / -"},
                {{0, 0, 0, 1}, "IP地址|IP名称 / 192.168.1.10 / one"}};
        for (const auto& [args, pszShown] : aRows) {
            CSetIPOfflineDlg dlg(args[0], args[1], args[2], args[3]);
            const QString strName = NameEdit(&dlg) ? NameEdit(&dlg)->text() : "-";
            QCOMPARE(Texts<CCustomLabel>(&dlg, "|") + " / " + Texts<CCustomIPEdit>(&dlg) + " / " + strName,
                QString(pszShown));
        }
    }

    // Beyond eight rows the window stops growing and the rows scroll; typing
    // starts in the first row and Tab walks the rows, never the scroll area.
    void offlineManyRowsScroll()
    {
        CSetIPOfflineDlg dlg(1, 12, true, true);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(dlg.height(), 400);
        QVERIFY(dlg.findChild<QScrollArea*>()->verticalScrollBar()->isVisible());
        QList<QWidget*> listStops;
        for (CCustomIPEdit* pEdit : dlg.findChildren<CCustomIPEdit*>())
            listStops << pEdit;
        for (QWidget* pStop : listStops << Button(&dlg, "确定") << Button(&dlg, "取消") << listStops[0]) {
            QCOMPARE(QApplication::focusWidget(), pStop);
            QTest::keyClick(pStop, Qt::Key_Tab);
        }
    }

    // The last of this computer's addresses in a sender's subnet is the base (a
    // swapped byte order would match none); devices detected since the reset are skipped.
    void offlineSuggestionsFollowTheSender()
    {
        ResetHost(
            {}, {{"senderAddresses", QJsonArray {"10.1.2.3"}}}, {"10.1.2.77", "192.168.1.100", "10.1.2.90"});
        GetConfigData()->SetDetectedDevices({"10.1.2.91"});
        CSetIPOfflineDlg dlg(0, 2, true, true);
        QCOMPARE(Texts<CCustomIPEdit>(&dlg), QString("10.1.2.92 10.1.2.93"));
    }

    // Stored count -> the batch count box's minimum, maximum and initial value.
    void offlineCountBox()
    {
        for (const Args& row : {Args {0, 1, 255, 16}, {15, 1, 240, 1}, {16, 1, 239, 20}, {35, 1, 220, 1},
                 {36, 1, 219, 10}, {250, 1, 5, 5}, {255, 0, 0, 0}}) {
            ResetHost({{"specified", StoredEntries(row[0])}});
            CSetIPOfflineDlg dlg(0, -1, true, true);
            const CCustomSpinBox* pBox = dlg.findChild<CCustomSpinBox*>();
            QCOMPARE((Args {row[0], int(pBox->minimum()), int(pBox->maximum()), int(pBox->value())}), row);
            QCOMPARE(pBox->isEnabled(), row[2] > 0);
        }
    }

    void offlineConfirm_data()
    {
        QTest::addColumn<SConfirm>("row");
        QTest::newRow("batch") << SConfirm {
            {0, -1, 1, 1}, "3 192.168.1.253", AddCalls({"192.168.1.253", "192.168.1.254", "192.168.2.1"})};
        // The entry's own address, though in use, starts the run.
        QTest::newRow("batch from the entry at 1")
            << SConfirm {{1, -1, 0, 1}, "2", AddCalls({"192.168.1.11", "192.168.1.12"}), "192.168.1.11()"};
        QTest::newRow("set") << SConfirm {
            {1, 3, 1, 1}, "192.168.1.101 10.0.0.5", AddCalls({"192.168.1.101", "10.0.0.5", "192.168.1.103"})};
        QTest::newRow("set, one row named")
            << SConfirm {{1, 1, 1, 1}, "10.0.0.7", AddCalls({"10.0.0.7"}, "hall"), "", "", "hall"};
        QTest::newRow("set reads leading zeros as decimal")
            << SConfirm {{1, 2, 1, 1}, "10.0.0.010 010.0.0.8", AddCalls({"10.0.0.10", "10.0.0.8"})};
        QTest::newRow("250 stored, 8 rows") << SConfirm {{1, 8, 1, 1}, nullptr,
            AddCalls(Range("192.168.1.", 101, 105)), "", "", "", {{"specified", StoredEntries(250)}}};
        QTest::newRow("255 stored, 2 rows") << SConfirm {
            {1, 2, 1, 1}, "10.0.0.5 10.0.0.6", AddCalls({}), "", "", "", {{"specified", StoredEntries(255)}}};
        QTest::newRow("modify keeps its own address") << SConfirm {{0, 0, 0, 1}, nullptr,
            {"CConfigData::SetSpecifiedIPWithIndex(0, 192.168.1.10, two)"}, "192.168.1.10(two)", "", "two"};
        QTest::newRow("modify keeps the typed spelling") << SConfirm {{1, 0, 0, 1}, "192.168.001.030",
            {"CConfigData::SetSpecifiedIPWithIndex(1, 192.168.001.030, )"}, "192.168.001.030()"};
        QTest::newRow("modify current set") << SConfirm {{0, 0, 0, 0}, "192.168.1.30",
            {"CConfigData::SetCurSetSpecifiedIPWithIndex(0, 192.168.1.30, )"}, "192.168.1.30(IP30)"};
        QTest::newRow("modify named current set") << SConfirm {{0, 0, 0, 0}, nullptr,
            {"CConfigData::SetCurSetSpecifiedIPWithIndex(0, 192.168.1.20, hall)"}, "192.168.1.20(hall)", "",
            "", {{"currentSet", QJsonArray {QJsonObject {{"ip", "192.168.1.20"}, {"name", "hall"}}}}}};
        QTest::newRow("modify: incomplete")
            << SConfirm {{1, 0, 0, 1}, "192.168.1", {}, "192.168.1.11()", g_strInvalid};
        QTest::newRow("modify: another stored")
            << SConfirm {{0, 0, 0, 1}, "192.168.1.11", {}, "192.168.1.10(one)", g_strInUse};
        // The own-address pass is for "in use" only.
        QTest::newRow("modify: own address is the gateway")
            << SConfirm {{0, 0, 0, 0}, nullptr, {}, "192.168.1.1(IP1)", g_strGateway, "",
                   {{"currentSet", QJsonArray {QJsonObject {{"ip", "192.168.1.1"}, {"name", ""}}}}}};
        QTest::newRow("batch: incomplete") << SConfirm {{0, -1, 1, 1}, "16 10.1", {}, "", g_strInvalid};
        QTest::newRow("set: incomplete")
            << SConfirm {{1, 2, 1, 1}, "192.168.1 10.0.0.6", {}, "", g_strInvalid};
    }
    void offlineConfirm()
    {
        QFETCH(SConfirm, row);
        ResetHost(row.objConfig);
        CSetIPOfflineDlg dlg(row.args[0], row.args[1], row.args[2], row.args[3]);
        TypeAndConfirm(dlg, row.args[1], row.pszTyped, row.pszName);
        const bool bRejected = !row.strMessage.isEmpty();
        QCOMPARE((QVector<int> {dlg.isVisible(), dlg.result()}), (QVector<int> {bRejected, !bRejected}));
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), bRejected ? QStringList {row.strMessage} : QStringList());
        QCOMPARE(HostFixture::Calls(), row.listCalls);
        QCOMPARE(dlg.GetResetStr(), row.strReset);
        const QString strTyped(row.pszTyped);
        if (bRejected && !strTyped.isNull())
            QCOMPARE(Texts<CCustomIPEdit>(&dlg), row.args[1] == -1 ? strTyped.section(' ', 1) : strTyped);
    }

    // Menu position (-1: untouched) -> the type Return where focus starts
    // stores (0: none, as 46 is stored already, so the selection stays).
    void demoConfirm()
    {
        for (const Args& row : {Args {-1, 21}, {5, 131074}, {1, 0}}) {
            // Demo off, stored type 46, and a selection the dialog may clear.
            HostFixture::Reset({{"project", QJsonObject {{"demoMode", false}, {"demoSenderType", 46}}},
                {"runtime", QJsonObject {{"selection", QJsonArray {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}}}}});
            CDemoProjectConfigDlg dlg;
            dlg.show();
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            QCOMPARE(QApplication::focusWidget(), Button(&dlg, "确认"));
            CCustomComboBox* pType = dlg.findChild<CCustomComboBox*>();
            QVERIFY(row[0] < 0 || (pType->ActivateIndex(2) && pType->ActivateIndex(row[0])));
            QVERIFY(ReturnConfirmsWithoutMenu(QApplication::focusWidget(), pType->menu()));
            const QString strStore = QString("CProjectData::SetDemoSenderType(%1)").arg(row[1]);
            QCOMPARE(HostFixture::Calls(),
                (row[1] ? QStringList {g_strDemoOn, g_strCleared, strStore, g_strNotify}
                        : QStringList {g_strDemoOn, g_strNotify}));
            QCOMPARE(GetRuntimeData()->GetCurSelectNode().nValues[1], row[1] ? -1 : 7);
            QCOMPARE(dlg.result(), 1);
        }
    }

    // Port row value, address state and strategy -> the rows shown; the count
    // box's limit follows the address state.
    void addProcessorRowsAndCountRange()
    {
        const std::tuple<int, bool, int, const char*> aRows[]
            = {{0, true, 2, "主控数量|输出口数量|起始IP地址"}, {1, true, 2, "主控数量|起始IP地址"},
                {0, false, 2, "主控数量|输出口数量"}, {5, false, 2, "主控数量"},
                {0, true, 1, "主控数量|输出口数量"}};
        for (const auto& [nPortRow, bState, nStrategy, pszLabels] : aRows) {
            HostFixture::Reset({{"config", QJsonObject {{"detectStrategy", nStrategy}}},
                {"runtime", QJsonObject {{"senderCountLimit", QJsonArray {12, 200}}}},
                {"hardware", QJsonObject {{"portRowValue", nPortRow}, {"addressState", bState}}}});
            CCustomAddProcessorDlg dlg;
            QCOMPARE(Texts<CCustomLabel>(&dlg, "|"), QString(pszLabels));
            QCOMPARE(dlg.findChild<CCustomSpinBox*>()->maximum(), bState ? 200.0 : 12.0);
            if (nStrategy == 2)
                continue;
            // Enter on the port box confirms instead of opening its menu; without
            // the start row nothing is written.
            TypeInto(dlg.findChild<CCustomSpinBox*>(), "7");
            CCustomComboBox* pPorts = dlg.findChild<CCustomComboBox*>();
            dlg.show();
            QVERIFY(pPorts->ActivateIndex(8) && ReturnConfirmsWithoutMenu(pPorts, pPorts->menu()));
            QCOMPARE((QVector<int> {dlg.result(), dlg.m_nPortCount, dlg.m_nProcessorCount}),
                (QVector<int> {1, 80, 7}));
            QVERIFY(HostFixture::Calls().isEmpty());
        }
    }

    // Stored count (-1: the baseline's), this computer's addresses and the typed
    // start (null: the suggestion, above the computer's last address in its own
    // block) -> the adds, or one message with the input kept. No own-address
    // exception here.
    void addProcessorConfirm()
    {
        const QStringList listPc {"192.168.1.100"};
        const std::tuple<int, QStringList, const char*, QStringList, QString> aRows[]
            = {{-1, listPc, "192.168.1.9", QStringList {"192.168.1.9"} + Range("192.168.1.", 12, 15), ""},
                {253, listPc, nullptr, Range("192.168.1.", 101, 102), ""}, {255, listPc, nullptr, {}, ""},
                {-1, listPc, "192.168.001.050", Range("192.168.1.", 50, 54), ""}, // leading zeros: decimal
                {-1, {"192.168.1.100", "10.9.9.9", "fe80::2"}, nullptr, Range("10.9.9.", 10, 14), ""},
                {-1, {"192.168.1.254"}, nullptr, {}, g_strInvalid}, // nothing free in its block
                {-1, listPc, "192.168.1.10", {}, g_strInUse}, {-1, listPc, "192.168.1", {}, g_strInvalid}};
        for (const auto& [nStored, listLocal, pszStart, listAdded, strMessage] : aRows) {
            ResetHost(nStored < 0 ? QJsonObject() : QJsonObject {{"specified", StoredEntries(nStored)}},
                {{"addressState", true}}, listLocal);
            CCustomAddProcessorDlg dlg;
            AddProcessors(dlg, 5, pszStart);
            const bool bRejected = !strMessage.isEmpty();
            QCOMPARE(dlg.isVisible(), bRejected);
            QCOMPARE(CMessageBoxAnswers::ShownTexts(), bRejected ? QStringList {strMessage} : QStringList());
            QCOMPARE(HostFixture::Calls(), bRejected ? QStringList() : AddCalls(listAdded));
            if (bRejected)
                QCOMPARE(dlg.findChild<CCustomIPEdit*>()->text(), QString(pszStart));
        }
    }

    // A host limit below 1 leaves no count to choose: OK and Return do nothing.
    void addProcessorWithoutRoom()
    {
        HostFixture::Reset({{"runtime", QJsonObject {{"senderCountLimit", QJsonArray {0, 0}}}}});
        CCustomAddProcessorDlg dlg;
        dlg.show();
        auto* pCount = dlg.findChild<CCustomSpinBox*>();
        QVERIFY(!pCount->isEnabled() && pCount->maximum() == 0 && pCount->value() == 0);
        QTest::mouseClick(Button(&dlg, "确定"), Qt::LeftButton);
        QTest::keyClick(&dlg, Qt::Key_Return);
        dlg.ActionSlots(CCustomAddProcessorDlg::ActionOk);
        QVERIFY(dlg.isVisible() && dlg.m_nProcessorCount == 3);
        QCOMPARE(HostFixture::Calls(), QStringList());
    }

    // This computer's address needs consent: only yes goes on.
    void addProcessorLocalConsent()
    {
        CCustomAddProcessorDlg dlg;
        CMessageBoxAnswers::Enqueue(4);
        AddProcessors(dlg, 1, "192.168.1.100");
        QVERIFY(dlg.isVisible());
        CMessageBoxAnswers::Enqueue(2);
        QTest::keyClick(dlg.findChild<CCustomIPEdit*>(), Qt::Key_Return);
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(HostFixture::Calls(), AddCalls({"192.168.1.100"}));
    }
};

QTEST_MAIN(TestAddressRules)
#include "tst_addressrules.moc"
