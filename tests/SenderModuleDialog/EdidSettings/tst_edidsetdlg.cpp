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
using namespace EdidOptions;

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

template <typename T> QByteArray Hex(const T& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size())).toHex();
}

// The layout is pinned by RecordBytesAndSelection.
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

private slots:
    // The choices as plain data; the dialog cases below drive the common ones.
    void ratesDepthsAndLimits()
    {
        int nIndex = 42;
        QVERIFY(IndexByFrameRate(25, true, nIndex) && nIndex == 2); // no fractional 25 Hz
        QVERIFY(!IndexByFrameRate(100, false, nIndex) && nIndex == 2);
        // 29.97 and 59.94 Hz divide before multiplying; 144, 240 and beyond share one cap.
        QVector<uint32_t> vecActual;
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, -1})
            vecActual << MaxAreaByRate(i, 2073600);
        QCOMPARE(vecActual,
            QVector<uint32_t>({5189184, 5184000, 4976640, 4151147, 4147200, 2488320, 2075073, 2073600,
                1036800, 2304000, 2304000, 2304000, 2304000}));
        // 24 and 144 Hz skip the clock check: the host gets 0. The standard row
        // is 2200 x 1125 whichever blanking; 59.94 Hz misses it: CVT-RB 2080 x 1111.
        // Without the clock check the area limit for the rate travels instead.
        QCOMPARE(QVector<uint32_t>({FormatCheckValue(true, 1, 1920, 1080, 0, 2073600),
                     FormatCheckValue(true, 9, 1920, 1080, 0, 2073600),
                     FormatCheckValue(true, 7, 1920, 1080, 1, 2073600),
                     FormatCheckValue(true, 6, 1920, 1080, 0, 2073600),
                     FormatCheckValue(false, 4, 1920, 1080, 0, 2073600)}),
            QVector<uint32_t>({0, 0, 148, 138, 4147200}));

        const struct
        {
            SInputContext ctx; // model, input, restricted, extended
            QVector<int> vecRates;
        } arrCases[] = {
            {{21, 5, false, true}, {4, 5, 7}},
            {{21, 16, false, true}, {4, 5, 7, 8}}, // extended on HDMI gives 120
            {{21, 16, false, false}, {4, 5, 7}},
            {{68, 5, false, false}, {4, 5, 7, 8, 9, 10}},
            {{68, 132, false, false}, {7, 8, 9, 10}},
            {{53, 5, false, false}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
            {{53, 5, true, true}, {0, 1, 2, 3, 4, 5}}, // restricted stops after 50
            {{62, 132, true, false}, {0, 1, 2, 3}},
            {{73, 17, false, false}, {0, 1, 2, 3, 4, 5, 6, 7}},
        };
        for (const auto& c : arrCases) {
            QCOMPARE(QVector<int>({c.ctx.nModel, c.ctx.nInput}) + OfferedRates(c.ctx),
                QVector<int>({c.ctx.nModel, c.ctx.nInput}) + c.vecRates);
            QCOMPARE(RateIndexMax(c.ctx.bRestricted), c.ctx.bRestricted ? 2 : 4);
        }
        SInputContext ctx {21, 16};
        QCOMPARE(OfferedDepths(ctx, false, false, false).vecPositions, QVector<int>({0, 1, 2}));
        QCOMPARE(OfferedDepths(ctx, true, true, false).vecPositions, QVector<int>({0, 1}));
        QCOMPARE(OfferedDepths(ctx, true, false, true).vecPositions, QVector<int>({0, 1, 2}));
        ctx = {17, 19}; // 10 bit on HDMI brings 12 bit too
        QCOMPARE(OfferedDepths(ctx, true, true, false).vecPositions, QVector<int>({0, 1, 2}));
    }

    void rowsSystemAndRecordLayout()
    {
        QVERIFY(IsStandardShown(16) && IsStandardShown(73) && !IsStandardShown(18) && !IsStandardShown(72));
        QVERIFY(IsShowConnectPC(19, 16) && IsShowConnectPC(43, 19) && !IsShowConnectPC(19, 20));
        QVERIFY(IsSenderConnectPC(17, 16) && !IsSenderConnectPC(37, 20) && !IsSenderConnectPC(19, 16));
        QCOMPARE(DeviceSize(QSize(1366, 768), 1.25), QSize(1708, 960)); // rounded, not cut

        for (const QStringList& listName :
            {QStringList {"Kylin", "4.0.2"}, QStringList {"kylin", "4.0.2.1"}}) {
            g_sysName = {listName[0], listName[1]}; // only the exact name and version
            QVERIFY(!IsKylin402());
        }
        g_sysName = {"debian", "12"};
        const SEdidSettingsRecord record {0x0102033C, true, 3840, 2160, 0x84, 1, 1};
        QCOMPARE(Hex(record.ToBytes()), QByteArray("000000003c0302010100000f7008840101000000"));
    }

    // The dialog itself.
    void openingSelectsFromRecord()
    {
        SVideoInputState& input = ResetHost(61, 16);
        input.strName = "HDMI 1";
        input.vecResolutions = {QSize(1920, 1080), QSize(3840, 2160), QSize(2560, 1440)};
        {
            CEdidSetDlg dlg(nullptr, 16, false); // no record to read: 1920 x 1080, the list's first
            QCOMPARE(dlg.windowTitle(), QString("HDMI 1 - EDID设置"));
            QCOMPARE(State(dlg), QString("1920×1080 | 60 | 8bit | RGB | CVT_RB | - | OK | 199"));
            QVERIFY(HostFixture::Calls().isEmpty());
        }
        input.baEdidRecord = Record(30, true, 2560, 1440, 0xCC, 1, 0); // the lowest bits win
        {
            CEdidSetDlg dlg(nullptr, 16, false);
            QCOMPARE(State(dlg), QString("2560×1440 | 29.97 | 10bit | YCBCR 4:2:2 | CVT | - | OK | 199"));
        }
        // An unknown size selects custom, an unknown rate 60 Hz.
        input.baEdidRecord = Record(75, false, 1600, 900, 0x12, 0, 0);
        CEdidSetDlg dlg(nullptr, 16, false);
        QCOMPARE(State(dlg), QString("自定义：1600×900 | 60 | 8bit | RGB | CVT_RB | - | OK | 231"));
        QCOMPARE(dlg.GetMaxAreaByRate(), 2073600u); // the rate position really is 60 Hz
    }

    // A sender without 10 or 12 bit is set to 8 bit.
    void depthFallback()
    {
        ResetHost(68, 5).vecResolutions = {QSize(1920, 1080)};
        SSenderDeviceState& device = HostFixture::CurrentSender().Device();
        device.bRestricted = true;
        device.b10BitSupported = device.b12BitSupported = false;
        HostFixture::Input(5).baEdidRecord = Record(60, false, 1920, 1080, 0x14, 0, 0);
        g_sysName = {"kylin", "4.0.2"}; // keeps the hidden custom row's space
        CEdidSetDlg dlg(nullptr, 5, false);
        g_sysName = {"debian", "12"};
        QCOMPARE(dlg.height(), 231);
        QCOMPARE(MenuTexts(Combo(dlg, "depthCombo")), QStringList({"8bit"}));
        QCOMPARE(Combo(dlg, "depthCombo")->text(), QString("8bit"));
        QCOMPARE(HostFixture::Calls(), QStringList({"CSender::SetColorDepth(8)"}));
    }

    void formatCheckAnswers()
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

    // 1920 x 1080 chosen from the list, 10 bit (colour bit 0 is not ours), CVT;
    // model 61 offers 59.94 Hz, model 19 a connect box to untick, model 17 is always connected.
    void okExtendedSendsRecord()
    {
        for (const auto& c : {qMakePair(61, Record(60, true, 1920, 1080, 0x15, 1, 0)),
                 qMakePair(19, Record(60, false, 1920, 1080, 0x15, 1, 0)),
                 qMakePair(17, Record(60, false, 1920, 1080, 0x15, 1, 1))}) {
            SVideoInputState& input = ResetHost(c.first, 16);
            input.vecResolutions = {QSize(3840, 2160), QSize(1920, 1080)};
            // Head and tail are not part of the settings: what is sent has them clear.
            input.baEdidRecord = "\xff\xff\xff\xff"
                + Record(60, false, 1600, 900, 0x13, 0, c.first == 19).mid(4, 13) + "\xaa\xbb\xcc";
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
    void okOutcomes()
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
            const QByteArray baSent = nCase == 3 ? input.baEdidRecord : Record(30, false, 1280, 720, 0, 0, 0);
            QCOMPARE(HostFixture::Calls(),
                QStringList(SendCall(16, baSent))
                    + (nCase < 2 ? QStringList({"CHwSenderLogic::NotifyEdidSent(0)",
                           "CHwVideoSourceLogic::CompleteBasicEdid(0, 1280, 720)"})
                                 : QStringList()));
        }
    }

    void invalidPositionSendsNothing()
    {
        // Input 132 falls back to position 4, which a two-entry list does not have; a rate
        // beyond a byte is read from its low byte, a standard above CVT is kept as stored.
        SVideoInputState& input = ResetHost(68, 132);
        input.vecResolutions = {QSize(3840, 2160), QSize(1920, 1080)};
        input.baEdidRecord = Record(286, false, 1600, 900, 0x49, 7, 0); // 286: 30 in one byte
        CEdidSetDlg dlg(nullptr, 132, false);
        dlg.show();
        Click(dlg, "okButton");
        QVERIFY(HostFixture::Calls().isEmpty() && dlg.isVisible() && dlg.result() == 0);
        QVERIFY(Child<CCustomSpinBox>(dlg, "widthSpin")->isEnabled()
            && Child<CCustomSpinBox>(dlg, "heightSpin")->isEnabled());
        QVERIFY(Choose(dlg, "resolutionCombo", "1920 × 1080")); // a valid choice afterwards goes through
        Click(dlg, "okButton");
        QCOMPARE(HostFixture::Calls(),
            QStringList({SendCall(132, Record(30, false, 1920, 1080, 0x49, 7, 0)), g_strApply}));
        QCOMPARE(dlg.result(), 1);
    }

    // Return on a menu button confirms; Escape and Cancel write nothing of what was typed.
    void keysConfirmAndCancel()
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

    // The lookups and slots a host may call; positions count repeats in the list.
    void publicLookupsAndSlots()
    {
        SVideoInputState& input = ResetHost(21, 132); // no standard row
        input.vecResolutions
            = {QSize(3840, 2160), QSize(3840, 2160), QSize(2560, 1440), QSize(1920, 1080), QSize(1280, 720)};
        input.baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, 0);
        CEdidSetDlg dlg(nullptr, 132, false);
        // No custom entry for input 132; an unknown size takes position 4, entry 3.
        QCOMPARE(MenuTexts(Combo(dlg, "resolutionCombo")).first(), QString("3840 × 2160"));
        QCOMPARE(State(dlg), QString("1920×1080 | 60 | 8bit | RGB | CVT_RB | - | OK | 167"));
        QSize size;
        QVERIFY(dlg.GetResolutionByIndex(5, size) && size == QSize(1280, 720)
            && !dlg.GetResolutionByIndex(6, size));
        int nIndex = -1;
        QVERIFY(dlg.GetIndexByResolution(QSize(2560, 1440), nIndex) && nIndex == 3);
        QVERIFY(!dlg.GetIndexByResolution(QSize(1, 1), nIndex) && nIndex == 0);

        unsigned char ucColor = 0x12;
        QVERIFY(dlg.GetColorFormatByIndex(3, ucColor) && ucColor == 0x82);
        QVERIFY(dlg.GetColorDepthByIndex(1, ucColor) && ucColor == 0x84);
        QVERIFY(!dlg.GetColorDepthByIndex(3, ucColor) && !dlg.GetColorFormatByIndex(4, ucColor)
            && ucColor == 0x84);
        QVERIFY(dlg.GetIndexByColorDepth(0x0C, nIndex) && nIndex == 1);
        QVERIFY(dlg.GetIndexByColorFormat(0x01, nIndex) && nIndex == 0);
        QVERIFY(dlg.GetIndexByFrameRate(60, true, nIndex) && nIndex == 6);
        QVERIFY(dlg.GetIndexByFrameRate(60, false, nIndex) && nIndex == 7);
        unsigned char ucRate = 99;
        bool bFractional = true;
        QVERIFY(!dlg.GetFrameRateByIndex(11, ucRate, bFractional) && ucRate == 0 && !bFractional);
        QVERIFY(dlg.GetFrameRateByIndex(3, ucRate, bFractional) && ucRate == 30 && bFractional);

        // The slots, in the order a host knows them, called by name.
        QStringList listSlots;
        for (int i = dlg.metaObject()->methodOffset(); i < dlg.metaObject()->methodCount(); ++i)
            listSlots << dlg.metaObject()->method(i).methodSignature();
        QCOMPARE(listSlots,
            QStringList({"OnWidthSpinBoxValueChanged()", "OnHeightSpinBoxValueChanged()",
                "OnResolutionComboBoxSelect(int)", "OnRateComboBoxSelect(QAction*)",
                "OnColorDepthComboBoxSelect(int)", "OnColorFormatComboBoxSelect(int)",
                "OnTimingStandardComboBoxSelect(int)", "OnOKPushButtonClicked()",
                "OnCancelPushButtonClicked()"}));
        for (const auto& call : {qMakePair<const char*, int>("OnResolutionComboBoxSelect", 5),
                 qMakePair<const char*, int>("OnColorDepthComboBoxSelect", 2),
                 qMakePair<const char*, int>("OnColorFormatComboBoxSelect", 2),
                 qMakePair<const char*, int>("OnTimingStandardComboBoxSelect", 1)}) {
            QVERIFY(QMetaObject::invokeMethod(&dlg, call.first, Q_ARG(int, call.second)));
            QVERIFY(QMetaObject::invokeMethod(&dlg, call.first, Q_ARG(int, -1))); // ignored
        }
        dlg.OnColorDepthComboBoxSelect(3); // past the names: ignored
        dlg.OnColorFormatComboBoxSelect(4);
        dlg.OnTimingStandardComboBoxSelect(2);
        QCOMPARE(State(dlg), QString("1280×720 | 60 | 12bit | YCBCR 4:2:2 | CVT | - | OK | 167"));
    }

    // The limit check reads the fields' text; a host maximum of 0 holds the field at its minimum.
    void customFieldRules()
    {
        SVideoInputState& input = ResetHost(21, 5);
        input.baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, 0);
        CEdidSetDlg dlg(nullptr, 5, false);
        dlg.show();
        auto* pWidth = Child<CCustomSpinBox>(dlg, "widthSpin");
        TypeInto(pWidth, "3000"); // 3000 x 900 exceeds the 60 Hz area
        QCOMPARE(State(dlg).section(" | ", 6), QString("no OK | 231"));
        QTest::keyClick(pWidth, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(pWidth, Qt::Key_Backspace);
        QCOMPARE(State(dlg).section(" | ", 5), QString("- | OK | 199"));

        input.nMaxWidth = 0;
        input.nMaxHeight = 500;
        CEdidSetDlg dlgZero(nullptr, 5, false);
        dlgZero.show();
        TypeInto(Child<CCustomSpinBox>(dlgZero, "widthSpin"), "700");
        TypeInto(Child<CCustomSpinBox>(dlgZero, "heightSpin"), "700");
        QCOMPARE(Child<CCustomSpinBox>(dlgZero, "widthSpin")->text(), QString("1"));
        QCOMPARE(Child<CCustomSpinBox>(dlgZero, "heightSpin")->text(), QString("500"));
    }

    void oneOkSendsOnce()
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

    // The list is capped past its limit only; the computer's own mode is marked in
    // device pixels: at scale factor 2 the screen's logical size is half of it.
    void resolutionList()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        const QSize sizeLogical = QGuiApplication::primaryScreen()->size();
        SVideoInputState& input = ResetHost(21, 5); // no standard row
        input.vecResolutions = {sizeLogical, QSize(0, 720), sizeLogical * 2, sizeLogical};
        for (int i = 0; i < 5000; ++i)
            input.vecResolutions.append(QSize(1000 + i, 700));
        CEdidSetDlg dlg(nullptr, 5, true); // restricted: nothing above 50 Hz
        QCOMPARE(MenuTexts(Combo(dlg, "rateCombo")), QStringList({"30", "50"}));
        QCOMPARE(dlg.height(), 199);
        auto text = [](const QSize& size) { return QString("%1 × %2").arg(size.width()).arg(size.height()); };
        const QString strDevice = text(sizeLogical * 2) + " (电脑)";
        const QStringList listMenu = MenuTexts(Combo(dlg, "resolutionCombo"));
        QCOMPARE(listMenu.mid(1, 5),
            QStringList({text(sizeLogical), "0 × 720", strDevice, text(sizeLogical), "1000 × 700"}));
        QCOMPARE(listMenu.size(), 1 + g_nMaxResolutions);
        QCOMPARE(listMenu.last(), QString("%1 × 700").arg(1000 + g_nMaxResolutions - 5));
        QVERIFY(Choose(dlg, "resolutionCombo", strDevice));
        QCOMPARE(Combo(dlg, "resolutionCombo")->text(), QString(strDevice).remove(' '));
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2"); // for resolutionList
    QApplication app(argc, argv);
    SetSystemNameSource(FakeSystem);
    TestEdidSetDlg test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_edidsetdlg.moc"
