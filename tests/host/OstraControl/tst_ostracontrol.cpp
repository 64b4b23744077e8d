#include "OstraControl.h"
#include "OstraTheme.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
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
// Acts on the next modal window once it is shown, as a person would. A
// window still open seconds later is closed, so a fault fails instead of hanging.
void OnModal(std::function<void(QWidget*)> fnAct, bool& bRescued)
{
    QTimer::singleShot(0, [fnAct] {
        if (QWidget* pModal = QApplication::activeModalWidget())
            fnAct(pModal);
    });
    bRescued = false;
    QTimer::singleShot(5000, [&bRescued] {
        if (QWidget* pModal = QApplication::activeModalWidget()) {
            bRescued = true;
            pModal->close();
        }
    });
}
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

    // Clicks and Space, Return or Enter toggle and signal; a press released
    // outside, another button, another key and setOpen do not.
    void switchTogglesOnlyOnAClickOrKey()
    {
        CCustomSwitchButton button;
        button.resize(button.sizeHint());
        button.show();
        QSignalSpy spyChecked(&button, &CCustomSwitchButton::checked);
        const QPoint ptInside(10, 10), ptOutside(button.width() + 20, 10), ptEdge(button.width() - 2, 12);
        auto press = [&](const QPoint& ptRelease) {
            QTest::mousePress(&button, Qt::LeftButton, {}, ptInside);
            QTest::mouseRelease(&button, Qt::LeftButton, {}, ptRelease);
        };
        const std::function<void()> arrSteps[] = {
            [&] { QTest::mouseClick(&button, Qt::LeftButton, {}, ptInside); },
            [&] { press(ptOutside); },
            [&] { QTest::mouseRelease(&button, Qt::LeftButton, {}, ptInside); }, // no press before it
            [&] { QTest::mouseClick(&button, Qt::RightButton, {}, ptInside); },
            [&] { press(ptEdge); },
            [&] { QTest::keyClick(&button, Qt::Key_A); },
            [&] { QTest::keyClick(&button, Qt::Key_Space); },
            [&] { QTest::keyClick(&button, Qt::Key_Return); },
            [&] { QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier); },
            [&] { button.setOpen(false, true); },
        };
        QVector<int> vecSignals; // signals after each step, then the state
        for (const auto& fnStep : arrSteps) {
            spyChecked.clear();
            fnStep();
            vecSignals << spyChecked.size() << button.isOpen();
            if (!spyChecked.isEmpty())
                QCOMPARE(spyChecked.last().value(0).toBool(), button.isOpen());
        }
        QCOMPARE(vecSignals, (QVector<int> {1, 1, 0, 1, 0, 1, 0, 1, 1, 0, 0, 0, 1, 1, 1, 0, 1, 1, 0, 0}));
    }

    // The knob slides to a new state, and a silent jump stops a slide on its way.
    void switchKnobFollowsTheState()
    {
        CCustomSwitchButton button;
        button.resize(44, 22);
        button.show();
        // Where the knob is, by its colour at the middle of either end.
        auto knob = [&button] {
            const QImage image = button.grab().toImage();
            return QString("%1%2").arg(image.pixel(11, 11) == OstraTheme::g_rgbText ? "L" : "-",
                image.pixel(33, 11) == OstraTheme::g_rgbText ? "R" : "-");
        };
        QCOMPARE(knob(), QString("L-"));
        button.setOpen(true, true);
        QCOMPARE(knob(), QString("L-"));
        QTRY_COMPARE(knob(), QString("-R"));
        button.setOpen(false, true);
        QTest::qWait(30);
        button.setOpen(true, false);
        QCOMPARE(knob(), QString("-R"));
        QTest::qWait(200);
        QCOMPARE(knob(), QString("-R"));
    }

    // The box a person sees: Return takes the default, Escape and the close box
    // the cautious answer, and a default that is not offered never means yes.
    void messageBoxAnswers()
    {
        using M = CCustomMessageBox;
        // Question or notice, buttons, default, what is done (a key, "close" or a
        // button's text), answer. The plug-in asks yes/no with Cancel as the default.
        const std::tuple<bool, int, int, QString, int> arrCases[] = {{true, 6, 8, "Return", M::AnswerNo},
            {true, 6, 8, "Escape", M::AnswerNo}, {true, 6, 8, "close", M::AnswerNo},
            {true, 6, 8, "是", M::AnswerYes}, {true, 6, M::ButtonYes, "Return", M::AnswerYes},
            {true, 6, M::ButtonYes, "Escape", M::AnswerNo},
            {true, 14, M::ButtonYes, "Escape", M::AnswerCancel}, {false, 1, 1, "Return", M::AnswerOk},
            {false, 1, 1, "Escape", M::AnswerOk}, {false, 0, 0, "确定", M::AnswerOk}};
        for (const auto& [bQuestion, nButtons, nDefault, strCaseAction, nAnswer] : arrCases) {
            const QString strAction = strCaseAction; // a lambda may not capture a structured binding
            QWidget parent;
            parent.show();
            QStringList listShown;
            bool bRescued = false;
            OnModal(
                [&](QWidget* pBox) {
                    for (auto* pButton : pBox->findChildren<QPushButton*>())
                        listShown << pButton->text();
                    QWidget* pFocus = pBox->focusWidget() ? pBox->focusWidget() : pBox;
                    if (strAction == "Return" || strAction == "Escape")
                        QTest::keyClick(pFocus, strAction == "Return" ? Qt::Key_Return : Qt::Key_Escape);
                    else if (strAction == "close")
                        pBox->close();
                    else
                        for (auto* pButton : pBox->findChildren<QPushButton*>())
                            if (pButton->text() == strAction)
                                QTest::mouseClick(pButton, Qt::LeftButton);
                },
                bRescued);
            const int nResult = bQuestion ? CCustomMessageBox::question(&parent, "?", nButtons, nDefault)
                                          : CCustomMessageBox::information(&parent, "!", nButtons, nDefault);
            QVERIFY(!bRescued);
            QCOMPARE(nResult, nAnswer);
            QCOMPARE(listShown.size(), qPopulationCount(quint32(nButtons ? nButtons : 1)));
        }
    }

    // A notice given a time closes by itself, confirmed.
    void messageBoxTimesOut()
    {
        bool bRescued = false;
        OnModal([](QWidget*) {}, bRescued);
        QCOMPARE(CCustomMessageBox::information(nullptr, "!", 1, 1, 20), int(CCustomMessageBox::AnswerOk));
        QVERIFY(!bRescued);
    }

    // The bar stays within 0 to 100 and shows no value while busy; shown, it
    // sits over the middle of its parent's window.
    void progressbarValueAndPlace()
    {
        QWidget window;
        window.setGeometry(200, 150, 900, 700);
        auto* pChild = new QWidget(&window);
        pChild->setGeometry(10, 10, 100, 100);
        window.show();
        CCustomProgressbar bar(pChild, false);
        CCustomProgressbar busy(pChild, true);
        QVector<int> vecValues {bar.value()};
        for (int nValue : {42, 150, -5, 100}) {
            bar.setValue(nValue);
            busy.setValue(nValue);
            vecValues << bar.value() << busy.value();
        }
        QCOMPARE(vecValues, (QVector<int> {0, 42, 0, 100, 0, 0, 0, 100, 0}));
        bar.SetText(QStringLiteral("发送中..."));
        bar.show();
        QCOMPARE(bar.findChild<QLabel*>()->text(), QStringLiteral("发送中..."));
        QCOMPARE(bar.windowModality(), Qt::WindowModal);
        QCOMPARE(bar.frameGeometry().center(), window.frameGeometry().center());
    }

    // Typing and the arrow keys stay within the range set, bounds given either
    // way round; whole numbers unless decimals are asked for.
    void spinBoxRangeByKeys()
    {
        CCustomSpinBox box(0);
        box.SetMinMax(4096, 10);
        QCOMPARE(QVector<double>({box.minimum(), box.maximum(), double(box.decimals())}),
            QVector<double>({10, 4096, 0}));
        box.show();
        auto type = [&box](const char* pszKeys) {
            box.selectAll();
            QTest::keyClicks(&box, pszKeys);
            QTest::keyClick(&box, Qt::Key_Return);
            return box.value();
        };
        QCOMPARE(type("1920"), 1920.0);
        QCOMPARE(type("99999"), 999.0); // each digit past the maximum is refused
        QCOMPARE(type("25.5"), 25.0); // no decimal digits
        QCOMPARE(type("9"), 25.0); // below the minimum: the previous value stays
        box.setValue(4095);
        QTest::keyClick(&box, Qt::Key_Up);
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(box.value(), 4096.0);
        QTest::keyClick(&box, Qt::Key_PageDown);
        QCOMPARE(box.value(), 4086.0);

        CCustomSpinBox fraction(2);
        fraction.SetMinMax(0, 1);
        fraction.show();
        fraction.selectAll();
        QTest::keyClicks(&fraction, "0.555");
        QTest::keyClick(&fraction, Qt::Key_Return);
        QCOMPARE(fraction.value(), 0.55);
        QTest::keyClick(&fraction, Qt::Key_Up);
        QCOMPARE(fraction.value(), 1.0);
        QCOMPARE(CCustomSpinBox(-3).decimals(), 0);
    }
};

QTEST_MAIN(TestOstraControl)
#include "tst_ostracontrol.moc"
