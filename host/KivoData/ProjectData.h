#pragma once

#include "Sender.h"

#include <QVector>

#include <array>

// One group of the chromaticity editor as the project keeps it: points 0 to 2
// are the colour points, 3 the white point, in CIE 1931 x, y.
struct SChromaGroupState
{
    int nKey = 0;
    QString strName; // empty: the host names the group by its role
    std::array<std::array<float, 2>, 4> arrPoints {};
    std::array<bool, 4> arrMovable {true, true, true, true};
    bool bCustomColor = false; // false: the editor's default colours
    std::array<int, 3> arrColor {255, 255, 255};
    bool bVisible = true;

    bool operator==(const SChromaGroupState& other) const;
};

class KIVODATA_EXPORT CProjectData
{
public:
    int GetCurSenderIndex() const { return m_nCurSenderIndex; }
    void SetCurSenderIndex(int nIndex) { m_nCurSenderIndex = nIndex; }

    int GetSenderCount() const { return m_vecSenders.size(); }
    // Null for an index outside the project.
    CSender* GetSender(int nIndex);
    CSender* GetCurrentSender() { return GetSender(m_nCurSenderIndex); }

    bool GetDemoModeEnable() const { return m_bDemoMode; }
    void SetDemoModeEnable(bool bEnable);
    int GetDemoSenderType() const { return m_nDemoSenderType; }
    void SetDemoSenderType(int nType);

    // Reset coefficients last chosen for calibration and seam correction.
    float GetResetCoef(bool bCalibration) const { return bCalibration ? m_fCaliCoef : m_fSeamCoef; }
    void SetResetCoef(bool bCalibration, float fValue);

    // The chromaticity editor's groups, by ascending key.
    const QVector<SChromaGroupState>& GetChromaGroups() const { return m_vecChromaGroups; }
    void SetChromaGroups(const QVector<SChromaGroupState>& vecGroups);
    // Output colour space (DCI-P3 primaries) and screen colour space (sRGB), both D65.
    static QVector<SChromaGroupState> DefaultChromaGroups();

    // Project loading (not plug-in writes, so not logged).
    void ResetSenders(const QVector<CSender>& vecSenders);
    void LoadDemoState(bool bDemoMode, int nDemoSenderType);
    void LoadExtras(float fCaliCoef, float fSeamCoef, const QVector<SChromaGroupState>& vecGroups);
    // Appends a processor added by hand, logged like any host write.
    void AddSender(const CSender& sender);

private:
    QVector<CSender> m_vecSenders;
    int m_nCurSenderIndex = 0;
    bool m_bDemoMode = false;
    int m_nDemoSenderType = 21;
    float m_fCaliCoef = 1.0f;
    float m_fSeamCoef = 1.0f;
    QVector<SChromaGroupState> m_vecChromaGroups = DefaultChromaGroups();
};
