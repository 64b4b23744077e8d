#include "CEdidSetDlg.h"
#include "EdidOptions.h"

#include "CCustomComboBox.h"
#include "CCustomSpinBox.h"
#include "CMessageBoxAnswers.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
const QString c_strSend = "CHwVideoSourceLogic::SendEdidSetting";

QPair<QString, QString> g_sysName {"debian", "12"};
QPair<QString, QString> FakeSystem()
{
    return g_sysName;
}

// Demo mode keeps the progress wait at 10 ms per step.
void ResetHost(int nModel, bool bExtended = true)
{
    HostFixture::Reset({{"project", QJsonObject {{"demoMode", true}}},
        {"hardware", QJsonObject {{"extendedEdid", bExtended}}}});
    HostFixture::CurrentSender().Device().nModelCode = nModel;
}

QByteArray Record(
    int nRate, bool bFractional, int nWidth, int nHeight, int nColor, int nStandard, int nConnect)
{
    QByteArray ba(20, '\0');
    qToLittleEndian<quint32>(quint32(nRate), ba.data() + 4);
    ba[8] = char(bFractional ? 1 : 0);
    qToLittleEndian<quint16>(quint16(nWidth), ba.data() + 10);
    qToLittleEndian<quint16>(quint16(nHeight), ba.data() + 12);
    ba[14] = char(nColor);
    ba[15] = char(nStandard);
    ba[16] = char(nConnect);
    return ba;
}

QString SendCall(int nInput, const QByteArray& baRecord)
{
    return QString("%1(0, %2, %3)").arg(c_strSend).arg(nInput).arg(QString::fromLatin1(baRecord.toHex(' ')));
}

template <typename T> T* Child(CEdidSetDlg& dlg, const char* pszName)
{
    T* pChild = dlg.findChild<T*>(pszName);
    if (!pChild)
        qFatal("no child %s", pszName);
    return pChild;
}

CCustomComboBox* Combo(CEdidSetDlg& dlg, const char* pszName)
{
    return Child<CCustomComboBox>(dlg, pszName);
}

QStringList MenuTexts(CCustomComboBox* pCombo)
{
    QStringList list;
    for (int i = 0; i < pCombo->Count(); ++i)
        list << pCombo->ItemAt(i)->text();
    return list;
}

// Picks the entry as the user would; false when the menu lacks it.
bool Choose(CCustomComboBox* pCombo, const QString& strText)
{
    const int nIndex = MenuTexts(pCombo).indexOf(strText);
    return nIndex >= 0 && pCombo->ActivateIndex(nIndex);
}
} // namespace

class TestEdidSetDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void DefaultsWhenUnreadable();
    void ReadSettingsSelectPositions();
    void UnknownSizeOrRate();
    void MenusFollowModelAndInput();
    void DepthFallsBackTo8Bit();
    void CustomSizeHeldToLimit();
    void FormatCheckAnswers();
    void WindowHeightFollowsRows();
    void ResolutionPositionsAndArea();
    void OkExtendedSendsRecord_data();
    void OkExtendedSendsRecord();
    void OkBasicCompletes_data();
    void OkBasicCompletes();
    void FailingSendStillCloses_data();
    void FailingSendStillCloses();
    void InvalidPositionSendsNothing();
    void CancelWritesNothing();

private:
    EdidOptions::FnSystemName m_fnPreviousSystem = nullptr;
};

void TestEdidSetDlg::initTestCase()
{
    m_fnPreviousSystem = EdidOptions::SetSystemNameSource(FakeSystem);
}

void TestEdidSetDlg::cleanupTestCase()
{
    EdidOptions::SetSystemNameSource(m_fnPreviousSystem);
}

void TestEdidSetDlg::DefaultsWhenUnreadable()
{
    ResetHost(68);
    HostFixture::Input(16).strName = "HDMI 1";
    CEdidSetDlg dlg(nullptr, 16, false);
    QCOMPARE(dlg.windowTitle(), QString("HDMI 1 - EDID设置"));
    QCOMPARE(Combo(dlg, "resolutionCombo")->text(), QString("自定义：1920×1080"));
    QCOMPARE(Child<CCustomSpinBox>(dlg, "widthSpin")->value(), 1920.0);
    QCOMPARE(Child<CCustomSpinBox>(dlg, "heightSpin")->value(), 1080.0);
    QCOMPARE(Combo(dlg, "rateCombo")->text(), QString("60"));
    QCOMPARE(Combo(dlg, "depthCombo")->text(), QString("8 bit"));
    QCOMPARE(Combo(dlg, "formatCombo")->text(), QString("RGB"));
    QVERIFY(Combo(dlg, "formatCombo")->isHidden());
    QCOMPARE(Combo(dlg, "standardCombo")->text(), QString("CVT_RB"));
    QVERIFY(!Combo(dlg, "standardCombo")->isHidden());
    QCOMPARE(dlg.IsSetSuccessed(), false);
    QVERIFY(HostFixture::Calls().isEmpty());
}

void TestEdidSetDlg::ReadSettingsSelectPositions()
{
    ResetHost(61);
    SVideoInputState& input = HostFixture::Input(16);
    input.vecResolutions = {QSize(3840, 2160), QSize(2560, 1440), QSize(1920, 1080)};
    input.baEdidRecord = Record(30, true, 2560, 1440, 0x48, 1, 0);
    CEdidSetDlg dlg(nullptr, 16, false);
    QCOMPARE(Combo(dlg, "resolutionCombo")->text(), QString("2560×1440"));
    QCOMPARE(Combo(dlg, "resolutionCombo")->CurrentIndex(), 2); // after the custom entry
    QVERIFY(Child<CCustomSpinBox>(dlg, "widthSpin")->isHidden());
    QCOMPARE(Combo(dlg, "rateCombo")->text(), QString("29.97"));
    QCOMPARE(Combo(dlg, "depthCombo")->text(), QString("12 bit"));
    QCOMPARE(Combo(dlg, "formatCombo")->text(), QString("YCBCR 4:2:2"));
    QCOMPARE(Combo(dlg, "standardCombo")->text(), QString("CVT"));
    QCOMPARE(Combo(dlg, "standardCombo")->CurrentIndex(), 1);
}

void TestEdidSetDlg::UnknownSizeOrRate()
{
    ResetHost(21);
    SVideoInputState& input = HostFixture::Input(16);
    input.vecResolutions = {QSize(3840, 2160), QSize(1920, 1080)};
    input.baEdidRecord = Record(75, false, 1600, 900, 0x12, 0, 0);
    {
        CEdidSetDlg dlg(nullptr, 16, false);
        QCOMPARE(Combo(dlg, "resolutionCombo")->text(), QString("自定义：1600×900"));
        QCOMPARE(Child<CCustomSpinBox>(dlg, "widthSpin")->value(), 1600.0);
        QVERIFY(!Child<CCustomSpinBox>(dlg, "widthSpin")->isHidden());
        QCOMPARE(Combo(dlg, "rateCombo")->text(), QString("60"));
        QCOMPARE(dlg.GetMaxAreaByRate(), 2073600u); // the rate position really is 60 Hz
    }

    // Input 132 has no custom entry: an unknown size selects position 4.
    SVideoInputState& fibre = HostFixture::Input(132);
    fibre.vecResolutions = {QSize(3840, 2160), QSize(2560, 1440), QSize(1920, 1200), QSize(1920, 1080)};
    fibre.baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, 0);
    CEdidSetDlg dlg(nullptr, 132, false);
    QCOMPARE(Combo(dlg, "resolutionCombo")->text(), QString("1920×1080"));
    QVERIFY(Child<CCustomSpinBox>(dlg, "widthSpin")->isHidden());
}

void TestEdidSetDlg::MenusFollowModelAndInput()
{
    ResetHost(68);
    HostFixture::Input(5).vecResolutions = {QSize(1920, 1080)};
    HostFixture::Input(132).vecResolutions = {QSize(1920, 1080)};
    {
        CEdidSetDlg dlg(nullptr, 5, false);
        QCOMPARE(MenuTexts(Combo(dlg, "rateCombo")), QStringList({"30", "50", "60", "120", "144", "240"}));
        QCOMPARE(MenuTexts(Combo(dlg, "depthCombo")), QStringList({"8bit", "10bit", "12bit"}));
        QCOMPARE(MenuTexts(Combo(dlg, "standardCombo")), QStringList({"CVT_RB", "CVT"}));
        QCOMPARE(MenuTexts(Combo(dlg, "resolutionCombo")).value(0), QString("自定义"));
        QCOMPARE(dlg.GetRateIndexMax(), 4);
    }
    {
        CEdidSetDlg dlg(nullptr, 5, true);
        QCOMPARE(MenuTexts(Combo(dlg, "rateCombo")), QStringList({"30", "50"}));
        QCOMPARE(dlg.GetRateIndexMax(), 2);
    }
    CEdidSetDlg dlg(nullptr, 132, false);
    QCOMPARE(MenuTexts(Combo(dlg, "rateCombo")), QStringList({"60", "120", "144", "240"}));
    QCOMPARE(MenuTexts(Combo(dlg, "resolutionCombo")), QStringList({"1920 × 1080"}));
}

void TestEdidSetDlg::DepthFallsBackTo8Bit()
{
    ResetHost(21);
    SSenderDeviceState& device = HostFixture::CurrentSender().Device();
    device.bRestricted = true;
    device.b10BitSupported = false;
    device.b12BitSupported = false;
    HostFixture::Input(16).baEdidRecord = Record(60, false, 1920, 1080, 0x14, 0, 0);
    CEdidSetDlg dlg(nullptr, 16, false);
    QCOMPARE(MenuTexts(Combo(dlg, "depthCombo")), QStringList({"8bit"}));
    QCOMPARE(Combo(dlg, "depthCombo")->text(), QString("8 bit"));
    QCOMPARE(HostFixture::Calls(), QStringList({"CSender::SetColorDepth(8)"}));
    QCOMPARE(HostFixture::CurrentSender().GetColorDepth(), 8);
}

void TestEdidSetDlg::CustomSizeHeldToLimit()
{
    ResetHost(21);
    SVideoInputState& input = HostFixture::Input(16);
    input.nMaxWidth = 3840;
    input.nMaxHeight = 2160;
    input.nMaxArea60 = 100000000;
    CEdidSetDlg dlg(nullptr, 16, false);
    CCustomSpinBox* pWidth = Child<CCustomSpinBox>(dlg, "widthSpin");
    CCustomSpinBox* pHeight = Child<CCustomSpinBox>(dlg, "heightSpin");
    pWidth->setValue(5000);
    QCOMPARE(pWidth->value(), 3840.0);
    pHeight->setValue(3000);
    QCOMPARE(pHeight->value(), 2160.0);
    pWidth->setValue(2000);
    QCOMPARE(pWidth->value(), 2000.0);
    QCOMPARE(pWidth->minimum(), 1.0);
    QCOMPARE(pWidth->maximum(), 32768.0);
    QCOMPARE(pHeight->maximum(), 16384.0);
}

void TestEdidSetDlg::FormatCheckAnswers()
{
    // Clock limit 0: only a check value of 0 passes, so a silent 24 or 144 Hz
    // shows that the clock was not passed for those rates.
    ResetHost(68);
    SVideoInputState& input = HostFixture::Input(16);
    input.bCheckByPixelClock = true;
    input.nPixelClockLimitMHz = 0;
    {
        CEdidSetDlg dlg(nullptr, 16, false);
        QLabel* pMessage = Child<QLabel>(dlg, "messageLabel");
        QPushButton* pOk = Child<QPushButton>(dlg, "okButton");
        QCOMPARE(pMessage->text(), QString("当前分辨率和帧率超出输入带宽限制。"));
        QVERIFY(!pMessage->isHidden());
        QVERIFY(!pOk->isEnabled());
        QVERIFY(Choose(Combo(dlg, "rateCombo"), "144"));
        QVERIFY(pMessage->text().isEmpty());
        QVERIFY(pMessage->isHidden());
        QVERIFY(pOk->isEnabled());
        QVERIFY(Choose(Combo(dlg, "rateCombo"), "50"));
        QVERIFY(!pOk->isEnabled());
    }

    // By area: 1920 x 1080 fits at 60 Hz but not in the 120 Hz half.
    input.bCheckByPixelClock = false;
    input.nMaxArea60 = 2073600;
    {
        CEdidSetDlg dlg(nullptr, 16, false);
        QLabel* pMessage = Child<QLabel>(dlg, "messageLabel");
        QVERIFY(pMessage->isHidden());
        QVERIFY(Choose(Combo(dlg, "rateCombo"), "120"));
        QCOMPARE(pMessage->text(), QString("当前分辨率超出该帧率下的最大带载面积。"));
        QVERIFY(!Child<QPushButton>(dlg, "okButton")->isEnabled());
    }

    // The DisplayID note is shown but does not block.
    input.nDisplayIdAboveWidth = 1000;
    CEdidSetDlg dlg(nullptr, 16, false);
    QCOMPARE(Child<QLabel>(dlg, "messageLabel")->text(), QString("已使用DisplayID 1.3扩展块"));
    QVERIFY(Child<QPushButton>(dlg, "okButton")->isEnabled());
}

void TestEdidSetDlg::WindowHeightFollowsRows()
{
    ResetHost(21); // no standard row
    HostFixture::Input(5).vecResolutions = {QSize(1920, 1080)};
    HostFixture::Input(5).baEdidRecord = Record(60, false, 1920, 1080, 0x12, 0, 0);
    {
        CEdidSetDlg dlg(nullptr, 5, false);
        QCOMPARE(dlg.height(), 167);
        QCOMPARE(dlg.width(), 300);
        g_sysName = {"kylin", "4.0.2"};
        QVERIFY(Choose(Combo(dlg, "rateCombo"), "50"));
        QCOMPARE(dlg.height(), 199);
        g_sysName = {"debian", "12"};
        QVERIFY(Choose(Combo(dlg, "resolutionCombo"), "自定义"));
        QCOMPARE(dlg.height(), 199);
    }

    // Custom row, error row and standard row.
    HostFixture::CurrentSender().Device().nModelCode = 68;
    HostFixture::Input(5).nMaxArea60 = 1000;
    HostFixture::Input(5).baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, 0);
    {
        CEdidSetDlg dlg(nullptr, 5, false);
        QCOMPARE(dlg.height(), 263);
    }

    // The connect row adds one more.
    HostFixture::CurrentSender().Device().nModelCode = 19;
    HostFixture::Input(16).baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, 1);
    HostFixture::Input(16).nMaxArea60 = 1000;
    CEdidSetDlg dlg(nullptr, 16, false);
    QVERIFY(!Child<QCheckBox>(dlg, "connectCheck")->isHidden());
    QVERIFY(Child<QCheckBox>(dlg, "connectCheck")->isChecked());
    QCOMPARE(dlg.height(), 295);
}

void TestEdidSetDlg::ResolutionPositionsAndArea()
{
    ResetHost(21);
    SVideoInputState& input = HostFixture::Input(16);
    input.vecResolutions = {QSize(3840, 2160), QSize(1920, 1080)};
    input.baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, 0);
    CEdidSetDlg dlg(nullptr, 16, false);

    QSize size;
    QVERIFY(dlg.GetResolutionByIndex(0, size));
    QCOMPARE(size, QSize(1600, 900));
    QVERIFY(dlg.GetResolutionByIndex(2, size));
    QCOMPARE(size, QSize(1920, 1080));
    size = QSize(7, 7);
    QVERIFY(!dlg.GetResolutionByIndex(3, size));
    QVERIFY(!dlg.GetResolutionByIndex(-1, size));
    QCOMPARE(size, QSize(7, 7));

    int nIndex = -5;
    QVERIFY(dlg.GetIndexByResolution(QSize(3840, 2160), nIndex));
    QCOMPARE(nIndex, 1);
    nIndex = -5;
    QVERIFY(!dlg.GetIndexByResolution(QSize(1600, 900), nIndex));
    QCOMPARE(nIndex, 0);

    QCOMPARE(dlg.GetMaxAreaByRate(), 2073600u);
    QVERIFY(Choose(Combo(dlg, "rateCombo"), "30"));
    QCOMPARE(dlg.GetMaxAreaByRate(), 4147200u);
}

void TestEdidSetDlg::OkExtendedSendsRecord_data()
{
    QTest::addColumn<int>("nModel");
    QTest::addColumn<bool>("bClickConnect");
    QTest::addColumn<QByteArray>("baExpected");

    // 1920 x 1080 chosen from the list, 59.94 Hz, 10 bit, CVT.
    QTest::newRow("model 61") << 61 << false << Record(60, true, 1920, 1080, 0x14, 1, 0);
    QTest::newRow("connect box ticked") << 19 << true << Record(60, false, 1920, 1080, 0x14, 1, 1);
    QTest::newRow("always connected") << 17 << false << Record(60, false, 1920, 1080, 0x14, 1, 1);
}

void TestEdidSetDlg::OkExtendedSendsRecord()
{
    QFETCH(int, nModel);
    QFETCH(bool, bClickConnect);
    QFETCH(QByteArray, baExpected);
    ResetHost(nModel);
    SVideoInputState& input = HostFixture::Input(16);
    input.vecResolutions = {QSize(3840, 2160), QSize(1920, 1080)};
    input.baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, 0);

    CEdidSetDlg dlg(nullptr, 16, false);
    dlg.show();
    QVERIFY(Choose(Combo(dlg, "resolutionCombo"), "1920 × 1080"));
    if (nModel == 61)
        QVERIFY(Choose(Combo(dlg, "rateCombo"), "59.94"));
    // The tick must survive the refreshes of later choices.
    if (bClickConnect)
        QTest::mouseClick(Child<QCheckBox>(dlg, "connectCheck"), Qt::LeftButton);
    QVERIFY(Choose(Combo(dlg, "depthCombo"), "10bit"));
    QVERIFY(Choose(Combo(dlg, "standardCombo"), "CVT"));
    QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);

    QCOMPARE(HostFixture::Calls(),
        QStringList({SendCall(16, baExpected), "CHwVideoSourceLogic::ApplyEdidSetting(0, 1)"}));
    QCOMPARE(input.baEdidRecord, baExpected);
    QCOMPARE(dlg.result(), 1);
    QVERIFY(!dlg.IsSetSuccessed());
    QVERIFY(CMessageBoxAnswers::ShownTexts().isEmpty());
}

void TestEdidSetDlg::OkBasicCompletes_data()
{
    QTest::addColumn<bool>("bHostSucceeds");
    QTest::newRow("host reports success") << true;
    QTest::newRow("host reports failure") << false;
}

void TestEdidSetDlg::OkBasicCompletes()
{
    QFETCH(bool, bHostSucceeds);
    ResetHost(61, false);
    SVideoInputState& input = HostFixture::Input(16);
    input.bBasicSucceeded = bHostSucceeds;
    input.baEdidRecord = Record(30, true, 1280, 720, 0x84, 1, 1);

    CEdidSetDlg dlg(nullptr, 16, false);
    dlg.show();
    QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);

    // Only rate and size travel in the basic record.
    QCOMPARE(HostFixture::Calls(),
        QStringList({SendCall(16, Record(30, false, 1280, 720, 0, 0, 0)), "CHwSenderLogic::NotifyEdidSent(0)",
            "CHwVideoSourceLogic::CompleteBasicEdid(0, 1280, 720)"}));
    QCOMPARE(dlg.result(), 1);
    QCOMPARE(dlg.IsSetSuccessed(), bHostSucceeds);
}

void TestEdidSetDlg::FailingSendStillCloses_data()
{
    QTest::addColumn<bool>("bExtended");
    QTest::newRow("extended") << true;
    QTest::newRow("basic") << false;
}

void TestEdidSetDlg::FailingSendStillCloses()
{
    QFETCH(bool, bExtended);
    ResetHost(21, bExtended);
    HostFixture::Input(16).nSendResult = -3;
    CEdidSetDlg dlg(nullptr, 16, false);
    dlg.show();
    QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);

    QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList({"保存失败。"}));
    const QStringList listCalls = HostFixture::Calls();
    QCOMPARE(listCalls.size(), 1);
    QVERIFY(listCalls.first().startsWith(c_strSend));
    QCOMPARE(dlg.result(), 1);
    QVERIFY(!dlg.isVisible());
    QVERIFY(!dlg.IsSetSuccessed());
}

void TestEdidSetDlg::InvalidPositionSendsNothing()
{
    // Input 132 falls back to position 4, which a two-entry list does not have.
    ResetHost(68);
    SVideoInputState& input = HostFixture::Input(132);
    input.vecResolutions = {QSize(3840, 2160), QSize(1920, 1080)};
    input.baEdidRecord = Record(60, false, 1600, 900, 0x12, 0, 0);
    CEdidSetDlg dlg(nullptr, 132, false);
    dlg.show();
    QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);

    QVERIFY(HostFixture::Calls().isEmpty());
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.result(), 0);
    QVERIFY(Child<CCustomSpinBox>(dlg, "widthSpin")->isEnabled());
    QVERIFY(Child<CCustomSpinBox>(dlg, "heightSpin")->isEnabled());

    // A valid choice afterwards goes through.
    QVERIFY(Choose(Combo(dlg, "resolutionCombo"), "1920 × 1080"));
    QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);
    QCOMPARE(HostFixture::Calls().size(), 2);
    QCOMPARE(dlg.result(), 1);
}

void TestEdidSetDlg::CancelWritesNothing()
{
    ResetHost(68);
    HostFixture::Input(16).vecResolutions = {QSize(1920, 1080)};
    CEdidSetDlg dlg(nullptr, 16, false);
    dlg.show();
    QVERIFY(Choose(Combo(dlg, "rateCombo"), "144"));
    QVERIFY(Choose(Combo(dlg, "depthCombo"), "12bit"));
    Child<CCustomSpinBox>(dlg, "widthSpin")->setValue(1234);
    QTest::mouseClick(Child<QPushButton>(dlg, "cancelButton"), Qt::LeftButton);

    QCOMPARE(dlg.result(), 0);
    QVERIFY(!dlg.isVisible());
    QVERIFY(HostFixture::Calls().isEmpty());
    QVERIFY(HostFixture::Input(16).baEdidRecord.isEmpty());
}

QTEST_MAIN(TestEdidSetDlg)
#include "tst_edidsetdlg.moc"
