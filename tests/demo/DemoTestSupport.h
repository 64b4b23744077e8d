#pragma once

#include "DemoEntry.h"

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// Shared by the demo host's tests: a started host on a scratch project, and
// what a person can read in a window.
namespace DemoTestSupport {
// Starts the demo host on the sample project written to strProjectPath, with
// every name in it that contains a CJK character replaced by a Latin one (names
// are the user's data, not the interface's texts). False on failure.
bool StartOnLatinSample(const QString& strProjectPath);
// Window titles, labels, button, menu, combo-box, spin-box and line-edit texts
// and tool tips of pWidget and its visible descendants.
QStringList VisibleTexts(QWidget* pWidget);
// Opens an entry as the gallery does: shown, then staged.
std::unique_ptr<QWidget> ShowStaged(const SDemoEntry& entry);
bool ContainsCjk(const QString& strText);
} // namespace DemoTestSupport
