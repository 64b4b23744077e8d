#include "DemoHost.h"

#include "KivoData.h"
#include "ProjectFile.h"
#include "RecordingLedLabel.h"
#include "SenderModuleDialogInit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>

namespace {
QString& CurrentPath()
{
    static QString s_strPath;
    return s_strPath;
}

CRecordingLedLabel& Label()
{
    static CRecordingLedLabel s_label;
    return s_label;
}

// Background pictures go next to the project unless the project names a folder.
void EnsureBackgroundFolder()
{
    CConstantData* pConstant = GetConstantData();
    pConstant->SetFallbackBKImagePath(QFileInfo(CurrentPath()).absoluteDir().filePath("backgrounds"));
    QDir().mkpath(pConstant->GetBKImagePath());
}
} // namespace

namespace DemoHost {

QString DefaultProjectPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("project.json");
}

QString ProjectPath()
{
    return CurrentPath();
}

bool LoadSample(QString* pError)
{
    QFile file(":/demo/SampleProject.json");
    if (!file.open(QIODevice::ReadOnly)) {
        *pError = "the built-in sample project is missing";
        return false;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    return ProjectFile::FromJson(doc.object(), pError);
}

bool Start(const QString& strProjectPath, QString* pError)
{
    CurrentPath() = strProjectPath;
    QDir().mkpath(QFileInfo(strProjectPath).absolutePath());
    if (QFileInfo::exists(strProjectPath)) {
        if (!ProjectFile::Load(strProjectPath, pError))
            return false;
    } else if (!LoadSample(pError) || !ProjectFile::Save(strProjectPath, pError)) {
        return false;
    }
    EnsureBackgroundFolder();
    SenderModuleDialogInit(&Label());
    CHostCallLog::Instance().Clear();
    return true;
}

bool Save(QString* pError)
{
    return ProjectFile::Save(CurrentPath(), pError);
}

} // namespace DemoHost
