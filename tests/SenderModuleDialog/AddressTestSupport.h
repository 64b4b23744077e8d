#pragma once

#include "AddressRules.h"
#include "CMessageBoxAnswers.h"
#include "HostFixture.h"
#include "KivoData.h"

#include <QDialog>
#include <QJsonArray>
#include <QJsonObject>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QtTest>

#include <functional>

namespace AddressTest {

// n stored entries 10.7.x.y, away from the baseline's 192.168.1.0/24.
inline QJsonArray StoredEntries(int nCount)
{
    QJsonArray arr;
    for (int i = 0; i < nCount; ++i)
        arr.append(QJsonObject {{"ip", QString("10.7.%1.%2").arg(i / 200).arg(i % 200 + 1)}, {"name", ""}});
    return arr;
}

inline QStringList Range(const QString& strPrefix, int nFirst, int nLast, int nStep = 1)
{
    QStringList list;
    for (int i = nFirst; i <= nLast; i += nStep)
        list << strPrefix + QString::number(i);
    return list;
}

// Baseline: gateway 192.168.1.1, /24, stored .10 ("one") and .11, current-set
// .20. Host and rules share the computer's addresses, so no test depends on
// this machine's network.
inline void ResetHost(const QJsonObject& objConfig = {}, const QJsonObject& objHardware = {},
    const QStringList& listLocal = {"192.168.1.100"})
{
    QJsonObject objConfigAll = objConfig;
    objConfigAll["localAddresses"] = QJsonArray::fromStringList(listLocal);
    HostFixture::Reset({{"config", objConfigAll}, {"hardware", objHardware}});
    CAddressRules::SetDefaultLocalAddressSource([] { return GetConfigData()->LocalAddresses(); });
}

// The host calls for added entries and the closing save.
inline QStringList AddCalls(const QStringList& listAddresses, const QString& strName = {})
{
    QStringList list;
    for (const QString& str : listAddresses)
        list << QString("CConfigData::AddSpecifiedIP(%1, %2)").arg(str, strName);
    return list << "CConfigData::SpecifiedIPsSave()";
}

inline int Writes()
{
    return HostFixture::Calls().size();
}

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

const QString g_strInvalid = QStringLiteral("IP地址不合理。");
const QString g_strInUse = QStringLiteral("IP地址已被使用。");
const QString g_strGateway = QStringLiteral("IP地址与默认网关相同。");
const QString g_strDuplicate = QStringLiteral("存在重复的IP地址。");
const QString g_strLocalPc
    = QStringLiteral("输入的IP地址和本机电脑的IP地址相同，会导致网络连接探测失败，是否继续？");

} // namespace AddressTest
