#include "DemoHost.h"
#include "DemoLanguage.h"
#include "DemoTheme.h"
#include "Gallery.h"
#include "MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

namespace {
// A name whose bytes do not survive decoding (not valid UTF-8) would be read
// and written under another name: it cannot be opened as given.
bool IsRepresentable(const QString& strPath, int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray baArg(argv[i]);
        const QByteArray baName
            = baArg.startsWith("--project=") ? baArg.mid(int(std::strlen("--project="))) : baArg;
        if (QFile::decodeName(baName) == strPath && QFile::encodeName(strPath) != baName)
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    // Without a display the demo can still write its gallery.
    const bool bHeadless = qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (bHeadless)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("SenderModuleDialogDemo");

    QCommandLineParser parser;
    parser.setApplicationDescription("Demo host of the SenderModuleDialog plug-in");
    parser.addHelpOption();
    QCommandLineOption optGallery("gallery", "Write a PNG of every dialog into DIR and exit.", "DIR");
    QCommandLineOption optProject(
        "project", "Project file to use (default: in the user's data folder).", "FILE");
    QCommandLineOption optLanguage("lang",
        QString("Language of the user interface: %1 (default from the locale: %2).")
            .arg(DemoLanguage::Supported().join(", "), DemoLanguage::FromLocale(QLocale::system())),
        "LANG");
    parser.addOption(optGallery);
    parser.addOption(optProject);
    parser.addOption(optLanguage);
    parser.process(app);

    QString strError;
    const QString strLanguage
        = parser.isSet(optLanguage) ? parser.value(optLanguage) : DemoLanguage::FromLocale(QLocale::system());
    if (!DemoLanguage::Install(strLanguage, DemoLanguage::DefaultDirectory(), &strError)) {
        std::fprintf(stderr, "%s\n", qPrintable(strError));
        return 1;
    }
    DemoTheme::Apply(app);

    const QString strProject
        = parser.isSet(optProject) ? parser.value(optProject) : DemoHost::DefaultProjectPath();
    if (!IsRepresentable(strProject, argc, argv)) {
        std::fprintf(stderr, "cannot start the host: %s: cannot open: the name is not valid UTF-8\n",
            QFile::encodeName(strProject).constData());
        return 1;
    }
    if (!DemoHost::Start(strProject, &strError)) {
        std::fprintf(stderr, "cannot start the host: %s\n", qPrintable(strError));
        return 1;
    }
    const bool bOffscreen = QGuiApplication::platformName() == "offscreen";
    if (parser.isSet(optGallery) || bOffscreen)
        return Gallery::Write(parser.isSet(optGallery) ? parser.value(optGallery) : "gallery");

    CDemoMainWindow window;
    window.show();
    return app.exec();
}
