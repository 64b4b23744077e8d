#include "DialogSender.h"

#include "ServiceRegistry.h"

#include "CCustomMessageBox.h"
#include "KivoData.h"

#include <QCoreApplication>

CSender* RequireCurrentSender(QWidget* pParent)
{
    CSender* pSender = g_pProjectData->GetCurrentSender();
    if (!pSender)
        CCustomMessageBox::information(pParent,
            QCoreApplication::translate("SenderModuleDialog", "当前没有可设置的主控。"),
            CCustomMessageBox::ButtonOk, CCustomMessageBox::ButtonOk, 2147483647);
    return pSender;
}
