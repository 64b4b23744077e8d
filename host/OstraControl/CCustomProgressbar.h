#pragma once

#include "OstraControlExport.h"

#include <QDialog>

class QLabel;
class QProgressBar;

// Small borderless window with a text and a progress bar, shown over its
// parent while the caller works in the GUI thread. With bBusy the bar runs
// without a value; otherwise it shows setValue() in percent.
class OSTRACONTROL_EXPORT CCustomProgressbar : public QDialog
{
    Q_OBJECT

public:
    explicit CCustomProgressbar(QWidget* pParent = nullptr, bool bBusy = false);
    ~CCustomProgressbar() override;

    void SetText(const QString& strText);
    QString Text() const;

    // Clamped to 0..100. While shown, pending paint work is done at once so
    // the bar moves even when the caller blocks between steps.
    void setValue(int nValue);
    int value() const;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    QLabel* m_pTextLabel;
    QProgressBar* m_pBar;
};
