#include "DemoLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {
struct SCatalogue
{
    const char* pszName;
    const char* pszSourceLanguage; // no file is needed for it
};

const SCatalogue g_catalogues[] = {
    {"SenderModuleDialog", "zh_CN"},
    {"SenderSimulatedHost", "zh_CN"},
    {"SenderDemoHost", "en"},
};

std::vector<std::unique_ptr<QTranslator>>& Installed()
{
    static std::vector<std::unique_ptr<QTranslator>> s_vecTranslators;
    return s_vecTranslators;
}

// A translator removes itself from the application when destroyed.
void RemoveInstalled()
{
    Installed().clear();
}

bool Load(const QString& strName, const QString& strDirectory)
{
    auto pTranslator = std::make_unique<QTranslator>();
    if (!pTranslator->load(strName, strDirectory))
        return false;
    QCoreApplication::installTranslator(pTranslator.get());
    Installed().push_back(std::move(pTranslator));
    return true;
}
} // namespace

namespace DemoLanguage {

QStringList Supported()
{
    return {QStringLiteral("en"), QStringLiteral("zh_CN")};
}

QString FromLocale(const QLocale& locale)
{
    return locale.language() == QLocale::Chinese ? QStringLiteral("zh_CN") : QStringLiteral("en");
}

QString DefaultDirectory()
{
    const QDir dirProgram(QCoreApplication::applicationDirPath());
    for (const char* pszRelative : {"../translations", "../share/SenderModuleDialog/translations"}) {
        if (dirProgram.exists(pszRelative))
            return QDir::cleanPath(dirProgram.filePath(pszRelative));
    }
    return dirProgram.path();
}

bool Install(const QString& strLanguage, const QString& strDirectory, QString* pError)
{
    if (!Supported().contains(strLanguage)) {
        *pError = QStringLiteral("unknown language \"%1\" (choose one of: %2)")
                      .arg(strLanguage, Supported().join(QStringLiteral(", ")));
        return false;
    }
    RemoveInstalled();
    for (const SCatalogue& catalogue : g_catalogues) {
        if (strLanguage == QLatin1String(catalogue.pszSourceLanguage))
            continue;
        const QString strName = QStringLiteral("%1_%2").arg(catalogue.pszName, strLanguage);
        if (!Load(strName, strDirectory)) {
            RemoveInstalled();
            *pError = QStringLiteral("translation %1.qm not found in %2").arg(strName, strDirectory);
            return false;
        }
    }
    Load(QStringLiteral("qtbase_") + strLanguage, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    QLocale::setDefault(QLocale(strLanguage));
    return true;
}

} // namespace DemoLanguage
