#include "CSetIPOfflineDlg.h"

#include "AddressTestSupport.h"
#include "CCustomIPEdit.h"
#include "CCustomLabel.h"
#include "CCustomSpinBox.h"
#include "CMessageBoxAnswers.h"

#include <QAbstractSpinBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>

using namespace AddressTest;

namespace {
// Children in the order a user reads them: top to bottom, then left to right.
template <class T> QList<T*> InReadingOrder(QWidget* pDialog)
{
    QList<T*> list = pDialog->findChildren<T*>();
    std::stable_sort(list.begin(), list.end(), [pDialog](T* pA, T* pB) {
        const QPoint ptA = pA->mapTo(pDialog, QPoint());
        const QPoint ptB = pB->mapTo(pDialog, QPoint());
        return ptA.y() != ptB.y() ? ptA.y() < ptB.y() : ptA.x() < ptB.x();
    });
    return list;
}

QStringList LabelTexts(QWidget* pDialog)
{
    QStringList list;
    for (const CCustomLabel* pLabel : InReadingOrder<CCustomLabel>(pDialog))
        list << pLabel->text();
    return list;
}

QStringList EditTexts(QWidget* pDialog)
{
    QStringList list;
    for (const CCustomIPEdit* pEdit : InReadingOrder<CCustomIPEdit>(pDialog))
        list << pEdit->text();
    return list;
}

CCustomIPEdit* Edit(QWidget* pDialog, int nRow)
{
    return InReadingOrder<CCustomIPEdit>(pDialog).value(nRow);
}

// The plain name editor, not an address editor or a number box's own editor.
QLineEdit* NameEdit(QWidget* pDialog)
{
    for (QLineEdit* pEdit : pDialog->findChildren<QLineEdit*>()) {
        if (!qobject_cast<CCustomIPEdit*>(pEdit) && !qobject_cast<QAbstractSpinBox*>(pEdit->parent()))
            return pEdit;
    }
    return nullptr;
}

bool IsOpen(const QDialog& dlg)
{
    return dlg.isVisible() && dlg.result() == 0;
}

bool ClosedAccepted(const QDialog& dlg)
{
    return !dlg.isVisible() && dlg.result() == 1;
}
} // namespace

class TestSetIPOffline : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Baseline: gateway 192.168.1.1, /24, stored 192.168.1.10 ("one") and
        // .11, current-set 192.168.1.20, this computer 192.168.1.100.
        ResetHost();
    }

    void Modes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("set");
        QTest::addColumn<bool>("specified");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("name"); // "-": no name editor
        QTest::addColumn<bool>("hasCount");
        const QStringList listBatch {"添加数量", "起始IP地址"};
        const QStringList listSingle {"IP地址", "IP名称"};
        QTest::newRow("batch, suggested") << 0 << -1 << true << true << "批量添加IP" << listBatch
                                          << QStringList {"192.168.1.101"} << "-" << true;
        QTest::newRow("batch, from entry") << 1 << -1 << false << true << "批量添加IP" << listBatch
                                           << QStringList {"192.168.1.11"} << "-" << true;
        QTest::newRow("set 3 from 4")
            << 4 << 3 << true << true << "设置IP地址" << QStringList {"主控 4", "主控 5", "主控 6"}
            << QStringList {"192.168.1.101", "192.168.1.102", "192.168.1.103"} << "-" << false;
        QTest::newRow("set 1") << 0 << 1 << true << true << "设置IP地址" << listSingle
                               << QStringList {"192.168.1.101"} << "" << false;
        QTest::newRow("set 0") << 0 << 0 << true << true << "设置IP地址" << QStringList {} << QStringList {}
                               << "-" << false;
        QTest::newRow("modify") << 0 << 0 << false << true << "修改IP地址" << listSingle
                                << QStringList {"192.168.1.10"} << "one" << false;
        QTest::newRow("modify current set") << 0 << 0 << false << false << "修改IP地址" << listSingle
                                            << QStringList {"192.168.1.20"} << "" << false;
    }
    void Modes()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(bool, set);
        QFETCH(bool, specified);
        QFETCH(QString, title);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, edits);
        QFETCH(QString, name);
        QFETCH(bool, hasCount);
        CSetIPOfflineDlg dlg(index, count, set, specified);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), title);
        QCOMPARE(dlg.size(), QSize(330, 125));
        QCOMPARE(LabelTexts(&dlg), labels);
        QCOMPARE(EditTexts(&dlg), edits);
        QCOMPARE(dlg.findChild<CCustomSpinBox*>() != nullptr, hasCount);
        const QLineEdit* pName = NameEdit(&dlg);
        QCOMPARE(pName ? pName->text() : QString("-"), name);
        if (pName)
            QCOMPARE(pName->maxLength(), 64);
        QCOMPARE(Writes(), 0);
    }

    void ManyRowsScrollInAFixedWindow()
    {
        CSetIPOfflineDlg dlg(1, 8, true, true);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QApplication::processEvents();
        QCOMPARE(dlg.size(), QSize(330, 125));
        const QScrollArea* pScroll = dlg.findChild<QScrollArea*>();
        QVERIFY(pScroll);
        QVERIFY(pScroll->verticalScrollBar()->isVisible());
        QVERIFY(pScroll->verticalScrollBar()->maximum() > 0);
        QCOMPARE(EditTexts(&dlg).size(), 8);
        QCOMPARE(LabelTexts(&dlg).last(), QString("主控 8"));
    }

    void SuggestionsFollowTheSendersSubnet()
    {
        ResetHost({}, {{"senderAddresses", QJsonArray {"10.1.2.3"}}}, {"192.168.1.100", "10.1.2.77"});
        CSetIPOfflineDlg dlg(0, -1, true, true);
        QCOMPARE(EditTexts(&dlg), QStringList {"10.1.2.78"});
    }

    // The host's list behind the check is refreshed before suggesting.
    void SuggestionsSeeNewlyDetectedDevices()
    {
        GetConfigData()->SetDetectedDevices({"192.168.1.101"});
        CSetIPOfflineDlg dlg(0, 2, true, true);
        QCOMPARE(EditTexts(&dlg), (QStringList {"192.168.1.102", "192.168.1.103"}));
    }

    void CountBoxByStoredCount_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::newRow("0") << 0 << 1 << 255 << 16;
        QTest::newRow("15") << 15 << 1 << 240 << 1;
        QTest::newRow("16") << 16 << 1 << 239 << 20;
        QTest::newRow("35") << 35 << 1 << 220 << 1;
        QTest::newRow("36") << 36 << 1 << 219 << 10;
        QTest::newRow("250: held at the bound") << 250 << 1 << 5 << 5;
        QTest::newRow("255: nothing to add") << 255 << 0 << 0 << 0;
    }
    void CountBoxByStoredCount()
    {
        QFETCH(int, stored);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        ResetHost({{"specified", StoredEntries(stored)}});
        CSetIPOfflineDlg dlg(0, -1, true, true);
        const CCustomSpinBox* pBox = dlg.findChild<CCustomSpinBox*>();
        QCOMPARE(static_cast<int>(pBox->minimum()), minimum);
        QCOMPARE(static_cast<int>(pBox->maximum()), maximum);
        QCOMPARE(static_cast<int>(pBox->value()), value);
        QCOMPARE(pBox->isEnabled(), maximum > 0);
    }

    void BatchAddRunsFromTheStartAddress()
    {
        CSetIPOfflineDlg dlg(0, -1, true, true);
        dlg.show();
        dlg.findChild<CCustomSpinBox*>()->setValue(3);
        Edit(&dlg, 0)->setText("192.168.1.253");
        dlg.ActionSlots(0);
        QVERIFY(ClosedAccepted(dlg));
        QCOMPARE(Added(), (QStringList {"192.168.1.253", "192.168.1.254", "192.168.2.1"}));
        QCOMPARE(Saves(), 1);
        QCOMPARE(dlg.GetResetStr(), QString());
    }

    void BatchAddFromEntryKeepsItsOwnAddress()
    {
        CSetIPOfflineDlg dlg(0, -1, false, true);
        dlg.show();
        dlg.findChild<CCustomSpinBox*>()->setValue(2);
        dlg.ActionSlots(0);
        QVERIFY(ClosedAccepted(dlg));
        QCOMPARE(Added(), (QStringList {"192.168.1.10", "192.168.1.12"}));
    }

    void SetModeAddsEveryRow()
    {
        CSetIPOfflineDlg dlg(1, 3, true, true);
        dlg.show();
        Edit(&dlg, 1)->setText("10.0.0.5");
        dlg.ActionSlots(0);
        QVERIFY(ClosedAccepted(dlg));
        QCOMPARE(HostFixture::Calls(),
            (QStringList {"CConfigData::AddSpecifiedIP(192.168.1.101, )",
                "CConfigData::AddSpecifiedIP(10.0.0.5, )", "CConfigData::AddSpecifiedIP(192.168.1.103, )",
                "CConfigData::SpecifiedIPsSave()"}));
    }

    void SetModeOneRowTakesTheName()
    {
        CSetIPOfflineDlg dlg(0, 1, true, true);
        dlg.show();
        NameEdit(&dlg)->setText("cam");
        dlg.ActionSlots(0);
        QVERIFY(ClosedAccepted(dlg));
        QCOMPARE(HostFixture::Calls(),
            (QStringList {
                "CConfigData::AddSpecifiedIP(192.168.1.101, cam)", "CConfigData::SpecifiedIPsSave()"}));
    }

    void SetModeWithinCapacity_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("added");
        QTest::newRow("250 stored, 8 rows") << 250 << 8 << 5;
        QTest::newRow("255 stored") << 255 << 3 << 0;
        QTest::newRow("270 stored") << 270 << 2 << 0;
    }
    void SetModeWithinCapacity()
    {
        QFETCH(int, stored);
        QFETCH(int, rows);
        QFETCH(int, added);
        ResetHost({{"specified", StoredEntries(stored)}});
        CSetIPOfflineDlg dlg(1, rows, true, true);
        dlg.show();
        dlg.ActionSlots(0);
        QVERIFY(ClosedAccepted(dlg));
        QCOMPARE(Added(), Range("192.168.1.", 101, 100 + added));
        QCOMPARE(Saves(), 1);
    }

    // A rejection shows one message, writes nothing and keeps the input.
    void Rejections_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("set");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("modify: empty") << 0 << 0 << false << QStringList {""} << c_strInvalid;
        QTest::newRow("modify: another stored")
            << 0 << 0 << false << QStringList {"192.168.1.11"} << c_strInUse;
        QTest::newRow("batch: gateway")
            << 0 << -1 << true << QStringList {"16", "192.168.1.1"} << c_strGateway;
        QTest::newRow("set: duplicate rows")
            << 1 << 3 << true << QStringList {"10.0.0.5", "10.0.0.6", "10.0.0.5"} << c_strDuplicate;
        QTest::newRow("set: in use and broadcast")
            << 1 << 3 << true << QStringList {"192.168.1.255", "10.0.0.6", "192.168.1.11"} << c_strInUse;
        QTest::newRow("set: empty row") << 1 << 2 << true << QStringList {"10.0.0.5", ""} << c_strInvalid;
    }
    void Rejections()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(bool, set);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        CSetIPOfflineDlg dlg(index, count, set, true);
        dlg.show();
        const QList<CCustomIPEdit*> listEdits = InReadingOrder<CCustomIPEdit>(&dlg);
        const int nFirstEdit = count == -1 ? 1 : 0; // batch: the count comes first
        if (count == -1)
            dlg.findChild<CCustomSpinBox*>()->setValue(typed[0].toInt());
        for (int i = nFirstEdit; i < typed.size(); ++i)
            listEdits[i - nFirstEdit]->setText(typed[i]);
        dlg.ActionSlots(0);
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {message});
        QVERIFY(IsOpen(dlg));
        QCOMPARE(Writes(), 0);
        QCOMPARE(EditTexts(&dlg), typed.mid(nFirstEdit));
    }

    void LocalComputerAddressNeedsConsent()
    {
        CSetIPOfflineDlg dlg(1, 2, true, true);
        dlg.show();
        Edit(&dlg, 0)->setText("192.168.1.100");
        CMessageBoxAnswers::Enqueue(3);
        dlg.ActionSlots(0);
        QVERIFY(IsOpen(dlg));
        QCOMPARE(Writes(), 0);
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {c_strLocalPc});

        CMessageBoxAnswers::Enqueue(2);
        dlg.ActionSlots(0);
        QVERIFY(ClosedAccepted(dlg));
        QCOMPARE(Added(), (QStringList {"192.168.1.100", "192.168.1.102"}));
        QCOMPARE(CMessageBoxAnswers::ShownTexts().size(), 2);
    }

    void ModifyKeepsItsOwnAddress()
    {
        CSetIPOfflineDlg dlg(0, 0, false, true);
        dlg.show();
        NameEdit(&dlg)->setText("two");
        dlg.ActionSlots(0);
        QVERIFY(ClosedAccepted(dlg));
        QVERIFY(CMessageBoxAnswers::ShownTexts().isEmpty());
        QCOMPARE(
            HostFixture::Calls(), QStringList {"CConfigData::SetSpecifiedIPWithIndex(0, 192.168.1.10, two)"});
        QCOMPARE(dlg.GetResetStr(), QString("192.168.1.10(two)"));
    }

    void ModifyCurrentSetList()
    {
        CSetIPOfflineDlg dlg(0, 0, false, false);
        QCOMPARE(dlg.GetResetStr(), QString("192.168.1.20(IP20)"));
        dlg.show();
        Edit(&dlg, 0)->setText("192.168.1.30");
        dlg.ActionSlots(0);
        QVERIFY(ClosedAccepted(dlg));
        QCOMPARE(HostFixture::Calls(),
            QStringList {"CConfigData::SetCurSetSpecifiedIPWithIndex(0, 192.168.1.30, )"});
        QCOMPARE(dlg.GetResetStr(), QString("192.168.1.30(IP30)"));
        GetConfigData()->LoadLists(GetConfigData()->SpecifiedList(), {{"192.168.1.30", "gate"}});
        QCOMPARE(dlg.GetResetStr(), QString("192.168.1.30(gate)"));
    }

    void CancelWritesNothing()
    {
        CSetIPOfflineDlg dlg(0, 0, false, true);
        dlg.show();
        Edit(&dlg, 0)->setText("192.168.1.40");
        dlg.ActionSlots(1);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), 0);
        QCOMPARE(Writes(), 0);
    }
};

QTEST_MAIN(TestSetIPOffline)
#include "tst_setipoffline.moc"
