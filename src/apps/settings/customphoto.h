#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reading a photo the user picked for a wallpaper. Safe to call from any thread.
namespace customphoto {

// The size a picture of `original` pixels is kept at: unchanged up to four times the screen's
// pixel count (twice its width by twice its height), else scaled down to that area with its
// shape kept. Wallpapers are drawn stretched to the screen, so more pixels are never seen but
// would be decoded on every launch.
QSize keptSize(QSize original, QSize screenPixels);

// The picture in the file, upright as its EXIF orientation says and no larger than keptSize;
// a null image when the file is missing or is not a picture.
QImage read(const QString &path, QSize screenPixels);

// The built-in "Wallpaper" picture, saved when a picked file holds no picture.
QImage builtinWallpaper();

} // namespace customphoto
