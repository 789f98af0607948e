#pragma once

#include <QString>

// The product's identity, the same in the window, the About box, the report and the help.
namespace Product {
inline const QString Name = QStringLiteral("Zantoria");
inline const QString Version = QStringLiteral("1.00");
inline const QString WebSite = QStringLiteral("https://www.quenwick.com");
inline const QString DesktopId = QStringLiteral("com.quenwick.Zantoria");
// The profile's application name: the executable's base name.
inline const QString ApplicationName = QStringLiteral("zantoria");
} // namespace Product
