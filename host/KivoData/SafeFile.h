#pragma once

#include "KivoDataExport.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Every file the host, the demo and sendertool write goes through here: the
// data lands in a temporary file beside the target, which replaces the target
// only when every byte reached the disk. A failure leaves the old file as it
// was and says why in *pError.
namespace SafeFile {

// The hook runs just before the rename; returning false abandons the write
// (tests use it to stand for a crash at that moment).
KIVODATA_EXPORT bool Write(const QString& strPath, const QByteArray& baData, QString* pError,
    const std::function<bool()>& fnBeforeRename = {});

} // namespace SafeFile
