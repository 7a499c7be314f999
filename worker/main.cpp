// tarvo-worker: decodes, processes and encodes the pictures its program hands it, one at a
// time, shut in by Lockdown once its libraries are loaded. It reads only the files handed to
// it open, and answers only through the socket its program gave it; everything it says is
// checked there before it is believed. Started by WorkerProcess, never by hand:
//     tarvo-worker PARENT-PID MEMORY-BUDGET ADDRESS-SPACE QT-PLUGIN,...
#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QImageReader>

#include <Magick++.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <malloc.h>
#include <sys/prctl.h>
#include <unistd.h>

#include "diagnostics.h"
#include "imagedecoder.h"
#include "imagepipeline.h"
#include "imageproperties.h"
#include "inputformats.h"
#include "lockdown.h"
#include "resourcelimits.h"
#include "workerprotocol.h"

namespace {

using WorkerProtocol::Message;
constexpr int programSocket = WorkerProtocol::workerSocket;

// Pixels below which a picture is converted on one thread.
constexpr quint64 smallPicture = 1000 * 1000;

// The program's messages are small but for the settings; a frame announcing more is not one.
constexpr quint64 maxRequest = 1 << 20;

// Whatever happens to the program, the worker has nobody left to answer: it ends, without
// running the sanitizers' or anyone's exit handlers, which the sandbox would refuse.
[[noreturn]] void leave(int status)
{
    std::_Exit(status);
}

// Loads now what the libraries would otherwise load on first use, from files the sandbox will
// not let them open: the Qt plug-ins its program asked for (those of the formats it will hand
// over), the library's colour names and the time zone the PDF writer dates its files in.
void loadEverything(const QList<QByteArray> &plugins)
{
    const QList<QByteArray> known = InputFormats::pluginsFor(nullptr);
    for (const QByteArray &format : plugins) {
        if (!known.contains(format))
            continue;
        QBuffer empty;
        empty.open(QIODevice::ReadOnly);
        // Asking the format's own plug-in loads it; letting the reader look for another
        // would load every plug-in installed.
        QImageReader reader(&empty, format);
        reader.setAutoDetectImageFormat(false);
        reader.canRead();
    }
    // Without TZ the C library reads /etc/localtime again at every local time it is asked for;
    // named, the zone it read once is kept.
    ::setenv("TZ", ":/etc/localtime", 0);
    ::tzset();
    const Magick::Color named("white");
}

// What the program held for the file in hand before handing it over.
quint64 granted = 0;

// The broker of the memory budget: the program holds what the decoder needs before it goes on.
// What it held already, or holds for the file after a first answer, only needs telling.
void holdMemory(quint64 bytes, bool first)
{
    if (!first || bytes <= granted) {
        if (!WorkerProtocol::send(
                programSocket, Message::Adjust, WorkerProtocol::encodeBytes(bytes)))
            leave(0);
        return;
    }
    Message type;
    QByteArray payload;
    if (!WorkerProtocol::send(programSocket, Message::Hold, WorkerProtocol::encodeBytes(bytes))
        || !WorkerProtocol::receive(programSocket, &type, &payload, maxRequest)
        || type != Message::Granted)
        leave(0);
}

void convert(const QByteArray &payload, int fd, const ConversionSettings &settings)
{
    WorkerProtocol::Request request;
    if (fd < 0 || !WorkerProtocol::decode(payload, &request))
        leave(2);
    ResourceLimits::setThreadsPerWorker(request.codecThreads);
    granted = request.granted;

    WorkerProtocol::Outcome outcome;
    ImagePipeline::Encoded encoded;
    Magick::Blob blob;
    Reason error;
    try {
        const ImageDecoder::ReadResult read = ImageDecoder::readDescriptor(fd, blob, &error);
        ::close(fd);
        // A picture under a megapixel is done before the library's threads would have shared
        // it out; they only spin and switch. Other files at once use the cores better.
        const quint64 pixels
            = read == ImageDecoder::ReadResult::Read ? ImageDecoder::headerPixels(blob) : 0;
        const bool small = pixels > 0 && pixels < smallPicture;
        MagickLib::SetMagickResourceLimit(
            MagickLib::ThreadsResource, small ? 1 : qMax(request.libraryThreads, 1));
        if (read == ImageDecoder::ReadResult::Read) {
            encoded
                = ImagePipeline::convertBytes(blob, settings, QFileInfo(request.name).baseName());
            outcome.converted = encoded.status == ImagePipeline::FileResult::Converted;
            outcome.reason = encoded.reason;
            outcome.warnings = encoded.warnings;
        } else {
            outcome.reason = error;
        }
    } catch (std::bad_alloc &) {
        outcome.reason = Reason::ours(
            Reason::TooLarge, QT_TRANSLATE_NOOP("Reason", "not enough memory to read the file"));
    }
    if (!outcome.converted)
        encoded.pictures.clear();
    for (const QByteArray &picture : qAsConst(encoded.pictures))
        outcome.sizes.append(quint64(picture.size()));
    if (!WorkerProtocol::send(programSocket, Message::Converted, WorkerProtocol::encode(outcome)))
        leave(0);
    for (const QByteArray &picture : qAsConst(encoded.pictures)) {
        if (!WorkerProtocol::send(programSocket, Message::Picture, picture))
            leave(0);
    }
}

void readProperties(const QByteArray &payload, int fd)
{
    QSize box;
    bool colours = false;
    if (fd < 0 || !WorkerProtocol::decodeBox(payload, &box, &colours))
        leave(2);
    ImageProperties properties;
    Magick::Blob blob;
    Reason error;
    try {
        if (ImageDecoder::readDescriptor(fd, blob, &error) == ImageDecoder::ReadResult::Read) {
            properties = colours ? ImageProperties::countColours(blob)
                                 : ImageProperties::decode(blob, box);
        } else {
            properties.status = ImageProperties::CannotOpen;
            properties.error = error.text;
        }
    } catch (std::bad_alloc &) {
        properties.status = ImageProperties::Failed;
        properties.error = QStringLiteral("not enough memory to show the image");
    }
    ::close(fd);
    if (!WorkerProtocol::send(
            programSocket, Message::PropertiesRead, WorkerProtocol::encode(properties)))
        leave(0);
}

void readFacts(int fd, const ConversionSettings &settings)
{
    if (fd < 0)
        leave(2);
    WorkerProtocol::FactsAnswer answer;
    Magick::Blob blob;
    try {
        if (ImageDecoder::readDescriptor(fd, blob, &answer.reason)
            == ImageDecoder::ReadResult::Read) {
            answer.facts = ImageDecoder::facts(blob);
            answer.facts.size = ImagePipeline::outputSize(answer.facts.size, settings);
            answer.read = true;
        }
    } catch (Magick::Exception &e) {
        answer.reason = Reason::library(Diagnostics::libraryReason(e.what()));
    } catch (std::bad_alloc &) {
        answer.reason = Reason::ours(
            Reason::TooLarge, QT_TRANSLATE_NOOP("Reason", "not enough memory to read the file"));
    }
    ::close(fd);
    if (!answer.read)
        answer.facts = PictureFacts();
    if (!WorkerProtocol::send(programSocket, Message::FactsRead, WorkerProtocol::encode(answer)))
        leave(0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5)
        leave(2);
    const pid_t parent = pid_t(QByteArray(argv[1]).toLongLong());
    const quint64 budget = QByteArray(argv[2]).toULongLong();
    const quint64 addressSpace = QByteArray(argv[3]).toULongLong();
    // Ends with its program, even one killed outright.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent || budget == 0)
        leave(0);
    // Nothing of the program's but the socket.
    ::close_range(programSocket + 1, ~0U, 0);
    // Each allocator arena reserves 64 MiB of address space, one per thread on a machine of
    // many cores; the address space is limited, and a few arenas serve a few busy threads.
    ::mallopt(M_ARENA_MAX, 4);

    MagickLib::ExceptionInfo exception;
    MagickLib::GetExceptionInfo(&exception);
    // The library's own crash handlers would turn every crash into an abort, hiding which it was.
    MagickLib::InitializeMagickEx(argv[0], MAGICK_OPT_NO_SIGNAL_HANDER, &exception);
    MagickLib::DestroyExceptionInfo(&exception);
    ResourceLimits::setMemoryBudget(budget);
    ResourceLimits::apply();
    ResourceLimits::setBroker(holdMemory);
    try {
        loadEverything(QByteArray(argv[4]).split(','));
    } catch (Magick::Exception &) {
        // A library without one of these still reads what it can.
    }
    // Read while files may still be opened: the control groups' CPU quota, for a codec's share
    // of the processors when the program names none.
    ResourceLimits::usableCpus();
    QString error;
    if (!Lockdown::apply(addressSpace, &error))
        leave(3);

    Message type;
    QByteArray payload;
    int fd = -1;
    WorkerProtocol::Configuration configuration;
    if (!WorkerProtocol::receive(programSocket, &type, &payload, maxRequest)
        || type != Message::Configure || !WorkerProtocol::decode(payload, &configuration))
        leave(2);
    ImagePipeline::setDecodeScaling(configuration.decodeScaling);

    while (WorkerProtocol::receive(programSocket, &type, &payload, maxRequest, &fd)) {
        switch (type) {
        case Message::Convert:
            convert(payload, fd, configuration.settings);
            break;
        case Message::Properties:
            readProperties(payload, fd);
            break;
        case Message::Facts:
            readFacts(fd, configuration.settings);
            break;
        default:
            leave(2);
        }
    }
    leave(0);
}
