#include "CCustomIPEdit.h"

#include "CIPv4Validator.h"

CCustomIPEdit::CCustomIPEdit(QWidget* pParent)
    : QLineEdit(pParent)
{
    // No input mask: its dots would make an untouched editor look filled.
    setValidator(new CIPv4Validator(this));
}

CCustomIPEdit::~CCustomIPEdit() = default;

bool CCustomIPEdit::IsComplete() const
{
    return CIPv4Validator::Classify(text()) == QValidator::Acceptable;
}
