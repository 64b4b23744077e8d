#include "DemoEntry.h"
#include "DemoLanguage.h"
#include "DemoTestSupport.h"
#include "MainWindow.h"

#include "CMessageBoxAnswers.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

using DemoTestSupport::ContainsCjk;

namespace {
struct SOpened
{
    QString strTitle;
    QStringList listTexts;
};

// Opens an entry as the gallery does, staged, and reads what a person sees,
// message boxes included.
SOpened Open(const SDemoEntry& entry)
{
    CMessageBoxAnswers::ClearShown();
    const std::unique_ptr<QWidget> pWidget = DemoTestSupport::ShowStaged(entry);
    return {pWidget->windowTitle(),
        DemoTestSupport::VisibleTexts(pWidget.get()) + CMessageBoxAnswers::ShownTexts()};
}

const SDemoEntry* FindEntry(const QString& strName)
{
    static const std::vector<SDemoEntry> s_vecEntries = DemoEntries::All();
    for (const SDemoEntry& entry : s_vecEntries) {
        if (entry.strName == strName)
            return &entry;
    }
    return nullptr;
}

QStringList StandardContextMenuTexts()
{
    QLineEdit edit;
    std::unique_ptr<QMenu> pMenu(edit.createStandardContextMenu());
    QStringList listTexts;
    for (const QAction* pAction : pMenu->actions())
        listTexts << pAction->text();
    return listTexts;
}

struct SMessage
{
    QString strContext;
    QString strSource;
};

QList<SMessage> CatalogueMessages(const QString& strPath)
{
    QList<SMessage> listMessages;
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return listMessages;
    QXmlStreamReader reader(&file);
    QString strContext;
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == QLatin1String("name"))
            strContext = reader.readElementText();
        else if (reader.isStartElement() && reader.name() == QLatin1String("source"))
            listMessages.append({strContext, reader.readElementText()});
        else
            reader.readNext();
    }
    return listMessages;
}
} // namespace

class TestDemoLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(DemoTestSupport::StartOnLatinSample(m_dir.filePath("project.json")));
        CMessageBoxAnswers::Install();
    }
    void cleanupTestCase() { CMessageBoxAnswers::Uninstall(); }

    void languageFromLocale()
    {
        // Any Chinese reads the simplified catalogue; everything else English.
        const QPair<const char*, const char*> arrCases[]
            = {{"zh_CN", "zh_CN"}, {"zh_TW", "zh_CN"}, {"en_GB", "en"}, {"de_DE", "en"}, {"C", "en"}};
        for (const auto& c : arrCases)
            QCOMPARE(DemoLanguage::FromLocale(QLocale(c.first)), QString(c.second));
    }

    void unknownLanguageOrMissingCatalogueIsRefused()
    {
        QString strError;
        QVERIFY(!DemoLanguage::Install("fr", TRANSLATIONS_BUILD_DIR, &strError));
        QVERIFY(strError.contains("fr"));
        QVERIFY(!DemoLanguage::Install("en", m_dir.path(), &strError));
        QVERIFY(strError.contains("SenderModuleDialog_en"));
    }

    // Painted texts and message-box texts are only reachable through the catalogue.
    void englishCataloguesTranslateEverySourceText()
    {
        Install("en");
        for (const char* pszCatalogue : {"SenderModuleDialog_en.ts", "SenderSimulatedHost_en.ts"}) {
            const QList<SMessage> listMessages
                = CatalogueMessages(QString(TRANSLATIONS_SOURCE_DIR "/") + pszCatalogue);
            QVERIFY2(listMessages.size() > 5, pszCatalogue);
            for (const SMessage& message : listMessages) {
                const QString strText = QCoreApplication::translate(
                    message.strContext.toUtf8().constData(), message.strSource.toUtf8().constData());
                QVERIFY2(!ContainsCjk(strText), qPrintable(message.strContext + ": " + strText));
            }
        }
    }

    void englishGalleryShowsNoChinese()
    {
        Install("en");
        const std::vector<SDemoEntry> vecEntries = DemoEntries::All();
        QVERIFY(vecEntries.size() > 10);
        for (const SDemoEntry& entry : vecEntries) {
            const SOpened opened = Open(entry);
            QVERIFY2(!opened.listTexts.isEmpty(), qPrintable(entry.strName));
            for (const QString& strText : opened.listTexts)
                QVERIFY2(!ContainsCjk(strText), qPrintable(entry.strName + ": " + strText));
        }
    }

    void titlesFollowTheLanguage()
    {
        // Entry, Chinese title, English title.
        const char* const arrTitles[][3] = {{"Canvas size", "画布大小设置", "Canvas Size Settings"},
            {"Frame rate and colour depth", "帧率和色深设置", "Frame Rate and Colour Depth Settings"},
            {"Reset calibration coefficient", "重置校正系数", "Reset Calibration Coefficient"},
            {"Reset seam coefficient", "重置修缝系数", "Reset Seam Coefficient"},
            {"Background image", "背景图片设置", "Background Image Settings"},
            {"Custom add processor", "自定义添加主控", "Custom Add Processor"},
            {"Demo project", "演示工程配置", "Demo Project Configuration"},
            {"Offline IP - batch add", "批量添加IP", "Batch Add IP Addresses"},
            {"Offline IP - set 2 processors", "设置IP地址", "Set IP Address"},
            {"Offline IP - modify specified", "修改IP地址", "Modify IP Address"},
            {"EDID settings - fibre input 132", " - EDID设置", " - EDID Settings"}};
        for (const auto& row : arrTitles) {
            const SDemoEntry* pEntry = FindEntry(row[0]);
            QVERIFY2(pEntry, row[0]);
            for (int nLanguage : {1, 2}) {
                Install(nLanguage == 1 ? "zh_CN" : "en");
                const QString strTitle = Open(*pEntry).strTitle;
                QVERIFY2(strTitle.endsWith(QString::fromUtf8(row[nLanguage])), qPrintable(strTitle));
            }
        }
    }

    void chineseTextsAreTheOriginalOnes()
    {
        Install("zh_CN");
        const SOpened canvas = Open(*FindEntry("Canvas size"));
        for (const char* pszText : {"宽", "高", "确定", "取消"})
            QVERIFY2(canvas.listTexts.contains(QString::fromUtf8(pszText)), pszText);
        const SOpened limited = Open(*FindEntry("Canvas size over the area limit"));
        QVERIFY(limited.listTexts.join('\n').contains(QString::fromUtf8("画布的面积不能大于")));
        const SOpened oversize = Open(*FindEntry("EDID settings - custom size over the limit"));
        QVERIFY(oversize.listTexts.contains(QString::fromUtf8("当前分辨率和帧率超出输入带宽限制。")));
        Install("en");
        QVERIFY(Open(*FindEntry("EDID settings - custom size over the limit"))
                    .listTexts.contains(
                        "The current resolution and frame rate exceed the input bandwidth limit."));
    }

    // Qt's own texts (line-edit menus, file and input dialogs) switch with the rest.
    void qtOwnTextsFollowTheLanguage()
    {
        if (!QFile::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm"))
            QSKIP("Qt's Chinese catalogue (qttranslations5-l10n) is not installed");
        Install("zh_CN");
        QVERIFY(ContainsCjk(StandardContextMenuTexts().join(' ')));
        Install("en");
        QVERIFY(!ContainsCjk(StandardContextMenuTexts().join(' ')));
    }

    // The demo's own texts are English in the source and translated to Chinese;
    // the default locale (dates and day names in Qt's widgets) goes along.
    void demoWindowFollowsTheLanguage()
    {
        Install("zh_CN");
        QCOMPARE(QLocale().language(), QLocale::Chinese);
        {
            CDemoMainWindow window;
            const QStringList listTexts = DemoTestSupport::VisibleTexts(&window);
            for (const char* pszText : {"对话框", "画布大小", "恢复示例工程", "色度编辑器"})
                QVERIFY2(listTexts.contains(QString::fromUtf8(pszText)), pszText);
        }
        Install("en");
        QCOMPARE(QLocale().language(), QLocale::English);
        CDemoMainWindow window;
        const QStringList listTexts = DemoTestSupport::VisibleTexts(&window);
        QVERIFY(listTexts.contains("Canvas size"));
        for (const QString& strText : listTexts)
            QVERIFY2(!ContainsCjk(strText), qPrintable(strText));
    }

private:
    static void Install(const QString& strLanguage)
    {
        QString strError;
        QVERIFY2(DemoLanguage::Install(strLanguage, TRANSLATIONS_BUILD_DIR, &strError), qPrintable(strError));
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestDemoLanguage)
#include "tst_demo_language.moc"
