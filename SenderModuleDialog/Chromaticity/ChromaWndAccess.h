#pragma once

#include "CChromaticityDlgWnd.h"
#include "ChromaDiagram.h"

// The widget's editor, for tests and benchmarks that check its state directly;
// a host sees only the widget.
struct SChromaWndAccess
{
    static CChromaDiagram& Diagram(CChromaticityDlgWnd& wnd) { return *wnd.m_pDiagram; }
};

inline CChromaDiagram& Diagram(CChromaticityDlgWnd& wnd)
{
    return SChromaWndAccess::Diagram(wnd);
}
