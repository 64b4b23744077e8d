#pragma once

#include <QWidget>

class CChromaticityDlgWnd;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QTimer;
struct SChromaGroupState;

// The chromaticity widget as a host embeds it: the project's groups, a host
// answer to every drag step that can be switched from accepting to rejecting
// (optionally supplying the point a rejected colour point goes to), and every
// accepted move kept in the project.
class CChromaticityPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CChromaticityPanel(QWidget* pParent = nullptr);

    CChromaticityDlgWnd* GetChromaWnd() const { return m_pChromaWnd; }
    // Shows the project's groups again, after the project was replaced.
    void ReloadGroups();
    // "Output colour space", "Screen colour space", or the group's own name.
    static QString GroupName(const SChromaGroupState& group);
    static QString PointName(int nPointIndex);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void InitGroups();
    void FitDiagram();
    void ShowPoints();
    void OnPositionChange(int nGroupIndex, int nPointIndex, bool& bSuccessed);

    CChromaticityDlgWnd* m_pChromaWnd = nullptr;
    QCheckBox* m_pRejectBox = nullptr;
    QCheckBox* m_pSupplyBox = nullptr;
    QDoubleSpinBox* m_pSupplyXSpin = nullptr;
    QDoubleSpinBox* m_pSupplyYSpin = nullptr;
    QLabel* m_pAnswerLabel = nullptr;
    QLabel* m_pPointsLabel = nullptr;
    QTimer* m_pFitTimer = nullptr;
    bool m_bUnsaved = false;
    bool m_bRefused = false; // the widget may show a refused step until the group is put back
};
