#pragma once

#include <QIcon>

// The application icon: the drawn small sizes where they exist, the scalable picture otherwise.
[[nodiscard]] inline QIcon AppIcon()
{
    QIcon icon(QStringLiteral(":/icons/zantoria.svg"));
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/zantoria-%1.png").arg(size), QSize(size, size));
    return icon;
}
