#include "CChromaticityDlgWnd.h"
#include "CCustomComboBox.h"
#include "CMessageBoxAnswers.h"
#include "ChromaticityPanel.h"
#include "DemoHost.h"
#include "DemoLanguage.h"
#include "DialogDriver.h"
#include "KivoData.h"
#include "MainWindow.h"
#include "ReadFile.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
using DialogDriver::TypeInto;

// Opens the combo's menu with a click and picks the entry carrying nValue,
// or else the last one not checked yet.
QWidget* ChooseAnother(QDialog& dlg, const char* pszCombo, int nValue = -1)
{
    auto* pCombo = dlg.findChild<CCustomComboBox*>(pszCombo);
    for (int i = pCombo->Count() - 1; i >= 0; --i) {
        QAction* pAction = pCombo->ItemAt(i);
        if (pAction->isEnabled() && pAction->isVisible() && !pAction->isChecked()
            && pAction->text() != pCombo->text() && (nValue < 0 || pAction->data().toInt() == nValue)) {
            QTimer::singleShot(0, pCombo, [pAction] {
                if (QMenu* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                    QTest::mouseClick(
                        pMenu, Qt::LeftButton, Qt::NoModifier, pMenu->actionGeometry(pAction).center());
            });
            QTest::mouseClick(pCombo, Qt::LeftButton);
            break;
        }
    }
    return pCombo;
}

// The values a dialog shows: every box, editor, menu button and switch, in order.
QString Shown(QDialog& dlg)
{
    QStringList listValues;
    for (QWidget* pChild : dlg.findChildren<QWidget*>()) {
        if (!pChild->isVisibleTo(&dlg))
            continue;
        if (auto* pBox = qobject_cast<QDoubleSpinBox*>(pChild)) // as it reads once typing ends
            listValues << pBox->textFromValue(pBox->valueFromText(pBox->cleanText()));
        else if (qobject_cast<QLineEdit*>(pChild) && !qobject_cast<QAbstractSpinBox*>(pChild->parent()))
            listValues << static_cast<QLineEdit*>(pChild)->text();
        else if (auto* pCombo = qobject_cast<CCustomComboBox*>(pChild))
            listValues << pCombo->text();
        else if (auto* pButton = qobject_cast<QAbstractButton*>(pChild); pButton && pButton->isCheckable())
            listValues << QString::number(pButton->isChecked());
    }
    return listValues.join(" | ");
}

QString DemoProjectState()
{
    CProjectData* pProject = GetProjectData();
    return QString("demo %1, type %2").arg(pProject->GetDemoModeEnable()).arg(pProject->GetDemoSenderType());
}

QString AddedProcessors()
{
    CProjectData* pProject = GetProjectData();
    return QString("%1 processors, the last with %2 ports")
        .arg(pProject->GetSenderCount())
        .arg(pProject->GetSender(pProject->GetSenderCount() - 1)->GetOutputPortCount());
}

struct SJourney
{
    const char* pszEntry;
    // Changes the value as a person does; answers the widget Return is pressed in.
    std::function<QWidget*(QDialog&)> fnEdit;
    // Set for dialogs that always open on the same choice: the project holds the answer.
    std::function<QString()> fnHostRead = nullptr;
    const char* pszAsked = nullptr; // what the person asked for, as fnHostRead puts it
    // Writes each change at once and has no Cancel: Escape only closes it.
    bool bLive = false;

    QString Read(QDialog& dlg) const { return fnHostRead ? fnHostRead() : Shown(dlg); }
};

template <typename T>
QWidget* Typed(QDialog& dlg, const char* pszName, const QString& strText, int nIndex = 0)
{
    QList<T*> listEditors = dlg.findChildren<T*>(pszName ? QString(pszName) : QString());
    listEditors.erase(std::remove_if(listEditors.begin(), listEditors.end(),
                          [](T* pEditor) { return qobject_cast<QAbstractSpinBox*>(pEditor->parent()); }),
        listEditors.end());
    QWidget* pEditor = listEditors.value(nIndex);
    TypeInto(pEditor, strText);
    return pEditor;
}

QString SpecifiedAddresses()
{
    QStringList listAddresses;
    GetConfigData()->GetSpecifiedIPs(listAddresses);
    return listAddresses.join(' ');
}

// Three processors from a start address typed over the suggested one.
QWidget* AddThreeFrom150(QDialog& dlg)
{
    Typed<QAbstractSpinBox>(dlg, nullptr, "3");
    return Typed<QLineEdit>(dlg, nullptr, "192.168.1.150");
}

QWidget* CanvasTo2560(QDialog& dlg)
{
    Typed<QAbstractSpinBox>(dlg, "widthBox", "2560");
    return Typed<QAbstractSpinBox>(dlg, "heightBox", "1440");
}

QWidget* EdidChoices(QDialog& dlg)
{
    ChooseAnother(dlg, "resolutionCombo");
    ChooseAnother(dlg, "rateCombo");
    return ChooseAnother(dlg, "depthCombo");
}

QWidget* RateThenDepth(QDialog& dlg)
{
    ChooseAnother(dlg, "rateCombo"); // over the sender's output limit: OK is off
    ChooseAnother(dlg, "rateCombo", 50); // within every limit
    return ChooseAnother(dlg, "depthCombo");
}

const SJourney g_arrJourneys[] = {
    {"Canvas size", CanvasTo2560},
    {"Canvas size over the area limit", CanvasTo2560},
    {"Frame rate and colour depth", RateThenDepth},
    {"Frame rate and colour depth over the output limit", RateThenDepth},
    {"Reset calibration coefficient",
        [](QDialog& dlg) { return Typed<QAbstractSpinBox>(dlg, "valueBox", "0.5"); }},
    {"Reset seam coefficient",
        [](QDialog& dlg) { return Typed<QAbstractSpinBox>(dlg, "valueBox", "0.125"); }},
    {"Background image",
        [](QDialog& dlg) -> QWidget* {
            ChooseAnother(dlg, "fitButton");
            QTest::keyClick(Typed<QAbstractSpinBox>(dlg, "transparencyBox", "40"), Qt::Key_Return);
            return &dlg;
        },
        nullptr, nullptr, true},
    {"Custom add processor",
        [](QDialog& dlg) {
            ChooseAnother(dlg, nullptr);
            return Typed<QAbstractSpinBox>(dlg, nullptr, "2");
        },
        AddedProcessors, "4 processors, the last with 80 ports"},
    {"Demo project",
        [](QDialog& dlg) {
            ChooseAnother(dlg, nullptr);
            return &dlg;
        },
        DemoProjectState, "demo 1, type 131074"},
    {"Offline IP - modify specified",
        [](QDialog& dlg) { return Typed<QLineEdit>(dlg, nullptr, "Hall left", 1); }}, // after the address
    {"Offline IP - modify current set",
        [](QDialog& dlg) { return Typed<QLineEdit>(dlg, nullptr, "Hall right", 1); }},
    {"Offline IP - batch add", AddThreeFrom150, SpecifiedAddresses,
        "192.168.1.10 192.168.1.11 192.168.1.150 192.168.1.151 192.168.1.152"},
    {"Offline IP - batch add from entry", AddThreeFrom150, SpecifiedAddresses,
        "192.168.1.10 192.168.1.11 192.168.1.150 192.168.1.151 192.168.1.152"},
    {"Offline IP - set 1 processor",
        [](QDialog& dlg) { return Typed<QLineEdit>(dlg, nullptr, "192.168.1.160"); }, SpecifiedAddresses,
        "192.168.1.10 192.168.1.11 192.168.1.160"},
    {"Offline IP - set 2 processors",
        [](QDialog& dlg) { return Typed<QLineEdit>(dlg, nullptr, "192.168.1.161", 1); }, SpecifiedAddresses,
        "192.168.1.10 192.168.1.11 192.168.1.101 192.168.1.161"},
    {"Offline IP - set 6 processors",
        [](QDialog& dlg) { return Typed<QLineEdit>(dlg, nullptr, "192.168.1.162", 2); }, SpecifiedAddresses,
        "192.168.1.10 192.168.1.11 192.168.1.101 192.168.1.102 192.168.1.162 192.168.1.104 192.168.1.105 "
        "192.168.1.106"},
    {"EDID settings", EdidChoices},
    {"EDID settings - fibre input 132", EdidChoices},
    {"EDID settings - custom size over the limit", EdidChoices},
};

const SJourney* Find(const QString& strEntry)
{
    for (const SJourney& journey : g_arrJourneys) {
        if (strEntry == journey.pszEntry)
            return &journey;
    }
    return nullptr; // the chromaticity editor
}

// Clicks the entry's button in the main window and runs fnInDialog in the
// dialog it opens; false when no dialog opened.
bool InDialog(QWidget& window, const QString& strEntry, const std::function<void(QDialog&)>& fnInDialog)
{
    const QString strText = QCoreApplication::translate("SDemoEntry", strEntry.toUtf8().constData());
    QPushButton* pButton = nullptr;
    for (QPushButton* pCandidate : window.findChildren<QPushButton*>())
        pButton = pCandidate->text() == strText ? pCandidate : pButton;
    if (!pButton)
        return false;
    bool bRan = false;
    std::function<void()> fnRun = [&] {
        auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!pDialog)
            return;
        if (auto* pChooser = qobject_cast<QInputDialog*>(pDialog)) { // the entry asks for an input first
            QTimer::singleShot(50, &window, fnRun);
            pChooser->accept();
            return;
        }
        bRan = true;
        fnInDialog(*pDialog);
        if (pDialog->isVisible()) // a journey that failed to close it must not hang
            pDialog->reject();
    };
    QTimer::singleShot(0, &window, fnRun);
    QTest::mouseClick(pButton, Qt::LeftButton);
    return bRan;
}

CChromaticityPanel* ShowPanel(QWidget& window)
{
    auto* pPanel = window.findChild<CChromaticityPanel*>();
    auto* pTabs = window.findChild<QTabWidget*>();
    for (int i = 0; pPanel && i < pTabs->count(); ++i) {
        if (pTabs->widget(i)->isAncestorOf(pPanel))
            pTabs->setCurrentIndex(i);
    }
    return pPanel;
}

QString PointsListed(QWidget& window)
{
    return window.findChild<QLabel*>("pointsLabel")->text();
}
} // namespace

// A person's way through the demo host: open an entry from the main window,
// change the value, confirm, restart on the same project and read it back.
class TestDemoJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CMessageBoxAnswers::Install(); }
    void cleanupTestCase() { CMessageBoxAnswers::Uninstall(); }

    void journey_data()
    {
        QTest::addColumn<QString>("strEntry");
        QTest::addColumn<QString>("strLanguage");
        QTest::addColumn<bool>("bConfirm");
        QStringList listEntries {"Chromaticity editor"};
        for (const SJourney& journey : g_arrJourneys)
            listEntries << journey.pszEntry;
        for (const QString& strEntry : listEntries) {
            for (const char* pszLanguage : {"zh_CN", "en"}) {
                for (bool bConfirm : {true, false})
                    if (bConfirm || !Find(strEntry) || !Find(strEntry)->bLive)
                        QTest::addRow(
                            "%s %s %s", qPrintable(strEntry), pszLanguage, bConfirm ? "OK" : "Escape")
                            << strEntry << QString(pszLanguage) << bConfirm;
            }
        }
    }

    void journey()
    {
        QFETCH(QString, strEntry);
        QFETCH(QString, strLanguage);
        QFETCH(bool, bConfirm);
        QString strError;
        QVERIFY2(DemoLanguage::Install(strLanguage, TRANSLATIONS_BUILD_DIR, &strError), qPrintable(strError));
        const QString strPath = StartOnSample();
        const QByteArray baBefore = ReadFile(strPath);

        const SJourney* pJourney = Find(strEntry);
        QString strBefore, strEdited, strReopened;
        auto window = std::make_unique<CDemoMainWindow>();
        window->resize(1280, 690); // a laptop's screen less the window frame and the task bar
        window->show();
        if (!pJourney) {
            // A refused drag first: what it leaves drawn must not reach the file with the next move.
            strBefore = DragPoint(*window, {0.3127f, 0.329f}, {6, -8}, true); // the screen's white
            if (bConfirm) {
                DragPoint(*window, {0.3f, 0.6f}, {-6, 5}, false); // the screen's green
                QTest::qWait(50);
            }
            strEdited = PointsListed(*window);
            const QStringList listBefore = strBefore.split('\n'), listEdited = strEdited.split('\n');
            int nChanged = 0;
            for (int i = 0; i < listBefore.size(); ++i)
                nChanged += listBefore[i] != listEdited.value(i);
            QCOMPARE(nChanged, bConfirm ? 1 : 0);
        } else {
            QVERIFY(InDialog(*window, strEntry, [&](QDialog& dlg) {
                strBefore = pJourney->Read(dlg);
                QWidget* pFocus = pJourney->fnEdit(dlg);
                strEdited = pJourney->Read(dlg);
                QTest::keyClick(pFocus, bConfirm && !pJourney->bLive ? Qt::Key_Return : Qt::Key_Escape);
                QVERIFY2(!dlg.isVisible(), "the dialog stayed open");
            }));
            if (pJourney->fnHostRead) // the dialog does not show it again
                strEdited = pJourney->pszAsked;
        }
        window.reset();

        QVERIFY2(DemoHost::Start(strPath, &strError), qPrintable(strError));
        window = std::make_unique<CDemoMainWindow>();
        window->show();
        if (!pJourney) {
            ShowPanel(*window);
            strReopened = PointsListed(*window);
        } else {
            QVERIFY(InDialog(*window, strEntry, [&](QDialog& dlg) {
                strReopened = pJourney->Read(dlg);
                QTest::keyClick(&dlg, Qt::Key_Escape);
            }));
        }
        window.reset();

        if (bConfirm) {
            QVERIFY2(strEdited != strBefore, qPrintable("nothing was changed: " + strBefore));
            QCOMPARE(strReopened, strEdited);
        } else {
            QCOMPARE(strReopened, strBefore);
            QVERIFY(ReadFile(strPath) == baBefore);
        }
    }

    // Notifications alone (the background switch without a picture) change nothing to save.
    void unchangedProjectKeepsItsBytes()
    {
        const QString strPath = StartOnSample();
        const QByteArray baBefore = ReadFile(strPath);
        QString strError;
        QVERIFY2(DemoHost::Save(&strError), qPrintable(strError));
        QVERIFY(ReadFile(strPath) == baBefore);
    }

    // The diagram takes the room the panel has, on a large screen and down to
    // the widget's smallest size, and a point is still where it is drawn.
    void diagramFollowsThePanel()
    {
        StartOnSample();
        CChromaticityPanel panel;
        CChromaticityDlgWnd* pWnd = panel.GetChromaWnd();
        for (const QSize& size : {QSize(1400, 1000), QSize(200, 150)}) {
            panel.resize(size);
            panel.show();
            QTest::qWait(250); // the diagram takes the size it was given
            const QSizeF sizeWnd = pWnd->size();
            const float fMarginX = float(sizeWnd.width()) / 30 + 10,
                        fMarginY = float(sizeWnd.height()) / 30 + 10;
            const QPointF ptOrigin = pWnd->ChromaToPixel({0.0f, 0.0f});
            QVERIFY((ptOrigin - QPointF(fMarginX, sizeWnd.height() - fMarginY)).manhattanLength() < 0.01);
            if (size.width() > 1000)
                QVERIFY(sizeWnd.width() > 900 && sizeWnd.height() > 900);
            else
                QVERIFY(pWnd->width() == 101 && pWnd->height() < 560);
        }
    }

private:
    // A fresh copy of the sample in demo mode (the EDID send waits less), started.
    QString StartOnSample()
    {
        const QString strPath = m_dir.filePath(QString("p%1/project.json").arg(++m_nProjects));
        QJsonObject objRoot = QJsonDocument::fromJson(ReadFile(":/demo/SampleProject.json")).object();
        QJsonObject objProject = objRoot["project"].toObject();
        objProject["demoMode"] = true;
        // The first sender shows its picture, kept beside the project, and has an output limit.
        QJsonArray arrSenders = objProject["senders"].toArray();
        QJsonObject objSender = arrSenders[0].toObject();
        objSender["background"] = QJsonObject {{"opacity", 255}, {"enabled", 1}, {"stretched", 0}};
        QJsonObject objDevice = objSender["device"].toObject();
        objDevice["outputLimitFlags"] = 2048;
        objSender["device"] = objDevice;
        arrSenders[0] = objSender;
        objProject["senders"] = arrSenders;
        objRoot["project"] = objProject;
        QImage picture(64, 32, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QDir().mkpath(QFileInfo(strPath).path() + "/backgrounds");
        picture.save(QFileInfo(strPath).path() + "/backgrounds/sender_0_background.png");
        QFile file(strPath);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(QJsonDocument(objRoot).toJson(QJsonDocument::Compact)) <= 0)
            qFatal("cannot write %s", qPrintable(strPath));
        file.close();
        QString strError;
        if (!DemoHost::Start(strPath, &strError))
            qFatal("%s", qPrintable(strError));
        return strPath;
    }

    // Drags the point at ptChroma by four steps of posStep; answers the points as listed before.
    static QString DragPoint(QWidget& window, CPointEx<float> ptChroma, QPoint posStep, bool bReject)
    {
        CChromaticityPanel* pPanel = ShowPanel(window);
        QTest::qWait(250);
        const QString strBefore = PointsListed(window);
        auto* pRejectBox = pPanel->findChild<QCheckBox*>();
        if (pRejectBox->isChecked() != bReject)
            QTest::mouseClick(pRejectBox, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
        CChromaticityDlgWnd* pWnd = pPanel->GetChromaWnd();
        const QPoint posFrom = pWnd->ChromaToPixel(ptChroma).toPoint();
        QTest::mouseMove(pWnd, posFrom); // a press takes the point the mouse is over
        QTest::mousePress(pWnd, Qt::LeftButton, Qt::NoModifier, posFrom);
        // The button stays down while the mouse moves, as in a person's drag.
        for (int i = 1; i <= 4; ++i) {
            QMouseEvent move(
                QEvent::MouseMove, posFrom + posStep * i, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(pWnd, &move);
        }
        QTest::mouseRelease(pWnd, Qt::LeftButton, Qt::NoModifier, posFrom + posStep * 4);
        return strBefore;
    }

    QTemporaryDir m_dir;
    int m_nProjects = 0;
};

QTEST_MAIN(TestDemoJourneys)
#include "tst_demo_journeys.moc"
