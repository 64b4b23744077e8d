#pragma once

#include "OstraControlExport.h"

#include <QLabel>

// Label drawn in the host's light-on-dark text colours.
class OSTRACONTROL_EXPORT CCustomLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CCustomLabel(QWidget* pParent = nullptr);
    explicit CCustomLabel(const QString& strText, QWidget* pParent = nullptr);
    ~CCustomLabel() override;
};
