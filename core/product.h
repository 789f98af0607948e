#pragma once

#include <QString>

// The product's identity, the same in the window, the About box, the report and the help. The
// version and the desktop ID come from the build (the top CMakeLists.txt), which also names the
// installed desktop files after that ID.
namespace Product {
inline const QString Name = QStringLiteral("Zantoria");
inline const QString Version = QStringLiteral(ZANT_VERSION);
inline const QString WebSite = QStringLiteral("https://www.quenwick.com");
inline const QString DesktopId = QStringLiteral(ZANT_DESKTOP_ID);
// The profile's application name: the executable's base name.
inline const QString ApplicationName = QStringLiteral("zantoria");
} // namespace Product
