#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

class CRecordingLedLabel;
class CSender;
struct SVideoInputState;

// Puts the simulated host into a known state for one test: a baseline project
// (two senders, two specified addresses, fixed local address 192.168.1.100),
// the plug-in initialised, message boxes answered from a queue, call log empty.
namespace HostFixture {
// objOverrides is merged at the top level of each section of the baseline JSON.
void Reset(const QJsonObject& objOverrides = QJsonObject());
QJsonObject Baseline();

CSender& CurrentSender();
SVideoInputState& Input(int nInputId); // of the current sender; added when absent
CRecordingLedLabel& Label();
// Host writes, sends and notifications since the last Reset or ClearLog.
QStringList Calls();
void ClearLog();
} // namespace HostFixture
