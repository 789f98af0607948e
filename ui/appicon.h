#pragma once

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>

// The window icon's drawn sizes, decoded. Launchers and task switchers take the large sizes from
// the installed icon theme, so the window carries only the small ones. Images, unlike pixmaps,
// may be decoded on any thread.
[[nodiscard]] inline QList<QImage> appIconPictures()
{
    QList<QImage> pictures;
    for (int size : {16, 32, 48})
        pictures.append(QImage(QStringLiteral(":/icons/zantoria-%1.png").arg(size)));
    return pictures;
}

// The window icon from its pictures; Qt scales the nearest one for any other size.
[[nodiscard]] inline QIcon appIcon(const QList<QImage> &pictures)
{
    QIcon icon;
    for (const QImage &picture : pictures)
        icon.addPixmap(QPixmap::fromImage(picture));
    return icon;
}

// The application's window icon once it is set, else one decoded now.
[[nodiscard]] inline QIcon appIcon()
{
    if (!QApplication::windowIcon().isNull())
        return QApplication::windowIcon();
    return appIcon(appIconPictures());
}
