#include "OstraControl.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

namespace {
// An editor, OK and Cancel, as the plug-in builds its dialogs. Cancel finishes
// with 2, as one of the plug-in's dialogs does, so Escape must give 2 as well.
class CProbeDialog : public CCustomDialog
{
public:
    CProbeDialog()
    {
        SetDialogButtons(m_pOk, m_pCancel);
        connect(m_pOk, &QPushButton::clicked, this, [this] {
            RunConfirm([this] {
                ++m_nConfirms;
                if (m_fnDuringConfirm)
                    m_fnDuringConfirm();
                return m_bAccept;
            });
        });
        connect(m_pCancel, &QPushButton::clicked, this, [this] {
            if (IsActionBlocked())
                return;
            ++m_nCancels;
            done(2);
        });
    }

    QLineEdit* m_pEdit = new QLineEdit(this);
    QPushButton* m_pOk = new QPushButton(QStringLiteral("OK"), this);
    QPushButton* m_pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    int m_nConfirms = 0, m_nCancels = 0;
    bool m_bAccept = true;
    std::function<void()> m_fnDuringConfirm;
};
} // namespace

class TestOstraControl : public QObject
{
    Q_OBJECT

private slots:
    // Keys typed -> the text read, and whether it is a whole address. No input
    // mask: its dots would make an untouched editor read as filled.
    void ipEditTyping()
    {
        const std::tuple<const char*, const char*, bool> aRows[]
            = {{"", "", false}, {"192.168.1.10", "192.168.1.10", true}, {"19a2.x16b8", "192.168", false},
                {"1.2.3.4.5", "1.2.3.45", true}, {"1.2.3.255.9", "1.2.3.255", true}, {"10..0", "10.0", false},
                {"256", "25", false}, {"10.0.0.256", "10.0.0.25", true}, {"10.0.0.0", "10.0.0.0", true},
                {"192.168.001.010", "192.168.001.010", true}, // leading zeros stay as typed
                {"1921681", "192.168.1", false}}; // a fourth digit opens the next group
        for (const auto& [pszKeys, pszText, bComplete] : aRows) {
            CCustomIPEdit edit;
            QTest::keyClicks(&edit, pszKeys);
            QCOMPARE(edit.text(), QString(pszText));
            QCOMPARE(edit.IsComplete(), bComplete);
        }
    }

    // Enter reaches OK in the plug-in's dialogs (their tests press it in editors,
    // menu boxes and on OK); Qt's rule of making the first push button default
    // must pass the menu box by in a dialog without named buttons too.
    void menuBoxNeverDefault()
    {
        QDialog dlg;
        auto* pCombo = new CCustomComboBox(&dlg);
        new QPushButton(QStringLiteral("OK"), &dlg);
        dlg.show();
        QVERIFY(!pCombo->isDefault());
    }

    // A refused confirm leaves OK and Cancel working; Escape and the close box
    // give Cancel's own result. Presses while OK works, and a double click, give
    // one run and one finished().
    void oneConfirmAtATime()
    {
        CProbeDialog dlg;
        dlg.m_bAccept = false;
        QSignalSpy spyFinished(&dlg, &QDialog::finished);
        dlg.open();
        QTest::mouseClick(dlg.m_pOk, Qt::LeftButton);
        QTest::keyClick(dlg.m_pEdit, Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        QTest::keyClick(dlg.m_pEdit, Qt::Key_Escape);
        dlg.show();
        QVERIFY(dlg.close());
        dlg.m_bAccept = true;
        dlg.m_fnDuringConfirm = [&dlg] {
            QTest::keyClick(dlg.m_pEdit, Qt::Key_Return);
            QTest::mouseClick(dlg.m_pOk, Qt::LeftButton);
            QTest::mouseClick(dlg.m_pCancel, Qt::LeftButton);
            QTest::keyClick(dlg.m_pEdit, Qt::Key_Escape);
            QVERIFY(!dlg.close());
        };
        dlg.open();
        QTest::mouseClick(dlg.m_pOk, Qt::LeftButton);
        QTest::mouseDClick(dlg.m_pOk, Qt::LeftButton);
        QTest::mouseRelease(dlg.m_pOk, Qt::LeftButton);
        QCOMPARE((QVector<int> {dlg.m_nConfirms, dlg.m_nCancels, dlg.result()}), (QVector<int> {3, 2, 1}));
        QCOMPARE(spyFinished, (QList<QVariantList> {{2}, {2}, {1}}));
    }

    // A Cancel wired to reject(), as Qt's own dialogs do, closes once.
    void cancelWiredToReject()
    {
        CCustomDialog dlg;
        auto* pCancel = new QPushButton(QStringLiteral("Cancel"), &dlg);
        QObject::connect(pCancel, &QPushButton::clicked, &dlg, &QDialog::reject);
        dlg.SetDialogButtons(new QPushButton(QStringLiteral("OK"), &dlg), pCancel);
        QSignalSpy spyFinished(&dlg, &QDialog::finished);
        dlg.open();
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QCOMPARE(spyFinished, QList<QVariantList> {{0}});
    }

    // Questions take the queued answers, then no; a notice answers OK and
    // leaves the queue alone; every text is recorded.
    void answersFollowQueueAndRecordTexts()
    {
        CMessageBoxAnswers::Install();
        CMessageBoxAnswers::Enqueue(2);
        CMessageBoxAnswers::Enqueue(3);
        QCOMPARE(CCustomMessageBox::question(nullptr, "q1", 6, 8), 2);
        QCOMPARE(CCustomMessageBox::information(nullptr, "n", 1, 1, 2147483647), 1);
        QCOMPARE(CCustomMessageBox::question(nullptr, "q2", 6, 8), 3);
        QCOMPARE(CCustomMessageBox::question(nullptr, "q3", 6, 8), 3);
        QCOMPARE(CMessageBoxAnswers::ShownTexts(), QStringList({"q1", "n", "q2", "q3"}));
        CMessageBoxAnswers::Uninstall();
    }

    // Checking is silent, activating reports; positions count entries, not
    // the separator.
    void comboCheckIsSilentActivateReports()
    {
        CCustomComboBox combo;
        QMenu* pMenu = new QMenu(&combo);
        pMenu->addActions({new QAction("50Hz", pMenu), new QAction("60Hz", pMenu)});
        pMenu->addSeparator();
        pMenu->addAction(QStringLiteral("120Hz"));
        combo.SetMenu(pMenu, false, true, true);
        QSignalSpy spyActivated(&combo, &CCustomComboBox::Activated);
        QVERIFY(combo.SetItemChecked(0) && !combo.SetItemChecked(3));
        QVERIFY(spyActivated.isEmpty());
        QVERIFY(combo.ActivateIndex(2));
        QCOMPARE(spyActivated, QList<QVariantList> {{2}});
        QCOMPARE(combo.text(), QStringLiteral("120Hz"));
        QVERIFY(combo.ItemAt(2)->isChecked() && !combo.ItemAt(0)->isChecked());
    }

    // Clicks signal; setOpen switches at once, while the knob still slides, silently.
    void switchClickSignalsSetOpenDoesNot()
    {
        CCustomSwitchButton button;
        QSignalSpy spyChecked(&button, &CCustomSwitchButton::checked);
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        button.setOpen(true, true);
        QVERIFY(button.isOpen());
        QCOMPARE(spyChecked, (QList<QVariantList> {{true}, {false}}));
    }
};

QTEST_MAIN(TestOstraControl)
#include "tst_ostracontrol.moc"
