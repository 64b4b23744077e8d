#include "ChromaDiagram.h"

#include "CCT2ColorCoord.h"
#include "ChromaGamutInterpolation.h"

#include <Common/Assert.h>

#include <algorithm>
#include <cmath>

CChromaDiagram::CChromaDiagram()
    : m_pCCT(new CCCT2ColorCoord)
    , m_pGamutInterp(new CChromaGamutInterpolation)
{
    m_pCCT->CalcColorGamut();
    m_pCCT->ColorCoordTables();
    m_listLocus = m_pGamutInterp->GetData();
    m_vecLocusPixel.fill(QPointF(), m_pGamutInterp->GetQPointFData().size());
    m_vecLocusPixelF.fill(CPointEx<float>(), m_vecLocusPixel.size());
    m_pCCT->CCTtoColorCoord(6500.0f, &m_ptD65, false);
}

CChromaDiagram::~CChromaDiagram()
{
    ReleaseChromaData();
}

void CChromaDiagram::SetSize(int nWidth, int nHeight)
{
    SENDER_ASSERT(nWidth > 100 && nHeight > 100);
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_rcWnd = QRect(0, 0, nWidth, nHeight);
    m_fMarginX = float(nWidth) / 30.0f + 10.0f;
    m_fMarginY = float(nHeight) / 30.0f + 10.0f;
    m_fScale = float(std::min((nHeight - 2.0 * m_fMarginY) / 0.9, (nWidth - 2.0 * m_fMarginX) / 0.8));
    MapLocusToScreen();
}

void CChromaDiagram::MapLocusToScreen()
{
    const QVector<QPointF>& vecHull = LocusHull();
    for (int i = 0; i < vecHull.size(); ++i) {
        m_vecLocusPixel[i] = ChromaToPixel(CPointEx<float>::FromQPointF(vecHull[i]));
        m_vecLocusPixelF[i] = CPointEx<float>::FromQPointF(m_vecLocusPixel[i]);
    }
}

void CChromaDiagram::ShowCIEStandard(int nGroup, enColorStandard enStandard, bool bShow)
{
    m_nGroupIndex = nGroup;
    m_enShowStandard = enStandard;
    m_bShowStandard = bShow;
}

SChromaGroupInfo* CChromaDiagram::GetChromaGroupByIndex(int nIndex) const
{
    return nIndex < 0 ? nullptr : m_mapGroup.value(nIndex, nullptr);
}

bool CChromaDiagram::AddChromaGroupByIndex(int nIndex, const SChromaGroupInfo& info)
{
    if (nIndex < 0 || m_mapGroup.contains(nIndex))
        return false;
    SChromaGroupInfo* pGroup = new SChromaGroupInfo(info);
    pGroup->m_nIndex = nIndex;
    m_mapGroup.insert(nIndex, pGroup);
    return true;
}

bool CChromaDiagram::SetChromaGroupByIndex(int nIndex, const SChromaGroupInfo& info)
{
    if (nIndex < 0)
        return false;
    // Assigning in place keeps every pointer handed out for this key valid.
    if (SChromaGroupInfo* pGroup = m_mapGroup.value(nIndex, nullptr)) {
        *pGroup = info;
        return true;
    }
    return AddChromaGroupByIndex(nIndex, info);
}

bool CChromaDiagram::RemoveChromaGroupByIndex(int nIndex)
{
    if (nIndex < 0)
        return false;
    auto it = m_mapGroup.find(nIndex);
    if (it == m_mapGroup.end())
        return false;
    delete it.value();
    m_mapGroup.erase(it);
    return true;
}

void CChromaDiagram::ReleaseChromaData()
{
    qDeleteAll(m_mapGroup);
    m_mapGroup.clear();
}

QPointF CChromaDiagram::ChromaToPixel(CPointEx<float> pt) const
{
    return QPointF(pt.x * m_fScale + m_fMarginX, (float(m_nHeight) - m_fMarginY) - pt.y * m_fScale);
}

CPointEx<float> CChromaDiagram::PixelToChroma(QPointF pt) const
{
    return CPointEx<float>(float((pt.x() - double(m_fMarginX)) / double(m_fScale)),
        float(((double(m_nHeight) - double(m_fMarginY)) - pt.y()) / double(m_fScale)));
}

const QVector<QPointF>& CChromaDiagram::LocusHull() const
{
    return m_pGamutInterp->GetQPointFData();
}

bool CChromaDiagram::IsInLocus(CPointEx<float> pt) const
{
    return m_pGamutInterp->IsPointInCIEPolygon(pt.ToQPointF());
}

// ---- Hit testing and the mouse protocol ------------------------------------

void CChromaDiagram::HitTest(QPoint pos, int& nGroupIndex, int& nPointIndex)
{
    const float fHalf = m_fScale / 100.0f;
    const float fSize = 2.0f * fHalf;
    m_bHitWhite = false;
    nGroupIndex = -1;
    nPointIndex = -1;
    for (auto it = m_mapGroup.cbegin(); it != m_mapGroup.cend(); ++it) {
        const SChromaGroupInfo* pGroup = it.value();
        for (int i = 0; i < g_nChromaPointNum; ++i) {
            const CPointEx<float>& pt = pGroup->m_ptColor[i];
            const int nLeft = int(std::round(pt.x * m_fScale + m_fMarginX - fHalf));
            const int nTop = int(std::round(float(m_nHeight) - pt.y * m_fScale - m_fMarginY - fHalf));
            const int nRight = int(float(nLeft) + fSize);
            const int nBottom = int(float(nTop) + fSize);
            if (pos.x() < nLeft || pos.x() > nRight || pos.y() < nTop || pos.y() > nBottom)
                continue;
            if (i == g_nWhitePoint)
                m_bHitWhite = true;
            // Among overlapping markers the last movable one wins.
            if (nGroupIndex < 0 || pGroup->m_bMovable[i]) {
                nGroupIndex = it.key();
                nPointIndex = i;
            }
        }
    }
}

bool CChromaDiagram::Press(QPoint pos)
{
    // A press beside every point also ends the hover, so no drag can follow it.
    Hover(pos);
    if (m_nCurGroup < 0) {
        m_bCanMove = false;
        return false;
    }
    m_bPressed = true;
    if (m_bCanMove)
        m_bDragging = true;
    else
        m_nCurGroup = -1;
    return true;
}

void CChromaDiagram::Hover(QPoint pos)
{
    m_ptMouse = pos;
    m_bMouseInside = true;
    int nGroup = -1;
    int nPoint = -1;
    HitTest(pos, nGroup, nPoint);
    if (nGroup >= 0)
        m_bCanMove = m_mapGroup.value(nGroup)->m_bMovable[nPoint];
    m_nCurGroup = nGroup;
    m_nCurPoint = nPoint;
}

bool CChromaDiagram::DragTo(QPoint pos)
{
    m_ptMouse = pos;
    m_bMouseInside = true;
    return m_bDragging && MoveSelectedTo(QPointF(pos));
}

bool CChromaDiagram::MoveSelectedTo(QPointF pos)
{
    SChromaGroupInfo* pGroup = GetChromaGroupByIndex(m_nCurGroup);
    if (!m_bCanMove || !pGroup)
        return false;
    m_bShowStandard = false;
    CalcCurrentPoint(pos, pGroup);
    return true;
}

bool CChromaDiagram::SelectAdjacent(bool bForward)
{
    QVector<QPair<int, int>> vecPoints;
    for (auto it = m_mapGroup.cbegin(); it != m_mapGroup.cend(); ++it) {
        for (int i = 0; it.value()->m_bVisible && i < g_nChromaPointNum; ++i) {
            if (it.value()->m_bMovable[i])
                vecPoints.append({it.key(), i});
        }
    }
    if (m_bDragging)
        return true; // the held point stays selected
    const int nAt = vecPoints.indexOf({m_nCurGroup, m_nCurPoint});
    const int nNext = nAt < 0 ? (bForward ? 0 : vecPoints.size() - 1) : nAt + (bForward ? 1 : -1);
    if (nNext < 0 || nNext >= vecPoints.size()) {
        m_nCurGroup = -1;
        m_nCurPoint = -1;
        return false;
    }
    m_nCurGroup = vecPoints[nNext].first;
    m_nCurPoint = vecPoints[nNext].second;
    m_bCanMove = true;
    // Read-out and crosshair show it as they show a hovered point.
    m_ptMouse = ChromaToPixel(m_mapGroup.value(m_nCurGroup)->m_ptColor[m_nCurPoint]).toPoint();
    m_bMouseInside = true;
    return true;
}

bool CChromaDiagram::StepSelected(float fDx, float fDy)
{
    CPointEx<float> pt;
    if (m_bDragging || m_nCurPoint < 0 || !SelectedPoint(pt))
        return false;
    const QPointF pos = ChromaToPixel(CPointEx<float>(pt.x + fDx, pt.y + fDy));
    m_ptMouse = pos.toPoint();
    return MoveSelectedTo(pos);
}

void CChromaDiagram::FinishDrag(bool bAccepted)
{
    // The host may have replaced or removed the group while answering.
    SChromaGroupInfo* pGroup = GetChromaGroupByIndex(m_nCurGroup);
    const CPointEx<float> ptNearest = CPointEx<float>::FromQPointF(m_ptNearest);
    if (!bAccepted && pGroup && m_nCurPoint >= 0 && m_nCurPoint < g_nWhitePoint && std::isfinite(ptNearest.x)
        && std::isfinite(ptNearest.y))
        pGroup->m_ptColor[m_nCurPoint] = ptNearest;
}

void CChromaDiagram::Release()
{
    m_nCurGroup = -1;
    m_nCurPoint = -1;
    m_bCanMove = false;
    m_bDragging = false;
}

void CChromaDiagram::Leave()
{
    m_bMouseInside = false;
    if (!m_bDragging) {
        m_nCurGroup = -1;
        m_nCurPoint = -1;
    }
}

bool CChromaDiagram::SelectedPoint(CPointEx<float>& pt) const
{
    const SChromaGroupInfo* pGroup = GetChromaGroupByIndex(m_nCurGroup);
    if (!pGroup)
        return false;
    pt = m_nCurPoint >= 0 && m_nCurPoint < g_nChromaPointNum ? pGroup->m_ptColor[m_nCurPoint]
                                                             : CPointEx<float>();
    return true;
}

// ---- Colour standards, coverage and the static pixel set -------------------

const SChromaGroupInfo* CChromaDiagram::StandardGroup(int& nKeyNum) const
{
    return SelectStandardGroup(m_mapGroup, m_nGroupIndex, nKeyNum);
}

void CChromaDiagram::CalcCIEStandardValid()
{
    int nKeyNum = -1;
    if (const SChromaGroupInfo* pGroup = StandardGroup(nKeyNum))
        m_enShowStandard = MatchColorStandard(pGroup->m_ptColor, m_enShowStandard);
}

int CChromaDiagram::CalcRatio() const
{
    // value(): looking a key up must not add it.
    return CalcCoverageRatio(
        m_mapGroup.value(g_nScreenColorSpaceKey, nullptr), m_mapGroup.value(g_nOutputColorSpaceKey, nullptr));
}

bool CChromaDiagram::SetStaticPixels(const QPointF* pPoints, int nCount, const uchar arrColor[4])
{
    if (!pPoints || nCount < 0)
        return false;
    m_vecStaticPixel.resize(nCount);
    for (int i = 0; i < nCount; ++i)
        m_vecStaticPixel[i] = ChromaToPixel(CPointEx<float>::FromQPointF(pPoints[i]));
    std::copy(arrColor, arrColor + 4, m_ucPixelColor);
    return true;
}
