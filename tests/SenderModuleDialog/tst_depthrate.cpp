#include "CSetDepthRateDlg.h"
#include "DepthRateRules.h"
#include "HostFixture.h"

#include "CCustomComboBox.h"
#include "CCustomLabel.h"
#include "CMessageBoxAnswers.h"
#include "KivoData.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

class TestDepthRate : public QObject
{
    Q_OBJECT

private:
    static SSenderDeviceState& Device() { return HostFixture::CurrentSender().Device(); }
    // Chooses a menu entry by its text, as the user would.
    static bool Choose(CSetDepthRateDlg& dlg, const char* pszCombo, const QString& strText)
    {
        auto* pCombo = dlg.findChild<CCustomComboBox*>(pszCombo);
        for (int nIndex = 0; nIndex < pCombo->Count(); ++nIndex)
            if (pCombo->ItemAt(nIndex)->text() == strText)
                return pCombo->ActivateIndex(nIndex);
        return false;
    }

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
        QCOMPARE(dlg.findChild<CCustomComboBox*>("depthCombo")->Count(), 1);
        dlg.ButtonClicked(2);
        QCOMPARE(HostFixture::CurrentSender().GetColorDepth(), 8);
    }

    void limitCheckSkipsFiftyHertz()
    {
        Device().nModelCode = 24;
        Device().uOutputLimitFlags = (1u << 11) | (1u << 12);
        CSetDepthRateDlg dlg;
        auto* pMessage = dlg.findChild<CCustomLabel*>("messageLabel");
        QVERIFY(Choose(dlg, "rateCombo", "50Hz"));
        QVERIFY(Choose(dlg, "depthCombo", "10bit"));
        QVERIFY(pMessage->isHidden());
        QVERIFY(Choose(dlg, "rateCombo", "120Hz"));
        QVERIFY(!pMessage->isHidden());
        QCOMPARE(pMessage->text(), QString("输出视频区域不能超过260万像素。"));
        QVERIFY(!dlg.findChild<QPushButton*>("okButton")->isEnabled());
        QCOMPARE(dlg.size(), QSize(348, 175));
        dlg.ButtonClicked(3);
        QCOMPARE(dlg.result(), 2);
        QCOMPARE(HostFixture::Calls(), QStringList());
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
        QTest::newRow("no input rate") << true << 0.0f << 0 << (strRestricted + strSave).split('|');
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
        QVERIFY(Choose(dlg, "rateCombo", "50Hz"));
        QVERIFY(Choose(dlg, "depthCombo", "12bit"));
        CMessageBoxAnswers::Enqueue(nAnswer); // 0: must not be asked
        dlg.ButtonClicked(2);
        QCOMPARE(CMessageBoxAnswers::ShownTexts(),
            nAnswer ? QStringList {"工程设置支持的最大帧率(50Hz)小于实际输入的最大帧率(59.94Hz)，是否继续？"}
                    : QStringList());
        QCOMPARE(dlg.result(), listCalls.isEmpty() ? 0 : 1);
        QCOMPARE(HostFixture::Calls(), listCalls);
    }
};

QTEST_MAIN(TestDepthRate)
#include "tst_depthrate.moc"
