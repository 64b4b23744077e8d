#include "CEdidSetDlg.h"
#include "EdidOptions.h"
#include "EdidSettingsRecord.h"

#include "CCustomComboBox.h"
#include "CCustomSpinBox.h"
#include "CMessageBoxAnswers.h"
#include "DialogDriver.h"
#include "KivoData.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace DialogDriver;

namespace {
const QString g_strSend = "CHwVideoSourceLogic::SendEdidSetting";
const QString g_strApply = "CHwVideoSourceLogic::ApplyEdidSetting(0, 1)";

QPair<QString, QString> g_sysName {"debian", "12"};
QPair<QString, QString> FakeSystem()
{
    return g_sysName;
}

// Demo mode keeps the progress wait at 10 ms per step.
SVideoInputState& ResetHost(int nModel, int nInput, bool bExtended = true)
{
    HostFixture::Reset({{"project", QJsonObject {{"demoMode", true}}},
        {"hardware", QJsonObject {{"extendedEdid", bExtended}}}});
    HostFixture::CurrentSender().Device().nModelCode = nModel;
    return HostFixture::Input(nInput);
}

// The record's layout is pinned by the options test.
QByteArray Record(uint32_t uRate, bool bFractional, uint16_t uWidth, uint16_t uHeight, uint8_t ucColor,
    uint8_t ucStandard, uint8_t ucConnect)
{
    const auto bytes
        = SEdidSettingsRecord {uRate, bFractional, uWidth, uHeight, ucColor, ucStandard, ucConnect}.ToBytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
}

QString SendCall(int nInput, const QByteArray& baRecord)
{
    return QString("%1(0, %2, %3)").arg(g_strSend).arg(nInput).arg(QString::fromLatin1(baRecord.toHex(' ')));
}

CCustomComboBox* Combo(CEdidSetDlg& dlg, const char* pszCombo)
{
    return Child<CCustomComboBox>(dlg, pszCombo);
}

// The five combos as shown, the message when shown, whether OK may be
// pressed, and the window's height, which follows the rows shown.
QString State(CEdidSetDlg& dlg)
{
    QStringList list;
    for (const char* pszCombo :
        {"resolutionCombo", "rateCombo", "depthCombo", "formatCombo", "standardCombo"})
        list << Combo(dlg, pszCombo)->text();
    const QLabel* pMessage = Child<QLabel>(dlg, "messageLabel");
    list << (pMessage->isHidden() ? "-" : pMessage->text())
         << (Child<QPushButton>(dlg, "okButton")->isEnabled() ? "OK" : "no OK")
         << QString::number(dlg.height());
    return list.join(" | ");
}
} // namespace

class TestEdidSetDlg : public QObject
{
    Q_OBJECT

    EdidOptions::FnSystemName m_fnPreviousSystem = nullptr;

private slots:
    void initTestCase() { m_fnPreviousSystem = EdidOptions::SetSystemNameSource(FakeSystem); }
    void cleanupTestCase() { EdidOptions::SetSystemNameSource(m_fnPreviousSystem); }

    void OpeningSelectsFromRecord()
    {
        SVideoInputState& input = ResetHost(61, 16);
        input.strName = "HDMI 1";
        {
            CEdidSetDlg dlg(nullptr, 16, false); // no record to read
            QCOMPARE(dlg.windowTitle(), QString("HDMI 1 - EDID设置"));
            QCOMPARE(State(dlg), QString("自定义：1920×1080 | 60 | 8 bit | RGB | CVT_RB | - | OK | 231"));
            QVERIFY(HostFixture::Calls().isEmpty());
        }
        input.vecResolutions = {QSize(3840, 2160), QSize(2560, 1440), QSize(1920, 1080)};
        input.baEdidRecord = Record(30, true, 2560, 1440, 0x48, 1, 0);
        {
            CEdidSetDlg dlg(nullptr, 16, false);
            QCOMPARE(State(dlg), QString("2560×1440 | 29.97 | 12 bit | YCBCR 4:2:2 | CVT | - | OK | 199"));
        }
        // An unknown size selects custom, an unknown rate 60 Hz.
        input.baEdidRecord = Record(75, false, 1600, 900, 0x12, 0, 0);
        CEdidSetDlg dlg(nullptr, 16, false);
        QCOMPARE(State(dlg), QString("自定义：1600×900 | 60 | 8 bit | RGB | CVT_RB | - | OK | 231"));
        QCOMPARE(dlg.GetMaxAreaByRate(), 2073600u); // the rate position really is 60 Hz
    }

    void MenusAndDepthFallback()
    {
        ResetHost(68, 5).vecResolutions = {QSize(1920, 1080)};
        {
            CEdidSetDlg dlg(nullptr, 5, true);
            QCOMPARE(MenuTexts(Combo(dlg, "rateCombo")), QStringList({"30", "50"}));
        }
        // A sender without 10 or 12 bit is set to 8 bit.
        SSenderDeviceState& device = HostFixture::CurrentSender().Device();
        device.bRestricted = true;
        device.b10BitSupported = device.b12BitSupported = false;
        HostFixture::Input(5).baEdidRecord = Record(60, false, 1920, 1080, 0x14, 0, 0);
        g_sysName = {"kylin", "4.0.2"}; // keeps the hidden custom row's space
        CEdidSetDlg dlg(nullptr, 5, false);
        g_sysName = {"debian", "12"};
        QCOMPARE(dlg.height(), 231);
        QCOMPARE(MenuTexts(Combo(dlg, "depthCombo")), QStringList({"8bit"}));
        QCOMPARE(Combo(dlg, "depthCombo")->text(), QString("8 bit"));
        QCOMPARE(HostFixture::Calls(), QStringList({"CSender::SetColorDepth(8)"}));
    }

    void FormatCheckAnswers()
    {
        // Clock limit 0: only a check value of 0 passes, so a silent 144 Hz shows
        // that the clock was not passed for that rate.
        SVideoInputState& input = ResetHost(68, 16);
        input.bCheckByPixelClock = true;
        input.nPixelClockLimitMHz = 0;
        {
            CEdidSetDlg dlg(nullptr, 16, false);
            QCOMPARE(
                State(dlg).section(" | ", 5), QString("当前分辨率和帧率超出输入带宽限制。 | no OK | 263"));
            QVERIFY(Choose(dlg, "rateCombo", "144"));
            QCOMPARE(State(dlg).section(" | ", 5), QString("- | OK | 231"));
        }
        // By area: 1920 x 1080 fits at 60 Hz but not in the 120 Hz half.
        input.bCheckByPixelClock = false;
        input.nMaxArea60 = 2073600;
        {
            CEdidSetDlg dlg(nullptr, 16, false);
            QCOMPARE(State(dlg).section(" | ", 5), QString("- | OK | 231"));
            QVERIFY(Choose(dlg, "rateCombo", "120"));
            QCOMPARE(State(dlg).section(" | ", 5),
                QString("当前分辨率超出该帧率下的最大带载面积。 | no OK | 263"));
        }
        // The DisplayID note is shown but does not block.
        input.nDisplayIdAboveWidth = 1000;
        CEdidSetDlg dlg(nullptr, 16, false);
        QCOMPARE(State(dlg).section(" | ", 5), QString("已使用DisplayID 1.3扩展块 | OK | 263"));
    }

    // 1920 x 1080 chosen from the list, 10 bit, CVT; model 61 offers 59.94 Hz,
    // model 19 a connect box to untick, model 17 is always connected.
    void OkExtendedSendsRecord()
    {
        for (const auto& c : {qMakePair(61, Record(60, true, 1920, 1080, 0x14, 1, 0)),
                 qMakePair(19, Record(60, false, 1920, 1080, 0x14, 1, 0)),
                 qMakePair(17, Record(60, false, 1920, 1080, 0x14, 1, 1))}) {
            SVideoInputState& input = ResetHost(c.first, 16);
            input.vecResolutions = {QSize(3840, 2160), QSize(1920, 1080)};
            input.baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, c.first == 19);
            CEdidSetDlg dlg(nullptr, 16, false);
            dlg.show();
            QVERIFY(Choose(dlg, "resolutionCombo", "1920 × 1080"));
            QVERIFY(c.first != 61 || Choose(dlg, "rateCombo", "59.94"));
            if (c.first == 19) { // the record's tick shows; the untick survives later refreshes
                QVERIFY(Child<QCheckBox>(dlg, "connectCheck")->isChecked() && dlg.height() == 231);
                QTest::mouseClick(Child<QCheckBox>(dlg, "connectCheck"), Qt::LeftButton);
            }
            QVERIFY(Choose(dlg, "depthCombo", "10bit") && Choose(dlg, "standardCombo", "CVT"));
            Click(dlg, "okButton");
            QCOMPARE(HostFixture::Calls(), QStringList({SendCall(16, c.second), g_strApply}));
            QCOMPARE(input.baEdidRecord, c.second);
            QVERIFY(dlg.result() == 1 && !dlg.IsSetSuccessed() && CMessageBoxAnswers::ShownTexts().isEmpty());
        }
    }

    // The basic record with the host's completion answered yes or no, then a
    // send the device refuses, basic or extended: the dialog closes each time.
    void OkOutcomes()
    {
        for (int nCase = 0; nCase < 4; ++nCase) {
            SVideoInputState& input = ResetHost(61, 16, nCase == 3);
            input.bBasicSucceeded = nCase == 0;
            input.nSendResult = nCase < 2 ? 0 : -3;
            input.baEdidRecord = Record(30, true, 1280, 720, 0x84, 1, 1);
            CEdidSetDlg dlg(nullptr, 16, false);
            dlg.show();
            Click(dlg, "okButton");
            QVERIFY(dlg.result() == 1 && !dlg.isVisible() && dlg.IsSetSuccessed() == (nCase == 0));
            QCOMPARE(
                CMessageBoxAnswers::ShownTexts(), nCase < 2 ? QStringList() : QStringList({"保存失败。"}));
            // Only rate and size travel in the basic record.
            const QString strSend = SendCall(16, Record(30, false, 1280, 720, 0, 0, 0));
            if (nCase < 2)
                QCOMPARE(HostFixture::Calls(),
                    QStringList({strSend, "CHwSenderLogic::NotifyEdidSent(0)",
                        "CHwVideoSourceLogic::CompleteBasicEdid(0, 1280, 720)"}));
            else
                QVERIFY(
                    HostFixture::Calls().size() == 1 && HostFixture::Calls().first().startsWith(g_strSend));
        }
    }

    void InvalidPositionSendsNothing()
    {
        // Input 132 falls back to position 4, which a two-entry list does not have.
        SVideoInputState& input = ResetHost(68, 132);
        input.vecResolutions = {QSize(3840, 2160), QSize(1920, 1080)};
        input.baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, 0);
        CEdidSetDlg dlg(nullptr, 132, false);
        dlg.show();
        Click(dlg, "okButton");
        QVERIFY(HostFixture::Calls().isEmpty() && dlg.isVisible() && dlg.result() == 0);
        QVERIFY(Child<CCustomSpinBox>(dlg, "widthSpin")->isEnabled()
            && Child<CCustomSpinBox>(dlg, "heightSpin")->isEnabled());
        QVERIFY(Choose(dlg, "resolutionCombo", "1920 × 1080")); // a valid choice afterwards goes through
        Click(dlg, "okButton");
        QVERIFY(HostFixture::Calls().size() == 2 && dlg.result() == 1);
    }

    // Return on a menu button confirms; Escape and Cancel write nothing of what was typed.
    void KeysConfirmAndCancel()
    {
        SVideoInputState& input = ResetHost(68, 16);
        input.nMaxWidth = 3840;
        input.nMaxHeight = 2160;
        input.nMaxArea60 = 100000000;
        input.baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, 0);
        for (int nKey : {int(Qt::Key_Escape), 0, int(Qt::Key_Return)}) {
            HostFixture::ClearLog();
            CEdidSetDlg dlg(nullptr, 16, false);
            dlg.show();
            auto* pWidth = Child<CCustomSpinBox>(dlg, "widthSpin");
            auto* pHeight = Child<CCustomSpinBox>(dlg, "heightSpin");
            TypeInto(pWidth, "5000"); // past the input's maximum: set back at once
            TypeInto(pHeight, "3000");
            QVERIFY(pWidth->text() == "3840" && pHeight->text() == "2160");
            QVERIFY(OkIsDefault(dlg, Combo(dlg, "rateCombo")));
            EndWith(dlg, Combo(dlg, "rateCombo"), nKey);
            const bool bOk = nKey == Qt::Key_Return;
            QVERIFY(!dlg.isVisible() && dlg.result() == int(bOk));
            const QByteArray baSent = Record(60, false, 3840, 2160, 0x12, 0, 0);
            QCOMPARE(
                HostFixture::Calls(), bOk ? QStringList({SendCall(16, baSent), g_strApply}) : QStringList());
            QCOMPARE(input.baEdidRecord, bOk ? baSent : Record(60, false, 1600, 900, 0x12, 0, 0));
        }
    }

    void OneOkSendsOnce()
    {
        // Sender 1, so a send for sender 0 shows.
        HostFixture::Reset({{"project", QJsonObject {{"demoMode", true}, {"currentSender", 1}}}});
        HostFixture::Input(16).baEdidRecord = Record(50, false, 1280, 720, 0x12, 0, 0);
        const QStringList listOnce {
            SendCall(16, Record(50, false, 1280, 720, 0x12, 0, 0)).replace("(0, ", "(1, "),
            "CHwVideoSourceLogic::ApplyEdidSetting(1, 1)"};
        CEdidSetDlg dlg(nullptr, 16, false);
        QSignalSpy finished(&dlg, &QDialog::finished);
        dlg.open();
        // While the progress bar runs: Enter, Escape and OK again.
        QTimer::singleShot(100, &dlg, [&dlg] {
            QTest::keyClick(&dlg, Qt::Key_Return);
            QTest::keyClick(&dlg, Qt::Key_Escape);
            dlg.OnOKPushButtonClicked();
            dlg.OnCancelPushButtonClicked();
        });
        DoubleClick(Child<QPushButton>(dlg, "okButton"));
        QVERIFY(HostFixture::Calls() == listOnce && finished.count() == 1 && dlg.result() == 1);
        dlg.OnOKPushButtonClicked(); // after closing
        QCOMPARE(HostFixture::Calls(), listOnce);
        QCOMPARE(finished.count(), 1);
    }

    // Repeats go and the list is capped; the computer's own mode is marked in
    // device pixels: at scale factor 2 the screen's logical size is half of it.
    void ResolutionList()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        const QSize sizeLogical = QGuiApplication::primaryScreen()->size();
        SVideoInputState& input = ResetHost(21, 5); // no standard row
        input.vecResolutions = {sizeLogical, sizeLogical * 2, sizeLogical};
        for (int i = 0; i < 5000; ++i)
            input.vecResolutions.append(QSize(800 + i % 2500, 600 + i / 2500));
        CEdidSetDlg dlg(nullptr, 5, false);
        QCOMPARE(dlg.height(), 199);
        QStringList listMenu = MenuTexts(Combo(dlg, "resolutionCombo"));
        const QString strDevice
            = QString("%1 × %2").arg(sizeLogical.width() * 2).arg(sizeLogical.height() * 2);
        QCOMPARE(listMenu.mid(1, 3),
            QStringList({QString("%1 × %2").arg(sizeLogical.width()).arg(sizeLogical.height()),
                strDevice + " (电脑)", "801 × 600"}));
        listMenu.removeDuplicates();
        QCOMPARE(listMenu.size(), 1 + EdidOptions::g_nMaxResolutions);
        QVERIFY(Choose(dlg, "resolutionCombo", strDevice + " (电脑)"));
        QCOMPARE(Combo(dlg, "resolutionCombo")->text(), QString(strDevice).remove(' ') + "(电脑)");
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2"); // for ResolutionList
    QApplication app(argc, argv);
    TestEdidSetDlg test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_edidsetdlg.moc"
