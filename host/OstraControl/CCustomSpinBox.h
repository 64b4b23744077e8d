#pragma once

#include "OstraControlExport.h"

#include <QDoubleSpinBox>

// Numeric box showing nDecimals decimals (0: whole numbers).
class OSTRACONTROL_EXPORT CCustomSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit CCustomSpinBox(int nDecimals = 0, QWidget* pParent = nullptr);
    ~CCustomSpinBox() override;

    // Sets the accepted range; the bounds are swapped when given reversed.
    void SetMinMax(double dMin, double dMax);
};
