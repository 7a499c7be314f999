// PDF: one page per picture, with the general quality.
#include "outputformat.h"

#include <QtGlobal>

namespace OutputFormats {

const OutputFormat &pdf()
{
    static const OutputFormat format = {
        "pdf",
        "PDF",
        "PDF",
        ".pdf",
        "application/pdf",
        {},
        true,
        QT_TRANSLATE_NOOP("GraphicConverter",
            "PDF quality: photos kept as JPEG keep more detail in a larger file; other pictures "
            "are packed tighter"),
        17, // peak resident memory of 16.3 bytes a pixel on a noisy 6000x4500 JPEG
        nullptr,
        nullptr,
        OutputFormat::Frames::All,
    };
    return format;
}

} // namespace OutputFormats
