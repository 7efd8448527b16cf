#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Wallpapers already decoded and scaled to the size a screen asked for, kept as raw pixels in
// the data root's caches: reading them back costs a file read instead of a JPEG decode and a
// smooth scale at every start. An entry holds the key it was made for and counts only when the
// key still matches; a missing, stale, truncated or damaged entry reads as a null image.
namespace WallpaperCache {

// Identifies the picture in sourcePath (size, modification time, file identity) scaled to
// requestedSize; empty when the source cannot be examined.
QByteArray key(const QString &sourcePath, QSize requestedSize);

QImage read(const QString &cachePath, const QByteArray &key);

// Best effort: a cache that cannot be written only costs the next start a decode.
void write(const QString &cachePath, const QByteArray &key, const QImage &image);

} // namespace WallpaperCache
