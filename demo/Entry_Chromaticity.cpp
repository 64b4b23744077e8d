#include "ChromaticityPanel.h"
#include "DemoEntry.h"

DEMO_ENTRY(chromaticity,
    SDemoEntry {"Chromaticity editor", [](QWidget* pParent) { return new CChromaticityPanel(pParent); }, {},
        {}, true, 0});
