// The one conversion between the program's strings (UTF-8 bytes, as paths and
// texts come) and Qt's.
#pragma once

#include <QString>
#include <string>

namespace ga {

inline QString toQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

}  // namespace ga
