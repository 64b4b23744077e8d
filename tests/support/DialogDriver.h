#pragma once

#include "CMessageBoxAnswers.h"
#include "HostFixture.h"

#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <functional>

class CCustomComboBox;

// Driving a dialog as a person does, and what every dialog owes its user.
namespace DialogDriver {
// A renamed or missing widget stops the run instead of crashing it.
template <typename T> T* Child(const QObject& parent, const char* pszName)
{
    T* pChild = parent.findChild<T*>(pszName);
    if (!pChild)
        qFatal("no child %s", pszName);
    return pChild;
}
QStringList MenuTexts(const CCustomComboBox* pCombo);
// The text of the menu's checked entry; empty when none is.
QString CheckedEntry(const QObject& dlg, const char* pszCombo);
// Picks the entry with this text from the menu; false when the menu lacks it.
bool Choose(const QObject& dlg, const char* pszCombo, const QString& strText);
void Click(const QObject& dlg, const char* pszButton);
// Return or Escape on pFocus, or 0: a click on the dialog's "cancelButton".
void EndWith(QDialog& dlg, QWidget* pFocus, int nKey);
// OK is the dialog's default button and pOther never becomes one.
bool OkIsDefault(const QDialog& dlg, const QPushButton* pOther);

// Replaces an editor's or a number box's text by typing, as a person does.
inline void TypeInto(QWidget* pEditor, const QString& strText)
{
    QTest::keyClick(pEditor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pEditor, Qt::Key_Backspace);
    QTest::keyClicks(pEditor, strText);
}

// A person's double click: press, release, a double-click press and its release.
inline void DoubleClick(QWidget* pWidget)
{
    QTest::mouseClick(pWidget, Qt::LeftButton);
    QTest::mouseDClick(pWidget, Qt::LeftButton);
    QTest::mouseRelease(pWidget, Qt::LeftButton);
}

// The dialog's push button with this text; a menu box showing it does not count.
inline QPushButton* Button(QWidget* pDialog, const QString& strText)
{
    for (QPushButton* pButton : pDialog->findChildren<QPushButton*>()) {
        if (pButton->text() == strText && !pButton->menu())
            return pButton;
    }
    return nullptr;
}

// Double clicks OK; the number of times the dialog finished.
inline int DoubleClickOk(QDialog& dlg, const QString& strOk = QStringLiteral("确定"))
{
    QSignalSpy spyFinished(&dlg, &QDialog::finished);
    DoubleClick(Button(&dlg, strOk));
    return spyFinished.count();
}

// Return in pFocus; true when the dialog closed without opening the menu.
inline bool ReturnConfirmsWithoutMenu(QWidget* pFocus, QMenu* pMenu)
{
    QSignalSpy spyMenu(pMenu, &QMenu::aboutToShow);
    QTimer::singleShot(0, pMenu, &QMenu::close); // a menu that opens must not hang the test
    QTest::keyClick(pFocus, Qt::Key_Return);
    return spyMenu.isEmpty() && !pFocus->window()->isVisible();
}

// Cancel, then Escape, each after fnEdit (which returns the widget it leaves
// focused): one close with result 0, no message, nothing written.
inline void CheckCancelAndEscape(
    const std::function<QDialog*()>& fnCreate, const std::function<QWidget*(QDialog&)>& fnEdit)
{
    for (bool bEscape : {false, true}) {
        QScopedPointer<QDialog> pDlg(fnCreate());
        QSignalSpy spyFinished(pDlg.data(), &QDialog::finished);
        pDlg->open();
        QWidget* pFocus = fnEdit(*pDlg);
        if (bEscape)
            QTest::keyClick(pFocus, Qt::Key_Escape);
        else
            QTest::mouseClick(Button(pDlg.data(), "取消"), Qt::LeftButton);
        QVERIFY(!pDlg->isVisible());
        QCOMPARE(spyFinished.count(), 1);
        QCOMPARE(pDlg->result(), 0);
        QCOMPARE(HostFixture::Calls(), QStringList());
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList());
    }
}

} // namespace DialogDriver
