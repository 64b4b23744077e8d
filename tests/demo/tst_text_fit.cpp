#include "DemoEntry.h"
#include "DemoHost.h"
#include "DemoLanguage.h"
#include "DemoTheme.h"
#include "MainWindow.h"

#include "CMessageBoxAnswers.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
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
// focusable control without an accessible name.
void Inspect(QWidget* pTop, const QString& strWhere, QStringList& listCut, QStringList& listUnnamed)
{
    for (QWidget* pWidget : pTop->findChildren<QWidget*>()) {
        if (!pWidget->isVisibleTo(pTop))
            continue;
        // A number box's editor is the box itself to a reader.
        const bool bPart = qobject_cast<QAbstractSpinBox*>(pWidget->parentWidget()) != nullptr;
        if ((pWidget->focusPolicy() & Qt::TabFocus) && pWidget->isEnabled() && !bPart) {
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
}

// What focus changes on pWidget's picture.
bool FocusShows(QWidget* pWidget)
{
    QWidget* pWindow = pWidget->window();
    QApplication::setActiveWindow(pWindow);
    pWindow->setAttribute(Qt::WA_KeyboardFocusChange); // as a Tab press leaves it
    pWidget->clearFocus();
    QApplication::processEvents();
    const QImage imageBlurred = pWidget->grab().toImage();
    pWidget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const bool bShows = pWidget->hasFocus() && pWidget->grab().toImage() != imageBlurred;
    pWidget->clearFocus();
    return bShows;
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
        QString strError;
        QVERIFY(QFile::copy(":/demo/SampleProject.json", m_dir.filePath("project.json")));
        QFile::setPermissions(
            m_dir.filePath("project.json"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY2(DemoHost::Start(m_dir.filePath("project.json"), &strError), qPrintable(strError));
        DemoTheme::Apply(*qApp);
        CMessageBoxAnswers::Install();
    }
    void cleanupTestCase() { CMessageBoxAnswers::Uninstall(); }

    void everyTextFitsAndEveryControlIsNamed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("zh_CN") << "zh_CN";
        QTest::newRow("en") << "en";
    }
    void everyTextFitsAndEveryControlIsNamed()
    {
        QFETCH(QString, language);
        QString strError;
        QVERIFY2(DemoLanguage::Install(language, TRANSLATIONS_BUILD_DIR, &strError), qPrintable(strError));
        QStringList listCut, listUnnamed;
        int nDialogs = 0;
        for (const SDemoEntry& entry : DemoEntries::All()) {
            if (entry.bEmbedded)
                continue;
            const std::unique_ptr<QWidget> pWidget = DemoEntries::OpenStaged(entry);
            Inspect(pWidget.get(), entry.strName, listCut, listUnnamed);
            ++nDialogs;
        }
        QVERIFY(nDialogs >= 10);
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
                if (entry.strName.startsWith("Offline IP") && pEdit->isVisibleTo(pWidget.get()))
                    listControls << pEdit;
            }
            listControls << pWidget->findChild<QSlider*>("transparencySlider");
            listControls.removeAll(nullptr);
            for (QWidget* pControl : listControls) {
                pControl->setEnabled(true); // as once the background is switched on
                QVERIFY2(FocusShows(pControl), qPrintable(entry.strName + ": " + pControl->objectName()));
                ++nChecked;
            }
        }
        QVERIFY(nChecked >= 4);
        CDemoMainWindow window;
        window.show();
        QWidget* pFirst = window.nextInFocusChain();
        while (pFirst != &window && !(pFirst->focusPolicy() & Qt::TabFocus && pFirst->isVisible()))
            pFirst = pFirst->nextInFocusChain();
        QVERIFY2(FocusShows(pFirst), pFirst->metaObject()->className());
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_text_fit.moc"
