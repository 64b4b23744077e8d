#include "HardwareSupport.h"
#include "HostFixture.h"
#include "KivoData.h"
#include "RecordingLedLabel.h"
#include "SenderModuleDialogInit.h"

#include <QtTest>

class TestPluginEntry : public QObject
{
    Q_OBJECT

private slots:
    void secondCallReplacesEveryEntry()
    {
        CRecordingLedLabel first;
        CRecordingLedLabel second;
        SenderModuleDialogInit(&first);
        QCOMPARE(g_pLedLabel, static_cast<ILedTesselLabel*>(&first));

        // Spoil every entry so the second call has to write each one again.
        void** ppEntries[] = {
            reinterpret_cast<void**>(&g_pProjectData),
            reinterpret_cast<void**>(&g_pConstantData),
            reinterpret_cast<void**>(&g_pConfigData),
            reinterpret_cast<void**>(&g_pRuntimeData),
            reinterpret_cast<void**>(&g_pMonitorData),
            reinterpret_cast<void**>(&g_pHwSenderLogic),
            reinterpret_cast<void**>(&g_pHwReceiverLogic),
            reinterpret_cast<void**>(&g_pHwVideoSourceLogic),
            reinterpret_cast<void**>(&g_pHwCaliSoftEdgeLogic),
            reinterpret_cast<void**>(&g_pHwAdvancedSoftEdgeLogic),
            reinterpret_cast<void**>(&g_pHwColorBrightLogic),
            reinterpret_cast<void**>(&g_pHwMonitorLogic),
        };
        for (void** ppEntry : ppEntries)
            *ppEntry = nullptr;

        SenderModuleDialogInit(&second);
        QCOMPARE(g_pLedLabel, static_cast<ILedTesselLabel*>(&second));
        QCOMPARE(g_pProjectData, GetProjectData());
        QCOMPARE(g_pConstantData, GetConstantData());
        QCOMPARE(g_pConfigData, GetConfigData());
        QCOMPARE(g_pRuntimeData, GetRuntimeData());
        QCOMPARE(g_pMonitorData, GetMonitorData());
        QCOMPARE(g_pHwSenderLogic, GetHwSenderLogic());
        QCOMPARE(g_pHwReceiverLogic, GetHwReceiverLogic());
        QCOMPARE(g_pHwVideoSourceLogic, GetHwVideoSourceLogic());
        QCOMPARE(g_pHwCaliSoftEdgeLogic, GetHwCaliSoftEdgeLogic());
        QCOMPARE(g_pHwAdvancedSoftEdgeLogic, GetHwAdvancedSoftEdgeLogic());
        QCOMPARE(g_pHwColorBrightLogic, GetHwColorBrightLogic());
        QCOMPARE(g_pHwMonitorLogic, GetHwMonitorLogic());
        for (void** ppEntry : ppEntries)
            QVERIFY(*ppEntry != nullptr);
    }

    void entryWritesNothingToTheHost()
    {
        HostFixture::Reset();
        SenderModuleDialogInit(&HostFixture::Label());
        QVERIFY(HostFixture::Calls().isEmpty());
    }
};

QTEST_MAIN(TestPluginEntry)
#include "tst_plugin_entry.moc"
