#include "DemoEntry.h"

#include "CBackgroundImageDlg.h"

DEMO_ENTRY(BackgroundImage,
    SDemoEntry {QT_TRANSLATE_NOOP("SDemoEntry", "Background image"),
        [](QWidget* pParent) { return new CBackgroundImageDlg(pParent); }, nullptr, nullptr, false, 66,
        nullptr});
