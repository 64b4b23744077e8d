#include "CBackgroundImageDlg.h"
#include "CChromaticityDlgWnd.h"
#include "CCustomAddProcessorDlg.h"
#include "CDemoProjectConfigDlg.h"
#include "CEdidSetDlg.h"
#include "CSetCanvasDlg.h"
#include "CSetDepthRateDlg.h"
#include "CSetIPOfflineDlg.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QtTest>

#include <functional>
#include <memory>

using Factory = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Factory)

// Every exported class can be created and destroyed by the host without
// touching the host's data: opening is reading, only confirming writes.
class TestDialogLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void createAndDestroyWritesNothing_data()
    {
        QTest::addColumn<Factory>("create");
        QTest::addColumn<bool>("bWithoutSender"); // the current index names no sender
        const QVector<QPair<const char*, Factory>> vecSenderDialogs {
            {"EDID", [] { return new CEdidSetDlg(nullptr, 16, false); }},
            {"canvas", [] { return new CSetCanvasDlg(nullptr); }},
            {"depth and rate", [] { return new CSetDepthRateDlg(nullptr); }},
            {"background", [] { return new CBackgroundImageDlg(nullptr); }}};
        for (const auto& dialog : vecSenderDialogs) {
            QTest::addRow("%s", dialog.first) << dialog.second << false;
            QTest::addRow("%s without sender", dialog.first) << dialog.second << true;
        }
        QTest::newRow("EDID restricted")
            << Factory([] { return new CEdidSetDlg(nullptr, 132, true); }) << false;
        QTest::newRow("offline IP batch")
            << Factory([] { return new CSetIPOfflineDlg(0, -1, true, true, nullptr); }) << false;
        QTest::newRow("offline IP set")
            << Factory([] { return new CSetIPOfflineDlg(1, 3, true, true, nullptr); }) << false;
        QTest::newRow("offline IP modify")
            << Factory([] { return new CSetIPOfflineDlg(0, 1, false, false, nullptr); }) << false;
        QTest::newRow("add processor")
            << Factory([] { return new CCustomAddProcessorDlg(nullptr); }) << false;
        QTest::newRow("demo project") << Factory([] { return new CDemoProjectConfigDlg(nullptr); }) << false;
        QTest::newRow("chromaticity") << Factory([] { return new CChromaticityDlgWnd(nullptr); }) << false;
    }

    void createAndDestroyWritesNothing()
    {
        QFETCH(Factory, create);
        QFETCH(bool, bWithoutSender);
        HostFixture::Reset();
        HostFixture::CurrentSender().Device().uOutputLimitFlags
            = 0x1800; // messages on opening are not writes
        if (bWithoutSender)
            GetProjectData()->SetCurSenderIndex(7);
        std::unique_ptr<QWidget> pWidget(create());
        QVERIFY(pWidget);
        pWidget.reset();
        QCOMPARE(HostFixture::Calls(), QStringList());
    }
};

QTEST_MAIN(TestDialogLifecycle)
#include "tst_dialog_lifecycle.moc"
