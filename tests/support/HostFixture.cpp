#include "HostFixture.h"

#include "CMessageBoxAnswers.h"
#include "KivoData.h"
#include "ProjectFile.h"
#include "RecordingLedLabel.h"
#include "SenderModuleDialogInit.h"

#include <QJsonArray>

namespace HostFixture {

QJsonObject Baseline()
{
    auto sender = [](const QString& strName, int nModel) {
        return QJsonObject {
            {"name", strName},
            {"outputPorts", 16},
            {"frameRate", 60},
            {"colorDepth", 8},
            {"canvas", QJsonArray {1920, 1080}},
            {"device", QJsonObject {{"model", nModel}, {"inputs", QJsonArray {}}}},
        };
    };
    return QJsonObject {
        {"format", "SenderModuleDialog host project"},
        {"version", 1},
        {"project",
            QJsonObject {{"currentSender", 0}, {"senders", QJsonArray {sender("A", 21), sender("B", 68)}}}},
        {"config",
            QJsonObject {{"defaultGateway", "192.168.1.1"}, {"netmask", "255.255.255.0"},
                {"detectStrategy", 2},
                {"specified",
                    QJsonArray {QJsonObject {{"ip", "192.168.1.10"}, {"name", "one"}},
                        QJsonObject {{"ip", "192.168.1.11"}, {"name", ""}}}},
                {"currentSet", QJsonArray {QJsonObject {{"ip", "192.168.1.20"}, {"name", ""}}}},
                {"localAddresses", QJsonArray {"192.168.1.100"}}}},
        {"constant", QJsonObject {{"backgroundFolder", ""}}},
        {"hardware", QJsonObject {{"extendedEdid", true}}},
    };
}

void Reset(const QJsonObject& objOverrides)
{
    // Numbers in messages follow the dialogs' language, not the machine's.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QJsonObject objRoot = Baseline();
    for (auto it = objOverrides.begin(); it != objOverrides.end(); ++it) {
        QJsonObject objSection = objRoot[it.key()].toObject();
        const QJsonObject objChanges = it.value().toObject();
        for (auto itChange = objChanges.begin(); itChange != objChanges.end(); ++itChange)
            objSection[itChange.key()] = itChange.value();
        objRoot[it.key()] = objSection;
    }
    QString strError;
    if (!ProjectFile::FromJson(objRoot, &strError))
        qFatal("test project rejected: %s", qPrintable(strError));
    SenderModuleDialogInit(&Label());
    CMessageBoxAnswers::Uninstall();
    CMessageBoxAnswers::Install();
    ClearLog();
}

CSender& CurrentSender()
{
    return *GetProjectData()->GetCurrentSender();
}

SVideoInputState& Input(int nInputId)
{
    SSenderDeviceState& device = CurrentSender().Device();
    if (!device.FindInput(nInputId)) {
        SVideoInputState input;
        input.nId = nInputId;
        device.vecInputs.append(input);
    }
    return *device.FindInput(nInputId);
}

CRecordingLedLabel& Label()
{
    static CRecordingLedLabel s_label;
    return s_label;
}

QStringList Calls()
{
    return CHostCallLog::Instance().ToStrings();
}
void ClearLog()
{
    CHostCallLog::Instance().Clear();
}

} // namespace HostFixture
