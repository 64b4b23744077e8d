#include "CResetCoefDlg.h"
#include "CSetCanvasDlg.h"
#include "CSetDepthRateDlg.h"
#include "CanvasRules.h"
#include "DepthRateRules.h"
#include "DialogDriver.h"
#include "HardwareSupport.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "CMessageBoxAnswers.h"
#include "KivoData.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace DialogDriver;

// The canvas, frame rate and colour depth, and coefficient dialogs.
class TestOutputDialogs : public QObject
{
    Q_OBJECT

private:
    static SSenderDeviceState& Device() { return HostFixture::CurrentSender().Device(); }
    static QDoubleSpinBox* Box(QWidget& dlg, const char* psz) { return Child<QDoubleSpinBox>(dlg, psz); }

private slots:
    void init() { HostFixture::Reset(); }

    void limitMessages()
    {
        const SCanvasLimits limits {8192, 4096, 16777216};
        const auto error
            = [&](int nWidth, int nHeight) { return CanvasRules::Check(nWidth, nHeight, &limits).strError; };
        QCOMPARE(error(8193, 1000), QString("画布的宽不能大于8,192。"));
        QCOMPARE(error(1000, 4097), QString("画布的高不能大于4,096。"));
        QCOMPARE(error(4096, 4096), QString());
        QCOMPARE(error(10000, 5000), QString("画布的面积不能大于16,777,216。")); // not the width one
        QCOMPARE(error(50, 1080), QString("画布的宽或高不能小于64。")); // the boxes cannot go that low
        // The rule clamps by itself, whatever the boxes allow.
        const SCanvasCheck check = CanvasRules::Check(32769, 16385, nullptr);
        QVERIFY(check.bClamped && check.nPreset < 0 && check.strError.isEmpty());
        QCOMPARE(check.size, QSize(32768, 16384));
        QCOMPARE(check.strButtonText, QString("自定义(32768×16384)"));
        QCOMPARE(CanvasRules::Check(1920, 16385, nullptr).size, QSize(1920, 16384));
        QVERIFY(!CanvasRules::Check(32768, 16384, nullptr).bClamped);
    }

    // Typed sizes are clamped, and a preset is recognised anew after a custom size.
    void editing()
    {
        const std::pair<QSize, const char*> arrCases[] = {{{40000, 1080}, "自定义(32768×1080)"},
            {{1920, 20000}, "自定义(1920×16384)"}, {{1920, 1080}, "1920×1080"}};
        for (const auto& c : arrCases) {
            const QSize shown = c.first.boundedTo(QSize(32768, 16384));
            CSetCanvasDlg dlg;
            // Custom first, so a preset has to be recognised anew.
            for (const QSize& size : {QSize(2000, 1000), c.first}) {
                Box(dlg, "widthBox")->setValue(size.width());
                Box(dlg, "heightBox")->setValue(size.height());
            }
            QCOMPARE(QSize(int(Box(dlg, "widthBox")->value()), int(Box(dlg, "heightBox")->value())), shown);
            QCOMPARE(Child<QPushButton>(dlg, "presetButton")->text(), QString(c.second));
            dlg.ButtonClicked(CSetCanvasDlg::ActionOk);
            QCOMPARE(dlg.GetCanvasSize(), shown);
        }
    }

    void presets()
    {
        Device().nCanvasMaxWidth = 8192; // the boxes follow the limits even when unenforced
        Device().nSenderType = 17;
        CSetCanvasDlg dlg;
        QCOMPARE(Box(dlg, "widthBox")->maximum(), 8192.0);
        auto* pButton = Child<CCustomComboBox>(dlg, "presetButton");
        QCOMPARE(pButton->Count(), 2);
        QVERIFY(pButton->ActivateIndex(1));
        QCOMPARE(Box(dlg, "widthBox")->value(), 3840.0);
        QCOMPARE(pButton->text(), pButton->ItemAt(1)->text());
        Device().nSenderType = 0;
        Device().bRestricted = true;
        HostFixture::CurrentSender().SetCanvasSize(QSize(0, 0)); // never set
        CSetCanvasDlg unset;
        QCOMPARE(unset.GetCanvasSize(), QSize(1920, 1080));
        QCOMPARE(Child<CCustomComboBox>(unset, "presetButton")->Count(), 3);
        // A limit below the smallest canvas leaves that as the only size.
        Device().nCanvasMaxWidth = 32;
        Device().nCanvasMaxHeight = 0;
        CSetCanvasDlg narrow;
        for (const char* pszBox : {"widthBox", "heightBox"})
            QVERIFY(Box(narrow, pszBox)->minimum() == 64 && Box(narrow, pszBox)->maximum() == 64);
    }

    // An edit is taken by Return or OK (once, though double clicked); Escape and
    // Cancel keep what was set: the canvas's typed size, a coefficient's step up.
    void keysConfirmAndCancel()
    {
        HostFixture::CurrentSender().SetCanvasSize(QSize(2000, 1000));
        HostFixture::ClearLog();
        for (int nEnding : {int(Qt::Key_Return), int(Qt::Key_Escape), 0, -1}) {
            CSetCanvasDlg canvas;
            CResetCoefDlg coef(false);
            coef.SetValue(0.5f);
            canvas.show();
            coef.show();
            TypeInto(Box(canvas, "widthBox"), "2560");
            TypeInto(Box(canvas, "heightBox"), "1440");
            QTest::keyClick(Box(coef, "valueBox"), Qt::Key_Up); // in thousandths
            auto* pPreset = Child<QPushButton>(canvas, "presetButton");
            QVERIFY(
                OkIsDefault(canvas, pPreset) && OkIsDefault(coef, Child<QPushButton>(coef, "cancelButton")));
            const bool bTaken = nEnding < 0 || nEnding == Qt::Key_Return;
            const std::pair<QDialog*, QWidget*> arrEnds[]
                = {{&canvas, pPreset}, {&coef, Box(coef, "valueBox")->findChild<QLineEdit*>()}};
            for (const auto& [pDlg, pFocus] : arrEnds) {
                if (nEnding < 0) {
                    QCOMPARE(DoubleClickOk(*pDlg), 1);
                } else {
                    EndWith(*pDlg, pFocus, nEnding);
                }
                QVERIFY(!pDlg->isVisible() && pDlg->result() == int(bTaken));
            }
            QCOMPARE(canvas.GetCanvasSize(), bTaken ? QSize(2560, 1440) : QSize(2000, 1000));
            QCOMPARE(coef.GetValue(), bTaken ? 0.501f : 0.5f);
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
            QCOMPARE(
                Child<CCustomLabel>(dlg, "errorLabel")->text(), QString("画布的面积不能大于1,000,000。"));
            QTest::keyClick(Box(dlg, "widthBox"), Qt::Key_Return); // OK is off while the error stands
            dlg.ButtonClicked(CSetCanvasDlg::ActionOk); // and told why
            QVERIFY(dlg.isVisible() && dlg.result() == 0);
            QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {"画布的面积不能大于1,000,000。"});
            TypeInto(Box(dlg, "widthBox"), "1000");
            QTest::keyClick(Box(dlg, "widthBox"), Qt::Key_Return);
            QVERIFY(!dlg.isVisible() && dlg.GetCanvasSize() == QSize(1000, 1000));
        }
        QCOMPARE(HostFixture::Calls(), QStringList());
    }

    void menus()
    {
        const QVector<int> listRates {50, 60, 120, 240}, listDepths {8, 10, 12};
        QCOMPARE(DepthRateRules::RateMenu(false, 38), listRates);
        QCOMPARE(DepthRateRules::RateMenu(true, 38), listRates.mid(1));
        QCOMPARE(DepthRateRules::DepthMenu(false, false, false, 131095), listDepths);
        QCOMPARE(DepthRateRules::DepthMenu(true, false, true, 21), listDepths); // 12 bit implies 10 bit
        QCOMPARE(DepthRateRules::DepthMenu(true, true, false, 21), listDepths.mid(0, 2));
        QCOMPARE(DepthRateRules::DepthMenu(true, true, true, 131100), listDepths.mid(0, 2));
        QCOMPARE(DepthRateRules::DepthMenu(true, false, false, 21), listDepths.mid(0, 1));
    }

    void limitMessage()
    {
        const auto message = [](quint32 uFlags, int nModel) {
            return DepthRateRules::OutputLimitMessage(uFlags, nModel, "previous");
        };
        QCOMPARE(message(1u << 11, 24), QString("输出视频区域不能超过260万像素。"));
        QCOMPARE(message(1u << 11, 25), QString("输出视频区域不能超过888万像素。"));
        QCOMPARE(message((1u << 11) | (1u << 12), 24), QString("输出视频区域不能超过260万像素。"));
        QCOMPARE(message((1u << 13) | (1u << 27), 24), QString("DVI5~8的点数和不能超过888万。"));
        QCOMPARE(message(1u << 27, 24), QString("输出口带载面积不能超过655360。"));
        QCOMPARE(message(1u << 28, 63), QString("EDID的输出面积不能超过260W。"));
        QCOMPARE(message(1u << 28, 64), QString("EDID的输出面积不能超过888W。"));
        QCOMPARE(message((1u << 10) | (1u << 31), 24), QString("previous"));
    }

    // Return on the rate box confirms, not its menu; only a restricted sender whose
    // input is faster is asked about the rate. Escape is Cancel: 2, nothing written.
    void depthRateEndings()
    {
        const QStringList listSave {"CSender::SetColorDepth(12)", "CSender::SetFrameRate(50)",
            "ILedTesselLabel::Notify(3072, 0, 1, 0)"};
        const QStringList listRestricted = QStringList {"CHwSenderLogic::NotifyFrameRate(0, true, 0)",
                                               "CHwSenderLogic::WriteColorDepth(0, 2, 1)"}
            + listSave;
        // Restricted, input rate, answer (0: must not be asked), key (0: Cancel), result, host calls.
        const std::tuple<bool, float, int, int, int, QStringList> arrCases[]
            = {{false, 120.0f, 0, Qt::Key_Return, 1, listSave}, {true, 59.94f, 3, Qt::Key_Return, 0, {}},
                {true, 59.94f, 2, Qt::Key_Return, 1, listRestricted},
                {true, 50.0f, 0, Qt::Key_Return, 1, listRestricted}, {true, 59.94f, 0, Qt::Key_Escape, 2, {}},
                {true, 59.94f, 0, 0, 2, {}}};
        for (const auto& [bRestricted, fInputRate, nAnswer, nKey, nResult, listCalls] : arrCases) {
            HostFixture::Reset();
            Device().bRestricted = bRestricted;
            Device().b12BitSupported = true;
            Device().fMaxInputRate = fInputRate;
            CSetDepthRateDlg dlg;
            dlg.show();
            QVERIFY(Choose(dlg, "rateCombo", "50Hz") && Choose(dlg, "depthCombo", "12bit"));
            auto* pRate = Child<CCustomComboBox>(dlg, "rateCombo");
            QVERIFY(OkIsDefault(dlg, pRate));
            CMessageBoxAnswers::Enqueue(nAnswer);
            EndWith(dlg, pRate, nKey);
            QCOMPARE(CMessageBoxAnswers::ShownTexts(),
                nAnswer
                    ? QStringList {"工程设置支持的最大帧率(50Hz)小于实际输入的最大帧率(59.94Hz)，是否继续？"}
                    : QStringList());
            QCOMPARE(dlg.result(), nResult);
            QCOMPARE(HostFixture::Calls(), listCalls);
        }
    }

    // Sender 1's hardware depth is written once, and not again when it already holds the choice.
    void oneOkForTheCurrentSender()
    {
        GetProjectData()->SetCurSenderIndex(1);
        Device().bRestricted = Device().b12BitSupported = true;
        Device().nDepthCode = 1;
        for (bool bHeld : {false, true}) {
            HostFixture::ClearLog();
            CSetDepthRateDlg dlg;
            dlg.open();
            QCOMPARE(CheckedEntry(dlg, "rateCombo") + CheckedEntry(dlg, "depthCombo"),
                bHeld ? "60Hz12bit" : "60Hz8bit");
            QVERIFY(Choose(dlg, "depthCombo", "12bit"));
            QCOMPARE(DoubleClickOk(dlg), 1);
            QStringList listCalls {"CHwSenderLogic::NotifyFrameRate(1, false, 0)",
                "CHwSenderLogic::WriteColorDepth(1, 2, 1)", "CSender::SetColorDepth(12)",
                "CSender::SetFrameRate(60)", "ILedTesselLabel::Notify(3072, 0, 1, 0)"};
            if (bHeld)
                listCalls.removeAt(1);
            QCOMPARE(HostFixture::Calls(), listCalls);
        }
        QCOMPARE(GetProjectData()->GetSender(0)->GetColorDepth(), 8); // sender 0 untouched
    }

    // OK is off while the message stands; 50Hz is never checked against the limits.
    // A restricted sender without deep output is saved at 8 bits.
    void passingChoiceLiftsTheLimitMessage()
    {
        GetProjectData()->SetCurSenderIndex(1); // its limits and depths, not sender 0's
        Device().nModelCode = 24;
        Device().uOutputLimitFlags = (1u << 11) | (1u << 12);
        Device().bRestricted = true;
        Device().b10BitSupported = false;
        HostFixture::CurrentSender().SetColorDepth(10);
        CSetDepthRateDlg dlg;
        dlg.show();
        auto* pMessage = Child<CCustomLabel>(dlg, "messageLabel");
        QVERIFY(Choose(dlg, "rateCombo", "120Hz"));
        QVERIFY(!pMessage->isHidden() && pMessage->text() == "输出视频区域不能超过260万像素。");
        QTest::keyClick(&dlg, Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        QVERIFY(Choose(dlg, "rateCombo", "50Hz") && !Choose(dlg, "depthCombo", "10bit"));
        QVERIFY(pMessage->isHidden());
        QVERIFY(Choose(dlg, "depthCombo", "8bit")); // a depth change at 50Hz checks nothing either
        QVERIFY(pMessage->isHidden() && Child<QPushButton>(dlg, "okButton")->isEnabled());
        QTest::keyClick(&dlg, Qt::Key_Return);
        QVERIFY(dlg.result() == 1 && HostFixture::CurrentSender().GetColorDepth() == 8);
    }

    // Typing cannot leave 0 to 1: the digit past 1 is refused, a negative ends at 0.
    void coefficientRange()
    {
        for (const auto& typed : {qMakePair(QString("1.5"), 1.0f), qMakePair(QString("-0.25"), 0.0f)}) {
            CResetCoefDlg dlg(true);
            dlg.show();
            TypeInto(Box(dlg, "valueBox"), typed.first);
            QTest::keyClick(Box(dlg, "valueBox")->findChild<QLineEdit*>(), Qt::Key_Return);
            QCOMPARE(dlg.GetValue(), typed.second);
        }
    }
};

QTEST_MAIN(TestOutputDialogs)
#include "tst_output_dialogs.moc"
