#pragma once

#include "KivoDataExport.h"

#include <QJsonObject>
#include <QString>

// The simulated host's whole state (project, configuration, runtime, constant
// data and device answers) as one JSON document. docs/project-file.md describes it.
namespace ProjectFile {

KIVODATA_EXPORT QJsonObject ToJson();
// Replaces the host state; on an error the state is left as it was.
KIVODATA_EXPORT bool FromJson(const QJsonObject& objRoot, QString* pError);

// A file that breaks a rule of docs/project-file.md is refused with one line
// "FILE: where: what", and the host state stays as it was.
KIVODATA_EXPORT bool Load(const QString& strPath, QString* pError);
// Through SafeFile: on a failure the old file stays.
KIVODATA_EXPORT bool Save(const QString& strPath, QString* pError);

} // namespace ProjectFile
