#include "imagepipeline.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>

#include "conversionsettings.h"
#include "outputfile.h"

// What becomes of a file, and the writing of its outputs: the part of the pipeline a program
// needs that hands its pictures to workers and converts none itself, so it links no image
// library.
namespace ImagePipeline {

namespace {

std::atomic<int> &decodeScalingSwitch()
{
    static std::atomic<int> enabled(qEnvironmentVariableIntValue("TARVO_NO_DECODE_SCALE") != 1);
    return enabled;
}

QString nativeName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

void setDecodeScaling(bool enabled)
{
    decodeScalingSwitch().store(enabled ? 1 : 0);
}

bool decodeScaling()
{
    return decodeScalingSwitch().load() != 0;
}

void FileResult::fail(Status failure, const QString &file, const Reason &why)
{
    status = failure;
    about = file;
    reason = why;
}

QString FileResult::error() const
{
    return reason.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(about, reason.text);
}

QStringList FileResult::warningLines() const
{
    QStringList lines;
    for (const Reason &warning : warnings)
        lines.append(QStringLiteral("%1: %2").arg(input, warning.text));
    return lines;
}

QString subFoldersMadeUnder(const ConversionSettings &settings)
{
    return settings.keepTree && !settings.path.isEmpty()
        ? QDir::cleanPath(QFileInfo(settings.path).absoluteFilePath())
        : QString();
}

void writePictures(const OutputNaming::Target &target, const QVector<QByteArray> &pictures,
    const OutputNaming::Taken &claimed, const timespec *modified, FileResult *result,
    const QString &madeUnder)
{
    // The names before any clash was settled, to tell which outputs took a free one.
    const OutputNaming::Target unsettled(target.plain.isEmpty() ? target.path : target.plain);
    const auto nothingClaimed = [](const QString &) { return false; };
    for (int i = 0; i < pictures.size(); ++i) {
        const bool single = pictures.size() == 1;
        const OutputNaming::Target each
            = single ? target : OutputNaming::frameTarget(target, i + 1, claimed);
        const QString plain = single
            ? unsettled.path
            : OutputNaming::frameTarget(unsettled, i + 1, nothingClaimed).path;
        // A sub-folder kept from a folder walk is made when its first file is written; an
        // output folder that went away meanwhile is not made again behind the user's back.
        const QString folder = QDir::cleanPath(QFileInfo(each.path).absolutePath());
        if (!madeUnder.isEmpty() && folder.startsWith(madeUnder + QLatin1Char('/'))
            && QFileInfo(madeUnder).isDir() && !QFileInfo(folder).isDir())
            QDir().mkpath(folder);
        QString written = each.path;
        QString backup;
        Reason reason;
        const bool done
            = OutputFile::write(each, pictures[i], &written, &reason, modified, &backup);
        if (!backup.isEmpty())
            result->backups.append(backup);
        if (done && QFileInfo(written).fileName() != QFileInfo(plain).fileName())
            result->renamed.append(written);
        if (i == 0)
            result->outputPath = written;
        if (done)
            result->bytes += pictures[i].size();
        if (!single && done)
            result->frameOutputs.append(written);
        if (!done) {
            result->fail(FileResult::WriteFailed, nativeName(written), reason);
            return;
        }
    }
}

} // namespace ImagePipeline
