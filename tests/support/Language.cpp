#include "Language.h"

#include "LongTranslator.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {
QString g_strCurrent = QStringLiteral("zh_CN");
std::vector<std::unique_ptr<QTranslator>> g_vecTranslators;
} // namespace

namespace Language {

bool Install(const QString& strLanguage)
{
    for (const auto& pTranslator : g_vecTranslators)
        QCoreApplication::removeTranslator(pTranslator.get());
    g_vecTranslators.clear();
    g_strCurrent = strLanguage;
    QLocale::setDefault(CurrentLocale());
    if (strLanguage == QLatin1String("long")) {
        auto pLong = std::make_unique<CLongTranslator>();
        if (!pLong->Load(TRANSLATIONS_BUILD_DIR))
            return false;
        QCoreApplication::installTranslator(pLong.get());
        g_vecTranslators.push_back(std::move(pLong));
        return true;
    }
    for (const char* pszCatalogue : {"SenderModuleDialog_", "SenderSimulatedHost_"}) {
        auto pTranslator = std::make_unique<QTranslator>();
        if (!pTranslator->load(pszCatalogue + strLanguage, TRANSLATIONS_BUILD_DIR))
            return false;
        QCoreApplication::installTranslator(pTranslator.get());
        g_vecTranslators.push_back(std::move(pTranslator));
    }
    return true;
}

QString Current()
{
    return g_strCurrent;
}

QLocale CurrentLocale()
{
    return QLocale(g_strCurrent == QLatin1String("long") ? QStringLiteral("en") : g_strCurrent);
}

void AddRows()
{
    QTest::addColumn<QString>("language");
    for (const char* pszLanguage : {"zh_CN", "en", "long"})
        QTest::newRow(pszLanguage) << QString(pszLanguage);
}

bool InstallFromData()
{
    QFETCH_GLOBAL(QString, language);
    return Install(language);
}

} // namespace Language
