#include "CResetCoefDlg.h"

#include <QDoubleSpinBox>
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
};

QTEST_MAIN(TestResetCoef)
#include "tst_resetcoef.moc"
