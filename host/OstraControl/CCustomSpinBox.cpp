#include "CCustomSpinBox.h"

#include <algorithm>

CCustomSpinBox::CCustomSpinBox(int nDecimals, QWidget* pParent)
    : QDoubleSpinBox(pParent)
{
    setDecimals(std::max(nDecimals, 0));
}

CCustomSpinBox::~CCustomSpinBox() = default;

void CCustomSpinBox::SetMinMax(double dMin, double dMax)
{
    if (dMin > dMax)
        std::swap(dMin, dMax);
    setRange(dMin, dMax);
}
