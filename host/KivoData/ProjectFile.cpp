#include "ProjectFile.h"

#include "KivoData.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {
const char* const c_pszFormat = "SenderModuleDialog host project";
const int c_nVersion = 1;

QJsonArray ToJson(const QVector<SSpecifiedIP>& vecEntries)
{
    QJsonArray arr;
    for (const SSpecifiedIP& entry : vecEntries)
        arr.append(QJsonObject {{"ip", entry.strAddress}, {"name", entry.strName}});
    return arr;
}

QVector<SSpecifiedIP> EntriesFromJson(const QJsonArray& arr)
{
    QVector<SSpecifiedIP> vecEntries;
    for (const QJsonValue& value : arr) {
        const QJsonObject obj = value.toObject();
        vecEntries.append(SSpecifiedIP {obj["ip"].toString(), obj["name"].toString()});
    }
    return vecEntries;
}

QJsonArray SizesToJson(const QVector<QSize>& vecSizes)
{
    QJsonArray arr;
    for (const QSize& size : vecSizes)
        arr.append(QJsonArray {size.width(), size.height()});
    return arr;
}

QJsonObject InputToJson(const SVideoInputState& input)
{
    return QJsonObject {
        {"id", input.nId},
        {"name", input.strName},
        {"edidRecord", QString::fromLatin1(input.baEdidRecord.toHex())},
        {"maxWidth", input.nMaxWidth},
        {"maxHeight", input.nMaxHeight},
        {"maxArea60", input.nMaxArea60},
        {"checkByPixelClock", input.bCheckByPixelClock},
        {"resolutions", SizesToJson(input.vecResolutions)},
        {"pixelClockLimitMHz", input.nPixelClockLimitMHz},
        {"displayIdAboveWidth", input.nDisplayIdAboveWidth},
        {"sendResult", input.nSendResult},
        {"basicSucceeded", input.bBasicSucceeded},
    };
}

bool InputFromJson(const QJsonObject& obj, SVideoInputState& input, QString* pError)
{
    const SVideoInputState defaults;
    input.nId = obj["id"].toInt();
    input.strName = obj["name"].toString();
    input.baEdidRecord = QByteArray::fromHex(obj["edidRecord"].toString().toLatin1());
    if (!input.baEdidRecord.isEmpty() && input.baEdidRecord.size() != 20) {
        if (pError)
            *pError = QString("input %1: edidRecord must be 20 bytes").arg(input.nId);
        return false;
    }
    input.nMaxWidth = obj["maxWidth"].toInt(defaults.nMaxWidth);
    input.nMaxHeight = obj["maxHeight"].toInt(defaults.nMaxHeight);
    input.nMaxArea60 = obj["maxArea60"].toInt(defaults.nMaxArea60);
    input.bCheckByPixelClock = obj["checkByPixelClock"].toBool(defaults.bCheckByPixelClock);
    for (const QJsonValue& value : obj["resolutions"].toArray()) {
        const QJsonArray pair = value.toArray();
        input.vecResolutions.append(QSize(pair.at(0).toInt(), pair.at(1).toInt()));
    }
    input.nPixelClockLimitMHz = obj["pixelClockLimitMHz"].toInt(defaults.nPixelClockLimitMHz);
    input.nDisplayIdAboveWidth = obj["displayIdAboveWidth"].toInt(defaults.nDisplayIdAboveWidth);
    input.nSendResult = obj["sendResult"].toInt(defaults.nSendResult);
    input.bBasicSucceeded = obj["basicSucceeded"].toBool(defaults.bBasicSucceeded);
    return true;
}

QJsonObject DeviceToJson(const SSenderDeviceState& device)
{
    QJsonArray arrInputs;
    for (const SVideoInputState& input : device.vecInputs)
        arrInputs.append(InputToJson(input));
    return QJsonObject {
        {"model", device.nModelCode},
        {"type", device.nSenderType},
        {"restricted", device.bRestricted},
        {"tenBit", device.b10BitSupported},
        {"twelveBit", device.b12BitSupported},
        {"canvasReadable", device.bCanvasReadable},
        {"depthCode", device.nDepthCode},
        {"canvasLimits", QJsonArray {device.nCanvasMaxWidth, device.nCanvasMaxHeight, device.nCanvasMaxArea}},
        {"outputLimitFlags", static_cast<qint64>(device.uOutputLimitFlags)},
        {"maxInputRate", static_cast<double>(device.fMaxInputRate)},
        {"inputs", arrInputs},
    };
}

bool DeviceFromJson(const QJsonObject& obj, SSenderDeviceState& device, QString* pError)
{
    const SSenderDeviceState defaults;
    device.nModelCode = obj["model"].toInt(defaults.nModelCode);
    device.nSenderType = obj["type"].toInt(defaults.nSenderType);
    device.bRestricted = obj["restricted"].toBool(defaults.bRestricted);
    device.b10BitSupported = obj["tenBit"].toBool(defaults.b10BitSupported);
    device.b12BitSupported = obj["twelveBit"].toBool(defaults.b12BitSupported);
    device.bCanvasReadable = obj["canvasReadable"].toBool(defaults.bCanvasReadable);
    device.nDepthCode = obj["depthCode"].toInt(defaults.nDepthCode);
    const QJsonArray arrLimits = obj["canvasLimits"].toArray();
    if (arrLimits.size() == 3) {
        device.nCanvasMaxWidth = arrLimits[0].toInt();
        device.nCanvasMaxHeight = arrLimits[1].toInt();
        device.nCanvasMaxArea = arrLimits[2].toInt();
    }
    device.uOutputLimitFlags = static_cast<quint32>(obj["outputLimitFlags"].toDouble(0));
    device.fMaxInputRate = static_cast<float>(obj["maxInputRate"].toDouble(0));
    for (const QJsonValue& value : obj["inputs"].toArray()) {
        SVideoInputState input;
        if (!InputFromJson(value.toObject(), input, pError))
            return false;
        device.vecInputs.append(input);
    }
    return true;
}

QJsonObject SenderToJson(CSender& sender)
{
    const SSenderBackground& bk = sender.GetBackground();
    return QJsonObject {
        {"name", sender.GetName()},
        {"outputPorts", sender.GetOutputPortCount()},
        {"frameRate", sender.GetFrameRate()},
        {"colorDepth", sender.GetColorDepth()},
        {"canvas", QJsonArray {sender.GetCanvasSize().width(), sender.GetCanvasSize().height()}},
        {"background",
            QJsonObject {
                {"opacity", bk.ucOpacity}, {"enabled", bk.ucEnabled}, {"stretched", bk.ucStretched}}},
        {"device", DeviceToJson(sender.Device())},
    };
}

bool SenderFromJson(const QJsonObject& obj, CSender& sender, QString* pError)
{
    SSenderDeviceState device;
    if (!DeviceFromJson(obj["device"].toObject(), device, pError))
        return false;
    const QJsonObject objBk = obj["background"].toObject();
    const SSenderBackground bk {static_cast<quint8>(objBk["opacity"].toInt(255)),
        static_cast<quint8>(objBk["enabled"].toInt(0)), static_cast<quint8>(objBk["stretched"].toInt(0))};
    const QJsonArray arrCanvas = obj["canvas"].toArray();
    const QSize sizeCanvas
        = arrCanvas.size() == 2 ? QSize(arrCanvas[0].toInt(), arrCanvas[1].toInt()) : QSize(1920, 1080);
    sender.LoadState(obj["name"].toString(), obj["outputPorts"].toInt(16), obj["frameRate"].toInt(60),
        obj["colorDepth"].toInt(8), sizeCanvas, bk, device);
    return true;
}

QJsonArray StringsToJson(const QStringList& list)
{
    return QJsonArray::fromStringList(list);
}

QStringList StringsFromJson(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list << item.toString();
    return list;
}

} // namespace

namespace ProjectFile {

QJsonObject ToJson()
{
    CProjectData* pProject = GetProjectData();
    QJsonArray arrSenders;
    for (int i = 0; i < pProject->GetSenderCount(); ++i)
        arrSenders.append(SenderToJson(*pProject->GetSender(i)));

    CConfigData* pConfig = GetConfigData();
    const SNodeSelect& select = GetRuntimeData()->GetCurSelectNode();
    QJsonArray arrSelect;
    for (qint32 nValue : select.nValues)
        arrSelect.append(nValue);
    const SDeviceAnswers* pAnswers = GetDeviceAnswers();

    QJsonObject objConfig {
        {"defaultGateway", pConfig->GetDefaultGateway()},
        {"netmask", pConfig->GetNetmask()},
        {"detectStrategy", pConfig->GetDetectStrategy()},
        {"specified", ::ToJson(pConfig->SavedSpecifiedList())},
        {"currentSet", ::ToJson(pConfig->CurrentSetList())},
        {"detectedDevices", StringsToJson(pConfig->GetDetectedDevices())},
    };
    if (pConfig->HasFixedLocalAddresses())
        objConfig["localAddresses"] = StringsToJson(pConfig->FixedLocalAddresses());

    return QJsonObject {
        {"format", c_pszFormat},
        {"version", c_nVersion},
        {"project",
            QJsonObject {{"currentSender", pProject->GetCurSenderIndex()},
                {"demoMode", pProject->GetDemoModeEnable()},
                {"demoSenderType", pProject->GetDemoSenderType()}, {"senders", arrSenders}}},
        {"config", objConfig},
        {"runtime",
            QJsonObject {{"senderCountLimit",
                             QJsonArray {GetRuntimeData()->GetSenderCountLimit(false),
                                 GetRuntimeData()->GetSenderCountLimit(true)}},
                {"selection", arrSelect}}},
        {"constant", QJsonObject {{"backgroundFolder", GetConstantData()->GetBKImagePath()}}},
        {"hardware",
            QJsonObject {{"extendedEdid", pAnswers->bExtendedEdid}, {"addressState", pAnswers->bAddressState},
                {"portRowValue", pAnswers->nPortRowValue},
                {"senderAddresses", StringsToJson(pAnswers->listSenderAddresses)}}},
    };
}

bool FromJson(const QJsonObject& objRoot, QString* pError)
{
    auto fail = [pError](const QString& strText) {
        if (pError)
            *pError = strText;
        return false;
    };
    if (objRoot["format"].toString() != c_pszFormat)
        return fail("not a host project file");
    if (objRoot["version"].toInt() != c_nVersion)
        return fail(QString("unsupported project file version %1").arg(objRoot["version"].toInt()));

    // Parse everything before touching the live state, so a bad file changes nothing.
    const QJsonObject objProject = objRoot["project"].toObject();
    QVector<CSender> vecSenders;
    for (const QJsonValue& value : objProject["senders"].toArray()) {
        CSender sender;
        if (!SenderFromJson(value.toObject(), sender, pError))
            return false;
        vecSenders.append(sender);
    }
    const int nCurrent = objProject["currentSender"].toInt(0);
    if (!vecSenders.isEmpty() && (nCurrent < 0 || nCurrent >= vecSenders.size()))
        return fail(QString("currentSender %1 is not a sender of the project").arg(nCurrent));

    const QJsonObject objConfig = objRoot["config"].toObject();
    const QJsonObject objRuntime = objRoot["runtime"].toObject();
    const QJsonArray arrLimits = objRuntime["senderCountLimit"].toArray();
    SNodeSelect select;
    const QJsonArray arrSelect = objRuntime["selection"].toArray();
    for (int i = 0; i < 11 && i < arrSelect.size(); ++i)
        select.nValues[i] = arrSelect[i].toInt();
    const QJsonObject objHardware = objRoot["hardware"].toObject();

    CProjectData* pProject = GetProjectData();
    pProject->ResetSenders(vecSenders);
    pProject->SetCurSenderIndex(vecSenders.isEmpty() ? 0 : nCurrent);
    pProject->LoadDemoState(objProject["demoMode"].toBool(false), objProject["demoSenderType"].toInt(21));

    CConfigData* pConfig = GetConfigData();
    pConfig->SetNetwork(objConfig["defaultGateway"].toString(), objConfig["netmask"].toString());
    pConfig->SetDetectStrategy(objConfig["detectStrategy"].toInt(2));
    pConfig->SetDetectedDevices(StringsFromJson(objConfig["detectedDevices"]));
    if (objConfig["localAddresses"].isArray())
        pConfig->SetFixedLocalAddresses(StringsFromJson(objConfig["localAddresses"]));
    else
        pConfig->UseSystemLocalAddresses();
    pConfig->LoadLists(EntriesFromJson(objConfig["specified"].toArray()),
        EntriesFromJson(objConfig["currentSet"].toArray()));

    CRuntimeData* pRuntime = GetRuntimeData();
    pRuntime->SetSenderCountLimits(arrLimits.size() == 2 ? arrLimits[0].toInt() : 20,
        arrLimits.size() == 2 ? arrLimits[1].toInt() : 255);
    pRuntime->LoadCurSelectNode(select);

    GetConstantData()->SetBKImagePath(objRoot["constant"].toObject()["backgroundFolder"].toString());

    SDeviceAnswers* pAnswers = GetDeviceAnswers();
    pAnswers->bExtendedEdid = objHardware["extendedEdid"].toBool(true);
    pAnswers->bAddressState = objHardware["addressState"].toBool(false);
    pAnswers->nPortRowValue = objHardware["portRowValue"].toInt(0);
    pAnswers->listSenderAddresses = StringsFromJson(objHardware["senderAddresses"]);
    return true;
}

bool Load(const QString& strPath, QString* pError)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (pError)
            *pError = QString("cannot open %1: %2").arg(strPath, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        if (pError)
            *pError = QString("%1: %2 at offset %3")
                          .arg(strPath, parseError.errorString())
                          .arg(parseError.offset);
        return false;
    }
    return FromJson(doc.object(), pError);
}

bool Save(const QString& strPath, QString* pError)
{
    return WriteAtomically(strPath, QJsonDocument(ToJson()).toJson(QJsonDocument::Indented), pError);
}

bool WriteAtomically(const QString& strPath, const QByteArray& baData, QString* pError,
    const std::function<bool()>& fnBeforeRename)
{
    QSaveFile file(strPath);
    bool bOk = file.open(QIODevice::WriteOnly) && file.write(baData) == baData.size();
    if (bOk && fnBeforeRename && !fnBeforeRename()) {
        file.cancelWriting();
        bOk = false;
    }
    bOk = bOk && file.commit();
    if (!bOk && pError)
        *pError = QString("cannot write %1: %2").arg(strPath, file.errorString());
    return bOk;
}

} // namespace ProjectFile
