#include "CDemoProjectConfigDlg.h"

#include "AddressTestSupport.h"
#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "KivoData.h"

#include <QPushButton>
#include <QtTest>

using AddressTest::Button;

namespace {
const QString g_strCleared = "CRuntimeData::SetCurSelectNode(0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1)";
const QString g_strDemoOn = "CProjectData::SetDemoModeEnable(true)";
const QString g_strNotify = "CHwSenderLogic::NotifyDemoChanged()";
} // namespace

class TestDemoProject : public QObject
{
    Q_OBJECT

private slots:
    // Demo off, stored type 46, and a selection the dialog may clear.
    void init()
    {
        HostFixture::Reset({{"project", QJsonObject {{"demoMode", false}, {"demoSenderType", 46}}}});
        SNodeSelect sSelect;
        std::fill(std::begin(sSelect.nValues), std::end(sSelect.nValues), 7);
        GetRuntimeData()->LoadCurSelectNode(sSelect);
    }

    void Layout()
    {
        CDemoProjectConfigDlg dlg;
        QCOMPARE(dlg.windowTitle(), QString("演示工程配置"));
        QCOMPARE(dlg.size(), QSize(285, 120));
        QCOMPARE(dlg.findChild<CCustomLabel*>()->text(), QString("主控类型"));
        CCustomComboBox* pType = dlg.findChild<CCustomComboBox*>();
        QStringList listEntries;
        for (int i = 0; i < pType->Count(); ++i)
            listEntries << pType->ItemAt(i)->text();
        QCOMPARE(listEntries, (QStringList {"Orvik", "Halbran", "Mirelt", "Tovane", "Quindel", "Larnet"}));
        QCOMPARE(pType->text(), QString("Orvik"));
    }

    // Menu position (-1: untouched) -> the type a confirm stores (0: none, as
    // 46 is already stored, so the selection stays).
    void Confirm_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("type");
        QTest::newRow("untouched") << -1 << 21;
        QTest::newRow("last, after another") << 5 << 131074;
        QTest::newRow("same type") << 1 << 0;
    }
    void Confirm()
    {
        QFETCH(int, position);
        QFETCH(int, type);
        CDemoProjectConfigDlg dlg;
        dlg.show();
        CCustomComboBox* pType = dlg.findChild<CCustomComboBox*>();
        if (position >= 0)
            QVERIFY(pType->ActivateIndex(2) && pType->ActivateIndex(position));
        QTest::mouseClick(Button(&dlg, "确认"), Qt::LeftButton);
        const QString strStore = QString("CProjectData::SetDemoSenderType(%1)").arg(type);
        const QStringList listCalls = type ? QStringList {g_strDemoOn, g_strCleared, strStore, g_strNotify}
                                           : QStringList {g_strDemoOn, g_strNotify};
        QCOMPARE(HostFixture::Calls(), listCalls);
        QCOMPARE(GetRuntimeData()->GetCurSelectNode().nValues[1], type ? -1 : 7);
        QCOMPARE(dlg.result(), 1);
        QVERIFY(!dlg.isVisible());
    }

    void CancelAndEscapeWriteNothing()
    {
        for (bool bEscape : {false, true}) {
            CDemoProjectConfigDlg dlg;
            QSignalSpy spyFinished(&dlg, &QDialog::finished);
            dlg.open();
            CCustomComboBox* pType = dlg.findChild<CCustomComboBox*>();
            pType->ActivateIndex(5);
            if (bEscape)
                QTest::keyClick(pType, Qt::Key_Escape);
            else
                QTest::mouseClick(Button(&dlg, "取消"), Qt::LeftButton);
            QVERIFY(HostFixture::Calls().isEmpty());
            QCOMPARE(GetProjectData()->GetDemoSenderType(), 46);
            QCOMPARE(dlg.result(), 0);
            QCOMPARE(spyFinished.count(), 1);
            QVERIFY(!dlg.isVisible());
        }
    }

    // The dialog opens ready for Enter, which confirms without opening the menu.
    void EnterConfirmsFromTheStart()
    {
        CDemoProjectConfigDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QMenu* pMenu = dlg.findChild<CCustomComboBox*>()->menu();
        QSignalSpy spyMenu(pMenu, &QMenu::aboutToShow);
        QTimer::singleShot(0, pMenu, &QMenu::close); // a menu that opens must not hang the test
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(spyMenu.count(), 0);
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(HostFixture::Calls(),
            (QStringList {g_strDemoOn, g_strCleared, "CProjectData::SetDemoSenderType(21)", g_strNotify}));
    }

    void DoubleClickConfirmsOnce()
    {
        CDemoProjectConfigDlg dlg;
        QSignalSpy spyFinished(&dlg, &QDialog::finished);
        dlg.open();
        AddressTest::DoubleClick(Button(&dlg, "确认"));
        QCOMPARE(spyFinished.count(), 1);
        QCOMPARE(HostFixture::Calls().count(g_strNotify), 1);
        QCOMPARE(HostFixture::Calls().count(g_strDemoOn), 1);
    }
};

QTEST_MAIN(TestDemoProject)
#include "tst_demoproject.moc"
