#include "metadata.h"

#include <QRegularExpression>
#include <QtEndian>

#include <Magick++.h>

#include <lcms2.h>

#include <cmath>
#include <memory>

#include "magickpixels.h"

namespace {

using Profile = std::unique_ptr<void, decltype(&cmsCloseProfile)>;

Profile open(const QByteArray &icc)
{
    return Profile(
        cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size())), cmsCloseProfile);
}

const Profile &srgbProfile()
{
    static const Profile srgb(cmsCreate_sRGBProfile(), cmsCloseProfile);
    return srgb;
}

const QByteArray &srgbBytes()
{
    static const QByteArray bytes = [] {
        cmsUInt32Number size = 0;
        if (!cmsSaveProfileToMem(srgbProfile().get(), nullptr, &size))
            return QByteArray();
        QByteArray saved(int(size), '\0');
        if (!cmsSaveProfileToMem(srgbProfile().get(), saved.data(), &size))
            return QByteArray();
        return saved;
    }();
    return bytes;
}

bool sameXyz(cmsHPROFILE a, cmsHPROFILE b, cmsTagSignature tag)
{
    const auto *x = static_cast<const cmsCIEXYZ *>(cmsReadTag(a, tag));
    const auto *y = static_cast<const cmsCIEXYZ *>(cmsReadTag(b, tag));
    constexpr double close = 0.002;
    return x && y && std::fabs(x->X - y->X) < close && std::fabs(x->Y - y->Y) < close
        && std::fabs(x->Z - y->Z) < close;
}

bool sameCurve(cmsHPROFILE a, cmsHPROFILE b, cmsTagSignature tag)
{
    const auto *x = static_cast<const cmsToneCurve *>(cmsReadTag(a, tag));
    const auto *y = static_cast<const cmsToneCurve *>(cmsReadTag(b, tag));
    if (!x || !y)
        return false;
    for (int i = 1; i < 20; ++i) {
        const float at = float(i) / 20;
        if (std::fabs(cmsEvalToneCurveFloat(x, at) - cmsEvalToneCurveFloat(y, at)) > 0.004f)
            return false;
    }
    return true;
}

// Reads and writes the numbers of a TIFF structure in its own byte order, within its bounds.
struct Tiff
{
    QByteArray &bytes;
    bool little;

    bool fits(quint32 at, quint32 size) const
    {
        return at <= quint32(bytes.size()) && size <= quint32(bytes.size()) - at;
    }
    quint32 get(quint32 at, int size) const
    {
        const auto *p = reinterpret_cast<const uchar *>(bytes.constData()) + at;
        if (size == 2)
            return little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
        return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    }
    void put(quint32 at, quint32 value, int size)
    {
        auto *p = reinterpret_cast<uchar *>(bytes.data()) + at;
        if (size == 2)
            little ? qToLittleEndian<quint16>(quint16(value), p)
                   : qToBigEndian<quint16>(quint16(value), p);
        else
            little ? qToLittleEndian<quint32>(value, p) : qToBigEndian<quint32>(value, p);
    }
    void zero(quint32 at, quint32 size)
    {
        std::fill(bytes.begin() + at, bytes.begin() + at + size, '\0');
    }
};

// Bytes of one value of each TIFF field type, 0 for a type that is not one.
quint32 typeSize(quint32 type)
{
    static const quint32 sizes[] = { 0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8 };
    return type < sizeof sizes / sizeof *sizes ? sizes[type] : 0;
}

// The entry of tag in the directory at `at`, 0 when there is none or the directory does not fit.
quint32 findEntry(const Tiff &tiff, quint32 at, quint32 tag)
{
    if (!tiff.fits(at, 2))
        return 0;
    const quint32 entries = tiff.get(at, 2);
    if (!tiff.fits(at + 2, entries * 12))
        return 0;
    for (quint32 i = 0; i < entries; ++i) {
        if (tiff.get(at + 2 + 12 * i, 2) == tag)
            return at + 2 + 12 * i;
    }
    return 0;
}

// Zeroes the GPS directory at `at` with the values it points to; false when it does not fit.
bool zeroDirectory(Tiff &tiff, quint32 at)
{
    if (!tiff.fits(at, 2))
        return false;
    const quint32 entries = tiff.get(at, 2);
    if (!tiff.fits(at + 2, entries * 12 + 4))
        return false;
    for (quint32 i = 0; i < entries; ++i) {
        const quint32 entry = at + 2 + 12 * i;
        const quint64 size = quint64(typeSize(tiff.get(entry + 2, 2))) * tiff.get(entry + 4, 4);
        if (size > 4) {
            const quint32 value = tiff.get(entry + 8, 4);
            if (size > quint64(tiff.bytes.size()) || !tiff.fits(value, quint32(size)))
                return false;
            tiff.zero(value, quint32(size));
        }
    }
    tiff.zero(at, 2 + entries * 12 + 4);
    return true;
}

} // namespace

namespace Metadata {

bool isSrgb(const QByteArray &icc)
{
    const Profile profile = open(icc);
    if (!profile || cmsGetColorSpace(profile.get()) != cmsSigRgbData)
        return false;
    const cmsHPROFILE srgb = srgbProfile().get();
    for (cmsTagSignature tag :
        { cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag }) {
        if (!sameXyz(profile.get(), srgb, tag))
            return false;
    }
    for (cmsTagSignature tag : { cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag }) {
        if (!sameCurve(profile.get(), srgb, tag))
            return false;
    }
    return true;
}

void toSrgb(Magick::Image &image)
{
    if (image.colorSpace() != Magick::RGBColorspace && image.colorSpace() != Magick::sRGBColorspace)
        return;
    const QByteArray icc = profileOf(image, "ICC");
    if (icc.isEmpty() || srgbBytes().isEmpty() || isSrgb(icc))
        return;
    const Profile profile = open(icc);
    if (!profile || cmsGetColorSpace(profile.get()) != cmsSigRgbData)
        return;
    try {
        // Given a profile of its own, the library turns the pixels from it to the new one,
        // under this name only: under "ICC" it merely swaps the profile.
        image.profile("ICM", Magick::Blob(srgbBytes().constData(), size_t(srgbBytes().size())));
    } catch (Magick::Exception &) {
        // A profile the colour engine cannot use leaves the picture as it came, as it always
        // did; the conversion goes on.
    }
}

QDate exifDateTaken(const QByteArray &exif)
{
    QByteArray bytes = exif.startsWith(QByteArray("Exif\0\0", 6)) ? exif.mid(6) : exif;
    if (bytes.size() < 8 || !(bytes.startsWith("II") || bytes.startsWith("MM")))
        return QDate();
    const Tiff tiff { bytes, bytes.startsWith("II") };
    const quint32 pointer = findEntry(tiff, tiff.get(4, 4), 0x8769);
    if (!pointer)
        return QDate();
    const quint32 entry = findEntry(tiff, tiff.get(pointer + 8, 4), 0x9003);
    // "YYYY:MM:DD HH:MM:SS" and its terminating zero, in the file past the entry.
    if (!entry || tiff.get(entry + 2, 2) != 2 || tiff.get(entry + 4, 4) < 11)
        return QDate();
    const quint32 value = tiff.get(entry + 8, 4);
    if (!tiff.fits(value, 10))
        return QDate();
    return QDate::fromString(QString::fromLatin1(bytes.mid(int(value), 10)), "yyyy:MM:dd");
}

QByteArray exifWithoutLocation(const QByteArray &exif)
{
    QByteArray bytes = exif;
    const int start = bytes.startsWith(QByteArray("Exif\0\0", 6)) ? 6 : 0;
    bytes.remove(0, start);
    if (bytes.size() < 8 || !(bytes.startsWith("II") || bytes.startsWith("MM")))
        return QByteArray();
    Tiff tiff { bytes, bytes.startsWith("II") };
    const quint32 first = tiff.get(4, 4);
    if (!tiff.fits(first, 2))
        return QByteArray();
    const quint32 entries = tiff.get(first, 2);
    if (!tiff.fits(first + 2, entries * 12 + 4))
        return QByteArray();
    for (quint32 i = 0; i < entries; ++i) {
        const quint32 entry = first + 2 + 12 * i;
        if (tiff.get(entry, 2) != 0x8825)
            continue;
        if (!zeroDirectory(tiff, tiff.get(entry + 8, 4)))
            return QByteArray();
        // The pointer goes: the entries after it move up, the next directory's offset too.
        const quint32 end = first + 2 + 12 * entries + 4;
        bytes.remove(int(entry), 12);
        bytes.insert(int(end - 12), QByteArray(12, '\0'));
        tiff.put(first, entries - 1, 2);
        break;
    }
    return exif.left(start) + bytes;
}

QByteArray xmpWithoutLocation(const QByteArray &xmp)
{
    QString text = QString::fromUtf8(xmp);
    static const QRegularExpression attribute(
        QStringLiteral("\\s+exif:GPS\\w+\\s*=\\s*(\"[^\"]*\"|'[^']*')"));
    static const QRegularExpression element(
        QStringLiteral("<exif:(GPS\\w+)\\b[^>]*?(/>|>.*?</exif:\\1\\s*>)"),
        QRegularExpression::DotMatchesEverythingOption);
    text.remove(attribute);
    text.remove(element);
    return text.toUtf8();
}

} // namespace Metadata
