#include "OstraControl.h"

#include <QMenu>
#include <QtTest>

// Costs the dialogs pay while they are built and while the user types.
class BenchOstraControl : public QObject
{
    Q_OBJECT

private slots:
    void fontStyleSheet()
    {
        GetFontFamily(); // the font database is read once per process
        QString strSheet;
        QBENCHMARK
        {
            strSheet = GetFontStyleSheet(g_pushButtonStyle, QStringLiteral("QPushButton"), 12);
        }
        QVERIFY(strSheet.contains(QStringLiteral("QPushButton {")));
    }

    void typeAddress()
    {
        CCustomIPEdit edit;
        QBENCHMARK
        {
            edit.clear();
            QTest::keyClicks(&edit, QStringLiteral("192.168.100.200"));
        }
        QCOMPARE(edit.text(), QStringLiteral("192.168.100.200"));
    }

    void activateInLongMenu()
    {
        CCustomComboBox combo;
        QMenu menu;
        for (int i = 0; i < 64; ++i)
            menu.addAction(QString::number(i));
        combo.SetMenu(&menu, true, true, true);
        int nIndex = 0;
        QBENCHMARK
        {
            combo.ActivateIndex(nIndex);
            nIndex = (nIndex + 17) % 64;
        }
        QVERIFY(combo.CurrentIndex() >= 0);
    }
};

QTEST_MAIN(BenchOstraControl)
#include "bench_ostracontrol.moc"
