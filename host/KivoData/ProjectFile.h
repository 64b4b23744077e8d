#pragma once

#include "KivoDataExport.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <functional>

// The simulated host's whole state (project, configuration, runtime, constant
// data and device answers) as one JSON document. docs/project-file.md describes it.
namespace ProjectFile {

KIVODATA_EXPORT QJsonObject ToJson();
// Replaces the host state; on an error the state is left as it was.
KIVODATA_EXPORT bool FromJson(const QJsonObject& objRoot, QString* pError);

KIVODATA_EXPORT bool Load(const QString& strPath, QString* pError);
KIVODATA_EXPORT bool Save(const QString& strPath, QString* pError);

// Writes a temporary file beside the target and renames it over the target, so
// the target is either the old or the new content, never half of one. The hook
// runs before the rename; returning false abandons the write (tests use it to
// stand for a crash at that moment).
KIVODATA_EXPORT bool WriteAtomically(const QString& strPath, const QByteArray& baData, QString* pError,
    const std::function<bool()>& fnBeforeRename = {});

} // namespace ProjectFile
