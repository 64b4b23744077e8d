#include "CResetCoefDlg.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestResetCoef : public QObject
{
    Q_OBJECT

private slots:
    void kinds()
    {
        for (const QString strKind : {"校正系数", "修缝系数"}) {
            CResetCoefDlg dlg(strKind == "校正系数");
            QCOMPARE(dlg.windowTitle(), "重置" + strKind);
            QStringList listTexts;
            for (const QLabel* pLabel : dlg.findChildren<QLabel*>())
                listTexts << pLabel->text();
            QVERIFY2(listTexts.contains(strKind), qPrintable(listTexts.join(',')));
        }
    }

    void okTakesTheBoxCancelKeepsTheLastSetValue()
    {
        CResetCoefDlg dlg(true);
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
