#include "CEdidSetDlg.h"

#include "CCustomComboBox.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

// The computer's own mode is marked in device pixels: at scale factor 2 the
// screen's logical size is half of the mode the input receives.
class TestEdidDesktop : public QObject
{
    Q_OBJECT

private slots:
    void MarksTheModeInDevicePixels()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        const QSize sizeLogical = QGuiApplication::primaryScreen()->size();
        const QSize sizeDevice = sizeLogical * 2;
        HostFixture::Reset();
        HostFixture::Input(16).vecResolutions = {sizeLogical, sizeDevice};
        CEdidSetDlg dlg(nullptr, 16, false);
        auto* pCombo = dlg.findChild<CCustomComboBox*>("resolutionCombo");
        const QString strDevice = QString("%1 × %2").arg(sizeDevice.width()).arg(sizeDevice.height());
        QCOMPARE(
            pCombo->ItemAt(1)->text(), QString("%1 × %2").arg(sizeLogical.width()).arg(sizeLogical.height()));
        QCOMPARE(pCombo->ItemAt(2)->text(), strDevice + " (电脑)");
        QVERIFY(pCombo->ActivateIndex(2));
        QCOMPARE(pCombo->text(), QString(strDevice).remove(' ') + "(电脑)");
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestEdidDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_edid_desktop.moc"
