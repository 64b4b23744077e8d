#include "MainWindow.h"

#include "DemoHost.h"
#include "HostCallLog.h"
#include "ProjectFile.h"
#include "SenderModuleDialogInit.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

CDemoMainWindow::CDemoMainWindow(QWidget* pParent)
    : QMainWindow(pParent)
{
    setWindowTitle("SenderModuleDialog demo host");
    auto* pCentral = new QWidget(this);
    auto* pLayout = new QHBoxLayout(pCentral);

    auto* pButtons = new QVBoxLayout;
    auto* pTabs = new QTabWidget;
    for (const SDemoEntry& entry : DemoEntries::All()) {
        if (entry.bEmbedded) {
            pTabs->addTab(entry.fnCreate(pTabs), entry.strName);
            continue;
        }
        auto* pButton = new QPushButton(entry.strName);
        connect(pButton, &QPushButton::clicked, this, [this, entry] { OpenDialog(entry); });
        pButtons->addWidget(pButton);
    }
    auto* pReset = new QPushButton("Reset sample project");
    connect(pReset, &QPushButton::clicked, this, &CDemoMainWindow::ResetProject);
    pButtons->addStretch();
    pButtons->addWidget(new QLabel(DemoHost::ProjectPath()));
    pButtons->addWidget(pReset);

    m_pReport = new QPlainTextEdit;
    m_pReport->setReadOnly(true);
    m_pReport->setMinimumWidth(360);

    pLayout->addLayout(pButtons);
    if (pTabs->count() > 0)
        pLayout->addWidget(pTabs, 1);
    else
        delete pTabs;
    pLayout->addWidget(m_pReport, pTabs ? 0 : 1);
    setCentralWidget(pCentral);
    resize(1280, 760);
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
    m_pReport->appendPlainText(QString("== %1 closed with %2").arg(entry.strName).arg(nResult));
    if (entry.fnReadBack)
        m_pReport->appendPlainText(entry.fnReadBack(pWidget.get()));
    ReportHostCalls();
}

void CDemoMainWindow::ReportHostCalls()
{
    const QStringList listCalls = CHostCallLog::Instance().ToStrings();
    m_pReport->appendPlainText(
        listCalls.isEmpty() ? "host: nothing written" : "host recorded:\n  " + listCalls.join("\n  "));
    CHostCallLog::Instance().Clear();
    QString strError;
    if (!DemoHost::Save(&strError))
        m_pReport->appendPlainText("project not saved: " + strError);
}

void CDemoMainWindow::ResetProject()
{
    QString strError;
    if (!DemoHost::LoadSample(&strError)) {
        m_pReport->appendPlainText("reset failed: " + strError);
        return;
    }
    m_pReport->appendPlainText("== sample project restored");
    ReportHostCalls();
}
