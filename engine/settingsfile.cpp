#include "settingsfile.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace SettingsFile {

const char *const formats[5] = { "jpeg", "gif", "png", "jp2", "pdf" };

namespace {

int clamped(const QSettings &settings, const char *key, int fallback, int minimum, int maximum)
{
    return qBound(minimum, settings.value(QLatin1String(key), fallback).toInt(), maximum);
}

// A combo box refuses an index past its list and is then left without a current item.
int index(const QSettings &settings, const char *key, int fallback, int count)
{
    const int value = settings.value(QLatin1String(key), fallback).toInt();
    return (value >= 0 && value < count) ? value : -1;
}

bool flag(const QSettings &settings, const char *key, bool fallback)
{
    return settings.value(QLatin1String(key), fallback).toBool();
}

} // namespace

bool isReadable(const QString &path)
{
    // The window writes about a kilobyte; a mebibyte leaves room for any hand-made comments.
    return QFileInfo(path).size() <= (1 << 20);
}

ConversionSettings defaults()
{
    ConversionSettings s;
    s.format = QLatin1String(formats[0]);
    s.quality = 75;
    s.strip = true;
    s.backgroundColor = QStringLiteral("#ffffff");
    s.jpegHuffman = true;
    s.jpegProgressive = true;
    s.jpegDensityX = s.jpegDensityY = 72;
    s.jpegQuality = 75;
    s.gifQuantizeColors = 256;
    s.pngLevel = 7;
    s.pngFilter = 5;
    s.resizeWidth = 640;
    s.resizeHeight = 480;
    s.resizeExact = true;
    s.resizeFilter = 12;
    return s;
}

ConversionSettings read(const QString &path)
{
    QSettings settings(isReadable(path) ? path : QString(), QSettings::IniFormat);
    ConversionSettings s;

    settings.beginGroup(QStringLiteral("Options"));
    QString folder = settings.value(QStringLiteral("path"), QDir::currentPath()).toString();
    if (!QDir(folder).exists())
        folder = QDir::currentPath();
    s.originalDirectory = flag(settings, "original", false);
    if (!s.originalDirectory)
        s.path = folder;
    s.quality = clamped(settings, "quality", 75, 1, 100);
    const int format = index(settings, "format", 0, 5);
    if (format >= 0)
        s.format = QLatin1String(formats[format]);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("Global"));
    s.overwrite = flag(settings, "overwrite", false);
    s.strip = flag(settings, "strip", true);
    s.transparent = flag(settings, "transparent", false);
    s.backgroundColor = QColor(
        settings.value(QStringLiteral("backgroundcolor"), QStringLiteral("#ffffff")).toString())
                            .name();
    settings.endGroup();

    settings.beginGroup(QStringLiteral("JPEG"));
    s.jpegQuality = clamped(settings, "quality", 75, 1, 100);
    s.jpegDensityX = s.jpegDensityY = clamped(settings, "dpi", 72, 1, 9999);
    s.jpegProgressive = flag(settings, "progressive", true);
    s.jpegHuffman = flag(settings, "huffman", true);
    s.jpegType = index(settings, "type", 0, 3);
    s.jpegColorspace = index(settings, "colorspace", 0, 4);
    s.jpegCompression = index(settings, "compression", 0, 2);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("GIF"));
    s.gifType = index(settings, "type", 0, 2);
    s.gifInterlace = flag(settings, "interlace", false);
    s.gifDither = flag(settings, "dither", false);
    s.gifQuantizeColorspace = index(settings, "quantizecolorspace", 0, 15);
    s.gifQuantizeColors = clamped(settings, "quantizecolors", 256, 1, 256);
    s.gifQuantizeTreeDepth = clamped(settings, "quantizetreedepth", 0, 0, 8);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("PNG"));
    s.pngType = index(settings, "type", 0, 3);
    s.pngColorspace = index(settings, "colorspace", 0, 15);
    s.pngInterlace = flag(settings, "interlace", false);
    s.pngLevel = clamped(settings, "level", 7, 0, 9);
    s.pngFilter = index(settings, "filter", 5, 7);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("Resize"));
    s.resizeEnabled = flag(settings, "enabled", false);
    s.resizeProportion = clamped(settings, "proportion", 0, -10, 10);
    s.resizeWidth = clamped(settings, "width", 640, 1, 9999);
    s.resizeHeight = clamped(settings, "height", 480, 1, 9999);
    // The two radio buttons are exclusive and "Exact" starts checked: "Based on width" wins
    // when stored as checked, otherwise "Exact" stays selected.
    s.resizeBaseWidth = flag(settings, "base_width", false);
    s.resizeExact = !s.resizeBaseWidth;
    s.resizeOperator = index(settings, "operator", 0, 3);
    s.resizeFilter = index(settings, "filter", 12, 15);
    settings.endGroup();
    return s;
}

} // namespace SettingsFile
