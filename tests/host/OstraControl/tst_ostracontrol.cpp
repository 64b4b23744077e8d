#include "OstraControl.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

namespace {
// A dialog built as the plug-in builds them: a menu box first in the focus
// chain, an editor, OK and Cancel. Cancel finishes with 2, as one of the
// plug-in's dialogs does, so Escape must give 2 as well.
class CProbeDialog : public CCustomDialog
{
public:
    CProbeDialog()
    {
        auto* pMenu = new QMenu(this);
        pMenu->addAction(QStringLiteral("50Hz"));
        m_pCombo->SetMenu(pMenu, true, true, true);
        auto* pLayout = new QVBoxLayout(this);
        for (QWidget* pWidget : std::initializer_list<QWidget*> {m_pCombo, m_pEdit, m_pOk, m_pCancel})
            pLayout->addWidget(pWidget);
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

    CCustomComboBox* m_pCombo = new CCustomComboBox(this);
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
    void cleanup() { CMessageBoxAnswers::Uninstall(); }
    // Keys typed -> the text read and shown, and whether it is a whole address.
    void ipEditTyping()
    {
        const struct
        {
            const char *pszKeys, *pszText;
            bool bComplete;
        } aRows[] = {{"", "", false}, // no input mask: an untouched editor reads and looks empty
            {"192.168.1.10", "192.168.1.10", true}, {"19a2.x16b8", "192.168", false},
            {"1.2.3.4.5", "1.2.3.45", true}, {"1.2.3.255.9", "1.2.3.255", true}, {"10..0", "10.0", false},
            {"256", "25", false}, {"10.0.0.256", "10.0.0.25", true}, {"10.0.0.0", "10.0.0.0", true},
            {"192.168.001.010", "192.168.001.010", true}, // leading zeros stay as typed
            {"1921681", "192.168.1", false}}; // a fourth digit opens the next group
        for (const auto& row : aRows) {
            CCustomIPEdit edit;
            QTest::keyClicks(&edit, row.pszKeys);
            QCOMPARE(edit.text(), QString(row.pszText));
            QCOMPARE(edit.displayText(), QString(row.pszText));
            QCOMPARE(edit.IsComplete(), row.bComplete);
            edit.setText(QStringLiteral("10.20.30.40"));
            QCOMPARE(edit.text(), QStringLiteral("10.20.30.40"));
        }
    }

    // Enter presses OK from the editor, the menu box and OK itself; the menu
    // never opens and no other button turns default.
    void enterPressesOk()
    {
        CProbeDialog dlg;
        QSignalSpy spyMenu(dlg.m_pCombo->menu(), &QMenu::aboutToShow);
        for (QWidget* pFocus : std::initializer_list<QWidget*> {dlg.m_pEdit, dlg.m_pCombo, dlg.m_pOk}) {
            dlg.show();
            QVERIFY(dlg.m_pOk->isDefault() && !dlg.m_pCombo->isDefault() && !dlg.m_pCancel->isDefault());
            QVERIFY(!dlg.m_pCombo->autoDefault() && !dlg.m_pCancel->autoDefault());
            QTimer::singleShot(
                0, dlg.m_pCombo->menu(), &QMenu::close); // a menu that opens must not hang the test
            QTest::keyClick(pFocus, Qt::Key_Return);
            QCOMPARE(spyMenu.count(), 0);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), 1);
        }
        QCOMPARE(dlg.m_nConfirms, 3);
        QCOMPARE(dlg.m_nCancels, 0);
    }

    // Without named buttons too, Qt's rule of making the first push button
    // default passes the menu box by.
    void menuBoxNeverDefault()
    {
        QDialog dlg;
        auto* pCombo = new CCustomComboBox(&dlg);
        auto* pButton = new QPushButton(QStringLiteral("OK"), &dlg);
        dlg.show();
        QVERIFY(!pCombo->isDefault());
        QVERIFY(pButton->isDefault());
    }

    // A refused confirm leaves OK and Cancel working; Escape and the close box
    // give Cancel's own result.
    void refusedConfirmThenEscape()
    {
        CProbeDialog dlg;
        dlg.m_bAccept = false;
        QSignalSpy spyFinished(&dlg, &QDialog::finished);
        dlg.open();
        QTest::mouseClick(dlg.m_pOk, Qt::LeftButton);
        QTest::keyClick(dlg.m_pEdit, Qt::Key_Return);
        QCOMPARE(dlg.m_nConfirms, 2);
        QVERIFY(dlg.isVisible());
        QTest::keyClick(dlg.m_pEdit, Qt::Key_Escape);
        QCOMPARE(dlg.m_nCancels, 1);
        QCOMPARE(spyFinished.count(), 1);
        QCOMPARE(spyFinished.at(0).at(0).toInt(), 2);
        dlg.show();
        QVERIFY(dlg.close());
        QCOMPARE(dlg.m_nCancels, 2);
        QCOMPARE(dlg.result(), 2);
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
        QCOMPARE(spyFinished.count(), 1);
        QCOMPARE(dlg.result(), 0);
    }

    // Presses while OK works, and a double click, give one run and one finished().
    void oneConfirmAtATime()
    {
        CProbeDialog dlg;
        QSignalSpy spyFinished(&dlg, &QDialog::finished);
        dlg.m_fnDuringConfirm = [&dlg] {
            QTest::keyClick(dlg.m_pEdit, Qt::Key_Return);
            QTest::mouseClick(dlg.m_pOk, Qt::LeftButton);
            QTest::mouseClick(dlg.m_pCancel, Qt::LeftButton);
            QTest::keyClick(dlg.m_pEdit, Qt::Key_Escape);
            QVERIFY(!dlg.close());
        };
        dlg.open();
        // A person's double click: press, release, then a double-click press and its release.
        QTest::mouseClick(dlg.m_pOk, Qt::LeftButton);
        QTest::mouseDClick(dlg.m_pOk, Qt::LeftButton);
        QTest::mouseRelease(dlg.m_pOk, Qt::LeftButton);
        // Confirms, cancels, finished() and the result.
        QCOMPARE((QVector<int> {dlg.m_nConfirms, dlg.m_nCancels, spyFinished.count(), dlg.result()}),
            (QVector<int> {1, 0, 1, 1}));
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
        pMenu->addActions({new QAction("50Hz", pMenu), new QAction("60Hz", pMenu)});
        pMenu->addSeparator();
        pMenu->addAction(QStringLiteral("120Hz"));
        combo.SetMenu(pMenu, false, true, true);
        QSignalSpy spyActivated(&combo, &CCustomComboBox::Activated);

        QVERIFY(combo.SetItemChecked(0));
        QVERIFY(!combo.SetItemChecked(3));
        QCOMPARE(combo.text(), QStringLiteral("50Hz"));
        QVERIFY(spyActivated.isEmpty());

        // Position 2 lies behind the separator: positions count entries, not actions.
        QVERIFY(combo.ActivateIndex(2));
        QCOMPARE(spyActivated, QList<QVariantList> {{2}});
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
        QCOMPARE(spyChecked, (QList<QVariantList> {{true}, {false}}));

        button.setOpen(true, true);
        QVERIFY(button.isOpen()); // at once, while the knob still slides
        QCOMPARE(spyChecked.count(), 2);
    }
};

QTEST_MAIN(TestOstraControl)
#include "tst_ostracontrol.moc"
