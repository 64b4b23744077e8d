#include "ChromaticityPanel.h"
#include "DemoEntry.h"

DEMO_ENTRY(chromaticity,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Chromaticity editor"),
        [](QWidget* pParent) { return new CChromaticityPanel(pParent); }, {}, {}, true, 0, nullptr});
