#pragma once

#include "SenderModuleDialogExport.h"

#include <QPair>
#include <QPointF>
#include <QVector>

// One point of the daylight locus.
struct sCIE1931
{
    float fUrd = 0.0f; // reciprocal temperature in mired
    int nCCT = 0; // temperature in K
    double dX = 0.0; // CIE 1931 chromaticity
    double dY = 0.0;
    double dU = 0.0; // CIE 1960 UCS
    double dV = 0.0;
};

// Correlated colour temperature <-> CIE 1931 chromaticity along the CIE
// daylight locus, 4000 K to 25000 K. Call CalcColorGamut and ColorCoordTables
// once before converting chromaticities to temperatures.
class SENDERMODULEDIALOG_EXPORT CCCT2ColorCoord
{
public:
    // Daylight chromaticity of fCCT; exactly 6500 K gives D65 unless bFormula.
    // False, and *pt untouched, outside 4000 K to 25000 K.
    bool CCTtoColorCoord(float fCCT, QPointF* pt, bool bFormula) const;
    bool isCCTInRange(float fCCT) const;

    // McCamy cubic in the index n, minus fTarget, and its derivative.
    float Solvef(float fN, float fTarget) const;
    float Solveff(float fN) const;
    bool SolveCrest();
    bool isSearchNewArea(int k, float fTarget) const;
    void SearchNewArea(float fStart, float fStep, float* pOut, float fTarget) const;
    bool AreaSolve(float fTarget);
    void CalDivArea(QVector<float>& vecOut, float fTarget);
    // The index intervals in which the cubic stays strictly between 4000 K and 25000 K.
    void CalcColorGamut();
    // The locus from 4000 K to 25000 K in 5 K steps.
    void ColorCoordTables();

    float CalcUrd(int nCCT) const;
    void ColorCoordXYtoUV(QPointF xy, QPointF* uv) const;
    bool isCoordInArea(const QPointF& xy) const;
    bool SearchNearestTwoPoint(QPointF uvcolorCoord, sCIE1931* NearTwoColorCoord) const;
    float TriangCalUrd(QPointF uvcolorCoord, sCIE1931* NearTwoColorCoord) const;
    // Correlated colour temperature of xy; a point within 0.00001 of D65 gives
    // exactly 6500 K unless bRaw.
    bool TriangAlgCalcRelativeCCT(QPointF xy, float* pCCT, bool bRaw) const;

    const QVector<sCIE1931>& GetColorCoordTables() const { return m_sColorCoordTables; }

private:
    QPointF DaylightCoord(float fCCT, bool bFormula) const;

    QVector<sCIE1931> m_sColorCoordTables;
    QVector<float> m_vecCrest;
    QVector<float> m_vecSearchArea;
    QVector<float> m_vecRoot;
    QVector<QPair<float, float>> m_vecValidArea;
};
