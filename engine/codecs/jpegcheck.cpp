#include "jpegcheck.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h first: its configuration decides which messages jerror.h declares.
#include <jpeglib.h>
#include <jerror.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
    int damage = 0; // the first warning that means the picture is not whole
    char reason[JMSG_LENGTH_MAX];
};

bool isDamage(int code)
{
    switch (code) {
    case JWRN_JPEG_EOF: // the data stops before the picture does
    case JWRN_HIT_MARKER: // a segment's data stops before its part of the picture
    case JWRN_MUST_RESYNC: // data lost between restart markers
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_BOGUS_PROGRESSION: // a progressive scan that refines what was never sent
        return true;
    default:
        return false;
    }
}

[[noreturn]] void errorExit(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->reason);
    std::longjmp(manager->escape, 1);
}

void emitMessage(j_common_ptr info, int level)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    // Level -1 is a warning; the others are trace output. libjpeg's own handler would print.
    if (level != -1 || manager->damage != 0 || !isDamage(info->err->msg_code))
        return;
    manager->damage = info->err->msg_code;
    (*info->err->format_message)(info, manager->reason);
}

void outputMessage(j_common_ptr)
{
}

// libjpeg's errors and warnings go to manager instead of its own handlers, which print and exit.
void listen(jpeg_decompress_struct &info, ErrorManager &manager)
{
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = errorExit;
    manager.base.emit_message = emitMessage;
    manager.base.output_message = outputMessage;
}

// Plain C state only between setjmp and longjmp: nothing here has a destructor to skip.
bool decode(const unsigned char *data, unsigned long size, ErrorManager &manager,
    std::vector<unsigned char> &row)
{
    jpeg_decompress_struct info;
    listen(info, manager);
    if (setjmp(manager.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 8;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    info.do_block_smoothing = FALSE;
    jpeg_start_decompress(&info);
    row.resize(size_t(info.output_width) * size_t(info.output_components));
    JSAMPROW rows[1] = { row.data() };
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, rows, 1);
    // Reads on to the end of the data, where a cut-short progressive file is found.
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// As decode(), at full size with the library's own settings, setting a bit for each colour.
// Returns the rows read, or -1 when libjpeg failed.
long countRows(const unsigned char *data, unsigned long size, ErrorManager &manager,
    std::vector<unsigned char> &row, std::vector<unsigned long long> &seen,
    const QAtomicInt *cancel)
{
    jpeg_decompress_struct info;
    listen(info, manager);
    if (setjmp(manager.escape)) {
        jpeg_destroy_decompress(&info);
        return -1;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    const int channels = info.output_components;
    row.resize(size_t(info.output_width) * size_t(channels));
    JSAMPROW rows[1] = { row.data() };
    long read = 0;
    while (info.output_scanline < info.output_height) {
        if (cancel && cancel->loadRelaxed())
            break;
        jpeg_read_scanlines(&info, rows, 1);
        ++read;
        for (size_t x = 0; x < info.output_width; ++x) {
            const unsigned char *p = row.data() + x * size_t(channels);
            // Grey is one sample for all three; CMYK's fourth, the black, is left aside.
            const unsigned key = channels == 1
                ? (unsigned(p[0]) << 16 | unsigned(p[0]) << 8 | p[0])
                : (unsigned(p[0]) << 16 | unsigned(p[1]) << 8 | p[2]);
            seen[key >> 6] |= 1ULL << (key & 63);
        }
    }
    jpeg_destroy_decompress(&info);
    return read;
}

} // namespace

namespace JpegCheck {

qint64 countColours(const QByteArray &bytes, const QAtomicInt *cancel)
{
    ErrorManager manager;
    manager.reason[0] = '\0';
    std::vector<unsigned char> row;
    std::vector<unsigned long long> seen(std::size_t(1) << 18);
    const long rows = countRows(reinterpret_cast<const unsigned char *>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()), manager, row, seen, cancel);
    if (rows < 0)
        return -2;
    if (cancel && cancel->loadRelaxed())
        return -1;
    qint64 colours = 0;
    for (const unsigned long long word : seen)
        colours += __builtin_popcountll(word);
    return colours;
}

Result check(const QByteArray &bytes)
{
    ErrorManager manager;
    manager.reason[0] = '\0';
    std::vector<unsigned char> row;
    Result result;
    const bool decoded = decode(reinterpret_cast<const unsigned char *>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()), manager, row);
    if (!decoded || manager.damage != 0) {
        result.damage = manager.damage == JWRN_JPEG_EOF ? CutShort : Corrupt;
        result.reason = QString::fromLocal8Bit(manager.reason);
    }
    return result;
}

} // namespace JpegCheck
