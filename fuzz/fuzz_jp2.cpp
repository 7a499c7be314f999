// Feeds arbitrary bytes to our JPEG 2000 reader: it may refuse them, never crash.
#include <QByteArray>

#include <Magick++.h>

#include <cstdint>

#include "jp2coder.h"
#include "resourcelimits.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Magick::InitializeMagick(nullptr);
    ResourceLimits::apply();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    try {
        const Magick::Image image = Jp2Coder::decode(bytes);
        if (image.columns() == 0 || image.rows() == 0)
            __builtin_trap(); // a decoded image always has pixels
    } catch (Magick::Exception &) {
    }
    return 0;
}
