#include "ProjectSchema.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

enum class enKind
{
    Int,
    Real,
    Bool,
    String,
    Address, // dotted IPv4 address, or "" for none
    Hex20, // the 20-byte EDID settings record as 40 hex digits, or "" for none
    Object,
    Array,
};

struct SRule;

struct SField
{
    const char* pszName;
    const SRule* pRule;
    bool bRequired;
};

struct SRule
{
    enKind kind;
    double dMin = 0; // numbers: value range; arrays: item count range
    double dMax = 0;
    std::vector<SField> vecFields = {}; // objects
    const SRule* pItem = nullptr; // arrays
    const char* pszItem = "item"; // arrays: what one item is called in messages
};

const char* const g_szAddress = "an IPv4 address such as \"192.168.1.1\", or \"\"";
constexpr double g_dInt32Min = -2147483648.0;
constexpr double g_dInt32Max = 2147483647.0;

SRule Int(double dMin = g_dInt32Min, double dMax = g_dInt32Max)
{
    return SRule {enKind::Int, dMin, dMax};
}
SRule Count() // sizes, rates, ports, limits: never negative
{
    return Int(0, g_dInt32Max);
}
constexpr int g_nMaxItems = 1 << 20;

SRule List(const SRule* pItem, const char* pszItem, int nMin = 0, int nMax = g_nMaxItems)
{
    return SRule {enKind::Array, double(nMin), double(nMax), {}, pItem, pszItem};
}
SRule Object(std::vector<SField> vecFields)
{
    return SRule {enKind::Object, 0, 0, std::move(vecFields)};
}

const SRule g_int = Int();
const SRule g_count = Count();
const SRule g_bool {enKind::Bool};
const SRule g_string {enKind::String};
const SRule g_address {enKind::Address};
const SRule g_hex20 {enKind::Hex20};
const SRule g_byte = Int(0, 255);
const SRule g_flag = Int(0, 1);
const SRule g_depthCode = Int(0, 2);
const SRule g_uint32 = Int(0, 4294967295.0);
const SRule g_inputRate {enKind::Real, 0, 10000};
const SRule g_size = List(&g_count, "number", 2, 2);
const SRule g_canvasLimits = List(&g_count, "number", 3, 3);
const SRule g_strings = List(&g_string, "string");
const SRule g_selection = List(&g_int, "number", 11, 11);
const SRule g_resolutions = List(&g_size, "resolution");
const SRule g_senderCountLimit = List(&g_count, "number", 2, 2);
const SRule g_coefficient {enKind::Real, 0, 1};
const SRule g_point = List(&g_coefficient, "number", 2, 2);
const SRule g_points = List(&g_point, "point", 4, 4);
const SRule g_movable = List(&g_bool, "flag", 4, 4);
const SRule g_colour = List(&g_byte, "number", 3, 3);

const SRule g_input = Object({
    {"id", &g_count, false},
    {"name", &g_string, false},
    {"edidRecord", &g_hex20, false},
    {"maxWidth", &g_count, false},
    {"maxHeight", &g_count, false},
    {"maxArea60", &g_count, false},
    {"checkByPixelClock", &g_bool, false},
    {"resolutions", &g_resolutions, false},
    {"pixelClockLimitMHz", &g_count, false},
    {"displayIdAboveWidth", &g_count, false},
    {"sendResult", &g_int, false},
    {"basicSucceeded", &g_bool, false},
});
const SRule g_inputs = List(&g_input, "input");

const SRule g_device = Object({
    {"model", &g_count, false},
    {"type", &g_count, false},
    {"restricted", &g_bool, false},
    {"tenBit", &g_bool, false},
    {"twelveBit", &g_bool, false},
    {"canvasReadable", &g_bool, false},
    {"depthCode", &g_depthCode, false},
    {"canvasLimits", &g_canvasLimits, false},
    {"outputLimitFlags", &g_uint32, false},
    {"maxInputRate", &g_inputRate, false},
    {"inputs", &g_inputs, false},
});

const SRule g_background = Object({
    {"opacity", &g_byte, false},
    {"enabled", &g_flag, false},
    {"stretched", &g_flag, false},
});

const SRule g_sender = Object({
    {"name", &g_string, false},
    {"outputPorts", &g_count, false},
    {"frameRate", &g_count, false},
    {"colorDepth", &g_count, false},
    {"canvas", &g_size, false},
    {"background", &g_background, false},
    {"device", &g_device, false},
});
const SRule g_senders = List(&g_sender, "sender", 1);

const SRule g_entry = Object({{"ip", &g_string, true}, {"name", &g_string, false}});
const SRule g_entries = List(&g_entry, "entry");

const SRule g_project = Object({
    {"currentSender", &g_count, false},
    {"demoMode", &g_bool, false},
    {"demoSenderType", &g_count, false},
    {"calibrationCoefficient", &g_coefficient, false},
    {"seamCoefficient", &g_coefficient, false},
    {"senders", &g_senders, true},
});

// A group is its key and its points; everything else has a default.
const SRule g_chromaGroup = Object({
    {"key", &g_count, true},
    {"name", &g_string, false},
    {"points", &g_points, true},
    {"movable", &g_movable, false},
    {"colour", &g_colour, false},
    {"visible", &g_bool, false},
});
const SRule g_chromaGroups = List(&g_chromaGroup, "group");
const SRule g_chromaticity = Object({{"groups", &g_chromaGroups, false}});

const SRule g_config = Object({
    {"defaultGateway", &g_address, false},
    {"netmask", &g_address, false},
    {"detectStrategy", &g_count, false},
    {"specified", &g_entries, false},
    {"currentSet", &g_entries, false},
    {"detectedDevices", &g_strings, false},
    {"localAddresses", &g_strings, false},
});

const SRule g_runtime = Object({
    {"senderCountLimit", &g_senderCountLimit, false},
    {"selection", &g_selection, false},
});

const SRule g_constant = Object({{"backgroundFolder", &g_string, false}});

const SRule g_hardware = Object({
    {"extendedEdid", &g_bool, false},
    {"addressState", &g_bool, false},
    {"portRowValue", &g_int, false},
    {"senderAddresses", &g_strings, false},
});

// A project needs a sender for the dialogs to work on, so "project" is required.
const SRule g_root = Object({
    {"format", &g_string, true},
    {"version", &g_int, true},
    {"project", &g_project, true},
    {"chromaticity", &g_chromaticity, false},
    {"config", &g_config, false},
    {"runtime", &g_runtime, false},
    {"constant", &g_constant, false},
    {"hardware", &g_hardware, false},
});

QString Number(double dValue)
{
    return QString::number(dValue, 'g', 17);
}

QString Range(const SRule& rule)
{
    return QString(" from %1 to %2").arg(Number(rule.dMin), Number(rule.dMax));
}

bool IsAddress(const QString& strText)
{
    static const QRegularExpression s_re("^(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])"
                                         "(\\.(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])){3}$");
    return strText.isEmpty() || s_re.match(strText).hasMatch();
}

bool IsHex20(const QString& strText)
{
    static const QRegularExpression s_re("^[0-9A-Fa-f]{40}$");
    return strText.isEmpty() || s_re.match(strText).hasMatch();
}

QString CheckValue(const QJsonValue& value, const SRule& rule, const QString& strPath);
using ProjectSchema::Describe;

QString CheckObject(const QJsonObject& obj, const SRule& rule, const QString& strPath)
{
    for (const SField& field : rule.vecFields) {
        const QString strField = strPath.isEmpty() ? field.pszName : strPath + "." + field.pszName;
        if (!obj.contains(field.pszName)) {
            if (field.bRequired)
                return strField + ": missing";
            continue;
        }
        const QString strError = CheckValue(obj[field.pszName], *field.pRule, strField);
        if (!strError.isEmpty())
            return strError;
    }
    return QString();
}

QString CheckArray(const QJsonArray& arr, const SRule& rule, const QString& strPath)
{
    if (arr.size() < rule.dMin || arr.size() > rule.dMax) {
        const bool bOpenEnded = rule.dMax >= g_nMaxItems;
        const QString strCount = rule.dMin == rule.dMax ? Number(rule.dMin)
            : bOpenEnded                                ? "at least " + Number(rule.dMin)
                                                        : Number(rule.dMin) + " to " + Number(rule.dMax);
        const bool bOne = rule.dMax == 1 || (bOpenEnded && rule.dMin == 1);
        return QString("%1: expected %2 %3%4, got %5")
            .arg(strPath, strCount, rule.pszItem, bOne ? "" : "s")
            .arg(arr.size());
    }
    for (int i = 0; i < arr.size(); ++i) {
        const QString strError = CheckValue(arr[i], *rule.pItem, QString("%1[%2]").arg(strPath).arg(i));
        if (!strError.isEmpty())
            return strError;
    }
    return QString();
}

QString CheckValue(const QJsonValue& value, const SRule& rule, const QString& strPath)
{
    auto expected = [&](const QString& strWhat) {
        return QString("%1: expected %2, got %3").arg(strPath, strWhat, Describe(value));
    };
    switch (rule.kind) {
    case enKind::Int:
        if (!value.isDouble() || std::floor(value.toDouble()) != value.toDouble())
            return expected("an integer");
        if (value.toDouble() < rule.dMin || value.toDouble() > rule.dMax)
            return expected("an integer" + Range(rule));
        return QString();
    case enKind::Real:
        if (!value.isDouble())
            return expected("a number");
        if (value.toDouble() < rule.dMin || value.toDouble() > rule.dMax)
            return expected("a number" + Range(rule));
        return QString();
    case enKind::Bool:
        return value.isBool() ? QString() : expected("true or false");
    case enKind::String:
        return value.isString() ? QString() : expected("a string");
    case enKind::Address:
        if (!value.isString())
            return expected(g_szAddress);
        return IsAddress(value.toString())
            ? QString()
            : QString("%1: expected %2, got \"%3\"").arg(strPath, g_szAddress, value.toString());
    case enKind::Hex20:
        if (!value.isString() || !IsHex20(value.toString()))
            return expected("40 hex digits (20 bytes), or \"\"");
        return QString();
    case enKind::Object:
        return value.isObject() ? CheckObject(value.toObject(), rule, strPath) : expected("an object");
    case enKind::Array:
        return value.isArray() ? CheckArray(value.toArray(), rule, strPath) : expected("an array");
    }
    return QString();
}

QJsonValue KeepUnknownIn(const QJsonValue& known, const QJsonValue& loaded, const SRule& rule);

QJsonObject KeepUnknownInObject(QJsonObject objKnown, const QJsonObject& objLoaded, const SRule& rule)
{
    for (auto it = objLoaded.begin(); it != objLoaded.end(); ++it) {
        const auto itField = std::find_if(rule.vecFields.begin(), rule.vecFields.end(),
            [&](const SField& field) { return it.key() == QLatin1String(field.pszName); });
        if (itField == rule.vecFields.end())
            objKnown[it.key()] = it.value();
        else if (objKnown.contains(it.key()))
            objKnown[it.key()] = KeepUnknownIn(objKnown[it.key()], it.value(), *itField->pRule);
    }
    return objKnown;
}

QJsonValue KeepUnknownIn(const QJsonValue& known, const QJsonValue& loaded, const SRule& rule)
{
    if (rule.kind == enKind::Object && known.isObject() && loaded.isObject())
        return KeepUnknownInObject(known.toObject(), loaded.toObject(), rule);
    if (rule.kind != enKind::Array || !known.isArray() || !loaded.isArray())
        return known;
    // Items are matched by position: the host never reorders them.
    QJsonArray arr = known.toArray();
    const QJsonArray arrLoaded = loaded.toArray();
    for (int i = 0; i < arr.size() && i < arrLoaded.size(); ++i)
        arr[i] = KeepUnknownIn(arr[i], arrLoaded[i], *rule.pItem);
    return arr;
}

} // namespace

namespace ProjectSchema {

QString Check(const QJsonObject& objRoot)
{
    return CheckObject(objRoot, g_root, QString());
}

QJsonObject KeepUnknown(const QJsonObject& objKnown, const QJsonObject& objLoaded)
{
    return KeepUnknownInObject(objKnown, objLoaded, g_root);
}

QString FindRawControlCharacter(const QByteArray& baText)
{
    bool bInString = false;
    bool bEscaped = false;
    for (int i = 0; i < baText.size(); ++i) {
        const uchar c = uchar(baText[i]);
        if (!bInString) {
            bInString = c == '"';
        } else if (bEscaped) {
            bEscaped = false;
        } else if (c == '\\') {
            bEscaped = true;
        } else if (c == '"') {
            bInString = false;
        } else if (c < 0x20) {
            return QString("%1: raw control character 0x%2 inside a string (write it escaped, as \\u%3)")
                .arg(Position(baText, i))
                .arg(c, 2, 16, QChar('0'))
                .arg(c, 4, 16, QChar('0'));
        }
    }
    return QString();
}

QString Describe(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return "null";
    case QJsonValue::Bool:
        return value.toBool() ? "true" : "false";
    case QJsonValue::Double:
        return Number(value.toDouble());
    case QJsonValue::String:
        return "a string";
    case QJsonValue::Array:
        return "an array";
    case QJsonValue::Object:
        return "an object";
    default:
        return "nothing";
    }
}

QString Position(const QByteArray& baText, int nOffset)
{
    const QByteArray baBefore = baText.left(nOffset);
    const int nLine = baBefore.count('\n') + 1;
    const int nColumn = nOffset - (baBefore.lastIndexOf('\n') + 1) + 1;
    return QString("line %1, column %2").arg(nLine).arg(nColumn);
}

} // namespace ProjectSchema
