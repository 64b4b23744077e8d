#include "DemoHost.h"

#include "KivoData.h"
#include "ProjectFile.h"
#include "RecordingLedLabel.h"
#include "SenderModuleDialogInit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {
QString& CurrentPath()
{
    static QString s_strPath;
    return s_strPath;
}

// The project as the file last held it.
QJsonObject& SavedProject()
{
    static QJsonObject s_objProject;
    return s_objProject;
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
    SavedProject() = ProjectFile::ToJson();
    SenderModuleDialogInit(&Label());
    CHostCallLog::Instance().Clear();
    return true;
}

bool Save(QString* pError)
{
    // A file whose content did not change keeps its bytes, however it was laid out.
    const QJsonObject objProject = ProjectFile::ToJson();
    if (objProject == SavedProject())
        return true;
    if (!ProjectFile::Save(CurrentPath(), pError))
        return false;
    SavedProject() = objProject;
    return true;
}

} // namespace DemoHost
