#include "CResetCoefDlg.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The reset coefficient dialog: both kinds, the box's range and precision,
// and what OK and Cancel leave in GetValue().
class TestResetCoef : public QObject
{
    Q_OBJECT

private:
    static QDoubleSpinBox* Box(CResetCoefDlg& dlg) { return dlg.findChild<QDoubleSpinBox*>("valueBox"); }
    static QStringList LabelTexts(CResetCoefDlg& dlg)
    {
        QStringList listTexts;
        for (const QLabel* pLabel : dlg.findChildren<QLabel*>())
            listTexts << pLabel->text();
        return listTexts;
    }

private slots:
    void kindsDifferInTitleAndLabel()
    {
        CResetCoefDlg calibration(true);
        QCOMPARE(calibration.windowTitle(), QString("重置校正系数"));
        QVERIFY(LabelTexts(calibration).contains("校正系数"));
        QCOMPARE(calibration.size(), QSize(270, 105));

        CResetCoefDlg seam(false);
        QCOMPARE(seam.windowTitle(), QString("重置修缝系数"));
        QVERIFY(LabelTexts(seam).contains("修缝系数"));
        QVERIFY(!LabelTexts(seam).contains("校正系数"));
    }

    void startsAtOneUntilSet()
    {
        CResetCoefDlg dlg(true);
        QCOMPARE(dlg.GetValue(), 1.0f);
        dlg.SetValue(0.25f);
        QCOMPARE(dlg.GetValue(), 0.25f);
        QCOMPARE(Box(dlg)->value(), 0.25);
    }

    void okStoresValueWithThreeDecimals()
    {
        CResetCoefDlg dlg(true);
        dlg.SetValue(0.5f);
        Box(dlg)->setValue(0.12345);
        QCOMPARE(Box(dlg)->text(), QString("0.123"));
        dlg.findChild<QPushButton*>("okButton")->click();
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(dlg.GetValue(), 0.123f);
    }

    void cancelKeepsLastSetValue()
    {
        CResetCoefDlg dlg(false);
        dlg.SetValue(0.75f);
        Box(dlg)->setValue(0.2);
        dlg.ActionSlots(1);
        QCOMPARE(dlg.GetValue(), 0.75f);
        QCOMPARE(dlg.result(), 0);

        CResetCoefDlg unset(false);
        Box(unset)->setValue(0.2);
        unset.findChild<QPushButton*>("cancelButton")->click();
        QCOMPARE(unset.GetValue(), 1.0f);
    }

    void valuesOutsideZeroToOneCannotBeEntered()
    {
        CResetCoefDlg dlg(true);
        QDoubleSpinBox* pBox = Box(dlg);
        pBox->setValue(1.5);
        QCOMPARE(pBox->value(), 1.0);
        pBox->setValue(-0.2);
        QCOMPARE(pBox->value(), 0.0);
        // Typed text is held to the range as well.
        pBox->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(pBox, "2");
        pBox->interpretText();
        QVERIFY(pBox->value() >= 0.0 && pBox->value() <= 1.0);
        QCOMPARE(pBox->singleStep(), 0.001);
    }
};

QTEST_MAIN(TestResetCoef)
#include "tst_resetcoef.moc"
