#pragma once

#include <QString>

// The two calendars the table holds side by side. Values are compared exactly.
namespace Variant {
inline const QString Universal = QStringLiteral("Universal");
inline const QString SUA = QStringLiteral("SUA");
} // namespace Variant

// A SUA value of exactly this text means "the same as the Universal column".
inline const QString SameAsUniversal = QStringLiteral("=");
