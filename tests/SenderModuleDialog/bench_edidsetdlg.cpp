#include "CEdidSetDlg.h"
#include "EdidOptions.h"

#include "CCustomComboBox.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QtTest>

// The dialog rebuilds its view and asks the host's check on every keystroke in
// the size fields, so opening and one refresh must stay well below a frame.
class BenchEdidSetDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void OpenDialog();
    void ChangeRate();
    void FormatCheckByClock();
};

void BenchEdidSetDlg::initTestCase()
{
    HostFixture::Reset();
    HostFixture::CurrentSender().Device().nModelCode = 68;
    SVideoInputState& input = HostFixture::Input(16);
    input.bCheckByPixelClock = true;
    input.vecResolutions = {QSize(3840, 2160), QSize(2560, 1440), QSize(1920, 1080), QSize(1280, 720)};
}

void BenchEdidSetDlg::OpenDialog()
{
    QBENCHMARK
    {
        CEdidSetDlg dlg(nullptr, 16, false);
    }
}

void BenchEdidSetDlg::ChangeRate()
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

void BenchEdidSetDlg::FormatCheckByClock()
{
    // CVT-RB arithmetic for a size outside the standard table.
    quint32 uSum = 0;
    QBENCHMARK
    {
        uSum += EdidOptions::FormatCheckValue(true, 6, 3840, 2160, 0, 2073600);
    }
    QVERIFY(uSum > 0);
}

QTEST_MAIN(BenchEdidSetDlg)
#include "bench_edidsetdlg.moc"
