#include "CChromaticityDlgWnd.h"
#include "Command.h"
#include "GamutArgs.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int MIN_SIZE = 101; // the diagram's mapping needs more than 100 pixels
constexpr int MAX_SIZE = 8192;

struct SImageFormat
{
    const char* pszExtension;
    const char* pszFormat;
    bool bAlpha;
};
// By the output's extension; standard output ("-") gets the first.
const SImageFormat g_arrFormats[] = {
    {"png", "PNG", true},
    {"jpg", "JPG", false},
    {"jpeg", "JPG", false},
    {"bmp", "BMP", false},
};

const SImageFormat* FormatOf(const QString& strOutput)
{
    if (strOutput == "-")
        return &g_arrFormats[0];
    const QString strSuffix = QFileInfo(strOutput).suffix().toLower();
    for (const SImageFormat& format : g_arrFormats)
        if (strSuffix == format.pszExtension)
            return &format;
    return nullptr;
}

struct SRenderArgs
{
    int nWidth = 0;
    int nHeight = 0;
    QString strOutput;
    QVector<SGamutArg> vecGroup;
    int nWndType = -1;
    const SImageFormat* pFormat = nullptr;
};

bool ParseRenderSize(const QString& strText, SRenderArgs& sArgs, QString& strError)
{
    const QStringList listParts = strText.split('x');
    if (listParts.size() != 2 || !ParseInt(listParts[0], sArgs.nWidth)
        || !ParseInt(listParts[1], sArgs.nHeight)) {
        strError = QString("size '%1' is not WIDTHxHEIGHT").arg(strText);
        return false;
    }
    if (std::min(sArgs.nWidth, sArgs.nHeight) < MIN_SIZE
        || std::max(sArgs.nWidth, sArgs.nHeight) > MAX_SIZE) {
        strError
            = QString("size %1 is outside %2 to %3 pixels per side").arg(strText).arg(MIN_SIZE).arg(MAX_SIZE);
        return false;
    }
    return true;
}

bool ParseRenderArgs(const QStringList& listArgs, SRenderArgs& sArgs, QString& strError)
{
    bool bSize = false;
    bool bOutput = false;
    for (int i = 0; i < listArgs.size(); ++i) {
        const QString& strOption = listArgs[i];
        if (strOption != "--size" && strOption != "-o" && strOption != "--group"
            && strOption != "--wnd-type") {
            strError = QString("unexpected argument '%1'").arg(strOption);
            return false;
        }
        if (i + 1 >= listArgs.size()) {
            strError = QString("option %1 needs a value").arg(strOption);
            return false;
        }
        const QString& strValue = listArgs[++i];
        if (strOption == "--size") {
            if (!ParseRenderSize(strValue, sArgs, strError))
                return false;
            bSize = true;
        } else if (strOption == "-o") {
            sArgs.strOutput = strValue;
            bOutput = true;
        } else if (strOption == "--group") {
            SGamutArg sGroup;
            if (!ParseGamutArg(strValue, true, sGroup, strError))
                return false;
            sArgs.vecGroup.append(sGroup);
        } else if (!ParseInt(strValue, sArgs.nWndType) || sArgs.nWndType < -1
            || sArgs.nWndType >= CChromaticityDlgWnd::WND_BITMAP_NUM) {
            strError = QString("window type '%1' is not a whole number from -1 to 4").arg(strValue);
            return false;
        }
    }
    if (!bSize || !bOutput) {
        strError = "missing --size WIDTHxHEIGHT or -o FILE.png";
        return false;
    }
    if (!CheckOutputName(sArgs.strOutput, strError))
        return false;
    sArgs.pFormat = FormatOf(sArgs.strOutput);
    if (!sArgs.pFormat)
        strError
            = QString("'%1' names no picture format: end it in .png, .jpg, .jpeg or .bmp, or write PNG to "
                      "standard output with -o -")
                  .arg(sArgs.strOutput);
    return sArgs.pFormat != nullptr;
}

// Groups without a key take the lowest free keys from 0 up.
bool AddGroups(CChromaticityDlgWnd& wnd, const QVector<SGamutArg>& vecGroup, QString& strError)
{
    for (const SGamutArg& sArg : vecGroup) {
        if (sArg.nKey >= 0 && !wnd.AddChromaGroupByIndex(sArg.nKey, sArg.sGroup)) {
            strError = QString("group key %1 is given twice").arg(sArg.nKey);
            return false;
        }
    }
    int nNextKey = 0;
    for (const SGamutArg& sArg : vecGroup) {
        if (sArg.nKey >= 0)
            continue;
        while (wnd.GetChromaGroupByIndex(nNextKey))
            ++nNextKey;
        wnd.AddChromaGroupByIndex(nNextKey, sArg.sGroup);
    }
    return true;
}

int RunRender(const QStringList& listArgs)
{
    SRenderArgs sArgs;
    QString strError;
    if (!ParseRenderArgs(listArgs, sArgs, strError))
        return UsageError(strError);

    CChromaticityDlgWnd wnd;
    wnd.resize(sArgs.nWidth, sArgs.nHeight);
    wnd.SetSize(sArgs.nWidth, sArgs.nHeight);
    if (!AddGroups(wnd, sArgs.vecGroup, strError))
        return UsageError(strError);
    if (sArgs.nWndType >= 0)
        wnd.SetWndData(sArgs.nWndType, sArgs.nWidth, sArgs.nHeight);
    wnd.SetWndType(sArgs.nWndType);

    QImage image(sArgs.nWidth, sArgs.nHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(sArgs.pFormat->bAlpha ? Qt::transparent : Qt::white);
    QPainter painter(&image);
    wnd.Draw(painter);
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, sArgs.pFormat->pszFormat);
    if (!writer.write(image)) {
        std::fprintf(stderr, "sendertool: cannot encode the picture as %s: %s\n", sArgs.pFormat->pszFormat,
            qUtf8Printable(writer.errorString()));
        return EXIT_FAILURE_RESULT;
    }
    return WriteOutput(sArgs.strOutput, buffer.data());
}

} // namespace

SENDERTOOL_WIDGET_COMMAND(render, "render",
    "render --size WIDTHxHEIGHT -o FILE.png [--group SPEC]... [--wnd-type N]\n"
    "    Draws the chromaticity diagram (101 to 8192 pixels per side) into a PNG,\n"
    "    JPEG or BMP file as its extension says (.png, .jpg, .jpeg, .bmp), or as\n"
    "    PNG to standard output with -o -.\n"
    "    SPEC is a standard (sRGB, AdobeRGB, PAL, NTSC, Rec601, Rec709, Rec2020,\n"
    "    DCIP3) or rx,ry,gx,gy,bx,by,wx,wy, optionally followed by @KEY (512: output\n"
    "    colour space, 768: screen colour space; otherwise the lowest free key).\n"
    "    N (-1 to 4) picks the window type whose gamut image is drawn.",
    RunRender);
