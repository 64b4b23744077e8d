#include "CDemoProjectConfigDlg.h"

#include "CCustomComboBox.h"
#include "DialogDriver.h"
#include "KivoData.h"

#include <QtTest>

using namespace DialogDriver;

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

    void MenuEntries()
    {
        CDemoProjectConfigDlg dlg;
        QCOMPARE(dlg.size(), QSize(285, 120));
        CCustomComboBox* pType = dlg.findChild<CCustomComboBox*>();
        QStringList listEntries;
        for (int i = 0; i < pType->Count(); ++i)
            listEntries << pType->ItemAt(i)->text();
        QCOMPARE(listEntries, (QStringList {"Orvik", "Halbran", "Mirelt", "Tovane", "Quindel", "Larnet"}));
        QCOMPARE(pType->text(), QString("Orvik"));
    }

    // Menu position (-1: untouched, confirmed by Return where focus starts, on OK) ->
    // the type a confirm stores (0: none, as 46 is already stored, so the
    // selection stays).
    void Confirm_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("type");
        QTest::newRow("untouched, Return") << -1 << 21;
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
        if (position >= 0) {
            QVERIFY(pType->ActivateIndex(2) && pType->ActivateIndex(position));
            QTest::mouseClick(Button(&dlg, "确认"), Qt::LeftButton);
        } else {
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            QCOMPARE(QApplication::focusWidget(), Button(&dlg, "确认"));
            QVERIFY(ReturnConfirmsWithoutMenu(QApplication::focusWidget(), pType->menu()));
        }
        const QString strStore = QString("CProjectData::SetDemoSenderType(%1)").arg(type);
        QCOMPARE(HostFixture::Calls(),
            (type ? QStringList {g_strDemoOn, g_strCleared, strStore, g_strNotify}
                  : QStringList {g_strDemoOn, g_strNotify}));
        QCOMPARE(GetRuntimeData()->GetCurSelectNode().nValues[1], type ? -1 : 7);
        QCOMPARE(dlg.result(), 1);
        QVERIFY(!dlg.isVisible());
    }

    void CloseOnce()
    {
        CheckCancelAndEscape([] { return new CDemoProjectConfigDlg; },
            [](QDialog& dlg) {
                CCustomComboBox* pType = dlg.findChild<CCustomComboBox*>();
                pType->ActivateIndex(5);
                return pType;
            });
        QCOMPARE(GetProjectData()->GetDemoSenderType(), 46);
        CDemoProjectConfigDlg dlg;
        dlg.open();
        QCOMPARE(DoubleClickOk(dlg, "确认"), 1);
        QCOMPARE(HostFixture::Calls().count(g_strNotify), 1);
        QCOMPARE(HostFixture::Calls().count(g_strDemoOn), 1);
    }
};

QTEST_MAIN(TestDemoProject)
#include "tst_demoproject.moc"
