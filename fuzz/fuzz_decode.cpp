// The whole "bytes in, image out" entry point: our own readers, the library's and Qt's plug-ins
// behind them, with the size limits and the cut-short checks in between.
#include <QByteArray>
#include <QCoreApplication>

#include <Magick++.h>

#include <cstdint>

#include "imagedecoder.h"
#include "resourcelimits.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv); // Qt's image plug-ins are found through it
    Magick::InitializeMagick(nullptr);
    ResourceLimits::apply();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Magick::Blob blob(data, size);
    try {
        const Magick::Image image = ImageDecoder::decode(blob);
        if (image.columns() == 0 || image.rows() == 0)
            __builtin_trap();
    } catch (Magick::Exception &) {
    }
    return 0;
}
