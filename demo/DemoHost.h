#pragma once

#include <QString>

// The simulated host the demo runs on: its project lives in the user's data
// folder, made from the built-in sample on first start.
namespace DemoHost {
// Loads (or creates) the user's project and initialises the plug-in. False, with
// a message, when the project file cannot be read; nothing is overwritten then.
bool Start(const QString& strProjectPath, QString* pError);
QString DefaultProjectPath();
bool LoadSample(QString* pError);
bool Save(QString* pError);
QString ProjectPath();
} // namespace DemoHost
