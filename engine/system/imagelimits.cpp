#include "resourcelimits.h"

#include <Magick++.h>

#include <string>

// The parts of the limits that speak to the image library, or throw its exceptions: only a
// process that converts pictures itself links them.
namespace ResourceLimits {

namespace {

thread_local Reservation *current = nullptr;
Broker broker;

quint64 megabytes(quint64 bytes)
{
    return (bytes + (quint64(1) << 20) - 1) >> 20;
}

std::string sizeText(quint64 width, quint64 height)
{
    return std::to_string(width) + "x" + std::to_string(height) + " pixels is more than this "
        + "machine can convert";
}

} // namespace

void apply()
{
    // The library counts memory in bytes, whatever its enumeration's comments say. Its pixel
    // caches are part of what the conversions reserve, so the whole budget never refuses one
    // that was let in; the pixel limit is an image filling the whole budget.
    const qint64 budget = qint64(memoryBudget());
    MagickLib::SetMagickResourceLimit(MagickLib::PixelsResource, budget / qint64(pixelBytes));
    MagickLib::SetMagickResourceLimit(MagickLib::MemoryResource, budget);
    MagickLib::SetMagickResourceLimit(MagickLib::MapResource, budget);
    // A pixel cache spilled to disk would fill the disk slowly instead of failing fast.
    MagickLib::SetMagickResourceLimit(MagickLib::DiskResource, 0);
    detail::libraryLimits.store(apply);
}

void checkImageSize(quint64 width, quint64 height, quint64 decodeBytesPerPixel)
{
    if (width == 0 || height == 0)
        return;
    if (current) {
        current->reserve(width, height, decodeBytesPerPixel, true);
        return;
    }
    if (width * height <= maxPixels())
        return;
    throw Magick::ErrorResourceLimit(sizeText(width, height) + " (at most "
        + std::to_string(maxPixels() / 1000000) + " million pixels)");
}

Reservation::Reservation(const QString &output, const Estimate &estimate)
    : output(output)
    , estimate(estimate)
    , outer(current)
{
    current = this;
}

Reservation::~Reservation()
{
    current = outer;
}

void Reservation::decoded(quint64 width, quint64 height, bool opacity)
{
    reserve(width, height, pixelBytes, opacity);
}

void setBroker(Broker chosen)
{
    broker = std::move(chosen);
}

void Reservation::reserve(quint64 width, quint64 height, quint64 decodeBytesPerPixel, bool opacity)
{
    const quint64 budget = memoryBudget();
    // Sides from a header may be anything: the estimate must not overflow.
    if (width * height > budget / pixelBytes)
        throw Magick::ErrorResourceLimit(sizeText(width, height)
            + " (decoded alone, it takes more than the memory budget of "
            + std::to_string(megabytes(budget)) + " MiB)");
    const quint64 needed = estimate(width, height, decodeBytesPerPixel, opacity);
    if (needed > budget)
        throw Magick::ErrorResourceLimit(sizeText(width, height) + " (converting it to "
            + output.toStdString() + " takes about " + std::to_string(megabytes(needed))
            + " MiB, more than the memory budget of " + std::to_string(megabytes(budget))
            + " MiB)");

    if (broker) {
        broker(needed, !brokered);
        brokered = true;
    } else {
        share.hold(needed);
    }
}

} // namespace ResourceLimits
