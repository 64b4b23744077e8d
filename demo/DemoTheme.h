#pragma once

class QApplication;

// The host's dark look for the whole demo application, so that Qt's own
// dialogs and menus (file and input dialogs, context menus) match the plug-in's.
namespace DemoTheme {
void Apply(QApplication& app);
} // namespace DemoTheme
