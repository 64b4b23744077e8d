#include "OstraTheme.h"

#include "OstraStyle.h"

#include <QFont>
#include <QWidget>

namespace OstraTheme {

QPalette DarkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(g_rgbWindow));
    palette.setColor(QPalette::WindowText, QColor(g_rgbText));
    palette.setColor(QPalette::Base, QColor(g_rgbPanel));
    palette.setColor(QPalette::AlternateBase, QColor(g_rgbWindow));
    palette.setColor(QPalette::Text, QColor(g_rgbText));
    palette.setColor(QPalette::Button, QColor(g_rgbButton));
    palette.setColor(QPalette::ButtonText, QColor(g_rgbText));
    palette.setColor(QPalette::Highlight, QColor(g_rgbAccent));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(g_rgbPanel));
    palette.setColor(QPalette::ToolTipText, QColor(g_rgbText));
    palette.setColor(QPalette::PlaceholderText, QColor(g_rgbTextDisabled));
    for (QPalette::ColorRole nRole : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, nRole, QColor(g_rgbTextDisabled));
    return palette;
}

void ApplyWindowLook(QWidget* pWindow)
{
    pWindow->setPalette(DarkPalette());
    pWindow->setAutoFillBackground(true);
    QFont font(GetFontFamily());
    font.setPixelSize(g_nTextPixelSize);
    pWindow->setFont(font);
}

} // namespace OstraTheme
