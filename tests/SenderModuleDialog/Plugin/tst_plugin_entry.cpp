#include "CBackgroundImageDlg.h"
#include "CChromaticityDlgWnd.h"
#include "CCustomAddProcessorDlg.h"
#include "CDemoProjectConfigDlg.h"
#include "CEdidSetDlg.h"
#include "CResetCoefDlg.h"
#include "CSetCanvasDlg.h"
#include "CSetDepthRateDlg.h"
#include "CSetIPOfflineDlg.h"
#include "DialogDriver.h"
#include "HostFixture.h"
#include "RecordingLedLabel.h"
#include "SenderModuleDialogInit.h"

#include "HardwareSupport.h"
#include "KivoData.h"

#include <QAbstractSpinBox>
#include <QtTest>

#include <functional>

// The plug-in's entry, and how every exported class treats the host before a
// person touches it.
class TestPluginEntry : public QObject
{
    Q_OBJECT

private slots:
    // Every exported class can be created and destroyed by the host without
    // touching the host's data, with or without a current sender: opening is
    // reading, only confirming writes.
    void createAndDestroyWritesNothing()
    {
        const std::pair<const char*, std::function<QWidget*()>> arrDialogs[]
            = {{"EDID", [] { return new CEdidSetDlg(nullptr, 16, false); }},
                {"EDID restricted", [] { return new CEdidSetDlg(nullptr, 132, true); }},
                {"canvas", [] { return new CSetCanvasDlg(nullptr); }},
                {"depth and rate", [] { return new CSetDepthRateDlg(nullptr); }},
                {"background", [] { return new CBackgroundImageDlg(nullptr); }},
                {"offline IP batch", [] { return new CSetIPOfflineDlg(0, -1, true, true, nullptr); }},
                {"offline IP set", [] { return new CSetIPOfflineDlg(1, 3, true, true, nullptr); }},
                {"offline IP modify", [] { return new CSetIPOfflineDlg(0, 1, false, false, nullptr); }},
                {"add processor", [] { return new CCustomAddProcessorDlg(nullptr); }},
                {"demo project", [] { return new CDemoProjectConfigDlg(nullptr); }},
                {"chromaticity", [] { return new CChromaticityDlgWnd(nullptr); }}};
        for (int nSender : {0, 7}) { // 7 names no sender
            for (const auto& dialog : arrDialogs) {
                HostFixture::Reset();
                HostFixture::CurrentSender().Device().uOutputLimitFlags = 0x1800; // messages are not writes
                GetProjectData()->SetCurSenderIndex(nSender);
                delete dialog.second();
                QVERIFY2(HostFixture::Calls().isEmpty(), dialog.first);
            }
        }
    }

    // Shown again after OK, every dialog starts afresh: OK confirms once more with
    // the same writes, and Escape cancels. Without OK, Escape closes each time.
    void everyDialogShownTwice()
    {
        const std::pair<const char*, std::function<QDialog*()>> arrDialogs[]
            = {{"EDID", [] { return new CEdidSetDlg(nullptr, 16, false); }},
                {"canvas", [] { return new CSetCanvasDlg(nullptr); }},
                {"depth and rate", [] { return new CSetDepthRateDlg(nullptr); }},
                {"reset coefficient", [] { return new CResetCoefDlg(true, nullptr); }},
                {"offline IP modify", [] { return new CSetIPOfflineDlg(0, 1, false, true, nullptr); }},
                {"add processor", [] { return new CCustomAddProcessorDlg(nullptr); }},
                {"demo project", [] { return new CDemoProjectConfigDlg(nullptr); }},
                {"background", [] { return new CBackgroundImageDlg(nullptr); }}};
        for (const auto& dialog : arrDialogs) {
            HostFixture::Reset({{"project", QJsonObject {{"demoMode", true}}}}); // a short EDID wait
            QScopedPointer<QDialog> pDlg(dialog.second());
            QPushButton* pOk = DialogDriver::Button(pDlg.data(), "确定");
            pOk = pOk ? pOk : DialogDriver::Button(pDlg.data(), "确认");
            QStringList listFirst;
            for (int nShowing = 0; nShowing < 3; ++nShowing) {
                HostFixture::ClearLog();
                pDlg->open();
                const bool bOk = pOk && nShowing < 2;
                if (bOk)
                    QTest::mouseClick(pOk, Qt::LeftButton);
                else
                    QTest::keyClick(pDlg.data(), Qt::Key_Escape);
                QVERIFY2(!pDlg->isVisible() && (pDlg->result() == 1) == bOk, dialog.first); // Cancel: 0, or 2
                if (nShowing == 0)
                    listFirst = HostFixture::Calls();
                else if (bOk)
                    QCOMPARE(HostFixture::Calls(), listFirst);
            }
            const auto listFields = pDlg->findChildren<QAbstractSpinBox*>();
            for (const QAbstractSpinBox* pField : listFields)
                QVERIFY2(!pOk || pField->isEnabled(), dialog.first); // the background's follow its switch
        }
    }

    // Without a current sender these say so once; the canvas's fields are off; OK,
    // clicked or called, and Return write nothing and leave them open; Escape closes.
    void noCurrentSender()
    {
        using CDlg = QDialog*;
        const std::tuple<const char*, std::function<CDlg()>, std::function<void(CDlg)>> arrDialogs[]
            = {{"EDID", [] { return new CEdidSetDlg(nullptr, 16, false); },
                   [](CDlg p) { static_cast<CEdidSetDlg*>(p)->OnOKPushButtonClicked(); }},
                {"canvas", [] { return new CSetCanvasDlg(nullptr); },
                    [](CDlg p) { static_cast<CSetCanvasDlg*>(p)->ButtonClicked(CSetCanvasDlg::ActionOk); }},
                {"depth and rate", [] { return new CSetDepthRateDlg(nullptr); },
                    [](CDlg p) {
                        static_cast<CSetDepthRateDlg*>(p)->ButtonClicked(CSetDepthRateDlg::ActionOk);
                    }}};
        for (const auto& [pszName, fnCreate, fnOk] : arrDialogs) {
            HostFixture::Reset();
            GetProjectData()->SetCurSenderIndex(7);
            QScopedPointer<QDialog> pDlg(fnCreate());
            pDlg->show();
            for (const char* pszField : {"widthBox", "heightBox", "presetButton"}) {
                const QWidget* pField = pDlg->findChild<QWidget*>(pszField);
                QVERIFY(!pField || !pField->isEnabled() || QString(pszName) != "canvas");
            }
            QTest::mouseClick(DialogDriver::Child<QPushButton>(*pDlg, "okButton"), Qt::LeftButton);
            fnOk(pDlg.data());
            QTest::keyClick(pDlg.data(), Qt::Key_Return);
            QVERIFY2(pDlg->isVisible(), pszName);
            QTest::keyClick(pDlg.data(), Qt::Key_Escape);
            QVERIFY2(!pDlg->isVisible() && pDlg->result() != 1, pszName);
            QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList("当前没有可设置的主控。"));
            QCOMPARE(HostFixture::Calls(), QStringList());
        }
    }

    // A second call of the plug-in's entry replaces every entry and writes nothing.
    void pluginEntryReplacesEveryEntry()
    {
        HostFixture::Reset();
        CRecordingLedLabel first;
        SenderModuleDialogInit(&first);
#define ENTRY(Name)                                                                                          \
    {                                                                                                        \
        reinterpret_cast<void**>(&g_p##Name), Get##Name()                                                    \
    }
        const std::pair<void**, void*> arrEntries[] = {ENTRY(ProjectData), ENTRY(ConstantData),
            ENTRY(ConfigData), ENTRY(RuntimeData), ENTRY(MonitorData), ENTRY(HwSenderLogic),
            ENTRY(HwReceiverLogic), ENTRY(HwVideoSourceLogic), ENTRY(HwCaliSoftEdgeLogic),
            ENTRY(HwAdvancedSoftEdgeLogic), ENTRY(HwColorBrightLogic), ENTRY(HwMonitorLogic)};
#undef ENTRY
        for (const auto& entry : arrEntries)
            *entry.first = &first; // spoilt, so the second call has to write each again
        SenderModuleDialogInit(&HostFixture::Label());
        QCOMPARE(g_pLedLabel, static_cast<ILedTesselLabel*>(&HostFixture::Label()));
        for (const auto& entry : arrEntries)
            QCOMPARE(*entry.first, entry.second);
        QCOMPARE(HostFixture::Calls(), QStringList());
    }
};

QTEST_MAIN(TestPluginEntry)
#include "tst_plugin_entry.moc"
