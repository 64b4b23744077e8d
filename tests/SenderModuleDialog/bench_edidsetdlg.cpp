#include "CEdidSetDlg.h"

#include "CCustomComboBox.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QtTest>

// Every choice rebuilds the view and asks the host's check, so opening and one
// refresh must stay well below a frame.
class BenchEdidSetDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        HostFixture::Reset();
        HostFixture::CurrentSender().Device().nModelCode = 68;
        HostFixture::Input(16).bCheckByPixelClock = true;
        HostFixture::Input(16).vecResolutions = {QSize(3840, 2160), QSize(1920, 1080), QSize(1280, 720)};
    }
    void OpenDialog()
    {
        QBENCHMARK
        {
            CEdidSetDlg dlg(nullptr, 16, false);
        }
    }
    void ChangeRate()
    {
        CEdidSetDlg dlg(nullptr, 16, false);
        auto* pRate = dlg.findChild<CCustomComboBox*>("rateCombo");
        QVERIFY(pRate && pRate->Count() > 1);
        int nIndex = 0;
        QBENCHMARK
        {
            pRate->ActivateIndex(nIndex);
            nIndex = (nIndex + 1) % pRate->Count();
        }
    }
};

QTEST_MAIN(BenchEdidSetDlg)
#include "bench_edidsetdlg.moc"
