#pragma once

#include <QApplication>
#include <QIcon>

// The window icon from its drawn sizes; Qt scales the nearest one for any other size. Launchers
// and task switchers take the large sizes from the installed icon theme, so the window carries
// only the small ones: each added picture is decoded at once, on the start-up path.
[[nodiscard]] inline QIcon AppIcon()
{
    if (!QApplication::windowIcon().isNull())
        return QApplication::windowIcon();
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/zantoria-%1.png").arg(size), QSize(size, size));
    return icon;
}
