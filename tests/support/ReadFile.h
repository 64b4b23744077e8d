#pragma once

#include <QFile>

// A file's bytes; empty when it cannot be read.
inline QByteArray ReadFile(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
