#pragma once

/// @file
/// Correlated colour temperature and CIE 1931 chromaticity along the daylight locus.

#include "SenderModuleDialogExport.h"

#include <QPair>
#include <QPointF>
#include <QVector>

/// One point of the daylight locus.
struct sCIE1931
{
    float fUrd = 0.0f; ///< reciprocal temperature in mired: 1,000,000 / nCCT
    int nCCT = 0; ///< temperature in K
    double dX = 0.0; ///< CIE 1931 chromaticity x
    double dY = 0.0; ///< CIE 1931 chromaticity y
    double dU = 0.0; ///< CIE 1960 UCS u
    double dV = 0.0; ///< CIE 1960 UCS v
};

/// Correlated colour temperature <-> CIE 1931 chromaticity along the CIE
/// daylight locus, 4000 K to 25000 K. Call CalcColorGamut and ColorCoordTables
/// once before converting chromaticities to temperatures.
class SENDERMODULEDIALOG_EXPORT CCCT2ColorCoord
{
public:
    /// Writes the daylight chromaticity (x, y) of fCCT kelvin to *pt; exactly 6500 K gives D65
    /// (0.3127, 0.3290) unless bFormula. False, and *pt untouched, outside 4000 K to 25000 K.
    bool CCTtoColorCoord(float fCCT, QPointF* pt, bool bFormula) const;
    /// True for 4000 K to 25000 K, both included.
    bool isCCTInRange(float fCCT) const;

    /// McCamy's cubic in the index n minus fTarget (kelvin): 437·n³ + 3601·n² + 6831·n + 5517 − fTarget.
    float Solvef(float fN, float fTarget) const;
    /// Derivative of the cubic in n: 1311·n² + 7202·n + 6831.
    float Solveff(float fN) const;
    /// Appends the cubic's two stationary points (−4.2745523, −1.2189642) to the crest list; true.
    bool SolveCrest();
    /// Whether a root of the cubic minus fTarget lies beyond stationary point k (1 the left, 2 the right
    /// one).
    bool isSearchNewArea(int k, float fTarget) const;
    /// From fStart outwards in steps fStep doubling each time, writes to *pOut the first n at which the
    /// cubic minus fTarget changes sign.
    void SearchNewArea(float fStart, float fStep, float* pOut, float fTarget) const;
    /// Sets up the bracket in n in which the roots of the cubic minus fTarget are sought; true.
    bool AreaSolve(float fTarget);
    /// Appends to vecOut the roots in n of the cubic minus fTarget inside the bracket (bisection to
    /// 0.000001).
    void CalDivArea(QVector<float>& vecOut, float fTarget);
    /// Finds the index intervals in which the cubic stays strictly between 4000 K and 25000 K.
    void CalcColorGamut();
    /// Fills the locus table from 4000 K to 25000 K in 5 K steps (4201 points).
    void ColorCoordTables();

    /// 1,000,000 / nCCT: the temperature in mired.
    float CalcUrd(int nCCT) const;
    /// Writes the CIE 1960 (u, v) of CIE 1931 (x, y) to *uv.
    void ColorCoordXYtoUV(QPointF xy, QPointF* uv) const;
    /// McCamy pre-filter: true when (x, y) has an index n inside one of the intervals CalcColorGamut found.
    bool isCoordInArea(const QPointF& xy) const;
    /// Writes the two table points that bracket (u, v) into NearTwoColorCoord[0] and [1] (an array of two);
    /// true.
    bool SearchNearestTwoPoint(QPointF uvcolorCoord, sCIE1931* NearTwoColorCoord) const;
    /// The mired value interpolated at (u, v) between the two points of NearTwoColorCoord.
    float TriangCalUrd(QPointF uvcolorCoord, sCIE1931* NearTwoColorCoord) const;
    /// Writes the correlated colour temperature of (x, y) in kelvin to *pCCT; a point within 0.00001
    /// of D65 gives exactly 6500 K unless bRaw. False outside the pre-filter (nothing written) or
    /// outside 4000 K to 25000 K (the value stays written).
    bool TriangAlgCalcRelativeCCT(QPointF xy, float* pCCT, bool bRaw) const;

    /// The locus table, ascending in temperature; empty before ColorCoordTables.
    const QVector<sCIE1931>& GetColorCoordTables() const { return m_sColorCoordTables; }

private:
    QPointF DaylightCoord(float fCCT, bool bFormula) const;

    QVector<sCIE1931> m_sColorCoordTables;
    QVector<float> m_vecCrest;
    QVector<float> m_vecSearchArea;
    QVector<float> m_vecRoot;
    QVector<QPair<float, float>> m_vecValidArea;
};
