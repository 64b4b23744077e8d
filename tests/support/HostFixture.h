#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

class CCustomComboBox;
class QAbstractSpinBox;
class QDialog;
class QPushButton;
class QWidget;
class CRecordingLedLabel;
class CSender;
struct SVideoInputState;

// Puts the simulated host into a known state for one test: a baseline project
// (two senders, two specified addresses, fixed local address 192.168.1.100),
// the plug-in initialised, message boxes answered from a queue, call log empty.
namespace HostFixture {
void Reset();
// Same, after applying changes to the baseline JSON (merged at the top level
// of "project", "config", "runtime", "constant" and "hardware").
void Reset(const QJsonObject& objOverrides);
QJsonObject Baseline();

CSender& CurrentSender();
SVideoInputState& Input(int nInputId); // of the current sender; added when absent
CRecordingLedLabel& Label();
// Host writes, sends and notifications since the last Reset or ClearLog.
QStringList Calls();
void ClearLog();
} // namespace HostFixture

// Helpers that drive a dialog as a person does.
namespace DialogDriver {
// A renamed or missing widget stops the run instead of crashing it.
template <typename T> T* Child(const QObject& parent, const char* pszName)
{
    T* pChild = parent.findChild<T*>(pszName);
    if (!pChild)
        qFatal("no child %s", pszName);
    return pChild;
}
QStringList MenuTexts(const CCustomComboBox* pCombo);
// Picks the entry with this text from the menu; false when the menu lacks it.
bool Choose(const QObject& dlg, const char* pszCombo, const QString& strText);
void Click(const QObject& dlg, const char* pszButton);
// Selects the box's text and types over it.
void TypeOver(QAbstractSpinBox* pBox, const QString& strText);
// Return or Escape on pFocus, or 0: a click on the dialog's "cancelButton".
void EndWith(QDialog& dlg, QWidget* pFocus, int nKey);
// OK is the dialog's default button and pOther never becomes one.
bool OkIsDefault(const QDialog& dlg, const QPushButton* pOther);
} // namespace DialogDriver
