#include "CBackgroundImageDlg.h"
#include "CChromaticityDlgWnd.h"
#include "CCustomAddProcessorDlg.h"
#include "CDemoProjectConfigDlg.h"
#include "CEdidSetDlg.h"
#include "CResetCoefDlg.h"
#include "CSetCanvasDlg.h"
#include "CSetDepthRateDlg.h"
#include "CSetIPOfflineDlg.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(std::function<QWidget*()>)

// Every exported class can be created and destroyed by the host without
// touching the host's data: opening is reading, only confirming writes.
class TestDialogLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void createAndDestroyWritesNothing_data()
    {
        QTest::addColumn<std::function<QWidget*()>>("create");
        using Factory = std::function<QWidget*()>;
        QTest::newRow("EDID") << Factory([] { return new CEdidSetDlg(nullptr, 16, false); });
        QTest::newRow("EDID restricted") << Factory([] { return new CEdidSetDlg(nullptr, 132, true); });
        QTest::newRow("offline IP batch")
            << Factory([] { return new CSetIPOfflineDlg(0, -1, true, true, nullptr); });
        QTest::newRow("offline IP set")
            << Factory([] { return new CSetIPOfflineDlg(1, 3, true, true, nullptr); });
        QTest::newRow("offline IP modify")
            << Factory([] { return new CSetIPOfflineDlg(0, 1, false, false, nullptr); });
        QTest::newRow("add processor") << Factory([] { return new CCustomAddProcessorDlg(nullptr); });
        QTest::newRow("demo project") << Factory([] { return new CDemoProjectConfigDlg(nullptr); });
        QTest::newRow("canvas") << Factory([] { return new CSetCanvasDlg(nullptr); });
        QTest::newRow("depth and rate") << Factory([] { return new CSetDepthRateDlg(nullptr); });
        QTest::newRow("reset calibration") << Factory([] { return new CResetCoefDlg(true, nullptr); });
        QTest::newRow("reset seam") << Factory([] { return new CResetCoefDlg(false, nullptr); });
        QTest::newRow("background") << Factory([] { return new CBackgroundImageDlg(nullptr); });
        // A project whose current index names no sender: a message, no crash, no write.
        const auto fnWithoutSender = [](Factory fnCreate) {
            return Factory([fnCreate] {
                GetProjectData()->SetCurSenderIndex(7);
                return fnCreate();
            });
        };
        QTest::newRow("canvas without sender") << fnWithoutSender([] { return new CSetCanvasDlg(nullptr); });
        QTest::newRow("depth and rate without sender")
            << fnWithoutSender([] { return new CSetDepthRateDlg(nullptr); });
        QTest::newRow("background without sender")
            << fnWithoutSender([] { return new CBackgroundImageDlg(nullptr); });
        QTest::newRow("EDID without sender")
            << fnWithoutSender([] { return new CEdidSetDlg(nullptr, 16, false); });
        QTest::newRow("chromaticity") << Factory([] { return new CChromaticityDlgWnd(nullptr); });
    }

    void createAndDestroyWritesNothing()
    {
        QFETCH(std::function<QWidget*()>, create);
        HostFixture::Reset();
        HostFixture::CurrentSender().Device().uOutputLimitFlags
            = 0x1800; // messages on opening are not writes
        std::unique_ptr<QWidget> pWidget(create());
        QVERIFY(pWidget);
        pWidget.reset();
        QCOMPARE(HostFixture::Calls(), QStringList());
    }
};

QTEST_MAIN(TestDialogLifecycle)
#include "tst_dialog_lifecycle.moc"
