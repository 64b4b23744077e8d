#include "CSetCanvasDlg.h"
#include "CanvasRules.h"
#include "HostFixture.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "CMessageBoxAnswers.h"
#include "KivoData.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QtTest>

// The canvas dialog: fixed bounds, processor limits, presets and the error line.
class TestCanvas : public QObject
{
    Q_OBJECT

private:
    static SSenderDeviceState& Device() { return HostFixture::CurrentSender().Device(); }
    static void Limit(qint32 nWidth, qint32 nHeight, qint32 nArea)
    {
        Device().bRestricted = true;
        Device().nCanvasMaxWidth = nWidth;
        Device().nCanvasMaxHeight = nHeight;
        Device().nCanvasMaxArea = nArea;
    }
    static QDoubleSpinBox* Box(CSetCanvasDlg& dlg, const char* pszName)
    {
        auto* pBox = dlg.findChild<QDoubleSpinBox*>(pszName);
        if (!pBox)
            qFatal("no box %s", pszName);
        return pBox;
    }
    static void Enter(CSetCanvasDlg& dlg, int nWidth, int nHeight)
    {
        Box(dlg, "widthBox")->setValue(nWidth);
        Box(dlg, "heightBox")->setValue(nHeight);
    }
    static QString ButtonText(CSetCanvasDlg& dlg)
    {
        return dlg.findChild<QPushButton*>("presetButton")->text();
    }
    static QString ErrorText(CSetCanvasDlg& dlg)
    {
        return dlg.findChild<CCustomLabel*>("errorLabel")->text();
    }
    static bool OkEnabled(CSetCanvasDlg& dlg) { return dlg.findChild<QPushButton*>("okButton")->isEnabled(); }

private slots:
    void init() { HostFixture::Reset(); }

    // --- rules ---

    void clampsToFixedBoundsWithCustomText()
    {
        SCanvasCheck check = CanvasRules::Check(40000, 1080, nullptr);
        QCOMPARE(check.size, QSize(32768, 1080));
        QVERIFY(check.bClamped);
        QCOMPARE(check.strButtonText, QString("自定义(32768×1080)"));
        QVERIFY(check.strError.isEmpty());

        check = CanvasRules::Check(1920, 20000, nullptr);
        QCOMPARE(check.size, QSize(1920, 16384));
        QCOMPARE(check.strButtonText, QString("自定义(1920×16384)"));

        // A clamped size is never taken for a preset, and the exact bounds are not clamped.
        QVERIFY(!CanvasRules::Check(32768, 16384, nullptr).bClamped);
    }

    void rejectsSidesBelowMinimum()
    {
        const QString strMinimum = "画布的宽或高不能小于64。";
        QCOMPARE(CanvasRules::Check(50, 1080, nullptr).strError, strMinimum);
        QCOMPARE(CanvasRules::Check(1920, 63, nullptr).strError, strMinimum);
        QVERIFY(CanvasRules::Check(64, 64, nullptr).strError.isEmpty());
        // The minimum comes first, even when a limit is broken too.
        const SCanvasLimits limits {100, 100, 10000};
        QCOMPARE(CanvasRules::Check(50, 1080, &limits).strError, strMinimum);
    }

    void limitMessages_data()
    {
        QTest::addColumn<int>("nWidth");
        QTest::addColumn<int>("nHeight");
        QTest::addColumn<QString>("strError");
        QTest::newRow("within") << 8192 << 2048 << QString();
        QTest::newRow("width") << 8193 << 1000 << "画布的宽不能大于8192。";
        QTest::newRow("height") << 1000 << 4097 << "画布的高不能大于4096。";
        QTest::newRow("width and height") << 8193 << 4097 << "画布的面积不能大于16777216。";
        QTest::newRow("area only") << 8192 << 2049 << "画布的面积不能大于16777216。";
        QTest::newRow("area over width") << 10000 << 5000 << "画布的面积不能大于16777216。";
        QTest::newRow("preset checked too") << 3840 << 2160 << QString();
    }
    void limitMessages()
    {
        QFETCH(int, nWidth);
        QFETCH(int, nHeight);
        QFETCH(QString, strError);
        const SCanvasLimits limits {8192, 4096, 16777216};
        QCOMPARE(CanvasRules::Check(nWidth, nHeight, &limits).strError, strError);
        // Without limits only the fixed bounds count.
        QVERIFY(CanvasRules::Check(nWidth, nHeight, nullptr).strError.isEmpty());
    }

    void areaDoesNotOverflow()
    {
        const SCanvasLimits limits {32768, 16384, 0x20000000};
        QVERIFY(CanvasRules::Check(32768, 16384, &limits).strError.isEmpty());
        const SCanvasLimits tight {32768, 16384, 0x20000000 - 1};
        QCOMPARE(CanvasRules::Check(32768, 16384, &tight).strError, QString("画布的面积不能大于536870911。"));
    }

    // --- dialog ---

    void opensWithSenderSize()
    {
        HostFixture::CurrentSender().SetCanvasSize(QSize(2000, 1000));
        CSetCanvasDlg dlg;
        QCOMPARE(dlg.GetCanvasSize(), QSize(2000, 1000));
        QCOMPARE(Box(dlg, "widthBox")->value(), 2000.0);
        QCOMPARE(ButtonText(dlg), QString("自定义(2000×1000)"));
        QCOMPARE(dlg.windowTitle(), QString("画布大小设置"));
        QCOMPARE(dlg.size(), QSize(300, 125));
    }

    void unsetStoredSizeOpensAsFullHd()
    {
        Device().bRestricted = true;
        Device().bCanvasReadable = true;
        HostFixture::CurrentSender().SetCanvasSize(QSize(0, 0));
        CSetCanvasDlg dlg;
        QCOMPARE(dlg.GetCanvasSize(), QSize(1920, 1080));
        QCOMPARE(ButtonText(dlg), QString("1920×1080"));
        QVERIFY(OkEnabled(dlg));
    }

    void boxesStopAtProcessorLimits()
    {
        Limit(8192, 4096, 16777216);
        Device().bRestricted = false; // the boxes follow the limits even when unenforced
        CSetCanvasDlg dlg;
        QCOMPARE(Box(dlg, "widthBox")->maximum(), 8192.0);
        QCOMPARE(Box(dlg, "heightBox")->maximum(), 4096.0);
        QCOMPARE(Box(dlg, "heightBox")->minimum(), 64.0);
    }

    void customValueEqualToPresetShowsPreset()
    {
        CSetCanvasDlg dlg;
        Enter(dlg, 2000, 1000);
        QCOMPARE(ButtonText(dlg), QString("自定义(2000×1000)"));
        Enter(dlg, 1920, 1080);
        QCOMPARE(ButtonText(dlg), QString("1920×1080"));
    }

    void presetMenuFillsBoxes()
    {
        CSetCanvasDlg dlg;
        auto* pButton = dlg.findChild<CCustomComboBox*>("presetButton");
        QCOMPARE(pButton->Count(), 3);
        QVERIFY(pButton->ActivateIndex(2));
        QCOMPARE(Box(dlg, "widthBox")->value(), 4096.0);
        QCOMPARE(Box(dlg, "heightBox")->value(), 2160.0);
        QCOMPARE(ButtonText(dlg), QString("4096×2160"));
        QCOMPARE(pButton->Menu()->width(), 242);
    }

    void senderType17OffersTwoPresets()
    {
        Device().nSenderType = 17;
        CSetCanvasDlg dlg;
        auto* pButton = dlg.findChild<CCustomComboBox*>("presetButton");
        QCOMPARE(pButton->Count(), 2);
        QCOMPARE(pButton->ItemAt(1)->text(), QString("3840×2160"));
    }

    void errorLineAndWindowHeight()
    {
        Limit(16384, 8192, 16777216);
        CSetCanvasDlg dlg;
        QCOMPARE(dlg.height(), 125);
        Enter(dlg, 10000, 5000);
        QCOMPARE(ErrorText(dlg), QString("画布的面积不能大于16777216。"));
        QVERIFY(!dlg.findChild<CCustomLabel*>("errorLabel")->isHidden());
        QVERIFY(!OkEnabled(dlg));
        QCOMPARE(dlg.size(), QSize(300, 160));
        QVERIFY(!dlg.IsShowError());

        Enter(dlg, 3840, 2160);
        QVERIFY(dlg.IsShowError());
        QVERIFY(OkEnabled(dlg));
        QVERIFY(dlg.findChild<CCustomLabel*>("errorLabel")->isHidden());
        QCOMPARE(dlg.size(), QSize(300, 125));
    }

    void okWithErrorInformsAndStaysOpen()
    {
        Limit(16384, 8192, 16777216);
        CSetCanvasDlg dlg;
        Enter(dlg, 10000, 5000);
        dlg.ButtonClicked(3);
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {"画布的面积不能大于16777216。"});
        QCOMPARE(dlg.result(), 0);
        QCOMPARE(dlg.GetCanvasSize(), QSize(1920, 1080));
    }

    void okTakesBoxesCancelDoesNotAndNeitherWrites()
    {
        CSetCanvasDlg dlg;
        Enter(dlg, 2500, 1200);
        dlg.ButtonClicked(3);
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(dlg.GetCanvasSize(), QSize(2500, 1200));
        QVERIFY(CMessageBoxAnswers::ShownTexts().isEmpty());
        QCOMPARE(HostFixture::Calls(), QStringList());
        QCOMPARE(HostFixture::CurrentSender().GetCanvasSize(), QSize(1920, 1080));

        CSetCanvasDlg cancelled;
        Enter(cancelled, 2500, 1200);
        cancelled.ButtonClicked(4);
        QCOMPARE(cancelled.result(), 0);
        QCOMPARE(cancelled.GetCanvasSize(), QSize(1920, 1080));
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
