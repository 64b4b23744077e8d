#pragma once

#include "ChromaGamutInterpolation.h"
#include "ChromaticityProbe.h"
#include "GamutImage.h"

// The drawing state as well, for the rendering and worker tests.
class CChromaRenderProbe : public CChromaticityProbe
{
public:
    using CChromaticityProbe::CChromaticityProbe;

    using CChromaticityDlgWnd::m_pGamutImage;
    using CChromaticityDlgWnd::m_pGamutThread;
    using CChromaticityDlgWnd::m_sWndBitmap;

    // The inputs the widget gives its gamut-image builder for an image of nWidth × nHeight.
    SGamutImageInput GamutInput(int nWidth, int nHeight) const
    {
        SGamutImageInput sInput;
        sInput.nWidth = nWidth;
        sInput.nHeight = nHeight;
        sInput.pHull = &m_pGamutInterp->GetQPointFData();
        sInput.pPolygon = m_pCIEScreenPtsF;
        sInput.nPolygonCount = m_nCIEScreenPtsNum;
        return sInput;
    }
};
