#include "DemoEntry.h"

#include "KivoData.h"

#include <QApplication>

#include <algorithm>

namespace DemoEntries {
static std::vector<SDemoEntry>& Table()
{
    static std::vector<SDemoEntry> s_vecEntries;
    return s_vecEntries;
}

bool Add(const SDemoEntry& entry)
{
    Table().push_back(entry);
    return true;
}

std::vector<SDemoEntry> All()
{
    std::vector<SDemoEntry> vecEntries = Table();
    std::stable_sort(vecEntries.begin(), vecEntries.end(), [](const SDemoEntry& a, const SDemoEntry& b) {
        return a.nOrder != b.nOrder ? a.nOrder < b.nOrder : a.strName < b.strName;
    });
    return vecEntries;
}

std::unique_ptr<QWidget> OpenStaged(const SDemoEntry& entry)
{
    std::unique_ptr<QWidget> pWidget(entry.fnCreate(nullptr));
    if (entry.bEmbedded)
        pWidget->resize(pWidget->sizeHint().expandedTo(QSize(820, 640)));
    pWidget->show();
    QApplication::processEvents();
    if (entry.fnStage) {
        entry.fnStage(pWidget.get());
        QApplication::processEvents();
    }
    return pWidget;
}

int FindSender(const std::function<bool(const CSender&)>& fnFits)
{
    CProjectData* pProject = GetProjectData();
    for (int i = 0; i < pProject->GetSenderCount(); ++i) {
        if (fnFits(*pProject->GetSender(i)))
            return i;
    }
    return pProject->GetCurSenderIndex();
}

QWidget* CreateOnSender(int nSenderIndex, const std::function<QWidget*()>& fnCreate)
{
    CProjectData* pProject = GetProjectData();
    const int nPrevious = pProject->GetCurSenderIndex();
    if (pProject->GetSender(nSenderIndex))
        pProject->SetCurSenderIndex(nSenderIndex);
    QWidget* pDialog = fnCreate();
    QObject::connect(
        pDialog, &QObject::destroyed, [nPrevious] { GetProjectData()->SetCurSenderIndex(nPrevious); });
    return pDialog;
}
} // namespace DemoEntries
