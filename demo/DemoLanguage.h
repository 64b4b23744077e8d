#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The demo host's language: translators for the plug-in, the simulated host,
// the demo itself and Qt's own dialogs and menus, all switched together.
namespace DemoLanguage {
QStringList Supported(); // "en", "zh_CN"
// The supported language closest to a locale: Chinese locales get "zh_CN", all others "en".
QString FromLocale(const QLocale& locale);
// Where the .qm files are: the build tree's translations/ folder or the
// installed share/SenderModuleDialog/translations, whichever is next to the program.
QString DefaultDirectory();
// Replaces the translators installed before. False, with a message, for an
// unknown language or a missing catalogue of this project; Qt's own catalogue
// is optional (its package may not be installed).
bool Install(const QString& strLanguage, const QString& strDirectory, QString* pError);
} // namespace DemoLanguage
