// Every QImage format and depth through the conversion to a library image: the first bytes
// choose the format and size, the rest are the pixels (and, for palette formats, the colours).
#include <QImage>
#include <QVector>

#include <Magick++.h>

#include <cstdint>
#include <cstring>

#include "qtimagebridge.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Magick::InitializeMagick(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    const auto format = QImage::Format(1 + data[0] % (QImage::NImageFormats - 1));
    const int width = 1 + data[1] % 48;
    const int height = 1 + data[2] % 48;
    QImage image(width, height, format);
    if (image.isNull())
        return 0;
    const std::uint8_t *pixels = data + 3;
    const std::size_t available = size - 3;
    for (int y = 0; y < height; ++y) {
        uchar *line = image.scanLine(y);
        for (int i = 0; i < image.bytesPerLine(); ++i)
            line[i] = pixels[(std::size_t(y) * image.bytesPerLine() + i) % available];
    }
    if (image.colorCount() > 0 || format == QImage::Format_Indexed8) {
        QVector<QRgb> colours(format == QImage::Format_Indexed8 ? 256 : image.colorCount());
        for (int i = 0; i < colours.size(); ++i) {
            QRgb c = 0;
            std::memcpy(&c, pixels + (std::size_t(i) * 4) % (available >= 4 ? available - 3 : 1),
                available >= 4 ? 4 : 1);
            colours[i] = c;
        }
        image.setColorTable(colours);
    }
    try {
        const Magick::Image converted = QtImageBridge::toMagick(image);
        if (int(converted.columns()) != width || int(converted.rows()) != height)
            __builtin_trap(); // the size must come through unchanged
        if (image.hasAlphaChannel() != converted.matte())
            __builtin_trap(); // so must the presence of alpha
    } catch (Magick::Exception &) {
    }
    return 0;
}
