#include "DemoEntry.h"
#include "DemoTestSupport.h"
#include "DemoTheme.h"
#include "MainWindow.h"

#include "CMessageBoxAnswers.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// Title bar and task bar take this much of a screen at the least.
const QSize g_sizeFrame(16, 80);

int MeanLightness(QWidget* pWidget)
{
    const QImage image = pWidget->grab().toImage();
    qint64 nSum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            nSum += QColor(image.pixel(x, y)).lightness();
    }
    return image.isNull() ? 255 : int(nSum / (qint64(image.width()) * image.height()));
}

bool Fits(const QSize& size, const QSize& sizeScreen)
{
    return size.width() <= sizeScreen.width() - g_sizeFrame.width()
        && size.height() <= sizeScreen.height() - g_sizeFrame.height();
}
} // namespace

class TestDemoLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The window shows the project's path; a long one must not widen it.
        const QString strFolder = "projects-of-the-display-wall-in-the-main-hall/second-floor-left-wing/"
                                  "calibration-of-march-with-the-new-processors";
        QVERIFY(DemoTestSupport::StartOnLatinSample(m_dir.filePath(strFolder + "/project.json")));
        DemoTheme::Apply(*qApp);
    }

    // Qt's own dialogs and menus are dark too, drawn that way, not only coloured.
    void qtDialogsAndMenusAreDark()
    {
        QInputDialog input;
        input.setLabelText("Sender input:");
        input.setComboBoxItems({"one", "two"});
        QFileDialog files(nullptr, "Choose", m_dir.path());
        files.setOption(QFileDialog::DontUseNativeDialog);
        QLineEdit edit;
        std::unique_ptr<QMenu> pMenu(edit.createStandardContextMenu());
        for (QWidget* pWidget : std::initializer_list<QWidget*> {&input, &files, pMenu.get()}) {
            pWidget->show();
            QApplication::processEvents();
            QVERIFY2(MeanLightness(pWidget) < 100, pWidget->metaObject()->className());
            QVERIFY(pWidget->palette().color(QPalette::WindowText).lightness() > 180);
            pWidget->hide();
        }
    }

    // A disabled button (the input dialog's OK without a choice) must look disabled.
    void disabledTextIsDimmed()
    {
        const QPalette palette = QApplication::palette();
        for (QPalette::ColorRole nRole : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text}) {
            const int nDisabled = palette.color(QPalette::Disabled, nRole).lightness();
            QVERIFY(nDisabled < palette.color(QPalette::Active, nRole).lightness() - 60);
            QVERIFY(nDisabled > palette.color(QPalette::Active, QPalette::Window).lightness() + 40);
        }
    }

    void mainWindowFitsALaptop()
    {
        CDemoMainWindow window;
        window.show();
        QApplication::processEvents();
        const QSize sizeMinimum = window.minimumSizeHint().expandedTo(window.minimumSize());
        qInfo("main window: at least %dx%d", sizeMinimum.width(), sizeMinimum.height());
        for (const QSize& sizeScreen :
            {QSize(1366, 768), QSize(960, 540)}) // the second: 1920x1080 at scale 2
            QVERIFY(Fits(sizeMinimum, sizeScreen));
        // The host's report is read, not typed into.
        auto* pReport = window.findChild<QPlainTextEdit*>();
        QVERIFY(pReport);
        QTest::keyClicks(pReport, "typed");
        QVERIFY(!pReport->toPlainText().contains("typed"));
        // It opens no larger than the screen it is on.
        QVERIFY(Fits(window.size(), QApplication::primaryScreen()->availableGeometry().size() + g_sizeFrame));
    }

    // Every dialog, in every state the gallery shows, fits half of a 1920x1080 screen.
    void dialogsFitAtScaleTwo()
    {
        CMessageBoxAnswers::Install();
        for (const SDemoEntry& entry : DemoEntries::All()) {
            if (entry.bEmbedded)
                continue;
            const QSize size = DemoTestSupport::ShowStaged(entry)->frameGeometry().size();
            QVERIFY2(Fits(size, QSize(960, 540)),
                qPrintable(QString("%1: %2x%3").arg(entry.strName).arg(size.width()).arg(size.height())));
        }
        CMessageBoxAnswers::Uninstall();
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestDemoLook)
#include "tst_demo_look.moc"
