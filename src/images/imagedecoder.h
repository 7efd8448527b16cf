#pragma once

#include <QByteArray>
#include <QImage>

// Turns downloaded or cached bytes into a picture, refusing pictures whose decoded size would
// exhaust memory. Safe to call from any thread; the shell calls it only off the GUI thread.
namespace ImageDecoder {

// 4096 x 4096: far above any icon, banner or screenshot the shell shows (64 MiB decoded).
inline constexpr qint64 DefaultMaxPixels = 4096LL * 4096LL;

struct Result {
    enum class Failure { None, NoData, Undecodable, NoPixels, TooLarge };
    QImage image;
    Failure failure = Failure::None;
};

Result decode(const QByteArray &data, qint64 maxPixels = DefaultMaxPixels);

} // namespace ImageDecoder
