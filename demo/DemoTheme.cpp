#include "DemoTheme.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace {
// The colours of the host's dark dialogs.
constexpr QRgb g_rgbWindow = 0xff2b2d31;
constexpr QRgb g_rgbBase = 0xff1e1f22;
constexpr QRgb g_rgbButton = 0xff3a3d42;
constexpr QRgb g_rgbText = 0xffe6e6e6;
constexpr QRgb g_rgbTextDisabled = 0xff7a7d82;
constexpr QRgb g_rgbAccent = 0xff2f8cff;

QPalette DarkPalette()
{
    QPalette palette;
    const struct
    {
        QPalette::ColorRole nRole;
        QRgb rgb;
    } roles[] = {
        {QPalette::Window, g_rgbWindow},
        {QPalette::WindowText, g_rgbText},
        {QPalette::Base, g_rgbBase},
        {QPalette::AlternateBase, g_rgbWindow},
        {QPalette::ToolTipBase, g_rgbButton},
        {QPalette::ToolTipText, g_rgbText},
        {QPalette::Text, g_rgbText},
        {QPalette::Button, g_rgbButton},
        {QPalette::ButtonText, g_rgbText},
        {QPalette::BrightText, 0xffffffff},
        {QPalette::Highlight, g_rgbAccent},
        {QPalette::HighlightedText, 0xffffffff},
        {QPalette::Link, g_rgbAccent},
        {QPalette::PlaceholderText, g_rgbTextDisabled},
    };
    for (const auto& role : roles)
        palette.setColor(role.nRole, QColor(role.rgb));
    for (QPalette::ColorRole nRole : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, nRole, QColor(g_rgbTextDisabled));
    return palette;
}
} // namespace

namespace DemoTheme {

void Apply(QApplication& app)
{
    // Fusion draws everything from the palette; native styles would keep light parts.
    if (QStyle* pStyle = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(pStyle);
    app.setPalette(DarkPalette());
}

} // namespace DemoTheme
