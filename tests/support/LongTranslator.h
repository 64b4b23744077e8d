#pragma once

#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

// A language whose every text runs 40 % longer than the English one, as many
// languages do: texts that must fit grow, and a text read back breaks.
class CLongTranslator : public QTranslator
{
public:
    // False when an English catalogue is missing from strDirectory.
    bool Load(const QString& strDirectory)
    {
        for (const char* pszCatalogue : {"SenderModuleDialog_en", "SenderSimulatedHost_en"}) {
            m_vecEnglish.push_back(std::make_unique<QTranslator>());
            if (!m_vecEnglish.back()->load(pszCatalogue, strDirectory))
                return false;
        }
        return true;
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* pszContext, const char* pszSource, const char* pszDisambiguation = nullptr,
        int n = -1) const override
    {
        QString strText;
        for (const auto& pEnglish : m_vecEnglish) {
            if (strText.isEmpty())
                strText = pEnglish->translate(pszContext, pszSource, pszDisambiguation, n);
        }
        if (strText.isEmpty())
            strText = QString::fromUtf8(pszSource); // the demo's own texts are English
        return strText + QString(strText.size() * 2 / 5, QChar('e'));
    }

private:
    std::vector<std::unique_ptr<QTranslator>> m_vecEnglish;
};
