#include "CBackgroundImageDlg.h"
#include "CCustomAddProcessorDlg.h"
#include "CEdidSetDlg.h"
#include "CResetCoefDlg.h"
#include "CSetCanvasDlg.h"
#include "CSetDepthRateDlg.h"
#include "CSetIPOfflineDlg.h"
#include "DialogDriver.h"
#include "Language.h"

#include "CCustomComboBox.h"
#include "CCustomIPEdit.h"
#include "CCustomLabel.h"
#include "CCustomSpinBox.h"
#include "KivoData.h"

#include <QDoubleSpinBox>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace DialogDriver;

namespace {
// The entry of a menu box that carries nValue; -1 when none does.
int EntryOf(const CCustomComboBox* pCombo, int nValue)
{
    for (int i = 0; i < pCombo->Count(); ++i) {
        if (pCombo->ItemAt(i)->data().toInt() == nValue)
            return i;
    }
    return -1;
}

// Picks the entry carrying nValue from the box's menu, as a person does.
bool ChooseValue(const QObject& dlg, const char* pszCombo, int nValue)
{
    auto* pCombo = Child<CCustomComboBox>(dlg, pszCombo);
    return pCombo->ActivateIndex(EntryOf(pCombo, nValue));
}

// The button Return presses, whatever it reads in this language.
QPushButton* OkButton(QWidget& dlg)
{
    for (QPushButton* pButton : dlg.findChildren<QPushButton*>()) {
        if (pButton->isDefault())
            return pButton;
    }
    qFatal("no default button");
    return nullptr;
}

void ClickOk(QWidget& dlg)
{
    QTest::mouseClick(OkButton(dlg), Qt::LeftButton);
}

SSenderDeviceState& Device()
{
    return HostFixture::CurrentSender().Device();
}
} // namespace

// Every dialog keeps what a person chooses, in Chinese and in English alike:
// values travel as data, the texts only show them.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data() { Language::AddRows(); }
    void init()
    {
        QVERIFY(Language::InstallFromData());
        HostFixture::Reset();
    }
    void cleanupTestCase() { Language::Install("zh_CN"); }

    // A 50 Hz sender is never limit-checked, and the depth picked is stored.
    void depthAndRate()
    {
        HostFixture::CurrentSender().SetFrameRate(50);
        Device().uOutputLimitFlags = 1u << 11;
        HostFixture::ClearLog();
        CSetDepthRateDlg dlg;
        dlg.show();
        auto* pRate = Child<CCustomComboBox>(dlg, "rateCombo");
        auto* pDepth = Child<CCustomComboBox>(dlg, "depthCombo");
        // One spelling: the opening text is the checked entry's.
        QCOMPARE(pRate->text(), pRate->ItemAt(EntryOf(pRate, 50))->text());
        QCOMPARE(pDepth->text(), pDepth->ItemAt(EntryOf(pDepth, 8))->text());
        QVERIFY(ChooseValue(dlg, "depthCombo", 10));
        QVERIFY(Child<CCustomLabel>(dlg, "messageLabel")->isHidden());
        QVERIFY(ChooseValue(dlg, "depthCombo", 12));
        ClickOk(dlg);
        QCOMPARE(HostFixture::Calls(),
            QStringList({"CSender::SetColorDepth(12)", "CSender::SetFrameRate(50)",
                "ILedTesselLabel::Notify(3072, 0, 1, 0)"}));

        HostFixture::Reset();
        CSetDepthRateDlg other;
        other.show();
        QVERIFY(ChooseValue(other, "rateCombo", 120) && ChooseValue(other, "depthCombo", 10));
        ClickOk(other);
        QCOMPARE(HostFixture::Calls().mid(0, 2),
            QStringList({"CSender::SetColorDepth(10)", "CSender::SetFrameRate(120)"}));
    }

    // A preset picked after a custom size is what OK keeps; limits are grouped numbers.
    void canvas()
    {
        CSetCanvasDlg dlg;
        dlg.show();
        TypeInto(Child<QDoubleSpinBox>(dlg, "widthBox"), "2000");
        QVERIFY(ChooseValue(dlg, "presetButton", 1));
        QCOMPARE(Child<QDoubleSpinBox>(dlg, "widthBox")->value(), 3840.0);
        ClickOk(dlg);
        QCOMPARE(dlg.GetCanvasSize(), QSize(3840, 2160));

        Device().bRestricted = true;
        Device().nCanvasMaxArea = 1000000;
        CSetCanvasDlg limited;
        limited.show();
        QVERIFY(Child<CCustomLabel>(limited, "errorLabel")->text().contains("1,000,000"));
    }

    void resetCoefficient()
    {
        CResetCoefDlg dlg(true);
        dlg.SetValue(1.0f);
        dlg.show();
        TypeInto(Child<QDoubleSpinBox>(dlg, "valueBox"), "0.25");
        ClickOk(dlg);
        QCOMPARE(dlg.GetValue(), 0.25f);
    }

    // Stretch and 1:1 reach the sender's record through the picked entry.
    void backgroundFit()
    {
        QTemporaryDir dir;
        HostFixture::Reset(QJsonObject {{"constant", QJsonObject {{"backgroundFolder", dir.path()}}}});
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(GetConstantData()->GetSenderBKImgName(0, true)));
        HostFixture::CurrentSender().SetBackground(128, 1, 0);
        CBackgroundImageDlg dlg;
        dlg.show();
        auto* pFit = Child<CCustomComboBox>(dlg, "fitButton");
        for (int nStretch : {1, 0}) {
            HostFixture::ClearLog();
            QVERIFY(pFit->ActivateIndex(nStretch));
            QCOMPARE(
                HostFixture::Calls().value(0), QString("CSender::SetBackground(128, 1, %1)").arg(nStretch));
        }
    }

    // The EDID dialog sends the depth and format picked; its depth reads as the depth dialog's.
    void edid()
    {
        HostFixture::Reset({{"project", QJsonObject {{"demoMode", true}}},
            {"hardware", QJsonObject {{"extendedEdid", true}}}});
        Device().nModelCode = 61;
        HostFixture::Input(16).vecResolutions = {QSize(1920, 1080)};
        CEdidSetDlg dlg(nullptr, 16, false);
        dlg.show();
        QVERIFY(ChooseValue(dlg, "resolutionCombo", 1) && ChooseValue(dlg, "depthCombo", 2)
            && ChooseValue(dlg, "formatCombo", 3));
        if (Language::Current() == "en")
            QCOMPARE(Child<CCustomComboBox>(dlg, "depthCombo")->text(), QString("12-bit"));
        ClickOk(dlg);
        const QByteArray baRecord = HostFixture::Input(16).baEdidRecord;
        unsigned char ucColor = 0;
        for (unsigned char uc : baRecord) // the colour byte is the only one with bits 3 and 7 alone set
            ucColor = (uc == 0x88) ? uc : ucColor;
        QCOMPARE(int(ucColor), 0x88);
    }

    // Typed addresses and counts, a chosen port count: none of it depends on the texts.
    void processorNetwork()
    {
        CSetIPOfflineDlg batch(0, -1, true, true);
        batch.show();
        TypeInto(batch.findChild<CCustomSpinBox*>(), "2");
        TypeInto(batch.findChild<CCustomIPEdit*>(), "192.168.1.50");
        ClickOk(batch);
        const QStringList listCalls = HostFixture::Calls().filter("AddSpecifiedIP");
        QCOMPARE(listCalls.size(), 2);
        QVERIFY(listCalls.first().contains("192.168.1.50"));

        CCustomAddProcessorDlg add;
        add.show();
        auto* pPorts = add.findChild<CCustomComboBox*>();
        QVERIFY(pPorts && pPorts->ActivateIndex(EntryOf(pPorts, 80)));
        ClickOk(add);
        QCOMPARE(add.GetPortCount(), 80);
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
