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

// The frame rate and colour depth dialog: menus by restriction and model, the
// output limit messages, the rate question and what OK writes.
class TestDepthRate : public QObject
{
    Q_OBJECT

private:
    static SSenderDeviceState& Device() { return HostFixture::CurrentSender().Device(); }
    static CCustomComboBox* Combo(CSetDepthRateDlg& dlg, const char* pszName)
    {
        auto* pCombo = dlg.findChild<CCustomComboBox*>(pszName);
        if (!pCombo)
            qFatal("no combo %s", pszName);
        return pCombo;
    }
    // Chooses a menu entry by its text, as the user would.
    static bool Choose(CSetDepthRateDlg& dlg, const char* pszCombo, const QString& strText)
    {
        CCustomComboBox* pCombo = Combo(dlg, pszCombo);
        for (int nIndex = 0; nIndex < pCombo->Count(); ++nIndex) {
            if (pCombo->ItemAt(nIndex)->text() == strText)
                return pCombo->ActivateIndex(nIndex);
        }
        return false;
    }
    static QStringList Items(CSetDepthRateDlg& dlg, const char* pszCombo)
    {
        QStringList listItems;
        CCustomComboBox* pCombo = Combo(dlg, pszCombo);
        for (int nIndex = 0; nIndex < pCombo->Count(); ++nIndex)
            listItems << pCombo->ItemAt(nIndex)->text();
        return listItems;
    }
    static QString Message(CSetDepthRateDlg& dlg)
    {
        return dlg.findChild<CCustomLabel*>("messageLabel")->text();
    }
    static bool MessageShown(CSetDepthRateDlg& dlg)
    {
        return !dlg.findChild<CCustomLabel*>("messageLabel")->isHidden();
    }
    static bool OkEnabled(CSetDepthRateDlg& dlg)
    {
        return dlg.findChild<QPushButton*>("okButton")->isEnabled();
    }

private slots:
    void init() { HostFixture::Reset(); }

    // --- rules ---

    void rateMenu()
    {
        const QStringList listAll {"50Hz", "60Hz", "120Hz", "240Hz"};
        QCOMPARE(DepthRateRules::RateMenu(false, 38), listAll);
        QCOMPARE(DepthRateRules::RateMenu(true, 37), listAll);
        QCOMPARE(DepthRateRules::RateMenu(true, 38), (QStringList {"60Hz", "120Hz", "240Hz"}));
    }

    void depthMenu()
    {
        const QStringList listAll {"8bit", "10bit", "12bit"};
        QCOMPARE(DepthRateRules::DepthMenu(false, false, false, 131095), listAll);
        QCOMPARE(DepthRateRules::DepthMenu(true, true, true, 21), listAll);
        QCOMPARE(DepthRateRules::DepthMenu(true, true, false, 21), (QStringList {"8bit", "10bit"}));
        // 12-bit support alone still offers 10 bit.
        QCOMPARE(DepthRateRules::DepthMenu(true, false, true, 21), listAll);
        for (int nModel : {131095, 131091, 131100})
            QCOMPARE(DepthRateRules::DepthMenu(true, true, true, nModel), (QStringList {"8bit", "10bit"}));
        QCOMPARE(DepthRateRules::DepthMenu(true, false, false, 21), QStringList {"8bit"});
    }

    void limitMessage_data()
    {
        QTest::addColumn<quint32>("uFlags");
        QTest::addColumn<int>("nModel");
        QTest::addColumn<QString>("strMessage");
        const QString strSmall = "输出视频区域不能超过260万像素。";
        const QString strLarge = "输出视频区域不能超过888万像素。";
        for (int nModel : {16, 24, 31, 63})
            QTest::addRow("bit 11, model %d", nModel) << (1u << 11) << nModel << strSmall;
        QTest::newRow("bit 11, model 25") << (1u << 11) << 25 << strLarge;
        QTest::newRow("bits 11 and 12") << ((1u << 11) | (1u << 12)) << 25 << strLarge;
        QTest::newRow("bit 12") << (1u << 12) << 24 << "DVI1~4的点数和不能超过888万。";
        QTest::newRow("bits 13 and 27") << ((1u << 13) | (1u << 27)) << 24 << "DVI5~8的点数和不能超过888万。";
        QTest::newRow("bit 27") << (1u << 27) << 24 << "输出口带载面积不能超过655360。";
        QTest::newRow("bit 28, model 63") << (1u << 28) << 63 << "EDID的输出面积不能超过260W。";
        QTest::newRow("bit 28, model 64") << (1u << 28) << 64 << "EDID的输出面积不能超过888W。";
        QTest::newRow("unknown bits keep previous") << ((1u << 10) | (1u << 31)) << 24 << "previous";
    }
    void limitMessage()
    {
        QFETCH(quint32, uFlags);
        QFETCH(int, nModel);
        QFETCH(QString, strMessage);
        QCOMPARE(DepthRateRules::OutputLimitMessage(uFlags, nModel, "previous"), strMessage);
    }

    // --- dialog ---

    void opensWithSenderValues()
    {
        HostFixture::CurrentSender().SetFrameRate(120);
        HostFixture::CurrentSender().SetColorDepth(10);
        HostFixture::ClearLog();
        CSetDepthRateDlg dlg;
        QCOMPARE(dlg.windowTitle(), QString("帧率和色深设置"));
        QCOMPARE(dlg.size(), QSize(348, 130));
        QCOMPARE(Combo(dlg, "rateCombo")->text(), QString("120Hz"));
        QCOMPARE(Combo(dlg, "depthCombo")->text(), QString("10bit"));
        QCOMPARE(Combo(dlg, "rateCombo")->Menu()->width(), 152);
        QVERIFY(!MessageShown(dlg));
        QCOMPARE(HostFixture::Calls(), QStringList());
    }

    void senderWithoutDeepOutputIsSetTo8Bit()
    {
        Device().bRestricted = true;
        Device().b10BitSupported = false;
        Device().b12BitSupported = false;
        HostFixture::CurrentSender().SetColorDepth(10);
        HostFixture::ClearLog();
        CSetDepthRateDlg dlg;
        QCOMPARE(Items(dlg, "depthCombo"), QStringList {"8bit"});
        QCOMPARE(Combo(dlg, "depthCombo")->text(), QString("8bit"));
        QCOMPARE(HostFixture::Calls(), QStringList()); // opening writes nothing
        dlg.ButtonClicked(2);
        QCOMPARE(HostFixture::CurrentSender().GetColorDepth(), 8);
    }

    void fiftyHertzRunsNoCheck()
    {
        Device().uOutputLimitFlags = 1u << 11;
        CSetDepthRateDlg dlg;
        QVERIFY(Choose(dlg, "rateCombo", "50Hz"));
        QVERIFY(Choose(dlg, "depthCombo", "10bit"));
        QVERIFY(!MessageShown(dlg));
        QVERIFY(OkEnabled(dlg));
        QCOMPARE(dlg.size(), QSize(348, 130));
    }

    void limitShowsMessageAndBlocksOk()
    {
        Device().nModelCode = 24;
        Device().uOutputLimitFlags = (1u << 11) | (1u << 12);
        CSetDepthRateDlg dlg;
        QVERIFY(Choose(dlg, "depthCombo", "10bit"));
        QCOMPARE(Combo(dlg, "depthCombo")->text(), QString("10bit"));
        QVERIFY(MessageShown(dlg));
        QCOMPARE(Message(dlg), QString("输出视频区域不能超过260万像素。"));
        QVERIFY(!OkEnabled(dlg));
        QCOMPARE(dlg.size(), QSize(348, 175));

        // A choice within the limits lifts the block: 50 Hz always, others once the host agrees.
        QVERIFY(Choose(dlg, "rateCombo", "50Hz"));
        QVERIFY(!MessageShown(dlg));
        QVERIFY(OkEnabled(dlg));
        QCOMPARE(dlg.size(), QSize(348, 130));
        QVERIFY(Choose(dlg, "rateCombo", "120Hz"));
        QVERIFY(!OkEnabled(dlg));
        Device().uOutputLimitFlags = 0;
        QVERIFY(Choose(dlg, "rateCombo", "240Hz"));
        QVERIFY(OkEnabled(dlg));
        QVERIFY(!MessageShown(dlg));
    }

    void unknownFlagsKeepThePreviousMessage()
    {
        Device().nModelCode = 25;
        Device().uOutputLimitFlags = 1u << 27;
        CSetDepthRateDlg dlg;
        QVERIFY(Choose(dlg, "rateCombo", "120Hz"));
        Device().uOutputLimitFlags = 1u << 5;
        QVERIFY(Choose(dlg, "rateCombo", "240Hz"));
        QCOMPARE(Message(dlg), QString("输出口带载面积不能超过655360。"));
        QVERIFY(!OkEnabled(dlg));
    }

    void unrestrictedOkOnlyWritesAndNotifies()
    {
        Device().fMaxInputRate = 120.0f;
        Device().nDepthCode = 0;
        CSetDepthRateDlg dlg;
        QVERIFY(Choose(dlg, "rateCombo", "50Hz"));
        QVERIFY(Choose(dlg, "depthCombo", "12bit"));
        dlg.ButtonClicked(2);
        QCOMPARE(dlg.result(), 1);
        QVERIFY(CMessageBoxAnswers::ShownTexts().isEmpty());
        QCOMPARE(HostFixture::Calls(),
            (QStringList {"CSender::SetColorDepth(12)", "CSender::SetFrameRate(50)",
                "ILedTesselLabel::Notify(3072, 0, 1, 0)"}));
    }

    void restrictedOkAsksThenSetsHardwareDepth()
    {
        Device().bRestricted = true;
        Device().b12BitSupported = true;
        Device().nDepthCode = 0;
        Device().fMaxInputRate = 59.94f;
        CSetDepthRateDlg dlg;
        QVERIFY(Choose(dlg, "rateCombo", "50Hz"));
        QVERIFY(Choose(dlg, "depthCombo", "12bit"));

        CMessageBoxAnswers::Enqueue(3); // no
        dlg.ButtonClicked(2);
        QCOMPARE(CMessageBoxAnswers::ShownTexts(),
            QStringList {"工程设置支持的最大帧率(50Hz)小于实际输入的最大帧率(59.94Hz)，是否继续？"});
        QCOMPARE(dlg.result(), 0);
        QCOMPARE(HostFixture::Calls(), QStringList());

        CMessageBoxAnswers::Enqueue(2); // yes
        dlg.ButtonClicked(2);
        QCOMPARE(dlg.result(), 1);
        QCOMPARE(HostFixture::Calls(),
            (QStringList {"CHwSenderLogic::NotifyFrameRate(0, true, 0)",
                "CHwSenderLogic::WriteColorDepth(0, 2, 1)", "CSender::SetColorDepth(12)",
                "CSender::SetFrameRate(50)", "ILedTesselLabel::Notify(3072, 0, 1, 0)"}));
    }

    void restrictedOkSkipsQuestionAndUnchangedDepth()
    {
        Device().bRestricted = true;
        Device().nDepthCode = 1;
        Device().fMaxInputRate = 0.0f; // the host has no value
        HostFixture::CurrentSender().SetColorDepth(10);
        HostFixture::ClearLog();
        CSetDepthRateDlg dlg;
        QVERIFY(Choose(dlg, "rateCombo", "50Hz"));
        dlg.ButtonClicked(2);
        QCOMPARE(dlg.result(), 1);
        QVERIFY(CMessageBoxAnswers::ShownTexts().isEmpty());
        QCOMPARE(HostFixture::Calls(),
            (QStringList {"CHwSenderLogic::NotifyFrameRate(0, true, 0)", "CSender::SetColorDepth(10)",
                "CSender::SetFrameRate(50)", "ILedTesselLabel::Notify(3072, 0, 1, 0)"}));
    }

    void inputNotFasterAsksNothing()
    {
        Device().bRestricted = true;
        Device().fMaxInputRate = 60.0f;
        CSetDepthRateDlg dlg;
        dlg.ButtonClicked(2);
        QCOMPARE(dlg.result(), 1);
        QVERIFY(CMessageBoxAnswers::ShownTexts().isEmpty());
        QVERIFY(HostFixture::Calls().contains("CHwSenderLogic::NotifyFrameRate(0, false, 0)"));
    }

    void okWithoutChoiceKeepsSenderValues()
    {
        HostFixture::CurrentSender().SetFrameRate(30);
        HostFixture::ClearLog();
        CSetDepthRateDlg dlg;
        QCOMPARE(Combo(dlg, "rateCombo")->text(), QString("30Hz"));
        dlg.ButtonClicked(2);
        QCOMPARE(HostFixture::CurrentSender().GetFrameRate(), 30);
        QCOMPARE(HostFixture::CurrentSender().GetColorDepth(), 8);
    }

    void cancelWritesNothing()
    {
        CSetDepthRateDlg dlg;
        QVERIFY(Choose(dlg, "rateCombo", "120Hz"));
        dlg.ButtonClicked(3);
        QCOMPARE(dlg.result(), 2);
        QCOMPARE(HostFixture::Calls(), QStringList());
    }
};

QTEST_MAIN(TestDepthRate)
#include "tst_depthrate.moc"
