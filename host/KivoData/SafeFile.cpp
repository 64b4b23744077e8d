#include "SafeFile.h"

#include <QSaveFile>

#include <cerrno>

namespace {
bool Fail(QString* pError, const QString& strPath, const QString& strReason)
{
    if (pError)
        *pError = QString("cannot write %1: %2").arg(strPath, strReason);
    return false;
}
} // namespace

namespace SafeFile {

bool Write(const QString& strPath, const QByteArray& baData, QString* pError,
    const std::function<bool()>& fnBeforeRename)
{
    QSaveFile file(strPath);
    // Qt 5's commit() does not report an error of its own final buffer flush
    // (a full disk), so the flush is done and checked here first.
    errno = 0;
    const bool bWritten
        = file.open(QIODevice::WriteOnly) && file.write(baData) == baData.size() && file.flush();
    // A failed flush leaves Qt's text at "Unknown error"; the system's says "File too large".
    const QString strReason = errno ? qt_error_string(errno) : file.errorString();
    // Not committed, the temporary file is removed with the QSaveFile.
    if (!bWritten || (fnBeforeRename && !fnBeforeRename()))
        return Fail(pError, strPath, strReason);
    if (!file.commit())
        return Fail(pError, strPath, file.errorString());
    return true;
}

} // namespace SafeFile
