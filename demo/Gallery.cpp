#include "Gallery.h"

#include "CMessageBoxAnswers.h"
#include "DemoEntry.h"
#include "HostCallLog.h"
#include "MainWindow.h"
#include "SafeFile.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

#include <cstdio>
#include <memory>

namespace {
QString FileStem(int nPosition, const QString& strName)
{
    QString strStem = strName;
    strStem.replace(QRegExp("[^A-Za-z0-9]+"), "_");
    return QString("%1_%2").arg(nPosition, 2, 10, QChar('0')).arg(strStem.toLower());
}
} // namespace

namespace Gallery {

int Write(const QString& strFolder)
{
    if (!QDir().mkpath(strFolder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(strFolder));
        return 1;
    }
    // Nobody is there to answer message boxes.
    CMessageBoxAnswers::Install();
    int nPosition = 0;
    int nFailures = 0;
    auto save = [&](QWidget* pWidget, const QString& strName) {
        const QString strPath = QDir(strFolder).filePath(FileStem(nPosition++, strName) + ".png");
        // Encoded in memory first, so a full disk leaves no half-written picture.
        QByteArray baPng;
        QBuffer buffer(&baPng);
        QString strError = "cannot encode " + strPath;
        if (pWidget->grab().save(&buffer, "PNG") && SafeFile::Write(strPath, baPng, &strError)) {
            std::printf("%s\n", qPrintable(QFileInfo(strPath).absoluteFilePath()));
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(strError));
            ++nFailures;
        }
    };
    {
        CDemoMainWindow window;
        window.show();
        QApplication::processEvents();
        save(&window, "main window");
    }
    for (const SDemoEntry& entry : DemoEntries::All()) {
        const std::unique_ptr<QWidget> pWidget = DemoEntries::OpenStaged(entry);
        save(pWidget.get(), entry.strName);
        pWidget->hide();
    }
    CMessageBoxAnswers::Uninstall();
    CHostCallLog::Instance().Clear();
    return nFailures == 0 ? 0 : 1;
}

} // namespace Gallery
