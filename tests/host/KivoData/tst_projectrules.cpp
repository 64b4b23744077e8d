#include "FileSizeLimit.h"
#include "HardwareSupport.h"
#include "HostFixture.h"
#include "KivoData.h"
#include "ProjectFile.h"
#include "ReadFile.h"
#include "SafeFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QJsonObject Sample()
{
    return QJsonDocument::fromJson(ReadFile(SAMPLE_PROJECT)).object();
}

// Sets the value at a path such as "project.senders[1].device.inputs[0].maxWidth";
// an undefined value removes the field.
QJsonValue SetAt(const QJsonValue& node, QStringList listSteps, const QJsonValue& value)
{
    if (listSteps.isEmpty())
        return value;
    const QString strStep = listSteps.takeFirst();
    if (strStep.startsWith('[')) {
        QJsonArray arr = node.toArray();
        const int nIndex = strStep.mid(1, strStep.size() - 2).toInt();
        if (nIndex >= arr.size()) // an earlier change replaced the array
            return node;
        arr[nIndex] = SetAt(arr[nIndex], listSteps, value);
        return arr;
    }
    QJsonObject obj = node.toObject();
    if (listSteps.isEmpty() && value.isUndefined())
        obj.remove(strStep);
    else
        obj[strStep] = SetAt(obj[strStep], listSteps, value);
    return obj;
}

QJsonObject SetAt(const QJsonObject& objRoot, QString strPath, const QJsonValue& value)
{
    return SetAt(objRoot, strPath.replace('[', ".[").split('.', Qt::SkipEmptyParts), value).toObject();
}

QJsonValue ValueAt(QJsonValue node, const QString& strPath)
{
    for (const QString& strStep : QString(strPath).replace('[', ".[").split('.', Qt::SkipEmptyParts))
        node = strStep.startsWith('[') ? node.toArray().at(strStep.mid(1).chopped(1).toInt())
                                       : node.toObject().value(strStep);
    return node;
}

// Every field's path, such as "a.b[1].c"; the items of arrays too when bItems,
// else only arrays of objects are entered.
QStringList Paths(const QJsonValue& node, bool bItems, const QString& strPath = QString())
{
    QStringList listPaths;
    const QJsonObject obj = node.toObject();
    for (auto it = obj.begin(); it != obj.end(); ++it) {
        const QString strField = strPath.isEmpty() ? it.key() : strPath + "." + it.key();
        listPaths << strField << Paths(it.value(), bItems, strField);
    }
    const QJsonArray arr = node.toArray();
    for (int i = 0; i < arr.size() && (bItems || arr[i].isObject()); ++i) {
        const QString strItem = QString("%1[%2]").arg(strPath).arg(i);
        listPaths << (bItems ? QStringList {strItem} : QStringList()) << Paths(arr[i], bItems, strItem);
    }
    return listPaths;
}
} // namespace

// The simulated host's address rules, project file and logic objects.
class TestProjectRules : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QString strError;
        QVERIFY2(ProjectFile::FromJson(Sample(), &strError), qPrintable(strError));
    }

    // Numbers as written (59.94) and an empty background folder stay so.
    void untouchedSampleSavesItsOwnBytes()
    {
        const QString strPath = m_dir.filePath("same.json");
        QString strError;
        QVERIFY(SafeFile::Write(strPath, ReadFile(SAMPLE_PROJECT), &strError));
        QVERIFY2(ProjectFile::Load(strPath, &strError), qPrintable(strError));
        GetConstantData()->SetFallbackBKImagePath(m_dir.filePath("pictures"));
        QCOMPARE(GetConstantData()->GetSenderBKImgName(1, true),
            m_dir.filePath("pictures/sender_1_background.png"));
        QVERIFY2(ProjectFile::Save(strPath, &strError), qPrintable(strError));
        QCOMPARE(ReadFile(strPath), ReadFile(SAMPLE_PROJECT));
    }

    // Each optional field left out takes its documented default, alone or all at once.
    void leftOutFieldsTakeTheirDefaults()
    {
        const QJsonArray arrTrue4 {true, true, true, true};
        const QJsonObject objOutput {{"key", 512}, {"name", ""}, {"movable", arrTrue4}, {"visible", true},
            {"points",
                QJsonArray {QJsonArray {0.68, 0.32}, QJsonArray {0.265, 0.69}, QJsonArray {0.15, 0.06},
                    QJsonArray {0.3127, 0.329}}}};
        QJsonObject objScreen = objOutput;
        objScreen["key"] = 768;
        objScreen["points"] = QJsonArray {QJsonArray {0.64, 0.33}, QJsonArray {0.3, 0.6},
            QJsonArray {0.15, 0.06}, QJsonArray {0.3127, 0.329}};
        const QString strSender = "project.senders[].", strDevice = strSender + "device.",
                      strInput = strDevice + "inputs[].", strGroup = "chromaticity.groups[].";
        // Undefined: the field stays out of the saved file too.
        const QMap<QString, QJsonValue> mapDefaults {{"project.currentSender", 0},
            {"project.demoMode", false}, {"project.demoSenderType", 21},
            {"project.calibrationCoefficient", 1}, {"project.seamCoefficient", 1}, {strSender + "name", ""},
            {strSender + "outputPorts", 16}, {strSender + "frameRate", 60}, {strSender + "colorDepth", 8},
            {strSender + "canvas", QJsonArray {1920, 1080}}, {strSender + "background.opacity", 255},
            {strSender + "background.enabled", 0}, {strSender + "background.stretched", 0},
            {strDevice + "model", 21}, {strDevice + "type", 0}, {strDevice + "restricted", false},
            {strDevice + "tenBit", true}, {strDevice + "twelveBit", false},
            {strDevice + "canvasReadable", true}, {strDevice + "depthCode", 0},
            {strDevice + "canvasLimits", QJsonArray {32768, 16384, 536870912}},
            {strDevice + "outputLimitFlags", 0}, {strDevice + "maxInputRate", 0},
            {strDevice + "inputs", QJsonArray()}, {strInput + "id", 0}, {strInput + "name", ""},
            {strInput + "edidRecord", ""}, {strInput + "maxWidth", 3840}, {strInput + "maxHeight", 2160},
            {strInput + "maxArea60", 2073600}, {strInput + "checkByPixelClock", false},
            {strInput + "resolutions", QJsonArray()}, {strInput + "pixelClockLimitMHz", 600},
            {strInput + "displayIdAboveWidth", 0}, {strInput + "sendResult", 0},
            {strInput + "basicSucceeded", true}, {"chromaticity.groups", QJsonArray {objOutput, objScreen}},
            {strGroup + "name", ""}, {strGroup + "movable", arrTrue4},
            {strGroup + "colour", QJsonValue::Undefined}, {strGroup + "visible", true},
            {"config.defaultGateway", ""}, {"config.netmask", "255.255.255.0"}, {"config.detectStrategy", 2},
            {"config.specified", QJsonArray()}, {"config.specified[].name", ""},
            {"config.currentSet", QJsonArray()}, {"config.currentSet[].name", ""},
            {"config.detectedDevices", QJsonArray()}, {"config.localAddresses", QJsonValue::Undefined},
            {"runtime.senderCountLimit", QJsonArray {20, 255}},
            {"runtime.selection", QJsonArray {0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
            {"constant.backgroundFolder", ""}, {"hardware.extendedEdid", true},
            {"hardware.addressState", false}, {"hardware.portRowValue", 0},
            {"hardware.senderAddresses", QJsonArray()}};
        const QStringList listRequired {"format", "version", "project", "project.senders", strGroup + "key",
            strGroup + "points", "config.specified[].ip", "config.currentSet[].ip"};
        const auto generic
            = [](QString strPath) { return strPath.replace(QRegularExpression("\\[\\d+\\]"), "[]"); };
        int nChecked = 0;
        for (const QString& strPath : Paths(Sample(), false)) {
            const QString strGeneric = generic(strPath);
            if (listRequired.contains(strGeneric))
                continue;
            if (!mapDefaults.contains(strGeneric)) // a whole object: its fields are checked one by one
                continue;
            QString strError;
            QVERIFY2(ProjectFile::FromJson(SetAt(Sample(), strPath, QJsonValue::Undefined), &strError),
                qPrintable(strPath + ": " + strError));
            QVERIFY2(ValueAt(ProjectFile::ToJson(), strPath) == mapDefaults[strGeneric], qPrintable(strPath));
            ++nChecked;
        }
        QVERIFY(nChecked > 60);

        const QJsonObject objMinimal {{"format", "SenderModuleDialog host project"}, {"version", 1},
            {"project", QJsonObject {{"senders", QJsonArray {QJsonObject()}}}}};
        QString strError;
        QVERIFY2(ProjectFile::FromJson(objMinimal, &strError), qPrintable(strError));
        for (const QString& strPath : Paths(ProjectFile::ToJson(), false)) {
            const QString strGeneric = generic(strPath);
            if (mapDefaults.contains(strGeneric) && !strGeneric.startsWith(strGroup))
                QVERIFY2(
                    ValueAt(ProjectFile::ToJson(), strPath) == mapDefaults[strGeneric], qPrintable(strPath));
        }
        QCOMPARE(ValueAt(ProjectFile::ToJson(), "project.senders").toArray().size(), 1);
    }

    // "Wide" rows widen the subnet to 255.255.0.0 (gateway 10.1.0.1).
    void addressCodes()
    {
        const std::tuple<bool, const char*, unsigned long> aRows[] = {{false, "10.1.2.50", 0},
            {false, "172.16.5.5", 0}, {false, "10.1.2.100", IP_ERROR_LOCAL_PC},
            {false, "10.1.2.10", IP_ERROR_IN_USE},
            {false, "10.1.2.8", 0}, // stored as "010": decimal, not octal
            {false, "10.1.2.30", IP_ERROR_IN_USE}, {false, "10.1.2.12", IP_ERROR_IN_USE}, // detected, added
            {false, "0.1.2.3", IP_ERROR_ZERO_START}, {false, "10.1.2.1", IP_ERROR_GATEWAY},
            {false, "255.255.255.255", IP_ERROR_BROADCAST}, {false, "10.1.2.255", IP_ERROR_BROADCAST},
            {false, "10.1.2.0", IP_ERROR_INVALID}, {false, "0.0.0.0", IP_ERROR_INVALID},
            {false, "127.0.0.1", IP_ERROR_INVALID}, {false, "224.0.0.1", IP_ERROR_INVALID},
            {false, "240.0.0.1", IP_ERROR_INVALID}, {true, "10.1.2.255", 0}, {true, "10.1.2.0", 0},
            {true, "10.1.255.255", IP_ERROR_BROADCAST}, {true, "10.1.0.0", IP_ERROR_INVALID}};
        for (const auto& [bWide, pszAddress, ulExpected] : aRows) {
            CConfigData config;
            config.SetNetwork(bWide ? "10.1.0.1" : "10.1.2.1", bWide ? "255.255.0.0" : "255.255.255.0");
            config.SetFixedLocalAddresses({"10.1.2.100"});
            config.LoadLists({{"10.1.2.010", ""}}, {});
            config.SetDetectedDevices({"10.1.2.30"});
            config.UpdateErrorIPList();
            config.AddSpecifiedIP("10.1.2.12", "");
            const quint32 uAddress = QHostAddress(pszAddress).toIPv4Address();
            unsigned long ulCode = 0;
            const bool bError = config.IsIPHasError(uAddress, &ulCode, false);
            QCOMPARE(QString("%1 %2 %3").arg(pszAddress).arg(bError).arg(ulCode),
                QString("%1 %2 %3").arg(pszAddress).arg(ulExpected != 0).arg(ulExpected));
            QCOMPARE(config.IsIPHasError(uAddress, nullptr, false), bError);
            // Entries keep their typed text; an addition is saved only on request.
            QCOMPARE(config.GetSpecifiedIPOriginal(0), QString("10.1.2.010()"));
            QCOMPARE(config.SavedSpecifiedList().size(), 1);
            config.SpecifiedIPsSave();
            QCOMPARE(config.SavedSpecifiedList().size(), 2);
        }
        // A /31 link uses both of its addresses; a /30 keeps its two ends.
        for (const char* pszMask : {"255.255.255.254", "255.255.255.252"}) {
            CConfigData config;
            config.SetNetwork("10.9.9.9", pszMask);
            config.SetFixedLocalAddresses({"10.1.2.100"});
            const bool b31 = QString(pszMask).endsWith("254");
            for (const char* pszAddress : {"10.1.2.4", "10.1.2.7"}) {
                const quint32 uAddress = QHostAddress(pszAddress).toIPv4Address();
                QCOMPARE(config.IsIPHasError(uAddress, nullptr, false), !b31);
            }
        }
    }

    // Loading writes nothing through the plug-in's calls; a known field the host
    // dropped stays dropped, an unknown one is kept.
    void unknownFieldsSurvive()
    {
        const QStringList listPaths {"note", "config.note", "project.senders[1].note",
            "chromaticity.groups[1].note", "project.senders[1].device.inputs[0].note",
            "project.senders[0].background.note"};
        const QJsonObject objNote {{"by", "a newer host"}, {"n", 3}};
        auto addNotes = [&](QJsonObject objRoot) {
            for (const QString& strPath : listPaths)
                objRoot = SetAt(objRoot, strPath, objNote);
            return objRoot;
        };
        auto changeHost = [] {
            GetConfigData()->UseSystemLocalAddresses();
            GetProjectData()->GetSender(1)->SetFrameRate(30);
        };
        changeHost();
        const QJsonObject objExpected = addNotes(ProjectFile::ToJson());
        QVERIFY(!objExpected.contains("localAddresses"));

        const QString strPath = m_dir.filePath("project.json");
        SafeFile::Write(strPath, QJsonDocument(addNotes(Sample())).toJson(), nullptr);
        QString strError;
        HostFixture::ClearLog();
        QVERIFY2(ProjectFile::Load(strPath, &strError), qPrintable(strError));
        changeHost();
        QCOMPARE(HostFixture::Calls(), QStringList {"CSender::SetFrameRate(30)"});
        QVERIFY2(ProjectFile::Save(strPath, &strError), qPrintable(strError));
        QCOMPARE(QJsonDocument::fromJson(ReadFile(strPath)).object(), objExpected);
    }

    // A full disk, or a rename that fails, leaves the old file and no temporary one.
    void failedSavesKeepTheOldFile()
    {
        QTemporaryDir dir;
        const QString strPath = dir.filePath("project.json");
        QString strError;
        QVERIFY(ProjectFile::Save(strPath, &strError));
        const QByteArray baOld = ReadFile(strPath);
        GetProjectData()->GetSender(0)->SetName(QString(200, 'n')); // the new file is longer
        const QString strTaken = dir.filePath("taken.json"); // a folder takes its place before the rename
        QVERIFY(!SafeFile::Write(strTaken, "new", &strError, [&] { return QDir().mkdir(strTaken); }));
        QVERIFY2(strError.startsWith("cannot write " + strTaken + ": "), qPrintable(strError));
        {
            // Far less than the file and the write buffer: only the final flush fails.
            CFileSizeLimit limit(1024);
            SKIP_UNLESS_LIMITED(limit);
            QVERIFY(!ProjectFile::Save(strPath, &strError));
        }
        QVERIFY2(strError.startsWith("cannot write " + strPath + ": "), qPrintable(strError));
        QCOMPARE(ReadFile(strPath), baOld);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"project.json"});
    }

    // A damaged file loads whole (and saves back the same) or is refused in one line.
    void fuzzedFilesLoadWholeOrNotAtAll()
    {
        constexpr int CASE_COUNT = 400;
        QRandomGenerator random(0x5EED);
        const QJsonObject objSample = Sample();
        const QStringList listPaths = Paths(objSample, true);
        const QJsonValue arrValues[]
            = {"text", -1, 0, 1, 256, 2.5, 1e300, -2147483649.0, 4294967295.0, QJsonValue::Null, true,
                QJsonArray(), QJsonObject(), QJsonArray {1, 2}, "10.0.0.1", "", QJsonValue::Undefined};
        int nLoaded = 0;
        for (int i = 0; i < CASE_COUNT; ++i) {
            QJsonObject objCase = objSample;
            for (int n = 1 + random.bounded(2); n > 0; --n)
                objCase = SetAt(objCase, listPaths[random.bounded(listPaths.size())],
                    arrValues[random.bounded(int(std::size(arrValues)))]);
            QByteArray baText = QJsonDocument(objCase).toJson(QJsonDocument::Compact);
            if (i % 8 == 0) // damage the text itself
                baText[random.bounded(baText.size())] = char(random.bounded(256));
            const QString strResult = LoadRefused(baText);
            QVERIFY2(!strResult.contains("changed") && !strResult.contains('\n'),
                qPrintable(strResult + "\n" + baText));
            if (strResult != "loaded") {
                QVERIFY2(strResult.startsWith(m_dir.filePath("bad.json") + ": "), qPrintable(strResult));
                continue;
            }
            ++nLoaded;
            const QJsonObject objLoaded = ProjectFile::ToJson();
            QString strError;
            QVERIFY2(ProjectFile::Save(m_dir.filePath("again.json"), &strError), qPrintable(strError));
            QVERIFY2(ProjectFile::Load(m_dir.filePath("again.json"), &strError), qPrintable(strError));
            QCOMPARE(ProjectFile::ToJson(), objLoaded);
        }
        qInfo("%d fuzzed project files, %d loaded", CASE_COUNT, nLoaded);
        QVERIFY(nLoaded > CASE_COUNT / 20 && nLoaded < CASE_COUNT / 2); // both outcomes are exercised
    }

    // A device that refuses an EDID keeps the one it had; reading it back is no write.
    void refusedEdidIsNotKept()
    {
        HostFixture::Reset();

        quint8 record[20] = {}, descriptor[20] = {}, readBack[20] = {};
        descriptor[12] = 16;
        for (int nResult : {0, -5}) {
            HostFixture::Input(16).nSendResult = nResult;
            record[10] = quint8(0x80 - nResult);
            QCOMPARE(GetHwVideoSourceLogic()->SendEdidSetting(0, 16, record), nResult);
            QVERIFY(GetHwVideoSourceLogic()->ReadEdidSetting(0, descriptor, readBack));
            QCOMPARE(readBack[10], quint8(0x80));
        }
        QCOMPARE(HostFixture::Calls().size(), 2);
    }

    void badFilesAreNamed_data();
    void badFilesAreNamed();

private:
    // Loads strText from a file; on a refusal checks that nothing changed.
    QString LoadRefused(const QByteArray& baText)
    {
        const QString strPath = m_dir.filePath("bad.json");
        SafeFile::Write(strPath, baText, nullptr);
        const QJsonObject objBefore = ProjectFile::ToJson();
        QString strError;
        if (ProjectFile::Load(strPath, &strError))
            return "loaded";
        if (ProjectFile::ToJson() != objBefore)
            return "refused, but the host changed";
        if (ReadFile(strPath) != baText)
            return "refused, but the file changed";
        return strError;
    }

    QTemporaryDir m_dir;
};

void TestProjectRules::badFilesAreNamed_data()
{
    QTest::addColumn<QByteArray>("baText");
    QTest::addColumn<QString>("strExpected");
    const QString strInput = "project.senders[1].device.inputs[0].";
    const QString strCount = "expected an integer from 0 to 2147483647, got ";
    const QString strText = "expected an integer, got a string";
    const QString strRecord = "expected 40 hex digits (20 bytes), or \"\", got ";
    const QString strAddress = "expected an IPv4 address such as \"192.168.1.1\", or \"\", got ";
    const struct
    {
        QString strPath;
        QJsonValue value; // undefined: the field is left out
        QString strExpected; // after "PATH: ", or after PATH when it starts with "." or "["
    } arrRows[] = {{"project.senders", QJsonObject(), "expected an array, got an object"},
        {"project.senders", QJsonArray(), "expected at least 1 sender, got 0"},
        {"project.senders", QJsonValue::Undefined, "missing"}, {"project", QJsonValue::Undefined, "missing"},
        {"project", QJsonValue::Null, "expected an object, got null"},
        {"project", QJsonArray(), "expected an object, got an array"},
        {"project.senders[1]", 5, "expected an object, got 5"}, {"project.currentSender", "1", strText},
        {"project.currentSender", 2, "expected an integer from 0 to 1 (the project has 2 senders), got 2"},
        {"project.currentSender", -1, strCount + "-1"},
        {"project.demoMode", 1, "expected true or false, got 1"},
        {"project.senders[0].frameRate", "abc", strText},
        {"project.senders[0].frameRate", -60, strCount + "-60"},
        {"project.senders[0].outputPorts", -1, strCount + "-1"},
        {"project.senders[0].canvas[1]", -1080, strCount + "-1080"},
        {"project.senders[0].canvas", QJsonArray {1920}, "expected 2 numbers, got 1"},
        {"project.senders[1].background.opacity", 256, "expected an integer from 0 to 255, got 256"},
        {"project.senders[1].background.opacity", -1, "expected an integer from 0 to 255, got -1"},
        {"project.senders[1].background.stretched", 2, "expected an integer from 0 to 1, got 2"},
        {"project.senders[1].device.depthCode", 3, "expected an integer from 0 to 2, got 3"},
        {"project.senders[1].device.canvasLimits[2]", -3, strCount + "-3"},
        {"project.senders[1].device.outputLimitFlags", 4294967296.0,
            "expected an integer from 0 to 4294967295, got 4294967296"},
        {"project.senders[1].device.maxInputRate", "60", "expected a number, got a string"},
        {strInput + "maxWidth", "4096", strText},
        {strInput + "maxWidth", 4096.5, "expected an integer, got 4096.5"},
        {strInput + "maxWidth", 1e10, strCount + "10000000000"},
        {strInput + "edidRecord", 7, strRecord + "7"},
        {strInput + "edidRecord", "0102", strRecord + "a string"},
        {strInput + "resolutions[2][0]", -1, strCount + "-1"},
        {"config.netmask", "255.255.255", strAddress + "\"255.255.255\""},
        {"config.defaultGateway", "192.168.1.300", strAddress + "\"192.168.1.300\""},
        {"config.specified[1]", QJsonObject {{"name", "x"}}, ".ip: missing"},
        {"runtime.senderCountLimit[0]", -1, strCount + "-1"},
        {"runtime.selection", QJsonArray {0, -1}, "expected 11 numbers, got 2"},
        {"project.seamCoefficient", 1.5, "expected a number from 0 to 1, got 1.5"},
        {"chromaticity.groups", QJsonObject(), "expected an array, got an object"},
        {"chromaticity.groups[1].key", QJsonValue::Undefined, "missing"},
        {"chromaticity.groups[1].key", 512, "expected a key no other group has, got 512 (as groups[0])"},
        {"chromaticity.groups[0].points",
            QJsonDocument::fromJson("[[0.3, 0.3]]").array(), // braces would copy in Clang
            "expected 4 points, got 1"},
        {"chromaticity.groups[0].points[3][1]", 1.5, "expected a number from 0 to 1, got 1.5"},
        {"chromaticity.groups[0].movable", QJsonArray {true}, "expected 4 flags, got 1"},
        {"chromaticity.groups[0].colour", QJsonArray {0, 256, 0},
            "[1]: expected an integer from 0 to 255, got 256"},
        {"version", "1", strText},
        {"version", 2, "unsupported project file version 2 (this host reads version 1)"},
        {"format", "x",
            "expected \"SenderModuleDialog host project\", got \"x\"; this is not a host project file"}};
    for (const auto& row : arrRows) {
        const QByteArray baValue = QJsonDocument(QJsonArray {row.value}).toJson(QJsonDocument::Compact);
        QTest::addRow("%s=%s", qPrintable(row.strPath), baValue.constData())
            << QJsonDocument(SetAt(Sample(), row.strPath, row.value)).toJson()
            << row.strPath + (row.strExpected.contains(QRegularExpression("^[.[]")) ? "" : ": ")
                + row.strExpected;
    }
    // Texts that are not a project object at all.
    QByteArray baTab = QJsonDocument(Sample()).toJson();
    baTab.replace("\"HDMI 1\"", "\"HDMI\t1\"");
    const int nTab = baTab.indexOf('\t');
    QTest::newRow("raw tab") << baTab
                             << QString("line %1, column %2: raw control character 0x09 inside a string "
                                        "(write it escaped, as \\u0009)")
                                    .arg(baTab.left(nTab).count('\n') + 1)
                                    .arg(nTab - baTab.lastIndexOf('\n', nTab));
    QTest::newRow("root array") << QByteArray("[1, 2]")
                                << QString("the document must be a JSON object {...}, not an array");
    QTest::newRow("not json") << QByteArray("{\n  \"format\": nope\n}")
                              << QString("line 2, column 15: illegal value");
    QTest::newRow("empty") << QByteArray("") << QString("line 1, column 1: illegal value");
}

void TestProjectRules::badFilesAreNamed()
{
    QFETCH(QByteArray, baText);
    QFETCH(QString, strExpected);
    QCOMPARE(LoadRefused(baText), m_dir.filePath("bad.json") + ": " + strExpected);
}

QTEST_MAIN(TestProjectRules)
#include "tst_projectrules.moc"
