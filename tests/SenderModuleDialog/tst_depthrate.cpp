#include "CSetDepthRateDlg.h"
#include "DepthRateRules.h"
#include "DialogDriver.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "CMessageBoxAnswers.h"
#include "KivoData.h"

#include <QPushButton>
#include <QtTest>

using namespace DialogDriver;

class TestDepthRate : public QObject
{
    Q_OBJECT

private:
    static SSenderDeviceState& Device() { return HostFixture::CurrentSender().Device(); }

private slots:
    void init() { HostFixture::Reset(); }

    void menus()
    {
        const QStringList listRates {"50Hz", "60Hz", "120Hz", "240Hz"}, listDepths {"8bit", "10bit", "12bit"};
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

    void senderWithoutDeepOutputGoesTo8Bit()
    {
        Device().bRestricted = true;
        Device().b10BitSupported = false;
        HostFixture::CurrentSender().SetColorDepth(10);
        CSetDepthRateDlg dlg;
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_Return);
        QCOMPARE(HostFixture::CurrentSender().GetColorDepth(), 8);
    }

    void ok_data()
    {
        QTest::addColumn<bool>("bRestricted");
        QTest::addColumn<float>("fInputRate");
        QTest::addColumn<int>("nAnswer");
        QTest::addColumn<QStringList>("listCalls");
        const QString strSave = "CSender::SetColorDepth(12)|CSender::SetFrameRate(50)|"
                                "ILedTesselLabel::Notify(3072, 0, 1, 0)";
        const QString strRestricted
            = "CHwSenderLogic::NotifyFrameRate(0, true, 0)|CHwSenderLogic::WriteColorDepth(0, 2, 1)|";
        QTest::newRow("unrestricted") << false << 120.0f << 0 << strSave.split('|');
        QTest::newRow("declined") << true << 59.94f << 3 << QStringList();
        QTest::newRow("accepted") << true << 59.94f << 2 << (strRestricted + strSave).split('|');
        QTest::newRow("input as fast") << true << 50.0f << 0 << (strRestricted + strSave).split('|');
    }
    void ok()
    {
        QFETCH(bool, bRestricted);
        QFETCH(float, fInputRate);
        QFETCH(int, nAnswer);
        QFETCH(QStringList, listCalls);
        Device().bRestricted = bRestricted;
        Device().b12BitSupported = true;
        Device().fMaxInputRate = fInputRate;
        CSetDepthRateDlg dlg;
        dlg.show();
        QVERIFY(Choose(dlg, "rateCombo", "50Hz") && Choose(dlg, "depthCombo", "12bit"));
        CMessageBoxAnswers::Enqueue(nAnswer); // 0: must not be asked
        QTest::keyClick(Child<CCustomComboBox>(dlg, "rateCombo"), Qt::Key_Return); // confirms, not the menu
        QCOMPARE(CMessageBoxAnswers::ShownTexts(),
            nAnswer ? QStringList {"工程设置支持的最大帧率(50Hz)小于实际输入的最大帧率(59.94Hz)，是否继续？"}
                    : QStringList());
        QCOMPARE(dlg.result(), listCalls.isEmpty() ? 0 : 1);
        QCOMPARE(HostFixture::Calls(), listCalls);
    }

    // Escape closes like Cancel, with 2 and no write.
    void escapeAndCancelWriteNothing()
    {
        for (int nEnding : {int(Qt::Key_Escape), 0}) {
            CSetDepthRateDlg dlg;
            dlg.show();
            QVERIFY(Choose(dlg, "rateCombo", "120Hz") && Choose(dlg, "depthCombo", "10bit"));
            auto* pRate = dlg.findChild<CCustomComboBox*>("rateCombo");
            QVERIFY(OkIsDefault(dlg, pRate));
            EndWith(dlg, pRate, nEnding);
            QVERIFY(!dlg.isVisible() && dlg.result() == 2 && HostFixture::Calls().isEmpty());
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
            QVERIFY(Choose(dlg, "depthCombo", "12bit"));
            QCOMPARE(DoubleClickOk(dlg), 1);
            dlg.ButtonClicked(CSetDepthRateDlg::ActionOk);
            dlg.ButtonClicked(CSetDepthRateDlg::ActionCancel);
            QStringList listCalls {"CHwSenderLogic::NotifyFrameRate(1, false, 0)"};
            if (!bHeld)
                listCalls << "CHwSenderLogic::WriteColorDepth(1, 2, 1)";
            QCOMPARE(HostFixture::Calls(),
                listCalls
                    + QStringList({"CSender::SetColorDepth(12)", "CSender::SetFrameRate(60)",
                        "ILedTesselLabel::Notify(3072, 0, 1, 0)"}));
            QCOMPARE(dlg.result(), 1);
        }
        QCOMPARE(GetProjectData()->GetSender(0)->GetColorDepth(), 8); // sender 0 untouched
    }

    // OK is off while the message stands; 50Hz is never checked against the limits.
    void passingChoiceLiftsTheLimitMessage()
    {
        Device().nModelCode = 24;
        Device().uOutputLimitFlags = (1u << 11) | (1u << 12);
        CSetDepthRateDlg dlg;
        dlg.show();
        auto* pMessage = dlg.findChild<CCustomLabel*>("messageLabel");
        QVERIFY(Choose(dlg, "rateCombo", "120Hz"));
        QVERIFY(!pMessage->isHidden() && pMessage->text() == "输出视频区域不能超过260万像素。");
        QTest::keyClick(&dlg, Qt::Key_Return);
        QVERIFY(dlg.isVisible() && HostFixture::Calls().isEmpty());
        QVERIFY(Choose(dlg, "rateCombo", "50Hz") && Choose(dlg, "depthCombo", "10bit"));
        QVERIFY(pMessage->isHidden());
        QTest::keyClick(&dlg, Qt::Key_Return);
        QCOMPARE(dlg.result(), 1);
    }

    void noCurrentSender()
    {
        GetProjectData()->SetCurSenderIndex(7);
        CSetDepthRateDlg dlg;
        dlg.show();
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList {"当前没有可设置的主控。"});
        QTest::keyClick(&dlg, Qt::Key_Return);
        dlg.ButtonClicked(CSetDepthRateDlg::ActionOk);
        QVERIFY(dlg.isVisible() && HostFixture::Calls().isEmpty());
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible() && dlg.result() == 2);
    }
};

QTEST_MAIN(TestDepthRate)
#include "tst_depthrate.moc"
