#include "DemoEntry.h"
#include "DemoHost.h"
#include "DemoLanguage.h"
#include "DemoTheme.h"
#include "MainWindow.h"

#include "CMessageBoxAnswers.h"
#include "KivoData.h"
#include "LongTranslator.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
bool InScrollArea(const QWidget* pWidget)
{
    for (const QWidget* p = pWidget->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    }
    return false;
}

// The width a label or button gives its text; -1 for other widgets.
int TextRoom(QWidget* pWidget, QString& strText)
{
    if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
        strText = pLabel->text();
        return pLabel->wordWrap() ? -1 : pLabel->contentsRect().width() - 2 * pLabel->margin();
    }
    auto* pButton = qobject_cast<QAbstractButton*>(pWidget);
    if (!pButton)
        return -1;
    strText = pButton->text();
    QStyleOptionButton option;
    option.initFrom(pButton);
    option.text = strText;
    const bool bCheck = qobject_cast<QCheckBox*>(pButton) != nullptr;
    if (auto* pPush = qobject_cast<QPushButton*>(pButton); pPush && pPush->menu())
        option.features |= QStyleOptionButton::HasMenu;
    return pButton->style()
        ->subElementRect(
            bCheck ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, pButton)
        .width();
}

// Every visible text that does not fit its control or the dialog, and every
// focusable control without an accessible name; returns the number of those controls.
int Inspect(QWidget* pTop, const QString& strWhere, QStringList& listCut, QStringList& listUnnamed)
{
    int nFocusable = 0;
    for (QWidget* pWidget : pTop->findChildren<QWidget*>()) {
        if (!pWidget->isVisibleTo(pTop))
            continue;
        // A number box's editor is the box itself to a reader.
        const bool bPart = qobject_cast<QAbstractSpinBox*>(pWidget->parentWidget()) != nullptr;
        if ((pWidget->focusPolicy() & Qt::TabFocus) && pWidget->isEnabled() && !bPart) {
            ++nFocusable;
            QAccessibleInterface* pInterface = QAccessible::queryAccessibleInterface(pWidget);
            if (!pInterface || pInterface->text(QAccessible::Name).trimmed().isEmpty())
                listUnnamed << strWhere + ": " + pWidget->metaObject()->className() + " "
                        + pWidget->objectName();
        }
        QString strText;
        const int nRoom = TextRoom(pWidget, strText);
        if (strText.isEmpty() || InScrollArea(pWidget))
            continue;
        const int nNeeded = pWidget->fontMetrics().horizontalAdvance(strText);
        const QRect rectInTop(pWidget->mapTo(pTop, QPoint()), pWidget->size());
        if ((nRoom >= 0 && nNeeded > nRoom) || !pTop->rect().contains(rectInTop))
            listCut << QString("%1: \"%2\" needs %3, has %4").arg(strWhere, strText).arg(nNeeded).arg(nRoom);
    }
    return nFocusable;
}

// Two colours a person tells apart at a glance.
bool Differs(const QColor& colour1, const QColor& colour2)
{
    return qAbs(colour1.lightness() - colour2.lightness()) + qAbs(colour1.hue() - colour2.hue()) >= 40;
}

// How many pixels of pWidget focus changes clearly enough to be seen; only
// its outline counts when bOutline (a blinking caret inside does not show focus).
int FocusPixels(QWidget* pWidget, bool bOutline)
{
    QWidget* pWindow = pWidget->window();
    QApplication::setActiveWindow(pWindow);
    pWindow->setAttribute(Qt::WA_KeyboardFocusChange); // as a Tab press leaves it
    pWidget->clearFocus();
    QApplication::processEvents();
    const QImage imageBlurred = pWidget->grab().toImage();
    pWidget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage imageFocused = pWidget->grab().toImage();
    const bool bFocused = pWidget->hasFocus();
    pWidget->clearFocus();
    if (!bFocused || imageFocused.size() != imageBlurred.size())
        return 0;
    int nPixels = 0;
    for (int y = 0; y < imageFocused.height(); ++y) {
        for (int x = 0; x < imageFocused.width(); ++x) {
            const bool bEdge
                = x == 0 || y == 0 || x == imageFocused.width() - 1 || y == imageFocused.height() - 1;
            nPixels += (bEdge || !bOutline)
                && Differs(imageFocused.pixelColor(x, y), imageBlurred.pixelColor(x, y));
        }
    }
    return nPixels;
}
} // namespace

// Every dialog in every state the gallery shows, in both languages and at the
// scale factor this run was started with.
class TestTextFit : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QString strError; // a new project starts as the sample
        QVERIFY2(DemoHost::Start(m_dir.filePath("project.json"), &strError), qPrintable(strError));
        DemoTheme::Apply(*qApp);
        CMessageBoxAnswers::Install();
    }
    void cleanupTestCase() { CMessageBoxAnswers::Uninstall(); }

    void everyTextFitsAndEveryControlIsNamed_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* pszLanguage : {"zh_CN", "en", "long"})
            QTest::newRow(pszLanguage) << QString(pszLanguage);
    }
    void everyTextFitsAndEveryControlIsNamed()
    {
        QFETCH(QString, language);
        QString strError;
        QVERIFY2(
            DemoLanguage::Install(language == "long" ? "en" : language, TRANSLATIONS_BUILD_DIR, &strError),
            qPrintable(strError));
        CLongTranslator translator;
        if (language == "long")
            QVERIFY(
                translator.Load(TRANSLATIONS_BUILD_DIR) && QCoreApplication::installTranslator(&translator));
        // The Chinese texts fit the fixed sizes, which they keep.
        const QMap<QString, QSize> mapChineseSizes {{"Canvas size", {300, 125}},
            {"Frame rate and colour depth", {348, 130}}, {"Reset seam coefficient", {270, 105}},
            {"Background image", {330, 135}}, {"Offline IP - batch add", {330, 125}},
            {"Demo project", {285, 120}}};
        QStringList listCut, listUnnamed;
        int nControls = 0;
        for (const SDemoEntry& entry : DemoEntries::All()) {
            if (entry.bEmbedded)
                continue;
            const std::unique_ptr<QWidget> pWidget = DemoEntries::OpenStaged(entry);
            nControls += Inspect(pWidget.get(), entry.strName, listCut, listUnnamed);
            // It fits half of a 1920x1080 screen, less the title and task bars.
            const QSize sizeFrame = pWidget->frameGeometry().size();
            QVERIFY2(sizeFrame.width() <= 944 && sizeFrame.height() <= 460, qPrintable(entry.strName));
            if (language == "zh_CN" && mapChineseSizes.contains(entry.strName)) {
                QCOMPARE(pWidget->size(), mapChineseSizes[entry.strName]);
                for (const QLabel* pLabel : pWidget->findChildren<QLabel*>()) {
                    if (pLabel->minimumWidth() == pLabel->maximumWidth() && !pLabel->text().isEmpty())
                        QVERIFY2(
                            QList<int>({20, 80, 90}).contains(pLabel->width()), qPrintable(pLabel->text()));
                }
            }
        }
        QVERIFY(nControls >= 46);
        QVERIFY2(listCut.isEmpty(), qPrintable(listCut.join('\n')));
        QVERIFY2(listUnnamed.isEmpty(), qPrintable(listUnnamed.join('\n')));
    }

    // In the dark theme focus shows on the address editors, the transparency
    // slider and the main window's first Tab stop.
    void focusIsVisible()
    {
        int nChecked = 0;
        for (const SDemoEntry& entry : DemoEntries::All()) {
            const std::unique_ptr<QWidget> pWidget = DemoEntries::OpenStaged(entry);
            QList<QWidget*> listControls;
            for (QLineEdit* pEdit : pWidget->findChildren<QLineEdit*>()) {
                if (entry.strName.startsWith("Offline IP") && pEdit->isVisibleTo(pWidget.get())
                    && !qobject_cast<QAbstractSpinBox*>(pEdit->parentWidget()))
                    listControls << pEdit;
            }
            listControls << pWidget->findChild<QSlider*>("transparencySlider");
            listControls.removeAll(nullptr);
            for (QWidget* pControl : listControls) {
                pControl->setEnabled(true); // as once the background is switched on
                const int nPixels = FocusPixels(pControl, true);
                QVERIFY2(
                    nPixels >= pControl->width(), qPrintable(entry.strName + ": " + pControl->objectName()));
                ++nChecked;
            }
        }
        QVERIFY(nChecked >= 4);
        // The main window's first stop, reached as a person does, with Tab.
        CDemoMainWindow window;
        window.show();
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, Qt::Key_Tab);
        QWidget* pFocus = QApplication::focusWidget();
        QVERIFY(pFocus && pFocus->window() == &window);
        QVERIFY2(FocusPixels(pFocus, false) >= 40, pFocus->metaObject()->className());
    }

    // The EDID entry asks for a sender input by row: two rows that read alike
    // still open different senders.
    void edidEntryTakesTheChosenRow()
    {
        CProjectData* pProject = GetProjectData();
        CSender* pFirst = pProject->GetSender(0);
        CSender* pSecond = pProject->GetSender(1);
        QVERIFY(pFirst && pSecond && !pFirst->Device().vecInputs.isEmpty());
        pSecond->SetName(pFirst->GetName());
        pSecond->Device().nModelCode = pFirst->Device().nModelCode;
        pSecond->Device().vecInputs = pFirst->Device().vecInputs;
        const int nSecondsFirstRow = pFirst->Device().vecInputs.size();
        QWidget parent;
        QTimer::singleShot(0, [nSecondsFirstRow] {
            auto* pInput = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!pInput)
                return;
            pInput->findChild<QComboBox*>()->setCurrentIndex(nSecondsFirstRow);
            pInput->accept();
        });
        for (const SDemoEntry& entry : DemoEntries::All()) {
            if (entry.strName == "EDID settings") {
                const std::unique_ptr<QWidget> pDialog(entry.fnCreate(&parent));
                QCOMPARE(pProject->GetCurSenderIndex(), 1);
                return;
            }
        }
        QFAIL("no EDID settings entry");
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_text_fit.moc"
