#include "MainWindow.h"

#include "ChromaticityPanel.h"
#include "DemoHost.h"
#include "HostCallLog.h"
#include "ProjectFile.h"
#include "SenderModuleDialogInit.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {
// Room for the window frame and a task bar on the smallest screens we fit.
constexpr int g_nFrameAllowance = 80;

QString DisplayName(const SDemoEntry& entry)
{
    return QCoreApplication::translate("SDemoEntry", entry.strName.toUtf8().constData());
}

// Everything scrolls rather than growing the window past a laptop's screen.
// Asks for the room its content needs (a plain scroll area asks for less), and
// scrolls only where the screen is smaller.
class CContentSizedArea : public QScrollArea
{
public:
    QSize sizeHint() const override
    {
        return widget()->sizeHint() + QSize(verticalScrollBar()->sizeHint().width(), 0);
    }
};

QScrollArea* Scrolling(QWidget* pContent, QScrollArea* pArea = new QScrollArea)
{
    pArea->setWidget(pContent);
    pArea->setWidgetResizable(true);
    pArea->setFrameShape(QFrame::NoFrame);
    // Tab goes to the controls inside, which show focus and scroll into view.
    pArea->setFocusPolicy(Qt::NoFocus);
    return pArea;
}
} // namespace

CDemoMainWindow::CDemoMainWindow(QWidget* pParent)
    : QMainWindow(pParent)
{
    setWindowTitle(tr("SenderModuleDialog demo host"));
    auto* pTabs = new QTabWidget;
    // Fusion's focus frame on a tab hardly shows in the dark theme, so the first
    // Tab stop is the first button; Ctrl+Tab still switches the pages.
    pTabs->tabBar()->setFocusPolicy(Qt::NoFocus);

    auto* pDialogsPage = new QWidget;
    auto* pDialogsLayout = new QHBoxLayout(pDialogsPage);
    auto* pButtonPanel = new QWidget;
    auto* pButtons = new QGridLayout(pButtonPanel);
    std::vector<SDemoEntry> vecDialogs;
    for (const SDemoEntry& entry : DemoEntries::All()) {
        if (entry.bEmbedded)
            pTabs->addTab(Scrolling(entry.fnCreate(nullptr)), DisplayName(entry));
        else
            vecDialogs.push_back(entry);
    }
    // Two columns, read downwards, so that a laptop's height holds them all.
    const int nRows = int(vecDialogs.size() + 1) / 2;
    for (int i = 0; i < int(vecDialogs.size()); ++i) {
        const SDemoEntry& entry = vecDialogs[size_t(i)];
        auto* pButton = new QPushButton(DisplayName(entry));
        connect(pButton, &QPushButton::clicked, this, [this, entry] { OpenDialog(entry); });
        pButtons->addWidget(pButton, i % nRows, i / nRows);
    }
    auto* pReset = new QPushButton(tr("Reset sample project"));
    connect(pReset, &QPushButton::clicked, this, &CDemoMainWindow::ResetProject);
    // A long path wraps after any folder rather than widening the window.
    auto* pProjectLabel = new QLabel(DemoHost::ProjectPath().replace('/', QStringLiteral("/\u200b")));
    pProjectLabel->setWordWrap(true);
    pButtons->setRowStretch(nRows, 1);

    m_pReport = new QPlainTextEdit;
    m_pReport->setReadOnly(true);
    m_pReport->setMinimumWidth(240);
    QScrollArea* pButtonArea = Scrolling(pButtonPanel, new CContentSizedArea);
    // One column's width at the least, so that a narrow screen scrolls only sideways between them.
    int nWidest = 0;
    for (const QPushButton* pButton : pButtonPanel->findChildren<QPushButton*>())
        nWidest = qMax(nWidest, pButton->sizeHint().width());
    pButtonArea->setMinimumWidth(nWidest + 2 * pButtons->contentsMargins().left()
        + pButtonArea->verticalScrollBar()->sizeHint().width());
    // The project and its reset stay in view however far the dialog buttons scroll.
    auto* pLeftColumn = new QVBoxLayout;
    pLeftColumn->addWidget(pButtonArea, 1);
    pLeftColumn->addWidget(pProjectLabel);
    pLeftColumn->addWidget(pReset);
    pDialogsLayout->addLayout(pLeftColumn);
    pDialogsLayout->addWidget(m_pReport, 1);
    pTabs->insertTab(0, pDialogsPage, tr("Dialogs"));
    pTabs->setCurrentIndex(0);
    setCentralWidget(pTabs);

    // Preferred size, shrunk to the screen the window opens on.
    QSize size(1280, 760);
    if (const QScreen* pScreen = QGuiApplication::primaryScreen())
        size = size.boundedTo(
            pScreen->availableGeometry().size() - QSize(g_nFrameAllowance, g_nFrameAllowance));
    resize(size);
}

void CDemoMainWindow::OpenDialog(const SDemoEntry& entry)
{
    CHostCallLog::Instance().Clear();
    std::unique_ptr<QWidget> pWidget(entry.fnCreate(this));
    int nResult = -1;
    // A staged entry opens in the state its gallery picture shows.
    if (entry.fnStage) {
        QWidget* pRaw = pWidget.get();
        QTimer::singleShot(0, pRaw, [pRaw, entry] { entry.fnStage(pRaw); });
    }
    if (auto* pDialog = qobject_cast<QDialog*>(pWidget.get()))
        nResult = pDialog->exec();
    m_pReport->appendPlainText(tr("== %1 closed with %2").arg(DisplayName(entry)).arg(nResult));
    if (nResult == QDialog::Accepted && entry.fnStore)
        entry.fnStore(pWidget.get());
    if (entry.fnReadBack)
        m_pReport->appendPlainText(entry.fnReadBack(pWidget.get()));
    // Gone before saving: a dialog may hold another sender current while it lives.
    pWidget.reset();
    ReportHostCalls();
}

void CDemoMainWindow::ReportHostCalls()
{
    const QStringList listCalls = CHostCallLog::Instance().ToStrings();
    m_pReport->appendPlainText(listCalls.isEmpty() ? tr("host: nothing written")
                                                   : tr("host recorded:") + "\n  " + listCalls.join("\n  "));
    CHostCallLog::Instance().Clear();
    QString strError;
    if (!DemoHost::Save(&strError))
        m_pReport->appendPlainText(tr("project not saved: %1").arg(strError));
}

void CDemoMainWindow::ResetProject()
{
    QString strError;
    if (!DemoHost::LoadSample(&strError)) {
        m_pReport->appendPlainText(tr("reset failed: %1").arg(strError));
        return;
    }
    for (CChromaticityPanel* pPanel : findChildren<CChromaticityPanel*>())
        pPanel->ReloadGroups();
    m_pReport->appendPlainText(tr("== sample project restored"));
    ReportHostCalls();
}
