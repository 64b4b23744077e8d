#include "CCT2ColorCoord.h"

#include <Common/Assert.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr float g_fMinCCT = 4000.0f;
constexpr float g_fMaxCCT = 25000.0f;
constexpr int g_nTableStep = 5;
// McCamy's epicentre.
constexpr float g_fEpicentreX = 0.332f;
constexpr float g_fEpicentreY = 0.1858f;
// D65 as the widget shows it; the doubles of these floats are what callers see.
constexpr float g_fD65X = 0.3127f;
constexpr float g_fD65Y = 0.329f;
// Stationary points of the McCamy cubic: a maximum, then a minimum.
constexpr float g_fCrestLeft = -4.2745523f;
constexpr float g_fCrestRight = -1.2189642f;
constexpr int g_nSubIntervals = 20;
constexpr float g_fRootTolerance = 0.000001f;
} // namespace

bool CCCT2ColorCoord::isCCTInRange(float fCCT) const
{
    return fCCT >= g_fMinCCT && fCCT <= g_fMaxCCT;
}

QPointF CCCT2ColorCoord::DaylightCoord(float fCCT, bool bFormula) const
{
    if (!bFormula && std::fabs(fCCT - 6500.0f) < 0.00001f)
        return QPointF(g_fD65X, g_fD65Y);
    const double dT = fCCT;
    const double dT2 = dT * dT;
    const double dT3 = std::pow(dT, 3);
    double dX = 0.0;
    if (fCCT < 7000.0f)
        dX = (1000 / dT) * 0.09911 + ((1000000 / dT2) * 2.9678 + (-4.607) * (1000000000 / dT3)) + 0.244063;
    else
        dX = (1000 / dT) * 0.24748 + ((1000000 / dT2) * 1.9018 + (-2.0064) * (1000000000 / dT3)) + 0.23704;
    const float fX = float(dX);
    const double dRoundedX = fX;
    const float fY = float(-3.0 * dRoundedX * dRoundedX + 2.87 * dRoundedX - 0.275);
    return QPointF(fX, fY);
}

bool CCCT2ColorCoord::CCTtoColorCoord(float fCCT, QPointF* pt, bool bFormula) const
{
    SENDER_ASSERT(pt != nullptr);
    if (!isCCTInRange(fCCT))
        return false;
    *pt = DaylightCoord(fCCT, bFormula);
    return true;
}

float CCCT2ColorCoord::Solvef(float fN, float fTarget) const
{
    return float(std::pow(fN, 3) * 437 + std::pow(fN, 2) * 3601 + double(fN * 6831.0f) + 5517 - fTarget);
}

float CCCT2ColorCoord::Solveff(float fN) const
{
    return 1311.0f * fN * fN + 7202.0f * fN + 6831.0f;
}

bool CCCT2ColorCoord::SolveCrest()
{
    m_vecCrest << g_fCrestLeft << g_fCrestRight;
    return true;
}

bool CCCT2ColorCoord::isSearchNewArea(int k, float fTarget) const
{
    SENDER_ASSERT(m_vecCrest.size() >= 2 && (k == 1 || k == 2));
    const float fSlope = Solveff((m_vecCrest[0] + m_vecCrest[1]) / 2.0f);
    const float fValue = Solvef(m_vecCrest[k - 1], fTarget);
    // A falling middle means a maximum then a minimum: roots lie left of a
    // maximum above the target and right of a minimum below it.
    if (fSlope <= 0.0f)
        return (k == 1 && fValue > 0.0f) || (k == 2 && fValue < 0.0f);
    return (k == 1 && fValue < 0.0f) || (k == 2 && fValue > 0.0f);
}

void CCCT2ColorCoord::SearchNewArea(float fStart, float fStep, float* pOut, float fTarget) const
{
    const float fStartValue = Solvef(fStart, fTarget);
    for (float fDistance = fStep;; fDistance *= 2.0f) {
        const float fX = fStart + fDistance;
        *pOut = fX;
        // A cubic always changes sign eventually; the finiteness test only
        // guards a start exactly on a root.
        if (Solvef(fX, fTarget) * fStartValue < 0.0f || !std::isfinite(fX))
            return;
    }
}

bool CCCT2ColorCoord::AreaSolve(float fTarget)
{
    SolveCrest();
    if (Solvef(m_vecCrest[0], fTarget) * Solvef(m_vecCrest[1], fTarget) < 0.0f)
        m_vecSearchArea << m_vecCrest[0] << m_vecCrest[1];
    for (int i = 0; i < 2; ++i) {
        const int k = i + 1;
        if (!isSearchNewArea(k, fTarget))
            continue;
        float fFound = 0.0f;
        SearchNewArea(m_vecCrest[i], (k == 1 ? -1.0f : 1.0f) * 0.01f, &fFound, fTarget);
        // Without an earlier bracket the crests themselves bound the other side.
        while (m_vecSearchArea.size() <= i)
            m_vecSearchArea << m_vecCrest[m_vecSearchArea.size()];
        m_vecSearchArea[i] = fFound;
    }
    return true;
}

void CCCT2ColorCoord::CalDivArea(QVector<float>& vecOut, float fTarget)
{
    SENDER_ASSERT(m_vecSearchArea.size() >= 2);
    const float fBegin = m_vecSearchArea[0], fEnd = m_vecSearchArea[1];
    const float fWidth = (fEnd - fBegin) / g_nSubIntervals;
    if (!(fWidth > 0.0f))
        return;
    for (float fLow = fBegin, fHigh = fBegin + fWidth; fLow < fEnd; fLow = fHigh, fHigh = fLow + fWidth) {
        fHigh = std::min(fHigh, fEnd);
        const float fProduct = Solvef(fLow, fTarget) * Solvef(fHigh, fTarget);
        float fRoot = 0.0f;
        if (fProduct < 0.0f) {
            float fLo = fLow, fHi = fHigh;
            for (;;) {
                fRoot = (fLo + fHi) / 2.0f;
                // The last test stops where float spacing exceeds the tolerance.
                if (fHi - fLo <= g_fRootTolerance || Solvef(fRoot, fTarget) == 0.0f || fRoot == fLo
                    || fRoot == fHi)
                    break;
                if (Solvef(fLo, fTarget) * Solvef(fRoot, fTarget) < 0.0f)
                    fHi = fRoot;
                else
                    fLo = fRoot;
            }
        } else if (fProduct == 0.0f) {
            fRoot = (fLow + fHigh) / 2.0f;
        } else {
            continue;
        }
        m_vecRoot << fRoot;
        vecOut << fRoot;
    }
}

void CCCT2ColorCoord::CalcColorGamut()
{
    QVector<float> vecRoots, vecRootsHigh;
    AreaSolve(g_fMinCCT);
    CalDivArea(vecRoots, g_fMinCCT);
    m_vecCrest.clear();
    m_vecRoot.clear();
    // The upper search keeps the lower end of the first bracket.
    AreaSolve(g_fMaxCCT);
    CalDivArea(vecRootsHigh, g_fMaxCCT);

    vecRoots << vecRootsHigh;
    std::sort(vecRoots.begin(), vecRoots.end());
    for (int i = 0; i + 1 < vecRoots.size(); ++i) {
        const float fMiddle = (vecRoots[i] + vecRoots[i + 1]) / 2.0f;
        if (Solvef(fMiddle, g_fMinCCT) > 0.0f && Solvef(fMiddle, g_fMaxCCT) < 0.0f)
            m_vecValidArea << qMakePair(vecRoots[i], vecRoots[i + 1]);
    }
}

float CCCT2ColorCoord::CalcUrd(int nCCT) const
{
    return (1.0f / float(nCCT)) * 1000000.0f;
}

void CCCT2ColorCoord::ColorCoordXYtoUV(QPointF xy, QPointF* uv) const
{
    SENDER_ASSERT(uv != nullptr);
    const double dDenominator = -2.0 * xy.x() + 12.0 * xy.y() + 3.0;
    *uv = QPointF(4.0 * xy.x() / dDenominator, 6.0 * xy.y() / dDenominator);
}

void CCCT2ColorCoord::ColorCoordTables()
{
    m_sColorCoordTables.clear();
    m_sColorCoordTables.reserve((int(g_fMaxCCT) - int(g_fMinCCT)) / g_nTableStep + 1);
    for (int nCCT = int(g_fMinCCT); nCCT <= int(g_fMaxCCT); nCCT += g_nTableStep) {
        sCIE1931 record;
        record.fUrd = CalcUrd(nCCT);
        record.nCCT = nCCT;
        const QPointF xy = DaylightCoord(float(nCCT), true);
        QPointF uv;
        ColorCoordXYtoUV(xy, &uv);
        record.dX = xy.x();
        record.dY = xy.y();
        record.dU = uv.x();
        record.dV = uv.y();
        m_sColorCoordTables << record;
    }
}

bool CCCT2ColorCoord::isCoordInArea(const QPointF& xy) const
{
    const double x = xy.x(), y = xy.y();
    if (!(x > 0.0 && x < 1.0))
        return false;
    // a < n < b with n = (x − 0.332) / (0.1858 − y), multiplied out so that the
    // sign of the denominator decides the direction of the inequalities.
    const bool bAbove = y > double(g_fEpicentreY) && y < 1.0;
    const bool bBelow = y > 0.0 && y < double(g_fEpicentreY);
    if (!bAbove && !bBelow)
        return false;
    for (const QPair<float, float>& area : m_vecValidArea) {
        const float fLowBound = g_fEpicentreY * area.first + g_fEpicentreX;
        const float fHighBound = g_fEpicentreY * area.second + g_fEpicentreX;
        const double dLow = area.first * y + x, dHigh = area.second * y + x;
        if (bAbove ? (dLow < fLowBound && dHigh > fHighBound) : (dLow > fLowBound && dHigh < fHighBound))
            return true;
    }
    return false;
}

static float UvDistance(const QPointF& uv, const sCIE1931& record)
{
    return float(std::sqrt(std::pow(uv.x() - record.dU, 2) + std::pow(uv.y() - record.dV, 2)));
}

bool CCCT2ColorCoord::SearchNearestTwoPoint(QPointF uvcolorCoord, sCIE1931* NearTwoColorCoord) const
{
    // clang-format off
    SENDER_ASSERT(uvcolorCoord.x() > 0 && uvcolorCoord .y() > 0);
    // clang-format on
    SENDER_ASSERT(NearTwoColorCoord != nullptr);
    NearTwoColorCoord[0] = sCIE1931();
    NearTwoColorCoord[1] = sCIE1931();

    // The distance falls towards the nearest record and rises after it, so the
    // walk stops at the first record that is no nearer.
    float fBest = 10.0f;
    int nBest = -1;
    for (int i = 0; i < m_sColorCoordTables.size(); ++i) {
        const float fDistance = UvDistance(uvcolorCoord, m_sColorCoordTables[i]);
        if (fDistance < fBest) {
            fBest = fDistance;
            nBest = i;
        } else if (fDistance < 10.0f) {
            NearTwoColorCoord[1] = m_sColorCoordTables[i];
            break;
        }
    }
    if (nBest > 0 && nBest < m_sColorCoordTables.size() - 1)
        NearTwoColorCoord[0] = m_sColorCoordTables[nBest - 1];
    else if (nBest >= 0)
        NearTwoColorCoord[0] = m_sColorCoordTables[nBest];
    return true;
}

float CCCT2ColorCoord::TriangCalUrd(QPointF uvcolorCoord, sCIE1931* NearTwoColorCoord) const
{
    SENDER_ASSERT(NearTwoColorCoord != nullptr);
    const sCIE1931& near1 = NearTwoColorCoord[0];
    const sCIE1931& near2 = NearTwoColorCoord[1];
    const float fLength
        = float(std::sqrt(std::pow(near1.dU - near2.dU, 2) + std::pow(near1.dV - near2.dV, 2)));
    const float fDistance1 = UvDistance(uvcolorCoord, near1);
    const float fDistance2 = UvDistance(uvcolorCoord, near2);
    // Projections of the point onto the chord, weighted by the squared distances.
    const float fP = float(double(fDistance1) * fDistance1 / fLength);
    const float fQ = float(double(fDistance2) * fDistance2 / fLength);
    return near1.fUrd + (near2.fUrd - near1.fUrd) * fP / (fQ + fP);
}

bool CCCT2ColorCoord::TriangAlgCalcRelativeCCT(QPointF xy, float* pCCT, bool bRaw) const
{
    SENDER_ASSERT(pCCT != nullptr);
    if (!isCoordInArea(xy))
        return false;
    SENDER_ASSERT(!m_sColorCoordTables.isEmpty());
    QPointF uv;
    ColorCoordXYtoUV(xy, &uv);
    sCIE1931 arrNearest[2];
    SearchNearestTwoPoint(uv, arrNearest);
    *pCCT = float(1000000.0 / TriangCalUrd(uv, arrNearest));
    if (!isCCTInRange(*pCCT))
        return false;
    if (bRaw)
        return true;
    const double dTolerance = 0.00001f;
    if (std::fabs(xy.x() - double(g_fD65X)) < dTolerance && std::fabs(xy.y() - double(g_fD65Y)) < dTolerance)
        *pCCT = 6500.0f;
    return true;
}
