#include "workerprocess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <mutex>
#include <set>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "imagedecoder.h"
#include "imageproperties.h"
#include "inputformats.h"
#include "outputfile.h"
#include "resourcelimits.h"
#include "workerprotocol.h"

extern char **environ;

using ImagePipeline::FileResult;
using WorkerProtocol::Message;

namespace {

// The workers alive in this process, so that a signal can end them all. A worker leaves the
// set before it is reaped: a process id in the set can never belong to another process yet.
struct Registry
{
    std::mutex mutex;
    std::set<pid_t> live;
    std::atomic<bool> stopping { false };
    std::mutex hookMutex;
    std::function<void()> beforeWrite;
    // A worker started ahead, for the first file; in live too. Started for this budget.
    pid_t sparePid = -1;
    int spareSocket = -1;
    quint64 spareBudget = 0;

    // A spare no file took ends with the program, reaped rather than left to init.
    ~Registry()
    {
        if (sparePid <= 0)
            return;
        ::close(spareSocket);
        ::kill(sparePid, SIGKILL);
        while (::waitpid(sparePid, nullptr, 0) < 0 && errno == EINTR) { }
    }
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

// What a worker's answer may take besides the picture: reasons and warnings.
constexpr quint64 maxAnswer = 1 << 20;

// Beyond the picture's own memory, the worker's libraries, their threads' stacks and the
// allocator's arenas take address space that is mostly never touched; the worker is refused
// more than this beyond the whole budget. Measured: a worker that has converted photos in
// every format maps about 500 MiB, of which it keeps 30 when idle.
constexpr quint64 addressSpaceMargin = quint64(1) << 30;

// Memory held for every file before its worker has it, so that the decoder of a small picture
// (an icon, a thumbnail) need not ask and wait for an answer.
constexpr quint64 smallPicture = quint64(16) << 20;

// Processor time a file may take before its worker is ended: enough for any picture that fits
// the memory it asked for, not for a decoder looping on a hostile header.
constexpr int baseCpuSeconds = 60;
int cpuSecondsFor(quint64 bytes)
{
    return baseCpuSeconds + int(qMin<quint64>(bytes >> 22, 24 * 3600));
}

// A worker's words are shown to the user and printed on terminals; a hostile one could put
// control sequences there.
QString clean(const QString &text)
{
    QString cleaned = text.left(2000);
    for (QChar &c : cleaned) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    }
    return cleaned;
}

Reason malformed()
{
    return Reason::ours(Reason::Other,
        QT_TRANSLATE_NOOP(
            "Reason", "the decoder sent a malformed answer; the file is probably hostile"));
}

QString signalName(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return QStringLiteral("segmentation fault");
    case SIGBUS:
        return QStringLiteral("bus error");
    case SIGFPE:
        return QStringLiteral("arithmetic error");
    case SIGILL:
        return QStringLiteral("illegal instruction");
    case SIGABRT:
        return QStringLiteral("abort");
    case SIGKILL:
        return QStringLiteral("killed, perhaps for lack of memory");
    default:
        return QStringLiteral("signal %1").arg(signal);
    }
}

// An input opened for a worker to read.
struct Input
{
    int fd = -1;
    // What its leading bytes say; no verdict for a pipe, which cannot be read twice.
    InputFormats::Verdict verdict;
    bool sniffed = false;
};

// Opens an input for a worker to read: never as a terminal, never a folder, never one too
// large to convert, and never one whose leading bytes name no picture, which is refused here
// without troubling a worker. Returns false with result filled in.
bool openInput(const QString &input, Input *opened, FileResult *result)
{
    const bool standardInput = input == OutputNaming::standardStream();
    if (standardInput && ::isatty(0)) {
        result->fail(FileResult::Unreadable,
            Reason::ours(Reason::Other,
                QT_TRANSLATE_NOOP(
                    "Reason", "standard input is a terminal, not a picture piped in")));
        return false;
    }
    const int fd = standardInput
        ? ::fcntl(0, F_DUPFD_CLOEXEC, 0)
        : ::open(QFile::encodeName(input).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT)
            result->fail(FileResult::Missing, Reason::noSuchFile());
        else
            result->fail(FileResult::Unreadable, Reason::system(errno));
        return false;
    }
    const auto refuse = [&](FileResult::Status status, const Reason &reason) {
        result->fail(status, reason);
        ::close(fd);
        return false;
    };
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return refuse(FileResult::Unreadable, Reason::system(errno));
    if (S_ISDIR(info.st_mode))
        return refuse(FileResult::Unreadable, Reason::system(EISDIR));
    if (S_ISREG(info.st_mode)) {
        // Never read whole only to learn it is too big.
        Reason tooLarge;
        if (!ResourceLimits::fitsInMemory(quint64(info.st_size), &tooLarge))
            return refuse(FileResult::Failed, tooLarge);
        if (info.st_size == 0)
            return refuse(FileResult::Failed,
                Reason::ours(Reason::Other, QT_TRANSLATE_NOOP("Reason", "the file is empty")));
        QByteArray head(
            int(qMin<qint64>(info.st_size, InputFormats::headBytes)), Qt::Uninitialized);
        const ssize_t read = ::pread(fd, head.data(), size_t(head.size()), 0);
        if (read < 0)
            return refuse(FileResult::Unreadable, Reason::system(errno));
        head.truncate(int(read));
        opened->verdict = InputFormats::identify(head);
        opened->sniffed = true;
        if (!opened->verdict.format)
            return refuse(
                FileResult::Failed, Reason::ours(Reason::NotAPicture, opened->verdict.refusal));
    }
    opened->fd = fd;
    return true;
}

// The one picture of a conversion, written whole to this process's standard output.
void writeToStandardOutput(const QVector<QByteArray> &pictures, FileResult *result)
{
    const QString name = OutputNaming::standardStream();
    if (pictures.size() != 1) {
        result->fail(FileResult::WriteFailed, name,
            Reason::ours(Reason::Other,
                QT_TRANSLATE_NOOP("Reason", "%1 pictures cannot go to standard output as one"),
                { QString::number(pictures.size()) }));
        return;
    }
    const QByteArray &picture = pictures.first();
    for (qint64 done = 0; done < picture.size();) {
        const ssize_t written
            = ::write(1, picture.constData() + done, size_t(picture.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            result->fail(FileResult::WriteFailed, name, Reason::system(errno));
            return;
        }
        done += written;
    }
    result->outputPath = name;
    result->bytes = picture.size();
}

// Starts a worker that loads these Qt plug-ins before it shuts itself in: *pid and *socket,
// or false with the reason. Not yet configured.
bool spawn(const QList<QByteArray> &wanted, pid_t *pid, int *socket, QString *error)
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        *error = qt_error_string(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    // A crashing decoder's last words (glibc's, the sanitizers') are for whoever debugs it.
    if (qEnvironmentVariableIntValue("TARVO_WORKER_STDERR") != 1)
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, ends[1], WorkerProtocol::workerSocket);

    const QByteArray path = QFile::encodeName(WorkerProcess::program());
    const QByteArray parent = QByteArray::number(qint64(::getpid()));
    const quint64 budget = ResourceLimits::memoryBudget();
    const QByteArray memory = QByteArray::number(budget);
    const QByteArray addressSpace = QByteArray::number(budget + addressSpaceMargin);
    const QByteArray pluginList = wanted.join(',');
    char *argv[] = { const_cast<char *>(path.constData()), const_cast<char *>(parent.constData()),
        const_cast<char *>(memory.constData()), const_cast<char *>(addressSpace.constData()),
        const_cast<char *>(pluginList.constData()), nullptr };

    Registry &r = registry();
    int spawned;
    {
        // Registered under the lock, so stopAll() never misses a worker being born.
        std::lock_guard<std::mutex> lock(r.mutex);
        if (r.stopping.load()) {
            spawned = ECANCELED;
        } else {
            spawned = posix_spawn(pid, path.constData(), &actions, nullptr, argv, environ);
            if (spawned == 0)
                r.live.insert(*pid);
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    if (spawned != 0) {
        ::close(ends[0]);
        *pid = -1;
        *error = QStringLiteral("%1: %2").arg(QFile::decodeName(path), qt_error_string(spawned));
        return false;
    }
    *socket = ends[0];
    return true;
}

} // namespace

WorkerProcess::WorkerProcess(const ConversionSettings &settings)
    : settings(settings)
{
}

WorkerProcess::~WorkerProcess()
{
    end();
}

QString WorkerProcess::program()
{
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    // Only a program that is itself part of the build trusts the build's worker: an installed
    // one must not run whatever someone put at the path the build once had.
    const QString build = QStringLiteral(TARVO_BUILD_DIR) + QLatin1Char('/');
    if (self.startsWith(build))
        return QStringLiteral(TARVO_WORKER_BUILD_PATH);
    return QFileInfo(self).absolutePath() + QLatin1Char('/')
        + QStringLiteral(TARVO_WORKER_FROM_BINDIR);
}

void WorkerProcess::startSpare()
{
    pid_t pid = -1;
    int socket = -1;
    QString error;
    if (!spawn({}, &pid, &socket, &error))
        return; // the first file starts its own, and says why it cannot
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (r.sparePid > 0) {
        // One spare is enough; this one goes where a worker goes that converted nothing.
        ::close(socket);
        r.live.erase(pid);
        ::kill(pid, SIGKILL);
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) { }
        return;
    }
    r.sparePid = pid;
    r.spareSocket = socket;
    r.spareBudget = ResourceLimits::memoryBudget();
}

void WorkerProcess::stopAll()
{
    Registry &r = registry();
    r.stopping.store(true);
    std::lock_guard<std::mutex> lock(r.mutex);
    for (pid_t worker : r.live)
        ::kill(worker, SIGKILL);
}

bool WorkerProcess::stopping()
{
    return registry().stopping.load();
}

void WorkerProcess::setBeforeWrite(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(registry().hookMutex);
    registry().beforeWrite = std::move(hook);
}

bool WorkerProcess::ensureRunning(const QList<QByteArray> &needed, QString *error)
{
    QList<QByteArray> wanted = pid > 0 ? plugins : QList<QByteArray>();
    for (const QByteArray &plugin : needed) {
        if (!wanted.contains(plugin))
            wanted.append(plugin);
    }
    if (pid > 0 && wanted.size() == plugins.size())
        return true;
    end();
    // A worker started ahead (startSpare), when nothing has to be loaded before its lockdown.
    bool adopted = false;
    if (wanted.isEmpty()) {
        Registry &r = registry();
        std::lock_guard<std::mutex> lock(r.mutex);
        if (r.sparePid > 0 && r.spareBudget == ResourceLimits::memoryBudget()) {
            pid = r.sparePid;
            socket = r.spareSocket;
            r.sparePid = -1;
            r.spareSocket = -1;
            adopted = true;
        }
    }
    if (!adopted && !spawn(wanted, &pid, &socket, error))
        return false;
    plugins = wanted;
    WorkerProtocol::Configuration configuration;
    configuration.settings = settings;
    configuration.decodeScaling = ImagePipeline::decodeScaling();
    if (!WorkerProtocol::send(socket, Message::Configure, WorkerProtocol::encode(configuration))) {
        *error = endedReason().text;
        return false;
    }
    return true;
}

void WorkerProcess::end()
{
    if (pid <= 0)
        return;
    endedReason();
}

Reason WorkerProcess::endedReason()
{
    if (socket >= 0) {
        ::close(socket);
        socket = -1;
    }
    if (pid <= 0)
        return Reason();
    Registry &r = registry();
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        r.live.erase(pid);
    }
    // Whatever it was doing, it has nothing left to say.
    ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    pid = -1;
    if (WIFEXITED(status)) {
        if (WEXITSTATUS(status) == 3)
            return Reason::ours(Reason::Other,
                QT_TRANSLATE_NOOP(
                    "Reason", "the sandbox for decoders cannot be set up on this system"));
        return Reason::ours(Reason::Other,
            QT_TRANSLATE_NOOP("Reason",
                "the decoder ended unexpectedly (exit status %1); the file is probably damaged or "
                "hostile"),
            { QString::number(WEXITSTATUS(status)) });
    }
    const int signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    if (signal == SIGXCPU)
        return Reason::ours(Reason::Other,
            QT_TRANSLATE_NOOP(
                "Reason", "the decoder took too long; the file is probably damaged or hostile"));
    if (signal == SIGSYS)
        return Reason::ours(Reason::Other,
            QT_TRANSLATE_NOOP("Reason",
                "the decoder tried to start a program, which no picture needs, and was stopped; "
                "the file is probably hostile"));
    return Reason::ours(Reason::Other,
        QT_TRANSLATE_NOOP(
            "Reason", "the decoder crashed (%1); the file is probably damaged or hostile"),
        { signalName(signal) });
}

bool WorkerProcess::receive(Message *type, QByteArray *payload, quint64 maxPayload,
    const QAtomicInt *cancel, bool *cancelled)
{
    while (cancel) {
        pollfd readable { socket, POLLIN, 0 };
        const int ready = ::poll(&readable, 1, 50);
        if (cancel->loadRelaxed()) {
            *cancelled = true;
            return false;
        }
        if (ready > 0)
            break;
    }
    return WorkerProtocol::receive(socket, type, payload, maxPayload);
}

ImagePipeline::FileResult WorkerProcess::convert(const QString &input,
    const OutputNaming::Target &target, int codecThreads, int libraryThreads,
    const OutputNaming::Taken &claimed)
{
    FileResult result;
    result.input = QDir::toNativeSeparators(input);
    const QString &name = result.input;
    if (stopping()) {
        result.status = FileResult::Stopped;
        return result;
    }
    Input opened;
    if (!openInput(input, &opened, &result))
        return result;
    const int fd = opened.fd;
    // The date of what is converted, not of whatever may be at the name by the time it is done.
    struct stat given;
    const bool dated = settings.keepDates && ::fstat(fd, &given) == 0;
    // A worker whose decoder may have corrupted it unseen converts nothing after this file.
    const bool alone = !opened.sniffed || opened.verdict.format->alone;
    const auto failed = [&](const Reason &reason) {
        if (stopping())
            result.status = FileResult::Stopped;
        else
            result.fail(FileResult::Failed, reason);
        return result;
    };
    // The worker ended or broke the protocol: our words, about what the file did to it.
    const auto broke = [&](const Reason &why) { return failed(why); };

    QString error;
    if (!ensureRunning(
            InputFormats::pluginsFor(opened.sniffed ? opened.verdict.format : nullptr), &error)) {
        ::close(fd);
        return broke(Reason::ours(Reason::Other,
            QT_TRANSLATE_NOOP("Reason", "cannot start the decoder's process (%1)"), { error }));
    }
    // Held until the output is written, as the memory of a conversion in this process would be.
    ResourceLimits::Share memory;
    WorkerProtocol::Request request;
    request.name = name;
    request.codecThreads = codecThreads;
    request.libraryThreads = libraryThreads;
    WorkerProtocol::Outcome outcome;
    QVector<QByteArray> pictures;
    const Reason ended = exchange(request, fd, memory, &outcome, &pictures);
    if (!ended.isEmpty())
        return broke(ended);
    if (!outcome.converted) {
        // Whatever the file did to the worker on its way to failing stays with that worker.
        end();
        Reason reason = outcome.reason;
        reason.text = clean(reason.text);
        return failed(reason);
    }

    if (target.mode == OutputNaming::Target::StandardOutput) {
        writeToStandardOutput(pictures, &result);
        return result;
    }
    std::function<void()> beforeWrite;
    {
        std::lock_guard<std::mutex> lock(registry().hookMutex);
        beforeWrite = registry().beforeWrite;
    }
    if (beforeWrite)
        beforeWrite();
    ImagePipeline::writePictures(target, pictures, claimed, dated ? &given.st_mtim : nullptr,
        &result, ImagePipeline::subFoldersMadeUnder(settings));
    if (result.status != FileResult::Converted)
        return result;
    if (alone)
        end();
    for (Reason warning : qAsConst(outcome.warnings)) {
        warning.text = clean(warning.text);
        result.warnings.append(warning);
    }
    return result;
}

bool WorkerProcess::readFacts(const QString &input, PictureFacts *facts, FileResult *refused)
{
    refused->input = QDir::toNativeSeparators(input);
    const auto failed = [&](const Reason &reason) {
        if (stopping())
            refused->status = FileResult::Stopped;
        else
            refused->fail(FileResult::Failed, reason);
        return false;
    };
    if (stopping())
        return failed(Reason());
    Input opened;
    if (!openInput(input, &opened, refused))
        return false;
    QString error;
    if (!ensureRunning(
            InputFormats::pluginsFor(opened.sniffed ? opened.verdict.format : nullptr), &error)) {
        ::close(opened.fd);
        return failed(Reason::ours(Reason::Other,
            QT_TRANSLATE_NOOP("Reason", "cannot start the decoder's process (%1)"), { error }));
    }
    cpuAllowed = 0;
    allowCpu(baseCpuSeconds);
    const bool sent = WorkerProtocol::send(socket, Message::Facts, QByteArray(), opened.fd);
    ::close(opened.fd);
    Message type;
    QByteArray payload;
    bool cancelled = false;
    if (!sent || !receive(&type, &payload, maxAnswer, nullptr, &cancelled))
        return failed(endedReason());
    WorkerProtocol::FactsAnswer answer;
    if (type != Message::FactsRead || !WorkerProtocol::decode(payload, &answer)) {
        end();
        return failed(malformed());
    }
    // As after a conversion: what a file did to the worker on its way stays with that worker.
    if (!answer.read || !opened.sniffed || opened.verdict.format->alone)
        end();
    if (!answer.read) {
        answer.reason.text = clean(answer.reason.text);
        return failed(answer.reason);
    }
    *facts = answer.facts;
    return true;
}

Reason WorkerProcess::exchange(const WorkerProtocol::Request &sent, int fd,
    ResourceLimits::Share &memory, WorkerProtocol::Outcome *outcome, QVector<QByteArray> *pictures)
{
    cpuAllowed = 0;
    allowCpu(baseCpuSeconds);
    const quint64 budget = ResourceLimits::memoryBudget();
    WorkerProtocol::Request request = sent;
    request.granted = qMin(smallPicture, budget);
    memory.hold(request.granted);
    const bool handedOver
        = WorkerProtocol::send(socket, Message::Convert, WorkerProtocol::encode(request), fd);
    ::close(fd);
    if (!handedOver)
        return endedReason();

    Message type;
    QByteArray payload;
    bool cancelled = false;
    for (;;) {
        if (!receive(&type, &payload, maxAnswer, nullptr, &cancelled))
            return endedReason();
        if (type != Message::Hold && type != Message::Adjust)
            break;
        quint64 bytes = 0;
        if (!WorkerProtocol::decodeBytes(payload, &bytes) || bytes > budget) {
            end();
            return malformed();
        }
        if (type == Message::Hold) {
            // More than was held for it: it waits its turn like any conversion, holding
            // nothing meanwhile, so that two waiting for each other cannot be.
            memory.hold(0);
        }
        memory.hold(bytes);
        allowCpu(cpuSecondsFor(bytes));
        if (type == Message::Hold && !WorkerProtocol::send(socket, Message::Granted, QByteArray()))
            return endedReason();
    }
    quint64 total = 0;
    bool fits = type == Message::Converted && WorkerProtocol::decode(payload, outcome);
    if (fits) {
        const int count = outcome->sizes.size();
        fits = outcome->converted ? count == 1
                || (count > 1 && count <= ImagePipeline::mostFrames && settings.filePerFrame)
                                  : count == 0;
    }
    for (quint64 size : qAsConst(outcome->sizes)) {
        total += qMin(size, budget);
        fits = fits && size <= budget && total <= budget;
    }
    if (!fits) {
        end();
        return malformed();
    }
    for (quint64 size : qAsConst(outcome->sizes)) {
        QByteArray picture;
        if (!receive(&type, &picture, size, nullptr, &cancelled))
            return endedReason();
        if (type != Message::Picture || quint64(picture.size()) != size) {
            end();
            return malformed();
        }
        pictures->append(picture);
    }
    return Reason();
}

void WorkerProcess::allowCpu(int seconds)
{
    if (seconds <= cpuAllowed)
        return;
    clockid_t clock;
    timespec used {};
    if (::clock_getcpuclockid(pid, &clock) == 0)
        ::clock_gettime(clock, &used);
    const rlimit cpu { rlim_t(used.tv_sec + 1 + seconds), RLIM_INFINITY };
    ::prlimit(pid, RLIMIT_CPU, &cpu, nullptr);
    cpuAllowed = seconds;
}

ImageProperties WorkerProcess::readProperties(
    const QString &path, const QSize &thumbnailBox, const QAtomicInt *cancel)
{
    // The settings are a conversion's; reading a file's properties takes none.
    return WorkerProcess(ConversionSettings()).properties(path, thumbnailBox, false, cancel);
}

ImageProperties WorkerProcess::readColours(const QString &path, const QAtomicInt *cancel)
{
    return WorkerProcess(ConversionSettings()).properties(path, QSize(1, 1), true, cancel);
}

ImageProperties WorkerProcess::properties(
    const QString &path, const QSize &thumbnailBox, bool colours, const QAtomicInt *cancel)
{
    ImageProperties properties;
    const QFileInfo file(path);
    properties.fileSize = file.exists() ? file.size() : 0;
    const auto fail = [&](ImageProperties::Status status, const QString &reason) {
        const qint64 fileSize = properties.fileSize;
        properties = ImageProperties();
        properties.status = status;
        properties.error = reason;
        properties.fileSize = fileSize;
        return properties;
    };

    FileResult refused;
    Input opened;
    refused.input = QDir::toNativeSeparators(path);
    if (!openInput(path, &opened, &refused)) {
        // Only a file that is not there or cannot be read cannot be opened; the rest is the
        // picture's failure, told in its own words.
        if (refused.status == FileResult::Failed)
            return fail(ImageProperties::Failed, refused.reason.translated());
        if (refused.status == FileResult::Missing)
            return fail(ImageProperties::CannotOpen, QString());
        return fail(ImageProperties::CannotOpen, refused.error());
    }
    const int fd = opened.fd;
    QString error;
    if (!ensureRunning(
            InputFormats::pluginsFor(opened.sniffed ? opened.verdict.format : nullptr), &error)) {
        ::close(fd);
        return fail(ImageProperties::Failed,
            QStringLiteral("cannot start the decoder's process (%1)").arg(error));
    }
    const bool sent = WorkerProtocol::send(
        socket, Message::Properties, WorkerProtocol::encodeBox(thumbnailBox, colours), fd);
    ::close(fd);

    Message type;
    QByteArray payload;
    bool cancelled = false;
    const quint64 maxThumbnail = quint64(thumbnailBox.width()) * quint64(thumbnailBox.height()) * 4;
    if (!sent || !receive(&type, &payload, maxAnswer + maxThumbnail, cancel, &cancelled)) {
        if (cancelled) {
            end();
            return fail(ImageProperties::Cancelled, QString());
        }
        return fail(ImageProperties::Failed, endedReason().translated());
    }
    ImageProperties read;
    if (type != Message::PropertiesRead || !WorkerProtocol::decode(payload, thumbnailBox, &read)) {
        end();
        return fail(ImageProperties::Failed, malformed().translated());
    }
    read.error = clean(read.error);
    read.fileSize = properties.fileSize;
    return read;
}
