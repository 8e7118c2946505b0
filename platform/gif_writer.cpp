// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gif_writer.h"

#include <QIODevice>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

namespace wave {

namespace {

constexpr int paletteSize = 256;

int appendBytes(GifFileType *gif, const GifByteType *bytes, int count)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), count);
    return count;
}

// A channel value at the nearest of `levels` evenly spaced levels from 0 to 255.
int rounded(int value, int levels)
{
    const int steps = levels - 1;
    const int level = (value * steps + 127) / 255;
    return (level * 255 + steps / 2) / steps;
}

QRgb reduced(QRgb colour, int levels)
{
    if (levels >= paletteSize)
        return colour;
    return qRgb(rounded(qRed(colour), levels), rounded(qGreen(colour), levels),
                rounded(qBlue(colour), levels));
}

// Whether the frame's colours, each reduced to `levels` a channel, number at most `most`.
bool fewColours(const QImage &frame, int levels, std::size_t most)
{
    std::unordered_set<QRgb> colours;
    QRgb last = 0;
    bool any = false;
    for (int y = 0; y < frame.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb colour = row[x] | 0xff000000u;
            if (any && colour == last)
                continue;
            any = true;
            last = colour;
            colours.insert(reduced(colour, levels));
            if (colours.size() > most)
                return false;
        }
    }
    return true;
}

// The smallest power of two, at least 2, that holds `count` entries: a GIF palette's size.
int paletteEntries(int count)
{
    int entries = 2;
    while (entries < count)
        entries *= 2;
    return entries;
}

} // namespace

int gifCentiseconds(int milliseconds)
{
    return std::max(2, (milliseconds + 5) / 10);
}

int gifLevels(const QImage &frame)
{
    const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
    int levels = paletteSize;
    while (levels > 2 && !fewColours(pixels, levels, paletteSize))
        levels /= 2;
    return levels;
}

GifWriter::GifWriter(QIODevice &device, QSize size) : device_(device), size_(size)
{
    int error = 0;
    gif_ = EGifOpen(&pending_, appendBytes, &error);
    failed_ = gif_ == nullptr;
    if (failed_)
        return;
    EGifSetGifVersion(gif_, true);
    // No global palette: every frame brings its own.
    failed_ = EGifPutScreenDesc(gif_, size.width(), size.height(), 8, 0, nullptr) == GIF_ERROR;
    // The loop that never ends: the application extension viewers know, count 0.
    static const char application[] = "NETSCAPE2.0";
    static const GifByteType loopCount[] = {1, 0, 0};
    failed_ = failed_ || EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
              EGifPutExtensionBlock(gif_, 11, application) == GIF_ERROR ||
              EGifPutExtensionBlock(gif_, 3, loopCount) == GIF_ERROR ||
              EGifPutExtensionTrailer(gif_) == GIF_ERROR || !flush();
}

GifWriter::~GifWriter()
{
    if (gif_)
        EGifCloseFile(gif_, nullptr);
}

bool GifWriter::flush()
{
    const bool written = device_.write(pending_) == pending_.size();
    pending_.clear();
    return written;
}

bool GifWriter::addFrame(const QImage &image, int centiseconds)
{
    if (failed_ || image.size() != size_) {
        failed_ = true;
        return false;
    }
    const QImage frame = image.convertToFormat(QImage::Format_RGB32);
    const int levels = gifLevels(frame);
    const int width = size_.width();
    const int height = size_.height();

    shown_.swap(previous_);
    shown_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::unordered_map<QRgb, int> index;
    std::array<GifColorType, paletteSize> colours{};
    QRgb lastIn = 0;
    QRgb lastOut = 0;
    bool any = false;
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        QRgb *out = shown_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) {
            const QRgb colour = row[x] | 0xff000000u;
            if (!any || colour != lastIn) {
                any = true;
                lastIn = colour;
                lastOut = reduced(colour, levels);
                if (index.emplace(lastOut, static_cast<int>(index.size())).second) {
                    GifColorType &entry = colours[index.size() - 1];
                    entry.Red = static_cast<GifByteType>(qRed(lastOut));
                    entry.Green = static_cast<GifByteType>(qGreen(lastOut));
                    entry.Blue = static_cast<GifByteType>(qBlue(lastOut));
                }
            }
            out[x] = lastOut;
        }
    }

    // Pixels as they were go transparent when the palette has an entry to spare for that.
    const int count = static_cast<int>(index.size());
    const bool overlay = previous_.size() == shown_.size() && count < paletteSize;
    const int transparent = overlay ? count : NO_TRANSPARENT_COLOR;
    ColorMapObject *map =
        GifMakeMapObject(paletteEntries(count + (overlay ? 1 : 0)), colours.data());
    if (!map) {
        failed_ = true;
        return false;
    }

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = centiseconds;
    control.TransparentColor = transparent;
    std::array<GifByteType, 4> extension{};
    EGifGCBToExtension(&control, extension.data());
    bool ok = EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension.data()) != GIF_ERROR &&
              EGifPutImageDesc(gif_, 0, 0, width, height, false, map) != GIF_ERROR;
    GifFreeMapObject(map);

    line_.resize(static_cast<std::size_t>(width));
    QRgb lastColour = 0;
    int lastIndex = -1;
    for (int y = 0; ok && y < height; ++y) {
        const std::size_t start = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = start + static_cast<std::size_t>(x);
            const QRgb colour = shown_[at];
            if (overlay && previous_[at] == colour) {
                line_[static_cast<std::size_t>(x)] = static_cast<GifByteType>(transparent);
                continue;
            }
            if (lastIndex < 0 || colour != lastColour) {
                lastColour = colour;
                lastIndex = index.at(colour);
            }
            line_[static_cast<std::size_t>(x)] = static_cast<GifByteType>(lastIndex);
        }
        ok = EGifPutLine(gif_, line_.data(), width) != GIF_ERROR;
        // Send what the encoder has made every few rows, so little waits in memory.
        if (ok && pending_.size() > 65536)
            ok = flush();
    }
    ok = ok && flush();
    failed_ = !ok;
    return ok;
}

bool GifWriter::finish()
{
    if (!gif_)
        return false;
    const bool closed = EGifCloseFile(gif_, nullptr) != GIF_ERROR;
    gif_ = nullptr;
    return !failed_ && closed && flush();
}

} // namespace wave
