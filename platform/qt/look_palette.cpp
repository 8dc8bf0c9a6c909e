#include "platform/qt/look_palette.h"

#include <QColor>

namespace ga {

namespace {

QColor colourOf(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace

QPalette lookPalette(const ThemePalette& look, const QPalette& desktop) {
    if (look.desktopGrounds) return desktop;
    const ThemePalette::Windows& w = look.windows;
    QPalette palette = desktop;
    const struct {
        QPalette::ColorRole role;
        Rgb colour;
    } roles[] = {
        {QPalette::Window, w.ground},
        {QPalette::WindowText, w.text},
        {QPalette::Base, w.field},
        {QPalette::AlternateBase, w.otherRow},
        {QPalette::Text, w.fieldText},
        {QPalette::Button, w.button},
        {QPalette::ButtonText, w.buttonText},
        {QPalette::BrightText, w.text},
        {QPalette::Highlight, w.selection},
        {QPalette::HighlightedText, w.selectionText},
        {QPalette::Link, w.link},
        {QPalette::LinkVisited, w.link},
        {QPalette::PlaceholderText, w.placeholder},
        {QPalette::ToolTipBase, w.tip},
        {QPalette::ToolTipText, w.tipText},
        // A style's bevels and lines: all in the frame's colour, which keeps
        // its contrast where a shade of the ground would not.
        {QPalette::Light, w.frame},
        {QPalette::Midlight, w.frame},
        {QPalette::Mid, w.frame},
        {QPalette::Dark, w.frame},
        {QPalette::Shadow, w.frame},
    };
    for (const auto& [role, colour] : roles) palette.setColor(role, colourOf(colour));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, colourOf(w.greyed));
    return palette;
}

}  // namespace ga
