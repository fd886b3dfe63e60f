#pragma once
// The one rule for handing text and paths between the core (std::string)
// and Qt: UTF-8 both ways, which is also what Qt 6 uses for file names and
// process arguments on Linux.
#include <QString>

#include <string>
#include <string_view>

namespace quillo {

inline QString toQ(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string fromQ(const QString& text) { return text.toStdString(); }

}  // namespace quillo
