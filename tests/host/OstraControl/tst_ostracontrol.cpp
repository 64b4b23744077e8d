#include "OstraControl.h"

#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

class TestOstraControl : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { CMessageBoxAnswers::Uninstall(); }
    void ipEditTyping_data()
    {
        QTest::addColumn<QString>("strKeys");
        QTest::addColumn<QString>("strExpected");
        QTest::addColumn<bool>("bComplete");
        const auto fnRow = [](const char* pszName, const char* pszKeys, const char* pszText, bool bComplete) {
            QTest::newRow(pszName) << QString(pszKeys) << QString(pszText) << bComplete;
        };
        // No input mask: an untouched editor must read and look empty.
        fnRow("nothing typed", "", "", false);
        fnRow("address", "192.168.1.10", "192.168.1.10", true);
        fnRow("letters", "19a2.x16b8", "192.168", false);
        fnRow("fifth group", "1.2.3.4.5", "1.2.3.45", true);
        fnRow("double dot", "10..0", "10.0", false);
        fnRow("above 255", "256", "25", false);
    }

    void ipEditTyping()
    {
        QFETCH(QString, strKeys);
        QFETCH(QString, strExpected);
        QFETCH(bool, bComplete);
        CCustomIPEdit edit;
        QTest::keyClicks(&edit, strKeys);
        QCOMPARE(edit.text(), strExpected);
        QCOMPARE(edit.displayText(), strExpected);
        QCOMPARE(edit.IsComplete(), bComplete);
        edit.setText(QStringLiteral("10.20.30.40"));
        QCOMPARE(edit.text(), QStringLiteral("10.20.30.40"));
    }

    void answersFollowQueueAndRecordTexts()
    {
        CMessageBoxAnswers::Install();
        CMessageBoxAnswers::Enqueue(2);
        CMessageBoxAnswers::Enqueue(3);
        QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("q1"), 6, 8), 2);
        // A one-button notice answers OK and leaves the queue alone.
        QCOMPARE(
            CCustomMessageBox::information(nullptr, QStringLiteral("IP地址不合理。"), 1, 1, 2147483647), 1);
        QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("q2"), 6, 8), 3);
        // Queue empty: the default answer is no.
        QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("q3"), 6, 8), 3);
        QCOMPARE(CMessageBoxAnswers::ShownTexts(),
            QStringList({"q1", QStringLiteral("IP地址不合理。"), "q2", "q3"}));
    }

    void comboCheckIsSilentActivateReports()
    {
        CCustomComboBox combo;
        QMenu* pMenu = new QMenu(&combo);
        pMenu->addAction(QStringLiteral("50Hz"));
        pMenu->addAction(QStringLiteral("60Hz"));
        pMenu->addSeparator();
        pMenu->addAction(QStringLiteral("120Hz"));
        combo.SetMenu(pMenu, false, true, true);
        QSignalSpy spyActivated(&combo, &CCustomComboBox::Activated);

        QVERIFY(combo.SetItemChecked(0));
        QVERIFY(!combo.SetItemChecked(3));
        QCOMPARE(combo.text(), QStringLiteral("50Hz"));
        QCOMPARE(spyActivated.count(), 0);

        // Position 2 lies behind the separator: positions count entries, not actions.
        QVERIFY(combo.ActivateIndex(2));
        QCOMPARE(spyActivated.count(), 1);
        QCOMPARE(spyActivated.at(0).at(0).toInt(), 2);
        QCOMPARE(combo.text(), QStringLiteral("120Hz"));
        QVERIFY(combo.ItemAt(2)->isChecked() && !combo.ItemAt(0)->isChecked());
    }

    void switchClickSignalsSetOpenDoesNot()
    {
        CCustomSwitchButton button;
        button.resize(button.sizeHint());
        QSignalSpy spyChecked(&button, &CCustomSwitchButton::checked);
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(spyChecked.count(), 2);
        QCOMPARE(spyChecked.at(0).at(0).toBool(), true);
        QCOMPARE(spyChecked.at(1).at(0).toBool(), false);

        button.setOpen(true, true);
        QVERIFY(button.isOpen()); // at once, while the knob still slides
        QCOMPARE(spyChecked.count(), 2);
    }
};

QTEST_MAIN(TestOstraControl)
#include "tst_ostracontrol.moc"
