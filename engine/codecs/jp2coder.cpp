#include "jp2coder.h"

#include <Magick++.h>
#include <openjpeg.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "magickpixels.h"
#include "resourcelimits.h"

namespace {

const unsigned char kJp2Signature[]
    = { 0x00, 0x00, 0x00, 0x0C, 0x6A, 0x50, 0x20, 0x20, 0x0D, 0x0A, 0x87, 0x0A };
const unsigned char kJ2kSignature[] = { 0xFF, 0x4F, 0xFF, 0x51 };

// A decoded image larger than this is a hostile or broken header rather than a photograph we
// could convert: refusing it up front beats letting OpenJPEG try to allocate it.
constexpr std::uint64_t kMaxPixels = std::uint64_t(1) << 28;
// OpenJPEG keeps every component as 32-bit samples, so a header with many full-size components
// costs more than the image we end up building; bound that too.
constexpr std::uint64_t kMaxComponentSamples = kMaxPixels * 4;

// OpenJPEG's own buffer between our callbacks and the codec.
constexpr OPJ_SIZE_T kStreamChunk = 64 * 1024;

// OpenJPEG takes its code-blocks as thousands of small allocations, on its worker threads as
// well; freed, they stay with the process in pieces the next image's larger buffers cannot use,
// and a batch of photographs grew by a third of a photograph's peak with every file. Handing
// them back once a codec is done keeps each file's peak its own.
void returnFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

[[noreturn]] void fail(const std::string &message)
{
    throw Magick::ErrorCoder("JPEG 2000: " + message);
}

bool startsWith(const QByteArray &bytes, const unsigned char *signature, int length)
{
    return bytes.size() >= length && std::memcmp(bytes.constData(), signature, length) == 0;
}

// What OpenJPEG said while working. Each call owns one, handed to the callbacks as user data,
// so two conversions on two threads never see each other's messages.
struct Messages
{
    std::string errors;
    std::string warnings;
};

void appendMessage(std::string &target, const char *message)
{
    std::string text(message ? message : "");
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (text.empty())
        return;
    if (!target.empty())
        target += "; ";
    target += text;
}

void collectError(const char *message, void *clientData)
{
    appendMessage(static_cast<Messages *>(clientData)->errors, message);
}

void collectWarning(const char *message, void *clientData)
{
    appendMessage(static_cast<Messages *>(clientData)->warnings, message);
}

void ignoreMessage(const char *, void *)
{
}

// OpenJPEG's errors explain the cause; its warnings only help when no error was reported.
[[noreturn]] void failWith(const Messages &messages, const std::string &what)
{
    if (!messages.errors.empty())
        fail(messages.errors);
    if (!messages.warnings.empty())
        fail(what + " (" + messages.warnings + ")");
    fail(what);
}

struct CodecDeleter
{
    void operator()(opj_codec_t *codec) const
    {
        opj_destroy_codec(codec);
    }
};
struct StreamDeleter
{
    void operator()(opj_stream_t *stream) const
    {
        opj_stream_destroy(stream);
    }
};
struct ImageDeleter
{
    void operator()(opj_image_t *image) const
    {
        opj_image_destroy(image);
    }
};
using CodecPtr = std::unique_ptr<opj_codec_t, CodecDeleter>;
using StreamPtr = std::unique_ptr<opj_stream_t, StreamDeleter>;
using ImagePtr = std::unique_ptr<opj_image_t, ImageDeleter>;

CodecPtr makeCodec(bool decoder, OPJ_CODEC_FORMAT format, Messages &messages)
{
    CodecPtr codec(decoder ? opj_create_decompress(format) : opj_create_compress(format));
    if (!codec)
        fail("cannot create the codec");
    // Left alone, OpenJPEG would talk on stderr behind the caller's back.
    opj_set_info_handler(codec.get(), ignoreMessage, nullptr);
    opj_set_warning_handler(codec.get(), collectWarning, &messages);
    opj_set_error_handler(codec.get(), collectError, &messages);
    return codec;
}

// The cores the other conversions leave free. One thread is asked for as none: OpenJPEG then
// works on the caller's thread instead of handing everything to a single worker and waiting.
void useFreeCores(opj_codec_t *codec)
{
    if (!opj_has_thread_support())
        return;
    const int threads = ResourceLimits::threadsPerWorker();
    opj_codec_set_threads(codec, threads > 1 ? threads : 0);
}

// ---- Reading from memory -------------------------------------------------------------------

struct ReadSource
{
    const unsigned char *data;
    OPJ_UINT64 size;
    OPJ_UINT64 position;
};

OPJ_SIZE_T readSource(void *buffer, OPJ_SIZE_T count, void *userData)
{
    auto *source = static_cast<ReadSource *>(userData);
    if (source->position >= source->size)
        return static_cast<OPJ_SIZE_T>(-1);
    const OPJ_UINT64 available = source->size - source->position;
    const OPJ_SIZE_T taken = static_cast<OPJ_SIZE_T>(std::min<OPJ_UINT64>(count, available));
    std::memcpy(buffer, source->data + source->position, taken);
    source->position += taken;
    return taken;
}

OPJ_OFF_T skipSource(OPJ_OFF_T count, void *userData)
{
    auto *source = static_cast<ReadSource *>(userData);
    if (count < 0) {
        const OPJ_UINT64 back = static_cast<OPJ_UINT64>(-count);
        if (back > source->position)
            return -1;
        source->position -= back;
        return count;
    }
    if (source->position >= source->size && count > 0)
        return -1;
    const OPJ_UINT64 skipped
        = std::min<OPJ_UINT64>(static_cast<OPJ_UINT64>(count), source->size - source->position);
    source->position += skipped;
    return static_cast<OPJ_OFF_T>(skipped);
}

OPJ_BOOL seekSource(OPJ_OFF_T offset, void *userData)
{
    auto *source = static_cast<ReadSource *>(userData);
    if (offset < 0 || static_cast<OPJ_UINT64>(offset) > source->size)
        return OPJ_FALSE;
    source->position = static_cast<OPJ_UINT64>(offset);
    return OPJ_TRUE;
}

StreamPtr makeReadStream(ReadSource &source)
{
    StreamPtr stream(opj_stream_create(kStreamChunk, OPJ_TRUE));
    if (!stream)
        fail("cannot create the input stream");
    opj_stream_set_read_function(stream.get(), readSource);
    opj_stream_set_skip_function(stream.get(), skipSource);
    opj_stream_set_seek_function(stream.get(), seekSource);
    opj_stream_set_user_data(stream.get(), &source, nullptr);
    opj_stream_set_user_data_length(stream.get(), source.size);
    return stream;
}

// ---- Writing to memory ---------------------------------------------------------------------

// The codestream goes straight after the JP2 boxes already in bytes, which start at base, so
// the finished file is never copied to put the boxes in front.
struct WriteSink
{
    QByteArray bytes;
    qint64 base = 0;
    qint64 position = 0;
};

constexpr qint64 kMaxOutput = std::numeric_limits<int>::max() - 64;

bool growTo(WriteSink &sink, qint64 end)
{
    if (end < 0 || end > kMaxOutput)
        return false;
    if (end > sink.bytes.size())
        sink.bytes.resize(static_cast<int>(end));
    return true;
}

OPJ_SIZE_T writeSink(void *buffer, OPJ_SIZE_T count, void *userData)
{
    auto *sink = static_cast<WriteSink *>(userData);
    if (count > static_cast<OPJ_SIZE_T>(kMaxOutput))
        return static_cast<OPJ_SIZE_T>(-1);
    const qint64 end = sink->position + static_cast<qint64>(count);
    if (!growTo(*sink, end))
        return static_cast<OPJ_SIZE_T>(-1);
    std::memcpy(sink->bytes.data() + sink->position, buffer, count);
    sink->position = end;
    return count;
}

OPJ_OFF_T skipSink(OPJ_OFF_T count, void *userData)
{
    auto *sink = static_cast<WriteSink *>(userData);
    const qint64 end = sink->position + count;
    if (!growTo(*sink, end))
        return -1;
    sink->position = end;
    return count;
}

OPJ_BOOL seekSink(OPJ_OFF_T offset, void *userData)
{
    auto *sink = static_cast<WriteSink *>(userData);
    if (offset < 0 || !growTo(*sink, sink->base + offset))
        return OPJ_FALSE;
    sink->position = sink->base + offset;
    return OPJ_TRUE;
}

StreamPtr makeWriteStream(WriteSink &sink)
{
    StreamPtr stream(opj_stream_create(kStreamChunk, OPJ_FALSE));
    if (!stream)
        fail("cannot create the output stream");
    opj_stream_set_write_function(stream.get(), writeSink);
    opj_stream_set_skip_function(stream.get(), skipSink);
    opj_stream_set_seek_function(stream.get(), seekSink);
    opj_stream_set_user_data(stream.get(), &sink, nullptr);
    return stream;
}

// ---- From OpenJPEG components to a Magick image --------------------------------------------

OPJ_UINT32 ceilDiv(OPJ_UINT32 value, OPJ_UINT32 divisor)
{
    return static_cast<OPJ_UINT32>((std::uint64_t(value) + divisor - 1) / divisor);
}

// One component as seen from the output grid: nearest-neighbour lookup for subsampled
// components, with the signed offset already applied.
class Plane
{
public:
    Plane(const opj_image_t &image, OPJ_UINT32 index, OPJ_UINT32 width, OPJ_UINT32 height)
        : m_comp(image.comps[index])
    {
        if (!m_comp.data || m_comp.w == 0 || m_comp.h == 0 || m_comp.dx == 0 || m_comp.dy == 0)
            fail("component " + std::to_string(index) + " has no samples");
        if (m_comp.prec < 1 || m_comp.prec > 31)
            fail("unsupported precision of " + std::to_string(m_comp.prec) + " bits");
        m_maxValue = (std::uint32_t(1) << m_comp.prec) - 1;
        m_offset = m_comp.sgnd ? std::int64_t(1) << (m_comp.prec - 1) : 0;
        m_columns = indexMap(image.x0, width, m_comp.dx, m_comp.w);
        m_rows = indexMap(image.y0, height, m_comp.dy, m_comp.h);
    }

    std::uint32_t maxValue() const
    {
        return m_maxValue;
    }

    OPJ_UINT32 precision() const
    {
        return m_comp.prec;
    }

    bool subsampled() const
    {
        return m_comp.dx > 1 || m_comp.dy > 1;
    }

    const OPJ_INT32 *row(OPJ_UINT32 y) const
    {
        return m_comp.data + std::size_t(m_rows[y]) * m_comp.w;
    }

    // Unsigned, within [0, maxValue()].
    std::uint32_t sample(const OPJ_INT32 *row, OPJ_UINT32 x) const
    {
        const std::int64_t value = std::int64_t(row[m_columns[x]]) + m_offset;
        return static_cast<std::uint32_t>(std::clamp<std::int64_t>(value, 0, m_maxValue));
    }

private:
    // Sample k of a component sits at k * step on the reference grid and covers the positions up
    // to the next one; the image area need not start on a multiple of the step, so positions
    // before the first stored sample take that first sample.
    static std::vector<OPJ_UINT32> indexMap(
        OPJ_UINT32 origin, OPJ_UINT32 length, OPJ_UINT32 step, OPJ_UINT32 stored)
    {
        const OPJ_UINT32 first = ceilDiv(origin, step);
        std::vector<OPJ_UINT32> map(length);
        for (OPJ_UINT32 i = 0; i < length; ++i) {
            const OPJ_UINT32 k = static_cast<OPJ_UINT32>((std::uint64_t(origin) + i) / step);
            map[i] = std::min(k > first ? k - first : 0, stored - 1);
        }
        return map;
    }

    const opj_image_comp_t &m_comp;
    std::uint32_t m_maxValue = 0;
    std::int64_t m_offset = 0;
    std::vector<OPJ_UINT32> m_columns;
    std::vector<OPJ_UINT32> m_rows;
};

std::uint32_t rescale(std::uint32_t value, std::uint32_t fromMax, std::uint32_t toMax)
{
    if (fromMax == toMax)
        return value;
    return static_cast<std::uint32_t>((std::uint64_t(value) * toMax + fromMax / 2) / fromMax);
}

struct Layout
{
    std::vector<OPJ_UINT32> colour; // 1 (grey) or 3 (RGB or YCbCr) component indexes
    int alpha = -1;
    bool ycc = false;
};

Layout chooseComponents(const opj_image_t &image)
{
    Layout layout;
    std::vector<OPJ_UINT32> colour;
    std::vector<OPJ_UINT32> alpha;
    for (OPJ_UINT32 i = 0; i < image.numcomps; ++i)
        (image.comps[i].alpha ? alpha : colour).push_back(i);
    // A raw codestream has no channel definitions: grey+alpha and RGBA are then recognised by
    // their count alone.
    if (alpha.empty() && (image.numcomps == 2 || image.numcomps == 4)) {
        alpha.push_back(colour.back());
        colour.pop_back();
    }
    if (colour.empty()) {
        colour.push_back(alpha.front());
        alpha.clear();
    }
    // Components past RGB and the first alpha carry nothing we could show; they are dropped.
    layout.colour.assign(colour.begin(), colour.begin() + (colour.size() >= 3 ? 3 : 1));
    if (!alpha.empty())
        layout.alpha = static_cast<int>(alpha.front());

    if (layout.colour.size() == 3) {
        const opj_image_comp_t &luma = image.comps[layout.colour[0]];
        const opj_image_comp_t &cb = image.comps[layout.colour[1]];
        const opj_image_comp_t &cr = image.comps[layout.colour[2]];
        const bool chromaSubsampled
            = luma.dx == 1 && luma.dy == 1 && (cb.dx > 1 || cb.dy > 1 || cr.dx > 1 || cr.dy > 1);
        const bool unspecified = image.color_space == OPJ_CLRSPC_UNKNOWN
            || image.color_space == OPJ_CLRSPC_UNSPECIFIED;
        // Nobody subsamples the chroma of RGB, so a codestream that does so without saying what
        // it holds is YCbCr.
        layout.ycc = image.color_space == OPJ_CLRSPC_SYCC || (unspecified && chromaSubsampled);
    }
    return layout;
}

template <typename Sample>
std::vector<Sample> buildPixels(
    const opj_image_t &image, const Layout &layout, OPJ_UINT32 width, OPJ_UINT32 height)
{
    constexpr std::uint32_t outMax = std::numeric_limits<Sample>::max();
    std::vector<Plane> planes;
    planes.reserve(4);
    for (OPJ_UINT32 index : layout.colour)
        planes.emplace_back(image, index, width, height);
    if (layout.alpha >= 0)
        planes.emplace_back(image, static_cast<OPJ_UINT32>(layout.alpha), width, height);

    const std::size_t channels = planes.size();
    std::vector<Sample> pixels(std::size_t(width) * height * channels);
    std::vector<const OPJ_INT32 *> rows(channels);
    Sample *out = pixels.data();

    if (!layout.ycc) {
        for (OPJ_UINT32 y = 0; y < height; ++y) {
            for (std::size_t c = 0; c < channels; ++c)
                rows[c] = planes[c].row(y);
            for (OPJ_UINT32 x = 0; x < width; ++x) {
                for (std::size_t c = 0; c < channels; ++c) {
                    const std::uint32_t value = planes[c].sample(rows[c], x);
                    *out++ = static_cast<Sample>(rescale(value, planes[c].maxValue(), outMax));
                }
            }
        }
        return pixels;
    }

    // YCbCr to RGB in the luma's range, chroma centred on half its range and brought to the
    // luma's scale in case the precisions differ.
    const double lumaMax = planes[0].maxValue();
    const double cbHalf = double(std::uint64_t(1) << (planes[1].precision() - 1));
    const double crHalf = double(std::uint64_t(1) << (planes[2].precision() - 1));
    const double cbScale = lumaMax / planes[1].maxValue();
    const double crScale = lumaMax / planes[2].maxValue();
    const double toOut = outMax / lumaMax;
    auto store = [&](double value) {
        const double scaled = std::round(value * toOut);
        return static_cast<Sample>(std::clamp(scaled, 0.0, double(outMax)));
    };
    for (OPJ_UINT32 y = 0; y < height; ++y) {
        for (std::size_t c = 0; c < channels; ++c)
            rows[c] = planes[c].row(y);
        for (OPJ_UINT32 x = 0; x < width; ++x) {
            const double luma = planes[0].sample(rows[0], x);
            const double cb = (planes[1].sample(rows[1], x) - cbHalf) * cbScale;
            const double cr = (planes[2].sample(rows[2], x) - crHalf) * crScale;
            *out++ = store(luma + 1.402 * cr);
            *out++ = store(luma - 0.344136 * cb - 0.714136 * cr);
            *out++ = store(luma + 1.772 * cb);
            if (channels == 4) {
                const std::uint32_t value = planes[3].sample(rows[3], x);
                *out++ = static_cast<Sample>(rescale(value, planes[3].maxValue(), outMax));
            }
        }
    }
    return pixels;
}

void checkHeader(const opj_image_t &image)
{
    if (image.numcomps == 0 || !image.comps)
        fail("the image has no components");
    if (image.x1 <= image.x0 || image.y1 <= image.y0)
        fail("the image area is empty");
    const std::uint64_t width = image.x1 - image.x0;
    const std::uint64_t height = image.y1 - image.y0;
    if (width * height > kMaxPixels)
        fail("the image is too large (" + std::to_string(width) + "x" + std::to_string(height)
            + ")");
    std::uint64_t samples = 0;
    for (OPJ_UINT32 i = 0; i < image.numcomps; ++i) {
        const opj_image_comp_t &comp = image.comps[i];
        if (comp.dx == 0 || comp.dy == 0)
            fail("invalid component subsampling");
        const std::uint64_t w = ceilDiv(image.x1, comp.dx) - ceilDiv(image.x0, comp.dx);
        const std::uint64_t h = ceilDiv(image.y1, comp.dy) - ceilDiv(image.y0, comp.dy);
        samples += w * h;
        if (samples > kMaxComponentSamples)
            fail("the image has too many components of this size");
    }
    // OpenJPEG holds each sample in 32 bits, and as much again in its tile buffers while it
    // decodes; then comes the library's image.
    const std::uint64_t pixels = width * height;
    ResourceLimits::checkImageSize(
        width, height, (8 * samples + pixels - 1) / pixels + ResourceLimits::pixelBytes);
}

Magick::Image toMagick(const opj_image_t &image)
{
    checkHeader(image);
    if (image.color_space == OPJ_CLRSPC_CMYK || image.color_space == OPJ_CLRSPC_EYCC)
        fail("CMYK and e-YCC images are not supported");
    // OpenJPEG hands a CIELab colour box over as a "profile" of length zero.
    if (image.icc_profile_buf && image.icc_profile_len == 0)
        fail("CIELab images are not supported");

    const Layout layout = chooseComponents(image);
    bool eightBit = true;
    for (OPJ_UINT32 index : layout.colour)
        eightBit = eightBit && image.comps[index].prec == 8;
    if (layout.alpha >= 0)
        eightBit = eightBit && image.comps[layout.alpha].prec == 8;

    const OPJ_UINT32 width = image.x1 - image.x0;
    const OPJ_UINT32 height = image.y1 - image.y0;
    std::string map = layout.colour.size() == 3 ? "RGB" : "I";
    if (layout.alpha >= 0)
        map += 'A';

    Magick::Image result;
    if (eightBit) {
        const std::vector<std::uint8_t> pixels
            = buildPixels<std::uint8_t>(image, layout, width, height);
        result = imageFromPixels(width, height, map, Magick::CharPixel, pixels.data());
        result.depth(8);
    } else {
        const std::vector<std::uint16_t> pixels
            = buildPixels<std::uint16_t>(image, layout, width, height);
        result = imageFromPixels(width, height, map, Magick::ShortPixel, pixels.data());
        result.depth(16);
    }
    if (layout.alpha >= 0)
        result.matte(true);
    if (image.icc_profile_buf && image.icc_profile_len > 0)
        result.profile("ICC", Magick::Blob(image.icc_profile_buf, image.icc_profile_len));
    return result;
}

Magick::Image decodeImage(const QByteArray &bytes)
{
    OPJ_CODEC_FORMAT format;
    if (startsWith(bytes, kJp2Signature, sizeof(kJp2Signature)))
        format = OPJ_CODEC_JP2;
    else if (startsWith(bytes, kJ2kSignature, sizeof(kJ2kSignature)))
        format = OPJ_CODEC_J2K;
    else
        fail(bytes.isEmpty() ? "no data" : "not a JP2 file or J2K codestream");

    Messages messages;
    ReadSource source { reinterpret_cast<const unsigned char *>(bytes.constData()),
        static_cast<OPJ_UINT64>(bytes.size()), 0 };
    CodecPtr codec = makeCodec(true, format, messages);
    opj_dparameters_t parameters;
    opj_set_default_decoder_parameters(&parameters);
    if (!opj_setup_decoder(codec.get(), &parameters))
        failWith(messages, "cannot set up the decoder");
    // A cut-off file must fail rather than come out with its lower part blank.
    opj_decoder_set_strict_mode(codec.get(), OPJ_TRUE);
    useFreeCores(codec.get());
    StreamPtr stream = makeReadStream(source);

    opj_image_t *header = nullptr;
    const bool headerRead = opj_read_header(stream.get(), codec.get(), &header);
    ImagePtr image(header);
    if (!headerRead || !image)
        failWith(messages, "cannot read the header");
    checkHeader(*image);
    if (!opj_decode(codec.get(), stream.get(), image.get()))
        failWith(messages, "cannot decode the image");
    if (!opj_end_decompress(codec.get(), stream.get()))
        failWith(messages, "cannot finish decoding");
    return toMagick(*image);
}

// ---- From a Magick image to OpenJPEG tiles -------------------------------------------------

// The image goes to OpenJPEG a tile at a time. Handed the whole picture at once, OpenJPEG keeps
// it as 32-bit planes and then as code-block buffers of the same size again: a 6-megapixel
// photograph cost 200 MB on top of the library's own pixels. Tiles of about this side keep that
// to what one tile needs, and are still large enough that the boundaries cost next to nothing in
// size and every core still finds code-blocks to work on.
constexpr OPJ_UINT32 kTileSide = 1024;
// Rows exported from the library at a time, so that no interleaved copy of a whole tile is made.
constexpr OPJ_UINT32 kBandRows = 64;

// As few tiles of at most kTileSide as an extent takes, of nearly equal size, so that no sliver
// of a few samples is left at the edge.
OPJ_UINT32 tileSide(OPJ_UINT32 extent)
{
    const OPJ_UINT32 tiles = ceilDiv(extent, kTileSide);
    return ceilDiv(extent, tiles);
}

template <typename Sample> class Bands
{
public:
    Bands(Magick::Image &source, bool alpha, Magick::StorageType storage, OPJ_UINT32 width)
        : source(source)
        , map(alpha ? "RGBA" : "RGB")
        , storage(storage)
        , channels(alpha ? 4 : 3)
        , samples(std::size_t(width) * kBandRows * channels)
    {
    }

    // Exports width samples of the rows from y on, starting at column x, at most kBandRows of
    // them; returns how many rows.
    OPJ_UINT32 read(OPJ_UINT32 x, OPJ_UINT32 y, OPJ_UINT32 width, OPJ_UINT32 lastRow)
    {
        const OPJ_UINT32 rows = std::min<OPJ_UINT32>(kBandRows, lastRow - y);
        source.write(x, y, width, rows, map, storage, samples.data());
        return rows;
    }

    const Sample *data() const
    {
        return samples.data();
    }

    Magick::Image &source;
    const std::string map;
    const Magick::StorageType storage;
    const std::size_t channels;

private:
    std::vector<Sample> samples;
};

// Grey is decided on the exported samples: what the type says is a hint, what gets stored has
// to be exactly these values. A photograph gives itself away in its first row.
template <typename Sample> bool allGrey(Bands<Sample> &bands)
{
    const OPJ_UINT32 height = bands.source.rows();
    const OPJ_UINT32 width = bands.source.columns();
    for (OPJ_UINT32 y = 0; y < height;) {
        const OPJ_UINT32 rows = bands.read(0, y, width, height);
        const Sample *in = bands.data();
        const Sample *end = in + std::size_t(width) * rows * bands.channels;
        for (; in < end; in += bands.channels) {
            if (in[0] != in[1] || in[0] != in[2])
                return false;
        }
        y += rows;
    }
    return true;
}

// The image's description without its samples: those come tile by tile.
ImagePtr describeImage(OPJ_UINT32 width, OPJ_UINT32 height, OPJ_UINT32 components, bool grey,
    bool alpha, OPJ_UINT32 precision)
{
    std::vector<opj_image_cmptparm_t> parameters(components);
    for (opj_image_cmptparm_t &parameter : parameters) {
        std::memset(&parameter, 0, sizeof(parameter));
        parameter.dx = 1;
        parameter.dy = 1;
        parameter.w = width;
        parameter.h = height;
        parameter.prec = precision;
        parameter.sgnd = 0;
    }
    ImagePtr image(opj_image_tile_create(
        components, parameters.data(), grey ? OPJ_CLRSPC_GRAY : OPJ_CLRSPC_SRGB));
    if (!image)
        fail("cannot allocate the image");
    image->x0 = 0;
    image->y0 = 0;
    image->x1 = width;
    image->y1 = height;
    if (alpha)
        image->comps[components - 1].alpha = 1;
    return image;
}

struct Encoding
{
    opj_codec_t *codec;
    opj_stream_t *stream;
    const Messages &messages;
    OPJ_UINT32 tileWidth;
    OPJ_UINT32 tileHeight;
};

// Hands OpenJPEG every tile in raster order, each as one plane per component after the other,
// in samples as wide as the precision: what opj_write_tile takes.
template <typename Sample>
void writeTiles(Bands<Sample> &bands, const opj_image_t &image, const Encoding &encoding)
{
    const OPJ_UINT32 width = image.x1;
    const OPJ_UINT32 height = image.y1;
    const OPJ_UINT32 components = image.numcomps;
    const bool grey = components < 3;
    // Grey takes the red sample; alpha is the last exported channel either way.
    std::vector<std::size_t> sourceChannel;
    if (grey)
        sourceChannel = { 0 };
    else
        sourceChannel = { 0, 1, 2 };
    if (image.comps[components - 1].alpha)
        sourceChannel.push_back(3);

    std::vector<Sample> tile(std::size_t(encoding.tileWidth) * encoding.tileHeight * components);
    OPJ_UINT32 index = 0;
    for (OPJ_UINT32 top = 0; top < height; top += encoding.tileHeight) {
        const OPJ_UINT32 bottom = std::min(height, top + encoding.tileHeight);
        for (OPJ_UINT32 left = 0; left < width; left += encoding.tileWidth, ++index) {
            const OPJ_UINT32 tileWidth = std::min(width - left, encoding.tileWidth);
            const std::size_t plane = std::size_t(tileWidth) * (bottom - top);
            for (OPJ_UINT32 y = top; y < bottom;) {
                const OPJ_UINT32 rows = bands.read(left, y, tileWidth, bottom);
                const std::size_t count = std::size_t(tileWidth) * rows;
                const std::size_t offset = std::size_t(y - top) * tileWidth;
                for (OPJ_UINT32 c = 0; c < components; ++c) {
                    Sample *out = tile.data() + c * plane + offset;
                    const Sample *in = bands.data() + sourceChannel[c];
                    for (std::size_t i = 0; i < count; ++i, in += bands.channels)
                        out[i] = *in;
                }
                y += rows;
            }
            const OPJ_UINT32 bytes = OPJ_UINT32(plane * components * sizeof(Sample));
            if (!opj_write_tile(encoding.codec, index, reinterpret_cast<OPJ_BYTE *>(tile.data()),
                    bytes, encoding.stream))
                failWith(encoding.messages, "cannot encode the image");
        }
    }
}

bool storesRgb(Magick::ColorspaceType colorspace)
{
    switch (colorspace) {
    case Magick::RGBColorspace:
    case Magick::sRGBColorspace:
    case Magick::GRAYColorspace:
    case Magick::Rec601LumaColorspace:
    case Magick::Rec709LumaColorspace:
    case Magick::TransparentColorspace:
    case Magick::UndefinedColorspace:
        return true;
    default:
        return false;
    }
}

// ---- The JP2 boxes around the codestream ---------------------------------------------------

void appendBigEndian(QByteArray &bytes, quint32 value, int size)
{
    for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
}

QByteArray box(const char *type, const QByteArray &payload)
{
    QByteArray bytes;
    appendBigEndian(bytes, quint32(8 + payload.size()), 4);
    return bytes + QByteArray(type, 4) + payload;
}

// Everything a JP2 reader needs before the codestream: signature, file type and the header box
// with the image's size, its colour space and, when there is alpha, which component holds it.
// OpenJPEG's own JP2 writer produces the same boxes, but cannot be given an ICC profile.
QByteArray jp2Boxes(const opj_image_t &image, const QByteArray &profile)
{
    QByteArray fileType("jp2 ", 4);
    appendBigEndian(fileType, 0, 4);
    fileType.append("jp2 ", 4);

    // Every component shares one unsigned precision, so no bits-per-component box is needed.
    QByteArray imageHeader;
    appendBigEndian(imageHeader, image.y1 - image.y0, 4);
    appendBigEndian(imageHeader, image.x1 - image.x0, 4);
    appendBigEndian(imageHeader, image.numcomps, 2);
    imageHeader.append(char(image.comps[0].prec - 1));
    imageHeader.append(char(7)); // the only compression type JP2 has
    imageHeader.append(char(0)); // the colour space is known
    imageHeader.append(char(0)); // no intellectual property box

    QByteArray colour;
    if (!profile.isEmpty()) {
        colour = QByteArray("\x02\x00\x00", 3) + profile; // restricted ICC, exact
    } else {
        colour = QByteArray("\x01\x00\x00", 3); // enumerated, exact
        appendBigEndian(colour, image.numcomps < 3 ? 17 : 16, 4); // greyscale or sRGB
    }

    QByteArray header = box("ihdr", imageHeader) + box("colr", colour);
    const OPJ_UINT32 last = image.numcomps - 1;
    if (image.comps[last].alpha) {
        // Colour components belong to the colour of their number, the alpha to the whole image.
        QByteArray definitions;
        appendBigEndian(definitions, image.numcomps, 2);
        for (OPJ_UINT32 i = 0; i < image.numcomps; ++i) {
            appendBigEndian(definitions, i, 2);
            appendBigEndian(definitions, i == last ? 1 : 0, 2);
            appendBigEndian(definitions, i == last ? 0 : i + 1, 2);
        }
        header += box("cdef", definitions);
    }
    return QByteArray(reinterpret_cast<const char *>(kJp2Signature), sizeof(kJp2Signature))
        + box("ftyp", fileType) + box("jp2h", header);
}

enum class ProfileSpace { None, Grey, Rgb };

// The colour space a profile's header names. A JP2 colour box can only hold a profile for the
// components it describes: one grey channel or three RGB ones.
ProfileSpace profileSpace(const QByteArray &profile)
{
    if (profile.size() < 128 || profile.mid(36, 4) != "acsp")
        return ProfileSpace::None;
    const QByteArray space = profile.mid(16, 4);
    if (space == "GRAY")
        return ProfileSpace::Grey;
    return space == "RGB " ? ProfileSpace::Rgb : ProfileSpace::None;
}

QByteArray iccProfileOf(const Magick::Image &image)
{
    size_t length = 0;
    const unsigned char *data = MagickLib::GetImageProfile(image.constImage(), "ICC", &length);
    if (!data || length > size_t(kMaxOutput))
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(data), int(length));
}

template <typename Sample>
QByteArray encodeSamples(Magick::Image &source, bool keepColour, QByteArray profile,
    ProfileSpace space, OPJ_UINT32 precision, Magick::StorageType storage)
{
    const OPJ_UINT32 width = source.columns();
    const OPJ_UINT32 height = source.rows();
    const bool alpha = source.matte();
    Bands<Sample> bands(source, alpha, storage, width);
    const bool grey = !keepColour && allGrey(bands);
    const OPJ_UINT32 components = (grey ? 1 : 3) + (alpha ? 1 : 0);
    ImagePtr image = describeImage(width, height, components, grey, alpha, precision);
    if (space != (grey ? ProfileSpace::Grey : ProfileSpace::Rgb))
        profile.clear();

    opj_cparameters_t parameters;
    opj_set_default_encoder_parameters(&parameters);
    parameters.irreversible = 0;
    parameters.tcp_numlayers = 1;
    parameters.tcp_rates[0] = 0;
    parameters.cp_disto_alloc = 1;
    // The reversible colour transform only pays off, and is only allowed, on three components.
    parameters.tcp_mct = components >= 3 ? 1 : 0;
    const OPJ_UINT32 tileWidth = tileSide(width);
    const OPJ_UINT32 tileHeight = tileSide(height);
    parameters.tile_size_on = OPJ_TRUE;
    parameters.cp_tx0 = 0;
    parameters.cp_ty0 = 0;
    parameters.cp_tdx = int(tileWidth);
    parameters.cp_tdy = int(tileHeight);
    // Every resolution level halves a tile; the smallest must keep at least one sample.
    const OPJ_UINT32 smallestSide = std::min(tileWidth, tileHeight);
    while (parameters.numresolution > 1 && (smallestSide >> (parameters.numresolution - 1)) == 0)
        --parameters.numresolution;

    Messages messages;
    CodecPtr codec = makeCodec(false, OPJ_CODEC_J2K, messages);
    if (!opj_setup_encoder(codec.get(), &parameters, image.get()))
        failWith(messages, "cannot set up the encoder");
    useFreeCores(codec.get());

    WriteSink sink;
    sink.bytes = jp2Boxes(*image, profile);
    appendBigEndian(sink.bytes, 0, 4); // the codestream's length, known at the end
    sink.bytes.append("jp2c", 4);
    sink.base = sink.position = sink.bytes.size();
    // Photographs come out at about half their samples' size losslessly; reserved pages that
    // stay unwritten cost no memory, and a larger result grows in place.
    const std::uint64_t sampleBytes = std::uint64_t(width) * height * components * sizeof(Sample);
    sink.bytes.reserve(
        int(std::min<std::uint64_t>(sink.base + sampleBytes / 2 + 4096, kMaxOutput)));
    StreamPtr stream = makeWriteStream(sink);
    if (!opj_start_compress(codec.get(), image.get(), stream.get()))
        failWith(messages, "cannot start encoding");
    writeTiles(
        bands, *image, Encoding { codec.get(), stream.get(), messages, tileWidth, tileHeight });
    if (!opj_end_compress(codec.get(), stream.get()))
        failWith(messages, "cannot finish encoding");
    stream.reset();

    // The sink never grows past what an int holds, so the length fits its four bytes.
    const qint64 length = 8 + sink.bytes.size() - sink.base;
    for (int i = 0; i < 4; ++i)
        sink.bytes[int(sink.base) - 8 + i] = char((quint32(length) >> (24 - 8 * i)) & 0xFF);
    return sink.bytes;
}

QByteArray encodeImage(Magick::Image &source)
{
    if (source.columns() == 0 || source.rows() == 0)
        fail("the image is empty");
    // CMYK and the like keep other quantities in the red, green and blue fields; once those are
    // turned into RGB, the image's profile no longer describes them.
    QByteArray profile;
    if (storesRgb(source.colorSpace()))
        profile = iccProfileOf(source);
    else
        source.colorSpace(Magick::RGBColorspace);
    const ProfileSpace space = profileSpace(profile);

    // Equal red, green and blue under an RGB profile mean what the profile says, not the plain
    // grey of a one-channel file: such pixels stay RGB so that the profile can come along.
    const bool keepColour = space == ProfileSpace::Rgb;
    if (source.depth() > 8)
        return encodeSamples<std::uint16_t>(
            source, keepColour, profile, space, 16, Magick::ShortPixel);
    return encodeSamples<std::uint8_t>(source, keepColour, profile, space, 8, Magick::CharPixel);
}

} // namespace

namespace Jp2Coder {

bool isJpeg2000(const QByteArray &bytes)
{
    return startsWith(bytes, kJp2Signature, sizeof(kJp2Signature))
        || startsWith(bytes, kJ2kSignature, sizeof(kJ2kSignature));
}

Magick::Image decode(const QByteArray &bytes)
{
    try {
        Magick::Image image = decodeImage(bytes);
        returnFreedMemory();
        return image;
    } catch (const std::bad_alloc &) {
        returnFreedMemory();
        fail("not enough memory to decode the image");
    } catch (...) {
        returnFreedMemory();
        throw;
    }
}

QByteArray encode(const Magick::Image &image)
{
    Magick::Image own(image);
    return encode(std::move(own));
}

QByteArray encode(Magick::Image &&image)
{
    try {
        QByteArray bytes = encodeImage(image);
        image = Magick::Image();
        returnFreedMemory();
        return bytes;
    } catch (const std::bad_alloc &) {
        returnFreedMemory();
        fail("not enough memory to encode the image");
    } catch (...) {
        returnFreedMemory();
        throw;
    }
}

} // namespace Jp2Coder
