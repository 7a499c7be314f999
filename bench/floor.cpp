// The floor the engine is measured against: the same per-file work as a conversion with the
// window's default options, done with bare library calls in the plainest order, with no Qt,
// no engine, no output naming and no safe-save. Whatever the engine spends beyond this
// program on the same files is its own overhead; scripts/bench.py shows how much.
//
//   tarvo-floor [--format jpeg|gif|png|pdf] [--resize WxH] [--output DIR] [--jobs 1]
//               [--overwrite] FILE...
//
// Outputs are always replaced (--overwrite is accepted so that the command line of the
// converter can be used unchanged). Stops at the first file that fails, exit status 1.

#include <Magick++.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "largepages.h"

using namespace MagickLib;

namespace {

struct Options
{
    std::string format = "jpeg";
    std::string outputDir;
    bool resize = false;
    unsigned int width = 0;
    unsigned int height = 0;
    std::vector<std::string> files;
};

void usage()
{
    std::fprintf(stderr,
        "usage: tarvo-floor [--format jpeg|gif|png|pdf] [--resize WxH] [--output DIR] "
        "[--jobs 1] [--overwrite] FILE...\n");
}

bool parseSize(const char *text, unsigned int *width, unsigned int *height)
{
    char *end = nullptr;
    const unsigned long w = std::strtoul(text, &end, 10);
    if (end == text || (*end != 'x' && *end != 'X'))
        return false;
    const char *rest = end + 1;
    const unsigned long h = std::strtoul(rest, &end, 10);
    if (end == rest || *end != '\0' || w == 0 || h == 0 || w > 1000000 || h > 1000000)
        return false;
    *width = unsigned(w);
    *height = unsigned(h);
    return true;
}

bool parseArguments(int argc, char **argv, Options *options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--format" && hasValue) {
            options->format = argv[++i];
            // JPEG 2000 goes through the engine's own coder, which has no bare-library twin.
            if (options->format != "jpeg" && options->format != "gif" && options->format != "png"
                && options->format != "pdf") {
                std::fprintf(stderr, "tarvo-floor: unsupported format '%s'\n", argv[i]);
                return false;
            }
        } else if (arg == "--resize" && hasValue) {
            if (!parseSize(argv[++i], &options->width, &options->height)) {
                std::fprintf(stderr, "tarvo-floor: bad size '%s', expected WxH\n", argv[i]);
                return false;
            }
            options->resize = true;
        } else if (arg == "--output" && hasValue) {
            options->outputDir = argv[++i];
        } else if (arg == "--jobs" && hasValue) {
            // The floor is the one-thread reference; running it wider would measure nothing.
            if (std::strcmp(argv[++i], "1") != 0) {
                std::fprintf(stderr, "tarvo-floor: only --jobs 1 is supported\n");
                return false;
            }
        } else if (arg == "--overwrite") {
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "tarvo-floor: unknown option '%s'\n", arg.c_str());
            return false;
        } else {
            options->files.push_back(arg);
        }
    }
    return !options->files.empty();
}

// The whole file in one buffer that the blob takes over, as the engine reads it, so both
// hold the encoded bytes once and for the same span.
bool readWholeFile(const std::string &path, Magick::Blob &blob)
{
    std::unique_ptr<FILE, int (*)(FILE *)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    std::unique_ptr<char[]> buffer(new char[size_t(size > 0 ? size : 1)]);
    if (std::fread(buffer.get(), 1, size_t(size), file.get()) != size_t(size))
        return false;
    blob.updateNoCopy(buffer.release(), size_t(size), Magick::Blob::NewAllocator);
    return true;
}

bool writeWholeFile(const std::string &path, const Magick::Blob &blob)
{
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(blob.data(), 1, blob.length(), file) == blob.length();
    return std::fclose(file) == 0 && written;
}

std::string suffixFor(const std::string &format)
{
    return format == "jpeg" ? ".jpg" : "." + format;
}

// The engine's naming without its collision handling: the folder of the input unless one is
// given, the name up to its first dot, the format's suffix.
std::string outputPathFor(const std::string &input, const Options &options)
{
    const std::string::size_type slash = input.rfind('/');
    const std::string name = slash == std::string::npos ? input : input.substr(slash + 1);
    const std::string base = name.substr(0, name.find('.'));
    std::string dir = options.outputDir;
    if (dir.empty())
        dir = slash == std::string::npos ? std::string(".") : input.substr(0, slash);
    return dir + "/" + base + suffixFor(options.format);
}

void flattenOntoWhite(Magick::Image &image)
{
    const Magick::Image original(image);
    image.backgroundColor(Magick::Color("#ffffff"));
    image.erase();
    image.composite(original, 0, 0, OverCompositeOp);
}

void applyFormatDefaults(Magick::Image &image, const std::string &format)
{
    if (format == "jpeg") {
        image.quality(75);
        image.density(Magick::Geometry(72, 72, 0, 0, false, false));
        image.interlaceType(LineInterlace);
        image.defineValue("jpeg", "optimize-coding", "TRUE");
        image.type(OptimizeType);
        image.colorSpace(Rec601YCbCrColorspace);
        image.compressType(JPEGCompression);
    } else if (format == "gif") {
        image.quantizeDither(false);
        image.quantizeColorSpace(YUVColorspace);
        image.quantizeColors(256);
        image.quantizeTreeDepth(0);
        image.quantize(false);
        image.page(Magick::Geometry(0, 0, 0, 0, false, false));
    } else if (format == "png") {
        // zlib level 7, adaptive filtering
        image.quality(75);
        image.colorSpace(RGBColorspace);
    }
}

bool convert(const std::string &input, const Options &options)
{
    Magick::Blob blob;
    if (!readWholeFile(input, blob)) {
        std::fprintf(stderr, "Error: %s: cannot read the file\n", input.c_str());
        return false;
    }
    Magick::Image image;
    image.read(blob);
    blob = Magick::Blob();

    image.quality(75);
    image.magick(options.format);
    if (image.matte())
        flattenOntoWhite(image);
    if (options.resize)
        image.scale(Magick::Geometry(options.width, options.height));
    applyFormatDefaults(image, options.format);
    image.strip();
    image.write(&blob);

    const std::string output = outputPathFor(input, options);
    if (!writeWholeFile(output, blob)) {
        std::fprintf(stderr, "Error: %s: cannot write the file\n", output.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // The engine's programs run with the same allocator setting; the floor must too.
    LargePages::preferForHeap(argv);
    Options options;
    if (!parseArguments(argc, argv, &options)) {
        usage();
        return 2;
    }
    Magick::InitializeMagick(*argv);
    for (const std::string &file : options.files) {
        try {
            if (!convert(file, options))
                return 1;
        } catch (Magick::Exception &e) {
            std::fprintf(stderr, "Error: %s\n", e.what());
            return 1;
        } catch (std::exception &e) {
            std::fprintf(stderr, "Error: %s: %s\n", file.c_str(), e.what());
            return 1;
        }
    }
    return 0;
}
