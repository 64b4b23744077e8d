#pragma once

#include "OstraControlExport.h"

#include <QDialog>

// Base of every host dialog: a dark window of fixed look. With bFrameless the
// window draws no system title bar.
class OSTRACONTROL_EXPORT CCustomDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CCustomDialog(QWidget* pParent = nullptr, bool bFrameless = false);
    ~CCustomDialog() override;

    bool IsFrameless() const { return m_bFrameless; }

private:
    bool m_bFrameless;
};
