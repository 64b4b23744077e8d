#include "CSetCanvasDlg.h"
#include "CanvasRules.h"
#include "DialogDriver.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "CMessageBoxAnswers.h"
#include "KivoData.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QtTest>

using namespace DialogDriver;

class TestCanvas : public QObject
{
    Q_OBJECT

private:
    static SSenderDeviceState& Device() { return HostFixture::CurrentSender().Device(); }
    static QDoubleSpinBox* Box(CSetCanvasDlg& dlg, const char* pszName)
    {
        return dlg.findChild<QDoubleSpinBox*>(pszName);
    }
    static void Enter(CSetCanvasDlg& dlg, int nWidth, int nHeight)
    {
        Box(dlg, "widthBox")->setValue(nWidth);
        Box(dlg, "heightBox")->setValue(nHeight);
    }

private slots:
    void init() { HostFixture::Reset(); }

    void limitMessages()
    {
        const SCanvasLimits limits {8192, 4096, 16777216};
        const auto error
            = [&](int nWidth, int nHeight) { return CanvasRules::Check(nWidth, nHeight, &limits).strError; };
        QCOMPARE(error(8193, 1000), QString("画布的宽不能大于8192。"));
        QCOMPARE(error(1000, 4097), QString("画布的高不能大于4096。"));
        QCOMPARE(error(4096, 4096), QString());
        QCOMPARE(error(10000, 5000), QString("画布的面积不能大于16777216。")); // not the width one
        QCOMPARE(error(50, 1080), QString("画布的宽或高不能小于64。")); // the boxes cannot go that low
    }

    void editing_data()
    {
        QTest::addColumn<QSize>("entered");
        QTest::addColumn<QString>("strButton");
        QTest::addColumn<QString>("strError");
        QTest::addColumn<int>("nMaxArea"); // 0: no limits
        QTest::newRow("wide") << QSize(40000, 1080) << "自定义(32768×1080)" << QString() << 0;
        QTest::newRow("tall") << QSize(1920, 20000) << "自定义(1920×16384)" << QString() << 0;
        QTest::newRow("preset") << QSize(1920, 1080) << "1920×1080" << QString() << 0;
        QTest::newRow("area") << QSize(10000, 5000) << "自定义(10000×5000)"
                              << "画布的面积不能大于16777216。" << 16777216;
    }
    void editing()
    {
        QFETCH(QSize, entered);
        QFETCH(QString, strButton);
        QFETCH(QString, strError);
        QFETCH(int, nMaxArea);
        const QSize shown = entered.boundedTo(QSize(32768, 16384));
        QCOMPARE(CanvasRules::Check(entered.width(), entered.height(), nullptr).size, shown);
        Device().bRestricted = nMaxArea > 0;
        Device().nCanvasMaxArea = nMaxArea;
        CSetCanvasDlg dlg;
        Enter(dlg, 2000, 1000); // custom first, so a preset has to be recognised anew
        Enter(dlg, entered.width(), entered.height());
        QCOMPARE(QSize(int(Box(dlg, "widthBox")->value()), int(Box(dlg, "heightBox")->value())), shown);
        QCOMPARE(dlg.findChild<QPushButton*>("presetButton")->text(), strButton);
        auto* pError = dlg.findChild<CCustomLabel*>("errorLabel");
        QCOMPARE(pError->isHidden() ? QString() : pError->text(), strError);
        QCOMPARE(dlg.findChild<QPushButton*>("okButton")->isEnabled(), strError.isEmpty());
        QCOMPARE(dlg.size(), QSize(300, strError.isEmpty() ? 125 : 160));
        dlg.ButtonClicked(CSetCanvasDlg::ActionOk); // with an error: told why, and the dialog stays open
        QCOMPARE(
            CMessageBoxAnswers::ShownTexts(), strError.isEmpty() ? QStringList() : QStringList {strError});
        QCOMPARE(dlg.result(), strError.isEmpty() ? 1 : 0);
        QCOMPARE(dlg.GetCanvasSize(), strError.isEmpty() ? shown : QSize(1920, 1080));
        QCOMPARE(HostFixture::Calls(), QStringList());
    }

    void opensWithSenderSize()
    {
        Device().nCanvasMaxWidth = 8192; // the boxes follow the limits even when unenforced
        Device().nSenderType = 17;
        HostFixture::CurrentSender().SetCanvasSize(QSize(2000, 1000));
        CSetCanvasDlg dlg;
        QCOMPARE(dlg.GetCanvasSize(), QSize(2000, 1000));
        QCOMPARE(Box(dlg, "widthBox")->maximum(), 8192.0);
        auto* pButton = dlg.findChild<CCustomComboBox*>("presetButton");
        QCOMPARE(pButton->Count(), 2);
        QVERIFY(pButton->ActivateIndex(1));
        QCOMPARE(Box(dlg, "widthBox")->value(), 3840.0);
        dlg.ButtonClicked(CSetCanvasDlg::ActionCancel);
        QCOMPARE(dlg.GetCanvasSize(), QSize(2000, 1000));
        Device().nSenderType = 0;
        Device().bRestricted = true;
        HostFixture::CurrentSender().SetCanvasSize(QSize(0, 0));
        CSetCanvasDlg unset;
        QCOMPARE(unset.GetCanvasSize(), QSize(1920, 1080));
        QCOMPARE(unset.findChild<CCustomComboBox*>("presetButton")->Count(), 3);
    }

    // Typed sizes: Return takes them, Escape and Cancel leave the size as it was.
    void keysConfirmAndCancel()
    {
        for (int nEnding : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
            CSetCanvasDlg dlg;
            dlg.show();
            TypeInto(Box(dlg, "widthBox"), "2560");
            TypeInto(Box(dlg, "heightBox"), "1440");
            auto* pPreset = dlg.findChild<QPushButton*>("presetButton");
            QCOMPARE(pPreset->text(), QString("自定义(2560×1440)"));
            QVERIFY(OkIsDefault(dlg, pPreset));
            EndWith(dlg, pPreset, nEnding);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), nEnding == Qt::Key_Return ? 1 : 0);
            QCOMPARE(dlg.GetCanvasSize(), nEnding == Qt::Key_Return ? QSize(2560, 1440) : QSize(1920, 1080));
        }
        QCOMPARE(HostFixture::Calls(), QStringList());
    }

    // The limits and the stored size are the current sender's, here sender 1.
    void otherSenderOrNone()
    {
        GetProjectData()->SetCurSenderIndex(1);
        Device().bRestricted = Device().bCanvasReadable = true;
        Device().nCanvasMaxArea = 1000000;
        HostFixture::CurrentSender().SetCanvasSize(QSize(2000, 1000));
        HostFixture::ClearLog();
        {
            CSetCanvasDlg dlg;
            dlg.show();
            QCOMPARE(dlg.GetCanvasSize(), QSize(2000, 1000));
            QCOMPARE(
                dlg.findChild<CCustomLabel*>("errorLabel")->text(), QString("画布的面积不能大于1000000。"));
            QTest::keyClick(Box(dlg, "widthBox"), Qt::Key_Return); // OK is off while the error stands
            QVERIFY(dlg.isVisible() && dlg.result() == 0);
            TypeInto(Box(dlg, "widthBox"), "1000");
            QTest::keyClick(Box(dlg, "widthBox"), Qt::Key_Return);
            QVERIFY(!dlg.isVisible() && dlg.GetCanvasSize() == QSize(1000, 1000));
        }
        GetProjectData()->SetCurSenderIndex(7);
        CSetCanvasDlg dlg;
        dlg.show();
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {"当前没有可设置的主控。"});
        QTest::keyClick(&dlg, Qt::Key_Return);
        dlg.ButtonClicked(CSetCanvasDlg::ActionOk);
        QVERIFY(dlg.isVisible() && dlg.result() == 0);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(HostFixture::Calls(), QStringList());
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
