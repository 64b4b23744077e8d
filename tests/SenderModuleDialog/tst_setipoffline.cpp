#include "CSetIPOfflineDlg.h"

#include "AddressTestSupport.h"
#include "CCustomIPEdit.h"
#include "CCustomLabel.h"
#include "CCustomSpinBox.h"

#include <QAbstractSpinBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>

using namespace AddressTest;

namespace {
using Args = QVector<int>; // index, count (-1: batch), set, specified

// T children as a user reads them: top to bottom, then left to right.
template <class T> QList<T*> InReadingOrder(QWidget* pDialog)
{
    QList<T*> list = pDialog->findChildren<T*>();
    std::stable_sort(list.begin(), list.end(), [pDialog](T* pA, T* pB) {
        const QPoint ptA = pA->mapTo(pDialog, QPoint()), ptB = pB->mapTo(pDialog, QPoint());
        return ptA.y() != ptB.y() ? ptA.y() < ptB.y() : ptA.x() < ptB.x();
    });
    return list;
}

template <class T> QString Texts(QWidget* pDialog, const QString& strSeparator = " ")
{
    QStringList listTexts;
    for (const T* p : InReadingOrder<T>(pDialog))
        listTexts << p->text();
    return listTexts.join(strSeparator);
}

// The plain name editor, not an address editor or a number box's own editor.
QLineEdit* NameEdit(QWidget* pDialog)
{
    for (QLineEdit* pEdit : pDialog->findChildren<QLineEdit*>()) {
        if (!qobject_cast<CCustomIPEdit*>(pEdit) && !qobject_cast<QAbstractSpinBox*>(pEdit->parent()))
            return pEdit;
    }
    return nullptr;
}

// Types a space-separated input (null: none), the count first in batch mode,
// then the address rows top down, then the name; presses Return in the last
// field typed.
void TypeAndConfirm(CSetIPOfflineDlg& dlg, int nCount, const QString& strTyped, const QString& strName = {})
{
    dlg.open();
    QStringList listTyped = strTyped.split(' ');
    if (strTyped.isNull())
        listTyped.clear();
    QWidget* pLast = dlg.focusWidget();
    if (nCount == -1 && !listTyped.isEmpty()) {
        pLast = dlg.findChild<CCustomSpinBox*>();
        TypeInto(pLast, listTyped.takeFirst());
    }
    const QList<CCustomIPEdit*> listEdits = InReadingOrder<CCustomIPEdit>(&dlg);
    for (int i = 0; i < listTyped.size(); ++i)
        TypeInto(pLast = listEdits[i], listTyped[i]);
    if (!strName.isEmpty())
        TypeInto(pLast = NameEdit(&dlg), strName);
    QTest::keyClick(pLast ? pLast : &dlg, Qt::Key_Return);
}

} // namespace

class TestSetIPOffline : public QObject
{
    Q_OBJECT

private slots:
    void init() { ResetHost(); }

    // Labels / addresses / name ("-": none) each mode shows; a third row grows
    // the window by one row pitch.
    void Modes()
    {
        const struct
        {
            Args args;
            const char* pszShown;
            int nHeight;
        } aRows[] = {{{0, -1, 1, 1}, "添加数量|起始IP地址 / 192.168.1.101 / -", 125},
            {{4, 3, 1, 1}, "主控 4|主控 5|主控 6 / 192.168.1.101 192.168.1.102 192.168.1.103 / -", 200},
            {{0, 0, 0, 1}, "IP地址|IP名称 / 192.168.1.10 / one", 125}};
        for (const auto& row : aRows) {
            CSetIPOfflineDlg dlg(row.args[0], row.args[1], row.args[2], row.args[3]);
            dlg.show();
            const QLineEdit* pName = NameEdit(&dlg);
            QCOMPARE(QString("%1 / %2 / %3")
                         .arg(Texts<CCustomLabel>(&dlg, "|"), Texts<CCustomIPEdit>(&dlg),
                             pName ? pName->text() : "-"),
                QString(row.pszShown));
            QCOMPARE(dlg.size(), QSize(330, row.nHeight));
            QVERIFY(!pName || pName->maxLength() == 64);
        }
        QCOMPARE(Writes(), 0);
    }

    // Beyond eight rows the window stops growing and the rows scroll; typing
    // starts in the first row and Tab walks the rows, never the scroll area.
    void ManyRowsScroll()
    {
        CSetIPOfflineDlg dlg(1, 12, true, true);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(dlg.size(), QSize(330, 400));
        QVERIFY(dlg.findChild<QScrollArea*>()->verticalScrollBar()->isVisible());
        QList<QWidget*> listExpected;
        for (CCustomIPEdit* pEdit : InReadingOrder<CCustomIPEdit>(&dlg))
            listExpected << pEdit;
        listExpected << Button(&dlg, "确定") << Button(&dlg, "取消") << listExpected[0];
        QList<QWidget*> listStops {QApplication::focusWidget()};
        while (listStops.size() < 15) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            listStops << QApplication::focusWidget();
        }
        QCOMPARE(listStops, listExpected);
    }

    // The last of this computer's addresses in a sender's subnet is the base (a
    // swapped byte order would match none); devices detected since the reset are skipped.
    void SuggestionsFollowTheSenderAndFreshDevices()
    {
        ResetHost(
            {}, {{"senderAddresses", QJsonArray {"10.1.2.3"}}}, {"10.1.2.77", "192.168.1.100", "10.1.2.90"});
        GetConfigData()->SetDetectedDevices({"10.1.2.91"});
        CSetIPOfflineDlg dlg(0, 2, true, true);
        QCOMPARE(Texts<CCustomIPEdit>(&dlg), QString("10.1.2.92 10.1.2.93"));
    }

    // Stored count -> the box's minimum, maximum and initial value.
    void CountBoxByStoredCount()
    {
        for (const Args& row : {Args {0, 1, 255, 16}, {15, 1, 240, 1}, {16, 1, 239, 20}, {35, 1, 220, 1},
                 {36, 1, 219, 10}, {250, 1, 5, 5}, {255, 0, 0, 0}}) {
            ResetHost({{"specified", StoredEntries(row[0])}});
            CSetIPOfflineDlg dlg(0, -1, true, true);
            const CCustomSpinBox* pBox = dlg.findChild<CCustomSpinBox*>();
            QCOMPARE((Args {row[0], int(pBox->minimum()), int(pBox->maximum()), int(pBox->value())}), row);
            QCOMPARE(pBox->isEnabled(), row[2] > 0);
        }
    }

    // An accepted input closes the dialog after exactly the expected calls; a
    // rejected one shows one message and leaves the log, the dialog and the input.
    void Confirm_data()
    {
        QTest::addColumn<Args>("args");
        QTest::addColumn<QJsonObject>("config"); // over the baseline
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("reset");
        QTest::addColumn<QString>("message");
        const struct
        {
            const char* pszRow;
            Args args;
            const char* pszTyped; // the count first in batch mode; null: nothing typed
            QStringList listCalls;
            QString strReset = {}, strMessage = {};
            const char* pszName = "";
            QJsonObject objConfig = {};
        } aRows[] = {{"batch", {0, -1, 1, 1}, "3 192.168.1.253",
                         AddCalls({"192.168.1.253", "192.168.1.254", "192.168.2.1"})},
            // The entry's own address, though in use, starts the run.
            {"batch from the entry at 1", {1, -1, 0, 1}, "2", AddCalls({"192.168.1.11", "192.168.1.12"}),
                "192.168.1.11()"},
            {"set", {1, 3, 1, 1}, "192.168.1.101 10.0.0.5",
                AddCalls({"192.168.1.101", "10.0.0.5", "192.168.1.103"})},
            {"set, one row named", {1, 1, 1, 1}, "10.0.0.7", AddCalls({"10.0.0.7"}, "hall"), "", "", "hall"},
            {"set reads leading zeros as decimal", {1, 2, 1, 1}, "10.0.0.010 010.0.0.8",
                AddCalls({"10.0.0.10", "10.0.0.8"})},
            {"250 stored, 8 rows", {1, 8, 1, 1}, nullptr, AddCalls(Range("192.168.1.", 101, 105)), "", "", "",
                {{"specified", StoredEntries(250)}}},
            {"255 stored", {1, 3, 1, 1}, nullptr, AddCalls({}), "", "", "",
                {{"specified", StoredEntries(255)}}},
            {"modify keeps its own address", {0, 0, 0, 1}, nullptr,
                {"CConfigData::SetSpecifiedIPWithIndex(0, 192.168.1.10, two)"}, "192.168.1.10(two)", "",
                "two"},
            {"modify keeps the typed spelling", {1, 0, 0, 1}, "192.168.001.030",
                {"CConfigData::SetSpecifiedIPWithIndex(1, 192.168.001.030, )"}, "192.168.001.030()"},
            {"modify current set", {0, 0, 0, 0}, "192.168.1.30",
                {"CConfigData::SetCurSetSpecifiedIPWithIndex(0, 192.168.1.30, )"}, "192.168.1.30(IP30)"},
            {"modify: incomplete", {1, 0, 0, 1}, "192.168.1", {}, "192.168.1.11()", g_strInvalid},
            {"modify: another stored", {0, 0, 0, 1}, "192.168.1.11", {}, "192.168.1.10(one)", g_strInUse},
            // The own-address pass is for "in use" only.
            {"modify: own address is the gateway", {0, 0, 0, 0}, nullptr, {}, "192.168.1.1(IP1)",
                g_strGateway, "",
                {{"currentSet", QJsonArray {QJsonObject {{"ip", "192.168.1.1"}, {"name", ""}}}}}},
            {"batch: incomplete", {0, -1, 1, 1}, "16 10.1", {}, "", g_strInvalid},
            {"set: one address spelt twice", {1, 3, 1, 1}, "10.0.0.5 10.0.0.6 10.0.0.005", {}, "",
                g_strDuplicate},
            {"set: incomplete", {1, 2, 1, 1}, "192.168.1 10.0.0.6", {}, "", g_strInvalid}};
        for (const auto& r : aRows)
            QTest::newRow(r.pszRow) << r.args << r.objConfig << QString(r.pszTyped) << QString(r.pszName)
                                    << r.listCalls << r.strReset << r.strMessage;
    }
    void Confirm()
    {
        QFETCH(Args, args);
        QFETCH(QJsonObject, config);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, message);
        ResetHost(config);
        CSetIPOfflineDlg dlg(args[0], args[1], args[2], args[3]);
        QSignalSpy spyFinished(&dlg, &QDialog::finished);
        TypeAndConfirm(dlg, args[1], typed, name);
        QCOMPARE(dlg.isVisible(), !message.isEmpty());
        QCOMPARE(spyFinished.count(), message.isEmpty() ? 1 : 0);
        QCOMPARE(dlg.result(), message.isEmpty() ? 1 : 0);
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), message.isEmpty() ? QStringList() : QStringList {message});
        QTEST(HostFixture::Calls(), "calls");
        QTEST(dlg.GetResetStr(), "reset");
        if (!message.isEmpty() && !typed.isNull())
            QCOMPARE(Texts<CCustomIPEdit>(&dlg), args[1] == -1 ? typed.section(' ', 1) : typed);
    }

    // In every mode Cancel and Escape write nothing, and a double click on OK
    // (set mode with rows from 3 on) writes once.
    void CloseOnce()
    {
        for (const Args& args : {Args {3, 2, 1, 1}, Args {0, -1, 1, 1}, Args {0, 0, 0, 0}}) {
            ResetHost();
            CheckCancelAndEscape([&args] { return new CSetIPOfflineDlg(args[0], args[1], args[2], args[3]); },
                [](QDialog& dlg) {
                    QWidget* pEdit = InReadingOrder<CCustomIPEdit>(&dlg).first();
                    TypeInto(pEdit, "10.0.0.9");
                    return pEdit;
                });
            CSetIPOfflineDlg dlg(args[0], args[1], args[2], args[3]);
            dlg.open();
            if (args[1] == -1)
                TypeInto(dlg.findChild<CCustomSpinBox*>(), "2");
            QCOMPARE(DoubleClickOk(dlg), 1);
            QCOMPARE(dlg.result(), 1);
            QCOMPARE(Writes(), args[2] ? 3 : 1); // two adds and a save, or one change
        }
    }
};

QTEST_MAIN(TestSetIPOffline)
#include "tst_setipoffline.moc"
