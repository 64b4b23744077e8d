#include "CDemoProjectConfigDlg.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QPushButton>
#include <QtTest>

namespace {
const QString c_strCleared = "CRuntimeData::SetCurSelectNode(0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1)";
const QString c_strDemoOn = "CProjectData::SetDemoModeEnable(true)";
const QString c_strNotify = "CHwSenderLogic::NotifyDemoChanged()";

void ResetWithDemoType(int nType)
{
    HostFixture::Reset({{"project", QJsonObject {{"demoMode", false}, {"demoSenderType", nType}}}});
    // A selection the dialog may clear.
    SNodeSelect sSelect;
    std::fill(std::begin(sSelect.nValues), std::end(sSelect.nValues), 7);
    GetRuntimeData()->LoadCurSelectNode(sSelect);
}

QPushButton* Button(QWidget* pDialog, const QString& strText)
{
    for (QPushButton* pButton : pDialog->findChildren<QPushButton*>()) {
        if (pButton->text() == strText && !qobject_cast<CCustomComboBox*>(pButton))
            return pButton;
    }
    return nullptr;
}
} // namespace

class TestDemoProject : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetWithDemoType(46); }

    void Layout()
    {
        CDemoProjectConfigDlg dlg;
        QCOMPARE(dlg.windowTitle(), QString("演示工程配置"));
        QCOMPARE(dlg.size(), QSize(285, 120));
        QCOMPARE(dlg.findChild<CCustomLabel*>()->text(), QString("主控类型"));
        CCustomComboBox* pType = dlg.findChild<CCustomComboBox*>();
        QCOMPARE(pType->text(), QString("Orvik"));
        QStringList listEntries;
        for (int i = 0; i < pType->Count(); ++i)
            listEntries << pType->ItemAt(i)->text();
        QCOMPARE(listEntries, (QStringList {"Orvik", "Halbran", "Mirelt", "Tovane", "Quindel", "Larnet"}));
        QVERIFY(Button(&dlg, "确认"));
        QVERIFY(Button(&dlg, "取消"));
    }

    void SenderTypes()
    {
        const QList<int> listTypes {21, 46, 16, 17, 35, 131074};
        for (int i = 0; i < listTypes.size(); ++i)
            QCOMPARE(CDemoProjectConfigDlg::SenderTypeAt(i), listTypes[i]);
        QCOMPARE(CDemoProjectConfigDlg::SenderTypeAt(-1), 21);
        QCOMPARE(CDemoProjectConfigDlg::SenderTypeAt(6), 21);
    }

    void UntouchedConfirmStoresTheFirstModel()
    {
        CDemoProjectConfigDlg dlg;
        dlg.show();
        Button(&dlg, "确认")->click();
        QCOMPARE(HostFixture::Calls(),
            (QStringList {c_strDemoOn, c_strCleared, "CProjectData::SetDemoSenderType(21)", c_strNotify}));
        QVERIFY(GetProjectData()->GetDemoModeEnable());
        QCOMPARE(GetProjectData()->GetDemoSenderType(), 21);
        QCOMPARE(dlg.result(), 1);
        QVERIFY(!dlg.isVisible());
    }

    void SameTypeLeavesTheSelection()
    {
        ResetWithDemoType(35);
        CDemoProjectConfigDlg dlg;
        dlg.show();
        QVERIFY(dlg.findChild<CCustomComboBox*>()->ActivateIndex(4));
        Button(&dlg, "确认")->click();
        QCOMPARE(HostFixture::Calls(), (QStringList {c_strDemoOn, c_strNotify}));
        QCOMPARE(GetRuntimeData()->GetCurSelectNode().nValues[0], 7);
        QCOMPARE(dlg.result(), 1);
    }

    void MenuChoiceIsStored()
    {
        CDemoProjectConfigDlg dlg;
        dlg.show();
        CCustomComboBox* pType = dlg.findChild<CCustomComboBox*>();
        QVERIFY(pType->ActivateIndex(2));
        QVERIFY(pType->ActivateIndex(5));
        QCOMPARE(pType->text(), QString("Larnet"));
        dlg.ControlClicked(1, 0);
        QCOMPARE(GetProjectData()->GetDemoSenderType(), 131074);
        QCOMPARE(HostFixture::Calls().count(c_strCleared), 1);
    }

    void PositionOutsideTheMenu()
    {
        CDemoProjectConfigDlg dlg;
        dlg.ControlClicked(0, 3);
        dlg.ControlClicked(0, 9);
        QCOMPARE(dlg.findChild<CCustomComboBox*>()->text(), QString());
        dlg.ControlClicked(7, 0); // no such control
        QVERIFY(HostFixture::Calls().isEmpty());
        dlg.ControlClicked(1, 0);
        QCOMPARE(GetProjectData()->GetDemoSenderType(), 21);
    }

    void CancelWritesNothing()
    {
        CDemoProjectConfigDlg dlg;
        dlg.show();
        dlg.findChild<CCustomComboBox*>()->ActivateIndex(5);
        Button(&dlg, "取消")->click();
        QVERIFY(HostFixture::Calls().isEmpty());
        QVERIFY(!GetProjectData()->GetDemoModeEnable());
        QCOMPARE(GetProjectData()->GetDemoSenderType(), 46);
        QCOMPARE(dlg.result(), 0);
        QVERIFY(!dlg.isVisible());
    }
};

QTEST_MAIN(TestDemoProject)
#include "tst_demoproject.moc"
