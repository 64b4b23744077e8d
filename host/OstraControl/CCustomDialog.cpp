#include "CCustomDialog.h"

#include "OstraTheme.h"

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
