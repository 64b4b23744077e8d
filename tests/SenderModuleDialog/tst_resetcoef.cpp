#include "CResetCoefDlg.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestResetCoef : public QObject
{
    Q_OBJECT

private slots:
    void okTakesTheBoxCancelKeepsTheLastSetValue()
    {
        QCOMPARE(CResetCoefDlg(false).windowTitle(), QString("重置修缝系数"));
        CResetCoefDlg dlg(true);
        QCOMPARE(dlg.windowTitle(), QString("重置校正系数"));
        QCOMPARE(dlg.GetValue(), 1.0f);
        auto* pBox = dlg.findChild<QDoubleSpinBox*>("valueBox");
        pBox->setValue(1.5);
        QCOMPARE(pBox->value(), 1.0);
        pBox->setValue(-0.2);
        QCOMPARE(pBox->value(), 0.0);
        dlg.SetValue(0.75f);
        pBox->setValue(0.2);
        dlg.findChild<QPushButton*>("cancelButton")->click();
        QCOMPARE(dlg.GetValue(), 0.75f);
        QCOMPARE(dlg.result(), 0);
        pBox->setValue(0.12345); // stored as shown, to three decimals
        dlg.findChild<QPushButton*>("okButton")->click();
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(dlg.GetValue(), 0.123f);
    }

    // Typed and confirmed with Return; Escape, like Cancel, keeps the value set.
    void keysConfirmAndCancel()
    {
        for (int nEnding : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
            CResetCoefDlg dlg(false);
            dlg.SetValue(0.5f);
            dlg.show();
            QVERIFY(dlg.findChild<QPushButton*>("okButton")->isDefault());
            QVERIFY(!dlg.findChild<QPushButton*>("cancelButton")->autoDefault());
            QLineEdit* pEdit = dlg.findChild<QDoubleSpinBox*>("valueBox")->findChild<QLineEdit*>();
            pEdit->selectAll();
            QTest::keyClicks(pEdit, "0.25");
            QTest::keyClick(pEdit, Qt::Key(nEnding));
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), nEnding == Qt::Key_Return ? 1 : 0);
            QCOMPARE(dlg.GetValue(), nEnding == Qt::Key_Return ? 0.25f : 0.5f);
        }
    }
};

QTEST_MAIN(TestResetCoef)
#include "tst_resetcoef.moc"
