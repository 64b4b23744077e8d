#pragma once

#include "OstraControlExport.h"

#include <QWidget>

class QVariantAnimation;

// On/off switch painted by itself. A click (or Space/Return with focus)
// toggles it and emits checked(bool) with the new state; setOpen() changes
// the state silently, so a slot may call it without looping.
class OSTRACONTROL_EXPORT CCustomSwitchButton : public QWidget
{
    Q_OBJECT

public:
    explicit CCustomSwitchButton(QWidget* pParent = nullptr);
    ~CCustomSwitchButton() override;

    // bAnimated slides the knob; isOpen() reports the new state at once.
    void setOpen(bool bOpen, bool bAnimated = true);
    bool isOpen() const { return m_bOpen; }

    QSize sizeHint() const override;

signals:
    void checked(bool bOpen);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void Toggle();

    bool m_bOpen = false;
    bool m_bPressed = false;
    qreal m_dKnobPos = 0.0; // 0 off .. 1 on, follows the animation
    QVariantAnimation* m_pAnimation;
};
