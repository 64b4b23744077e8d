#include "OstraStyle.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace {

// First installed family wins; the first one is what the host ships.
const char* const g_arrPreferredFamilies[] = {
    "WenQuanYi Micro Hei",
    "Noto Sans CJK SC",
    "Source Han Sans SC",
    "Microsoft YaHei",
    "PingFang SC",
};

QString PickFontFamily()
{
    const QStringList vecInstalled = QFontDatabase().families();
    for (const char* pszFamily : g_arrPreferredFamilies) {
        const QString strFamily = QString::fromLatin1(pszFamily);
        if (vecInstalled.contains(strFamily, Qt::CaseInsensitive))
            return strFamily;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

} // namespace

QString GetFontFamily()
{
    // The font database needs a GUI application; before one exists the
    // preferred name is the best answer and must not be cached.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QString::fromLatin1(g_arrPreferredFamilies[0]);
    static const QString s_strFamily = PickFontFamily();
    return s_strFamily;
}

QString GetFontStyleSheet(const QString& strBaseStyle, const QString& strWidgetClass, int nPixelSize)
{
    QString strStyle = strBaseStyle;
    if (!strStyle.isEmpty() && !strStyle.endsWith(QLatin1Char('\n')))
        strStyle += QLatin1Char('\n');
    strStyle += strWidgetClass + QLatin1String(" { font-family: \"") + GetFontFamily() + QLatin1String("\";");
    if (nPixelSize > 0)
        strStyle += QLatin1String(" font-size: ") + QString::number(nPixelSize) + QLatin1String("px;");
    strStyle += QLatin1String(" }");
    return strStyle;
}

// Colours match OstraTheme: window #2b2d31, panel #1e1f22, button #3a3d42,
// border #4a4d52, text #e6e6e6, disabled #7a7d82, accent #2f8cff, warn #ff6a3d.

const QString g_checkBoxStyle = QStringLiteral(
    "QCheckBox { color: #e6e6e6; background: transparent; spacing: 6px; }\n"
    "QCheckBox:disabled { color: #7a7d82; }\n"
    "QCheckBox::indicator { width: 12px; height: 12px; border: 1px solid #6b6e73; border-radius: 2px;"
    " background-color: #1e1f22; }\n"
    "QCheckBox::indicator:hover { border-color: #2f8cff; }\n"
    "QCheckBox::indicator:checked { background-color: #2f8cff; border-color: #2f8cff; }\n"
    "QCheckBox::indicator:disabled { background-color: #303236; border-color: #4a4d52; }\n");

// Line edits share the number boxes' look, so address editors match them.
const QString g_doubleSpinBoxStyle = QStringLiteral(
    "QDoubleSpinBox, QLineEdit { color: #e6e6e6; background-color: #1e1f22; border: 1px solid #4a4d52;"
    " border-radius: 3px; padding: 0 4px; selection-background-color: #2f8cff; selection-color: #ffffff; }\n"
    "QDoubleSpinBox:focus, QLineEdit:focus { border-color: #2f8cff; }\n"
    "QDoubleSpinBox:disabled, QLineEdit:disabled { color: #7a7d82; background-color: #303236; }\n"
    "QDoubleSpinBox::up-button, QDoubleSpinBox::down-button { width: 16px; border: none;"
    " background: transparent; }\n"
    "QDoubleSpinBox::up-button:hover, QDoubleSpinBox::down-button:hover { background-color: #3a3d42; }\n"
    "QDoubleSpinBox::up-arrow { image: url(:/OstraControl/images/arrow-up.xpm); width: 9px; height: 5px; }\n"
    "QDoubleSpinBox::down-arrow { image: url(:/OstraControl/images/arrow-down.xpm); width: 9px; height: 5px; "
    "}\n"
    "QDoubleSpinBox::up-arrow:disabled, QDoubleSpinBox::up-arrow:off {"
    " image: url(:/OstraControl/images/arrow-up-disabled.xpm); }\n"
    "QDoubleSpinBox::down-arrow:disabled, QDoubleSpinBox::down-arrow:off {"
    " image: url(:/OstraControl/images/arrow-down-disabled.xpm); }\n");

const QString g_labelNoFrameStyle
    = QStringLiteral("QLabel { color: #e6e6e6; background: transparent; border: none; }\n"
                     "QLabel:disabled { color: #7a7d82; }\n");

const QString g_labelWarnStyle
    = QStringLiteral("QLabel { color: #ff6a3d; background: transparent; border: none; }\n");

const QString g_menuStyle = QStringLiteral(
    "QMenu { color: #e6e6e6; background-color: #26282c; border: 1px solid #4a4d52; padding: 2px 0; }\n"
    "QMenu::item { padding: 4px 20px 4px 24px; background: transparent; }\n"
    "QMenu::item:selected { background-color: #2f8cff; color: #ffffff; }\n"
    "QMenu::item:disabled { color: #7a7d82; }\n"
    "QMenu::separator { height: 1px; background: #4a4d52; margin: 3px 6px; }\n");

const QString g_pushButtonStyle = QStringLiteral(
    "QPushButton { color: #e6e6e6; background-color: #3a3d42; border: 1px solid #4a4d52;"
    " border-radius: 3px; padding: 0 8px; }\n"
    "QPushButton:hover { background-color: #45484e; border-color: #2f8cff; }\n"
    "QPushButton:pressed, QPushButton:open { background-color: #2f8cff; color: #ffffff; }\n"
    "QPushButton:focus { border-color: #2f8cff; }\n"
    "QPushButton:disabled { color: #7a7d82; background-color: #303236; border-color: #3a3d42; }\n"
    "QPushButton::menu-indicator { subcontrol-origin: padding; subcontrol-position: right center; }\n");
