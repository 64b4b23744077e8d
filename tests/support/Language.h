#pragma once

#include <QLocale>
#include <QString>

// The language the dialogs run in: the catalogues of the library and the
// simulated host, and the locale numbers are written in.
namespace Language {
// "zh_CN" (the texts' own), "en", or "long" (English 40 % longer, so that
// texts read back break); false when a catalogue is missing.
bool Install(const QString& strLanguage);
QString Current();
QLocale CurrentLocale();
// Rows "zh_CN", "en" and "long" of a column "language", for tests run in each.
void AddRows();
// Installs the language of the current data row.
bool InstallFromData();
} // namespace Language
