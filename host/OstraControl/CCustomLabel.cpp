#include "CCustomLabel.h"

CCustomLabel::CCustomLabel(QWidget* pParent)
    : QLabel(pParent)
{
}

CCustomLabel::CCustomLabel(const QString& strText, QWidget* pParent)
    : QLabel(strText, pParent)
{
}

CCustomLabel::~CCustomLabel() = default;
