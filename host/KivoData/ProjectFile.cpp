#include "ProjectFile.h"

#include "KivoData.h"
#include "ProjectSchema.h"
#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <charconv>
#include <cstdlib>

namespace {
const char* const c_pszFormat = "SenderModuleDialog host project";
const int c_nVersion = 1;

// The document last loaded, whose unknown fields the next save writes back.
QJsonObject& LoadedDocument()
{
    static QJsonObject s_obj;
    return s_obj;
}

// The shortest decimal that reads back to the same float, so 59.94 stays 59.94
// and is not written as the nearest double of the float.
QJsonValue Real(float fValue)
{
    char szText[32] = {};
    std::to_chars(szText, szText + sizeof(szText) - 1, fValue);
    return std::strtod(szText, nullptr);
}

QJsonObject ChromaGroupToJson(const SChromaGroupState& group)
{
    QJsonArray arrPoints;
    for (const auto& pt : group.arrPoints)
        arrPoints.append(QJsonArray {Real(pt[0]), Real(pt[1])});
    QJsonArray arrMovable;
    for (bool bMovable : group.arrMovable)
        arrMovable.append(bMovable);
    QJsonObject obj {{"key", group.nKey}, {"name", group.strName}, {"points", arrPoints},
        {"movable", arrMovable}, {"visible", group.bVisible}};
    if (group.bCustomColor)
        obj["colour"] = QJsonArray {group.arrColor[0], group.arrColor[1], group.arrColor[2]};
    return obj;
}

SChromaGroupState ChromaGroupFromJson(const QJsonObject& obj)
{
    SChromaGroupState group;
    group.nKey = obj["key"].toInt();
    group.strName = obj["name"].toString();
    const QJsonArray arrPoints = obj["points"].toArray();
    for (int i = 0; i < 4; ++i) {
        group.arrPoints[i]
            = {float(arrPoints[i].toArray()[0].toDouble()), float(arrPoints[i].toArray()[1].toDouble())};
    }
    const QJsonArray arrMovable = obj["movable"].toArray();
    for (int i = 0; i < arrMovable.size(); ++i)
        group.arrMovable[i] = arrMovable[i].toBool();
    const QJsonArray arrColor = obj["colour"].toArray();
    group.bCustomColor = arrColor.size() == 3;
    for (int i = 0; i < arrColor.size(); ++i)
        group.arrColor[i] = arrColor[i].toInt();
    group.bVisible = obj["visible"].toBool(true);
    return group;
}

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

void InputFromJson(const QJsonObject& obj, SVideoInputState& input)
{
    const SVideoInputState defaults;
    input.nId = obj["id"].toInt();
    input.strName = obj["name"].toString();
    input.baEdidRecord = QByteArray::fromHex(obj["edidRecord"].toString().toLatin1());
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
        {"maxInputRate", Real(device.fMaxInputRate)},
        {"inputs", arrInputs},
    };
}

void DeviceFromJson(const QJsonObject& obj, SSenderDeviceState& device)
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
        InputFromJson(value.toObject(), input);
        device.vecInputs.append(input);
    }
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

void SenderFromJson(const QJsonObject& obj, CSender& sender)
{
    SSenderDeviceState device;
    DeviceFromJson(obj["device"].toObject(), device);
    const QJsonObject objBk = obj["background"].toObject();
    const SSenderBackground bk {static_cast<quint8>(objBk["opacity"].toInt(255)),
        static_cast<quint8>(objBk["enabled"].toInt(0)), static_cast<quint8>(objBk["stretched"].toInt(0))};
    const QJsonArray arrCanvas = obj["canvas"].toArray();
    const QSize sizeCanvas
        = arrCanvas.size() == 2 ? QSize(arrCanvas[0].toInt(), arrCanvas[1].toInt()) : QSize(1920, 1080);
    sender.LoadState(obj["name"].toString(), obj["outputPorts"].toInt(16), obj["frameRate"].toInt(60),
        obj["colorDepth"].toInt(8), sizeCanvas, bk, device);
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

    QJsonArray arrGroups;
    for (const SChromaGroupState& group : pProject->GetChromaGroups())
        arrGroups.append(ChromaGroupToJson(group));

    const QJsonObject objKnown {
        {"format", c_pszFormat},
        {"version", c_nVersion},
        {"project",
            QJsonObject {{"currentSender", pProject->GetCurSenderIndex()},
                {"demoMode", pProject->GetDemoModeEnable()},
                {"demoSenderType", pProject->GetDemoSenderType()},
                {"calibrationCoefficient", Real(pProject->GetResetCoef(true))},
                {"seamCoefficient", Real(pProject->GetResetCoef(false))}, {"senders", arrSenders}}},
        {"chromaticity", QJsonObject {{"groups", arrGroups}}},
        {"config", objConfig},
        {"runtime",
            QJsonObject {{"senderCountLimit",
                             QJsonArray {GetRuntimeData()->GetSenderCountLimit(false),
                                 GetRuntimeData()->GetSenderCountLimit(true)}},
                {"selection", arrSelect}}},
        {"constant", QJsonObject {{"backgroundFolder", GetConstantData()->GetStoredBKImagePath()}}},
        {"hardware",
            QJsonObject {{"extendedEdid", pAnswers->bExtendedEdid}, {"addressState", pAnswers->bAddressState},
                {"portRowValue", pAnswers->nPortRowValue},
                {"senderAddresses", StringsToJson(pAnswers->listSenderAddresses)}}},
    };
    return ProjectSchema::KeepUnknown(objKnown, LoadedDocument());
}

bool FromJson(const QJsonObject& objRoot, QString* pError)
{
    auto fail = [pError](const QString& strText) {
        if (pError)
            *pError = strText;
        return false;
    };
    // The rules are checked before anything is read, so the reading below can
    // rely on every type and range.
    const QJsonValue format = objRoot["format"];
    if (format != QJsonValue(c_pszFormat))
        return fail(
            QString("format: expected \"%1\", got %2; this is not a host project file")
                .arg(c_pszFormat,
                    format.isString() ? "\"" + format.toString() + "\"" : ProjectSchema::Describe(format)));
    if (objRoot["version"].isDouble() && objRoot["version"].toDouble() != c_nVersion)
        return fail(QString("version: unsupported project file version %1 (this host reads version %2)")
                        .arg(objRoot["version"].toDouble())
                        .arg(c_nVersion));
    const QString strRuleError = ProjectSchema::Check(objRoot);
    if (!strRuleError.isEmpty())
        return fail(strRuleError);

    // Parse everything before touching the live state, so a bad file changes nothing.
    const QJsonObject objProject = objRoot["project"].toObject();
    QVector<CSender> vecSenders;
    for (const QJsonValue& value : objProject["senders"].toArray()) {
        CSender sender;
        SenderFromJson(value.toObject(), sender);
        vecSenders.append(sender);
    }
    const int nCurrent = objProject["currentSender"].toInt(0);
    if (nCurrent >= vecSenders.size())
        return fail(QString("project.currentSender: expected an integer from 0 to %1 (the project has %2 "
                            "senders), got %3")
                        .arg(vecSenders.size() - 1)
                        .arg(vecSenders.size())
                        .arg(nCurrent));

    const QJsonObject objChroma = objRoot["chromaticity"].toObject();
    // Left out: the default groups; an empty list: no groups at all.
    QVector<SChromaGroupState> vecGroups
        = objChroma.contains("groups") ? QVector<SChromaGroupState>() : CProjectData::DefaultChromaGroups();
    const QJsonArray arrGroups = objChroma["groups"].toArray();
    for (int i = 0; i < arrGroups.size(); ++i) {
        vecGroups.append(ChromaGroupFromJson(arrGroups[i].toObject()));
        for (int j = 0; j < i; ++j) {
            if (vecGroups[j].nKey == vecGroups[i].nKey)
                return fail(QString("chromaticity.groups[%1].key: expected a key no other group has, got %2 "
                                    "(as groups[%3])")
                                .arg(i)
                                .arg(vecGroups[i].nKey)
                                .arg(j));
        }
    }

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
    pProject->SetCurSenderIndex(nCurrent);
    pProject->LoadDemoState(objProject["demoMode"].toBool(false), objProject["demoSenderType"].toInt(21));
    pProject->LoadExtras(float(objProject["calibrationCoefficient"].toDouble(1.0)),
        float(objProject["seamCoefficient"].toDouble(1.0)), vecGroups);

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
    LoadedDocument() = objRoot;
    return true;
}

bool Load(const QString& strPath, QString* pError)
{
    auto fail = [&](const QString& strText) {
        if (pError)
            *pError = strPath + ": " + strText;
        return false;
    };
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail("cannot open: " + file.errorString());
    const QByteArray baText = file.readAll();
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(baText, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(ProjectSchema::Position(baText, parseError.offset) + ": " + parseError.errorString());
    if (!doc.isObject())
        return fail("the document must be a JSON object {...}, not an array");
    const QString strControl = ProjectSchema::FindRawControlCharacter(baText);
    if (!strControl.isEmpty())
        return fail(strControl);
    QString strError;
    return FromJson(doc.object(), &strError) || fail(strError);
}

bool Save(const QString& strPath, QString* pError)
{
    return SafeFile::Write(strPath, QJsonDocument(ToJson()).toJson(QJsonDocument::Indented), pError);
}

} // namespace ProjectFile
