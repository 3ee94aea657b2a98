#pragma once

#include <QString>

// The two calendars the table holds side by side. Values are compared exactly.
namespace Variant {
inline const QString Universal = QStringLiteral("Universal");
inline const QString SUA = QStringLiteral("SUA");
} // namespace Variant
