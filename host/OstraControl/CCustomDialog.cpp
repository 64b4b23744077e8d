#include "CCustomDialog.h"

#include "OstraTheme.h"

#include <QPushButton>
#include <QShowEvent>

CCustomDialog::CCustomDialog(QWidget* pParent, bool bFrameless)
    : QDialog(pParent)
    , m_bFrameless(bFrameless)
{
    Qt::WindowFlags nFlags = windowFlags() & ~Qt::WindowContextHelpButtonHint;
    if (m_bFrameless)
        nFlags |= Qt::FramelessWindowHint;
    setWindowFlags(nFlags);
    OstraTheme::ApplyWindowLook(this);
}

CCustomDialog::~CCustomDialog() = default;

void CCustomDialog::SetDialogButtons(QPushButton* pOkButton, QPushButton* pCancelButton)
{
    m_pOkButton = pOkButton;
    m_pCancelButton = pCancelButton;
    UpdateDefaultButtons();
}

void CCustomDialog::UpdateDefaultButtons()
{
    if (!m_pOkButton)
        return;
    // A focused auto-default button takes Enter for itself. OK's default mark
    // takes the mark from any other button.
    for (QPushButton* pButton : findChildren<QPushButton*>()) {
        if (pButton != m_pOkButton && pButton->window() == this)
            pButton->setAutoDefault(false);
    }
    m_pOkButton->setDefault(true);
}

void CCustomDialog::showEvent(QShowEvent* pEvent)
{
    if (!pEvent->spontaneous()) {
        // A dialog shown again starts afresh.
        m_bFinished = false;
        m_bConfirming = false;
        UpdateDefaultButtons();
    }
    QDialog::showEvent(pEvent);
}

void CCustomDialog::done(int nResult)
{
    if (m_bFinished)
        return;
    m_bFinished = true;
    QDialog::done(nResult);
}

void CCustomDialog::reject()
{
    if (IsActionBlocked())
        return;
    if (m_bRejecting || !m_pCancelButton || !m_pCancelButton->isEnabled()) {
        QDialog::reject();
        return;
    }
    m_bRejecting = true;
    m_pCancelButton->click();
    m_bRejecting = false;
}

void CCustomDialog::RunConfirm(const std::function<bool()>& fnWork)
{
    if (IsActionBlocked())
        return;
    const QPointer<CCustomDialog> pSelf(this);
    m_bConfirming = true;
    const bool bDone = fnWork();
    if (!pSelf)
        return;
    m_bConfirming = false;
    if (bDone) {
        done(Accepted);
        close();
    }
}

void CCustomDialog::RunCancel(int nResult)
{
    if (IsActionBlocked())
        return;
    done(nResult);
    close();
}
