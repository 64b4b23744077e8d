#include "CResetCoefDlg.h"
#include "DialogDriver.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace DialogDriver;

class TestResetCoef : public QObject
{
    Q_OBJECT

private slots:
    void titlesAndBounds()
    {
        QCOMPARE(CResetCoefDlg(false).windowTitle(), QString("重置修缝系数"));
        CResetCoefDlg dlg(true);
        QCOMPARE(dlg.windowTitle(), QString("重置校正系数"));
        QCOMPARE(dlg.GetValue(), 1.0f);
        auto* pBox = Child<QDoubleSpinBox>(dlg, "valueBox");
        pBox->setValue(1.5);
        QCOMPARE(pBox->value(), 1.0);
        pBox->setValue(-0.2);
        QCOMPARE(pBox->value(), 0.0);
        pBox->setValue(0.12345); // stored as shown, to three decimals
        Click(dlg, "okButton");
        QCOMPARE(dlg.GetValue(), 0.123f);
    }

    // Typed and confirmed with Return; Escape, like Cancel, keeps the value set.
    void keysConfirmAndCancel()
    {
        for (int nEnding : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
            CResetCoefDlg dlg(false);
            dlg.SetValue(0.5f);
            dlg.show();
            QVERIFY(OkIsDefault(dlg, Child<QPushButton>(dlg, "cancelButton")));
            auto* pBox = Child<QDoubleSpinBox>(dlg, "valueBox");
            QTest::keyClick(pBox, Qt::Key_Up); // from the value set, in thousandths
            QCOMPARE(pBox->text(), QString("0.501"));
            TypeInto(pBox, "0.25");
            EndWith(dlg, pBox->findChild<QLineEdit*>(), nEnding);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), nEnding == Qt::Key_Return ? 1 : 0);
            QCOMPARE(dlg.GetValue(), nEnding == Qt::Key_Return ? 0.25f : 0.5f);
        }
    }
};

QTEST_MAIN(TestResetCoef)
#include "tst_resetcoef.moc"
