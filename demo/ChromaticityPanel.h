#pragma once

#include <QWidget>

class CChromaticityDlgWnd;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;

// The chromaticity widget as a host embeds it: the output colour space (512)
// and the calibrated screen colour space (768), with a host answer to every
// drag step that can be switched from accepting to rejecting, optionally
// supplying the point a rejected colour point goes to.
class CChromaticityPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CChromaticityPanel(QWidget* pParent = nullptr);

    CChromaticityDlgWnd* GetChromaWnd() const { return m_pChromaWnd; }

private:
    void InitGroups();
    void OnPositionChange(int nGroupIndex, int nPointIndex, bool& bSuccessed);

    CChromaticityDlgWnd* m_pChromaWnd = nullptr;
    QCheckBox* m_pRejectBox = nullptr;
    QCheckBox* m_pSupplyBox = nullptr;
    QDoubleSpinBox* m_pSupplyXSpin = nullptr;
    QDoubleSpinBox* m_pSupplyYSpin = nullptr;
    QLabel* m_pAnswerLabel = nullptr;
};
