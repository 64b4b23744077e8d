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
        Button(&dlg, "确认")->click();
        const QString strStore = QString("CProjectData::SetDemoSenderType(%1)").arg(type);
        const QStringList listCalls = type ? QStringList {c_strDemoOn, c_strCleared, strStore, c_strNotify}
                                           : QStringList {c_strDemoOn, c_strNotify};
        QCOMPARE(HostFixture::Calls(), listCalls);
        QCOMPARE(GetRuntimeData()->GetCurSelectNode().nValues[1], type ? -1 : 7);
        QCOMPARE(dlg.result(), 1);
        QVERIFY(!dlg.isVisible());
    }

    void CancelWritesNothing()
    {
        CDemoProjectConfigDlg dlg;
        dlg.show();
        dlg.findChild<CCustomComboBox*>()->ActivateIndex(5);
        Button(&dlg, "取消")->click();
        QVERIFY(HostFixture::Calls().isEmpty());
        QCOMPARE(GetProjectData()->GetDemoSenderType(), 46);
        QCOMPARE(dlg.result(), 0);
        QVERIFY(!dlg.isVisible());
    }
};

QTEST_MAIN(TestDemoProject)
#include "tst_demoproject.moc"
