#include "platform/qt/window_metrics.h"

#include <QFontMetrics>
#include <QString>

namespace ga {

namespace {

constexpr int kClientWidthUnits = 240;
constexpr int kClientHeightUnits = 270;
constexpr int kDialogFontPoints = 9;

// Rounds to nearest like the classic multiply-then-divide helper, so that
// a size in units converts the same way everywhere.
int scaleRounded(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

}  // namespace

QSize dialogUnitsToPixels(QSize units, const QFont& font) {
    const QFontMetrics metrics(font);
    // The average of the 52 Latin letters, not the font's declared average
    // width: that is how dialog units have always been measured.
    static const QString kLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int averageWidth = (metrics.horizontalAdvance(kLetters) + 26) / 52;
    return QSize(scaleRounded(units.width(), averageWidth, 4),
                 scaleRounded(units.height(), metrics.height(), 8));
}

QSize clientSizeInPixels() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(kDialogFontPoints);
    return dialogUnitsToPixels(QSize(kClientWidthUnits, kClientHeightUnits), font);
}

QFont arialOfLineHeight(int lineHeight) {
    QFont font(QStringLiteral("Arial"));
    for (int pixels = lineHeight; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= lineHeight) break;
    }
    return font;
}

}  // namespace ga
