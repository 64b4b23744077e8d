#include "OstraControl.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs fnAct on the modal window once it is up (message boxes and menus
// block in their own event loop).
void WhenModalShown(std::function<void(QWidget*)> fnAct)
{
    QTimer::singleShot(0, [fnAct] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal)
            pModal = QApplication::activePopupWidget();
        QVERIFY(pModal);
        fnAct(pModal);
    });
}

QPushButton* ButtonWithText(QWidget* pBox, const QString& strText)
{
    for (QPushButton* pButton : pBox->findChildren<QPushButton*>())
        if (pButton->text() == strText)
            return pButton;
    return nullptr;
}

} // namespace

class TestOstraControl : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { CMessageBoxAnswers::Uninstall(); }

    void ipEditTyping_data();
    void ipEditTyping();
    void ipEditUntouchedAndSetText();

    void answersFollowQueueThenDefault();
    void answersRecordEveryBox();
    void realBoxMapsButtons();

    void comboSetItemCheckedIsSilent();
    void comboActivateReportsPosition();
    void comboRefusesAbsentOrDisabledEntry();
    void comboOpensMenuAndReportsUserChoice();

    void switchTogglesOnClickOnly();
    void switchSetOpenIsImmediateAndSilent();

    void fontStyleSheetAppliesHostFont();
    void themeStylesParseToDistinctColours();
    void spinBoxRangeAndDecimals();
    void progressBarClampsValue();
};

void TestOstraControl::ipEditTyping_data()
{
    QTest::addColumn<QString>("strKeys");
    QTest::addColumn<QString>("strExpected");
    QTest::addColumn<bool>("bComplete");

    QTest::newRow("address") << "192.168.1.10"
                             << "192.168.1.10" << true;
    QTest::newRow("letters refused") << "19a2.x16b8"
                                     << "192.168" << false;
    QTest::newRow("fifth group refused") << "1.2.3.4.5"
                                         << "1.2.3.45" << true;
    QTest::newRow("double dot refused") << "10..0"
                                        << "10.0" << false;
    QTest::newRow("leading dot refused") << ".7"
                                         << "7" << false;
    QTest::newRow("above 255 refused") << "256"
                                       << "25" << false;
    QTest::newRow("full group moves on") << "1921681"
                                         << "192.168.1" << false;
    QTest::newRow("zero is a full group") << "01"
                                          << "0.1" << false;
    QTest::newRow("fourth group never spills") << "1.2.3.2555"
                                               << "1.2.3.255" << true;
    QTest::newRow("trailing dot incomplete") << "1.2.3."
                                             << "1.2.3." << false;
}

void TestOstraControl::ipEditTyping()
{
    QFETCH(QString, strKeys);
    QFETCH(QString, strExpected);
    QFETCH(bool, bComplete);

    CCustomIPEdit edit;
    QTest::keyClicks(&edit, strKeys);
    QCOMPARE(edit.text(), strExpected);
    QCOMPARE(edit.IsComplete(), bComplete);
}

void TestOstraControl::ipEditUntouchedAndSetText()
{
    CCustomIPEdit edit;
    QVERIFY(edit.text().isEmpty());
    QVERIFY(edit.displayText().isEmpty());
    QVERIFY(!edit.IsComplete());

    edit.setText(QStringLiteral("10.20.30.40"));
    QCOMPARE(edit.text(), QStringLiteral("10.20.30.40"));
    QVERIFY(edit.IsComplete());

    // Pasted text loses its white space instead of being refused.
    edit.clear();
    edit.insert(QStringLiteral(" 172.16.0.1\n"));
    QCOMPARE(edit.text(), QStringLiteral("172.16.0.1"));

    // Erasing everything leaves a really empty editor.
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QVERIFY(edit.text().isEmpty());
}

void TestOstraControl::answersFollowQueueThenDefault()
{
    CMessageBoxAnswers::Install();
    QVERIFY(CMessageBoxAnswers::IsInstalled());
    CMessageBoxAnswers::Enqueue(2);
    CMessageBoxAnswers::Enqueue(3);
    CMessageBoxAnswers::Enqueue(2);

    QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("q1"), 6, 8), 2);
    // A one-button notice answers OK and leaves the queued choices alone.
    QCOMPARE(CCustomMessageBox::information(nullptr, QStringLiteral("i1"), 1, 1, 2147483647), 1);
    QCOMPARE(CMessageBoxAnswers::PendingCount(), 2);
    QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("q2"), 6, 8), 3);
    QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("q3"), 6, 8), 2);

    QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("q4"), 6, 8), 3);
    CMessageBoxAnswers::SetDefaultAnswer(2);
    QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("q5"), 6, 8), 2);

    CMessageBoxAnswers::Uninstall();
    QVERIFY(!CMessageBoxAnswers::IsInstalled());
    QCOMPARE(CMessageBoxAnswers::DefaultAnswer(), 3);
    QVERIFY(CMessageBoxAnswers::Shown().isEmpty());
}

void TestOstraControl::answersRecordEveryBox()
{
    CMessageBoxAnswers::Install();
    CMessageBoxAnswers::Enqueue(2);
    CCustomMessageBox::information(nullptr, QStringLiteral("IP地址不合理。"), 1, 1, 2147483647);
    CCustomMessageBox::question(nullptr, QStringLiteral("是否继续？"), 6, 8);

    const QList<CMessageBoxAnswers::SShownMessage> vecShown = CMessageBoxAnswers::Shown();
    QCOMPARE(vecShown.size(), 2);
    QCOMPARE(vecShown[0].nKind, CMessageBoxAnswers::KindInformation);
    QCOMPARE(vecShown[0].strText, QStringLiteral("IP地址不合理。"));
    QCOMPARE(vecShown[0].nAnswer, 1);
    QCOMPARE(vecShown[1].nKind, CMessageBoxAnswers::KindQuestion);
    QCOMPARE(vecShown[1].strText, QStringLiteral("是否继续？"));
    QCOMPARE(vecShown[1].nAnswer, 2);
    QCOMPARE(CMessageBoxAnswers::ShownTexts(),
        QStringList({QStringLiteral("IP地址不合理。"), QStringLiteral("是否继续？")}));

    CMessageBoxAnswers::ClearShown();
    QVERIFY(CMessageBoxAnswers::Shown().isEmpty());
    QVERIFY(CMessageBoxAnswers::IsInstalled());
}

void TestOstraControl::realBoxMapsButtons()
{
    QVERIFY(!CMessageBoxAnswers::IsInstalled());

    QString strShownText;
    WhenModalShown([&strShownText](QWidget* pBox) {
        strShownText = static_cast<QMessageBox*>(pBox)->text();
        QPushButton* pYes = ButtonWithText(pBox, QStringLiteral("是"));
        QVERIFY(pYes);
        pYes->click();
    });
    QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("继续？"), 6, 8), 2);
    QCOMPARE(strShownText, QStringLiteral("继续？"));

    WhenModalShown([](QWidget* pBox) { ButtonWithText(pBox, QStringLiteral("否"))->click(); });
    QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("继续？"), 6, 8), 3);

    // Default 8 is not offered: Enter must not confirm a warning.
    WhenModalShown([](QWidget* pBox) { QTest::keyClick(pBox, Qt::Key_Return); });
    QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("继续？"), 6, 8), 3);
    WhenModalShown([](QWidget* pBox) { QTest::keyClick(pBox, Qt::Key_Escape); });
    QCOMPARE(CCustomMessageBox::question(nullptr, QStringLiteral("继续？"), 6, 8), 3);

    WhenModalShown([](QWidget* pBox) {
        QCOMPARE(pBox->findChildren<QPushButton*>().size(), 1);
        ButtonWithText(pBox, QStringLiteral("确定"))->click();
    });
    QCOMPARE(CCustomMessageBox::information(nullptr, QStringLiteral("提示"), 1, 1, 2147483647), 1);

    // A notice with a time-out closes by itself.
    QCOMPARE(CCustomMessageBox::information(nullptr, QStringLiteral("提示"), 1, 1, 20), 1);
}

namespace {

struct SComboFixture
{
    SComboFixture(bool bShowText = true)
    {
        pMenu = new QMenu(&combo);
        for (const char* pszText : {"50Hz", "60Hz"})
            pMenu->addAction(QString::fromLatin1(pszText));
        pMenu->addSeparator();
        pMenu->addAction(QStringLiteral("120Hz"));
        combo.setText(QStringLiteral("60Hz"));
        combo.SetMenu(pMenu, false, true, bShowText);
    }
    bool IsChecked(int nIndex) const { return combo.ItemAt(nIndex)->isChecked(); }

    CCustomComboBox combo;
    QMenu* pMenu;
};

} // namespace

void TestOstraControl::comboSetItemCheckedIsSilent()
{
    SComboFixture f;
    QSignalSpy spyActivated(&f.combo, &CCustomComboBox::Activated);
    QCOMPARE(f.combo.Count(), 3);
    QCOMPARE(f.combo.CurrentIndex(), -1);
    QVERIFY(f.combo.CurrentText().isEmpty());

    QVERIFY(f.combo.SetItemChecked(2));
    QCOMPARE(f.combo.text(), QStringLiteral("120Hz"));
    QCOMPARE(f.combo.CurrentText(), QStringLiteral("120Hz"));
    QVERIFY(f.IsChecked(2));
    QVERIFY(f.combo.SetItemChecked(0));
    QVERIFY(f.IsChecked(0));
    QVERIFY(!f.IsChecked(1));
    QVERIFY(!f.IsChecked(2));
    QCOMPARE(spyActivated.count(), 0);
}

void TestOstraControl::comboActivateReportsPosition()
{
    SComboFixture f;
    QSignalSpy spyActivated(&f.combo, &CCustomComboBox::Activated);
    QSignalSpy spyMenu(f.pMenu, &QMenu::triggered);
    f.combo.SetItemChecked(0);

    // Position 2 lies behind the separator.
    QVERIFY(f.combo.ActivateIndex(2));
    QCOMPARE(spyActivated.count(), 1);
    QCOMPARE(spyActivated.at(0).at(0).toInt(), 2);
    QCOMPARE(spyMenu.count(), 1);
    QCOMPARE(spyMenu.at(0).at(0).value<QAction*>(), f.combo.ItemAt(2));
    QCOMPARE(f.combo.CurrentIndex(), 2);
    QCOMPARE(f.combo.text(), QStringLiteral("120Hz"));
    QVERIFY(f.IsChecked(2));
    QVERIFY(!f.IsChecked(0));

    // Choosing the current entry again keeps it checked.
    QVERIFY(f.combo.ActivateIndex(2));
    QVERIFY(f.IsChecked(2));
    QCOMPARE(spyActivated.count(), 2);

    SComboFixture fKeepText(false);
    fKeepText.combo.ActivateIndex(0);
    QCOMPARE(fKeepText.combo.text(), QStringLiteral("60Hz"));
    QCOMPARE(fKeepText.combo.CurrentText(), QStringLiteral("50Hz"));
}

void TestOstraControl::comboRefusesAbsentOrDisabledEntry()
{
    SComboFixture f;
    QSignalSpy spyActivated(&f.combo, &CCustomComboBox::Activated);
    f.combo.SetItemChecked(1);

    QVERIFY(!f.combo.SetItemChecked(3));
    QVERIFY(!f.combo.SetItemChecked(-1));
    QVERIFY(!f.combo.ActivateIndex(3));
    f.combo.ItemAt(0)->setEnabled(false);
    QVERIFY(!f.combo.ActivateIndex(0));
    f.combo.ItemAt(0)->setEnabled(true);
    f.combo.setEnabled(false);
    QVERIFY(!f.combo.ActivateIndex(0));

    QCOMPARE(spyActivated.count(), 0);
    QCOMPARE(f.combo.CurrentIndex(), 1);
    QCOMPARE(f.combo.text(), QStringLiteral("60Hz"));
    QVERIFY(f.IsChecked(1));

    CCustomComboBox empty;
    QCOMPARE(empty.Count(), 0);
    QVERIFY(!empty.SetItemChecked(0));
    QVERIFY(!empty.ActivateIndex(0));
}

void TestOstraControl::comboOpensMenuAndReportsUserChoice()
{
    QWidget window;
    auto* pCombo = new CCustomComboBox(&window);
    pCombo->setGeometry(10, 10, 200, 26);
    QMenu menu;
    menu.addAction(QStringLiteral("1:1"));
    menu.addAction(QStringLiteral("拉伸"));
    pCombo->SetMenu(&menu, true, true, true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spyActivated(pCombo, &CCustomComboBox::Activated);

    int nMenuWidth = 0;
    QTimer::singleShot(50, [&menu, &nMenuWidth] {
        nMenuWidth = menu.width();
        QAction* pStretch = menu.actions().at(1);
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(pStretch).center());
    });
    QTest::mouseClick(pCombo, Qt::LeftButton); // returns when the menu closes
    QTRY_COMPARE(spyActivated.count(), 1);
    QCOMPARE(spyActivated.at(0).at(0).toInt(), 1);
    QCOMPARE(pCombo->text(), QStringLiteral("拉伸"));
    QVERIFY(nMenuWidth >= pCombo->width());
}

void TestOstraControl::switchTogglesOnClickOnly()
{
    CCustomSwitchButton button;
    button.resize(button.sizeHint());
    QSignalSpy spyChecked(&button, &CCustomSwitchButton::checked);

    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(spyChecked.count(), 1);
    QCOMPARE(spyChecked.at(0).at(0).toBool(), true);
    QVERIFY(button.isOpen());

    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(spyChecked.at(1).at(0).toBool(), false);
    QVERIFY(!button.isOpen());

    // Released outside: no click, like any button.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 5));
    QTest::mouseClick(&button, Qt::RightButton);
    QCOMPARE(spyChecked.count(), 2);

    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(spyChecked.count(), 3);
    QVERIFY(button.isOpen());

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(spyChecked.count(), 3);
    QVERIFY(button.isOpen());
}

void TestOstraControl::switchSetOpenIsImmediateAndSilent()
{
    CCustomSwitchButton button;
    button.resize(button.sizeHint());
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy spyChecked(&button, &CCustomSwitchButton::checked);

    button.setOpen(true, true);
    QVERIFY(button.isOpen()); // while the knob is still sliding
    button.setOpen(false, true);
    QVERIFY(!button.isOpen());
    button.setOpen(true, false);
    QVERIFY(button.isOpen());
    QTest::qWait(200);
    QVERIFY(button.isOpen());
    QCOMPARE(spyChecked.count(), 0);

    // A slot answering checked() with setOpen() must not loop.
    connect(&button, &CCustomSwitchButton::checked, &button,
        [&button](bool bOpen) { button.setOpen(bOpen, true); });
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(spyChecked.count(), 1);
    QVERIFY(!button.isOpen());
}

void TestOstraControl::fontStyleSheetAppliesHostFont()
{
    const QString strFamily = GetFontFamily();
    QVERIFY(QFontDatabase().families().contains(strFamily));

    const QString strSheet = GetFontStyleSheet(g_labelNoFrameStyle, QStringLiteral("QLabel"), 12);
    QVERIFY(strSheet.startsWith(g_labelNoFrameStyle));
    QVERIFY(strSheet.contains(QStringLiteral("QLabel {")));
    QVERIFY(strSheet.contains(strFamily));

    CCustomLabel label(QStringLiteral("帧率"));
    label.setStyleSheet(strSheet);
    label.ensurePolished();
    QCOMPARE(label.font().family(), strFamily);
    QCOMPARE(label.font().pixelSize(), 12);

    // The rule names its class: other widgets keep their font.
    QPushButton button;
    button.setStyleSheet(strSheet);
    button.ensurePolished();
    QVERIFY(button.font().pixelSize() != 12);
}

void TestOstraControl::themeStylesParseToDistinctColours()
{
    auto fnTextColour = [](const QString& strStyle) {
        CCustomLabel label(QStringLiteral("x"));
        label.setStyleSheet(strStyle);
        label.ensurePolished();
        return label.palette().color(QPalette::WindowText);
    };
    const QColor colPlain = fnTextColour(g_labelNoFrameStyle);
    const QColor colWarn = fnTextColour(g_labelWarnStyle);
    QVERIFY(colPlain.lightness() > 180);
    QVERIFY(colWarn.red() > 200 && colWarn.red() > 2 * colWarn.blue());

    // Every image a style names must load, or its control loses its arrows.
    const QRegularExpression reUrl(QStringLiteral("url\\(([^)]+)\\)"));
    int nImages = 0;
    for (const QString* pStyle :
        {&g_checkBoxStyle, &g_doubleSpinBoxStyle, &g_menuStyle, &g_pushButtonStyle}) {
        QCOMPARE(pStyle->count(QLatin1Char('{')), pStyle->count(QLatin1Char('}')));
        for (auto itMatch = reUrl.globalMatch(*pStyle); itMatch.hasNext(); ++nImages) {
            const QString strPath = itMatch.next().captured(1);
            QVERIFY2(!QPixmap(strPath).isNull(), qPrintable(strPath));
        }
    }
    QVERIFY(nImages >= 4);

    CCustomDialog dialog(nullptr, false);
    QVERIFY(dialog.palette().color(QPalette::Window).lightness() < 80);
    QVERIFY(!(dialog.windowFlags() & Qt::FramelessWindowHint));
    CCustomDialog frameless(nullptr, true);
    QVERIFY(frameless.windowFlags() & Qt::FramelessWindowHint);
}

void TestOstraControl::spinBoxRangeAndDecimals()
{
    CCustomSpinBox spin(0, nullptr);
    spin.SetMinMax(8, 1);
    QCOMPARE(spin.minimum(), 1.0);
    QCOMPARE(spin.maximum(), 8.0);
    spin.setValue(3.6);
    QCOMPARE(spin.value(), 4.0);
    spin.setValue(99);
    QCOMPARE(spin.value(), 8.0);
}

void TestOstraControl::progressBarClampsValue()
{
    QWidget owner;
    owner.resize(400, 300);
    owner.show();
    CCustomProgressbar progress(&owner, false);
    progress.SetText(QStringLiteral("发送中..."));
    QCOMPARE(progress.Text(), QStringLiteral("发送中..."));
    progress.show();
    for (int nValue = 2; nValue < 100; ++nValue)
        progress.setValue(nValue);
    QCOMPARE(progress.value(), 99);
    progress.setValue(150);
    QCOMPARE(progress.value(), 100);
    progress.setValue(-5);
    QCOMPARE(progress.value(), 0);
    progress.close();

    CCustomProgressbar busy(nullptr, true);
    busy.setValue(50);
    QCOMPARE(busy.value(), 0);
}

QTEST_MAIN(TestOstraControl)
#include "tst_ostracontrol.moc"
