#include "platform/qt/look_palette.h"

#include <QColor>

namespace ga {

namespace {

QColor colourOf(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QString nameOf(Rgb colour) {
    return colourOf(colour).name();
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

QString lookStyleSheet(const ThemePalette& look) {
    if (look.desktopGrounds) return QString();
    const ThemePalette::Windows& w = look.windows;
    const auto rule = [&](const char* selectors, const QString& body) {
        return QLatin1String(selectors) + QStringLiteral(" { ") + body + QStringLiteral(" }\n");
    };
    QString sheet =
        rule("QMenu, QToolTip", QStringLiteral("border: 1px solid %1;").arg(nameOf(w.frame)));
    sheet += rule("QPushButton", QStringLiteral("color: %1; background: %2; border: 1px solid %3; "
                                                "border-radius: 3px; padding: 4px 12px;")
                                     .arg(nameOf(w.buttonText), nameOf(w.button), nameOf(w.frame)));
    // The button Return presses, and the one in hand, by a border in the
    // colour that stands out most.
    sheet += rule("QPushButton:default, QPushButton:focus",
                  QStringLiteral("border: 2px solid %1;").arg(nameOf(w.progress)));
    sheet += rule("QPushButton:pressed", QStringLiteral("color: %1; background: %2;")
                                             .arg(nameOf(w.selectionText), nameOf(w.selection)));
    sheet += rule("QPushButton:disabled", QStringLiteral("color: %1;").arg(nameOf(w.greyed)));
    sheet += rule("QLineEdit, QPlainTextEdit, QTextEdit, QAbstractItemView",
                  QStringLiteral("border: 1px solid %1;").arg(nameOf(w.frame)));
    // A check box's square: empty when clear, filled when ticked.
    sheet += rule("QCheckBox::indicator, QRadioButton::indicator",
                  QStringLiteral("width: 11px; height: 11px; border: 1px solid %1; background: %2;")
                      .arg(nameOf(w.frame), nameOf(w.field)));
    sheet += rule("QRadioButton::indicator", QStringLiteral("border-radius: 6px;"));
    sheet += rule("QCheckBox::indicator:checked, QRadioButton::indicator:checked",
                  QStringLiteral("background: %1;").arg(nameOf(w.progress)));
    sheet += rule("QCheckBox::indicator:disabled, QRadioButton::indicator:disabled",
                  QStringLiteral("border-color: %1;").arg(nameOf(w.greyed)));
    return sheet;
}

}  // namespace ga
