#include "workerprotocol.h"

#include <QDataStream>
#include <QImage>
#include <QVariant>

#include "imageproperties.h"
#include "options.h"
#include "reason.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

// Found by QVector<Reason>'s own operators, which look in the global namespace.
QDataStream &operator<<(QDataStream &stream, const Reason &reason)
{
    return stream << qint32(reason.kind) << reason.text << reason.quoted << reason.source
                  << reason.arguments;
}

// A kind this build does not know is told as its text alone.
QDataStream &operator>>(QDataStream &stream, Reason &reason)
{
    qint32 kind = 0;
    stream >> kind >> reason.text >> reason.quoted >> reason.source >> reason.arguments;
    reason.kind
        = kind >= Reason::Other && kind <= Reason::NameTooLong ? Reason::Kind(kind) : Reason::Other;
    // What the English text says is what its translation says: a worker cannot tell a script
    // one thing and the window another.
    if (!reason.source.isEmpty())
        reason.text = Reason::fill(reason.source, reason.arguments);
    return stream;
}

namespace WorkerProtocol {

namespace {

struct Header
{
    quint32 type;
    quint32 reserved;
    quint64 length;
};

// MSG_NOSIGNAL: a peer that died must be an error to report, not a SIGPIPE that ends us.
bool sendAll(int socket, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t sent = ::send(socket, data, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        data += sent;
        size -= size_t(sent);
    }
    return true;
}

bool receiveAll(int socket, char *data, size_t size)
{
    while (size > 0) {
        const ssize_t received = ::recv(socket, data, size, 0);
        if (received < 0 && errno == EINTR)
            continue;
        if (received <= 0)
            return false;
        data += received;
        size -= size_t(received);
    }
    return true;
}

} // namespace

bool send(int socket, Message type, const QByteArray &payload, int fd)
{
    Header header { quint32(type), 0, quint64(payload.size()) };
    // Header and payload in one call where the socket takes them, the descriptor with the
    // first byte.
    iovec parts[2] = { { &header, sizeof header },
        { const_cast<char *>(payload.constData()), size_t(payload.size()) } };
    msghdr message {};
    message.msg_iov = parts;
    message.msg_iovlen = payload.isEmpty() ? 1 : 2;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))];
    if (fd >= 0) {
        std::memset(control, 0, sizeof control);
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr *rights = CMSG_FIRSTHDR(&message);
        rights->cmsg_level = SOL_SOCKET;
        rights->cmsg_type = SCM_RIGHTS;
        rights->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(rights), &fd, sizeof(int));
    }
    ssize_t sent;
    do {
        sent = ::sendmsg(socket, &message, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent <= 0)
        return false;
    // What did not fit goes after, plainly.
    size_t done = size_t(sent);
    if (done < sizeof header) {
        if (!sendAll(socket, reinterpret_cast<const char *>(&header) + done, sizeof header - done))
            return false;
        done = sizeof header;
    }
    done -= sizeof header;
    return sendAll(socket, payload.constData() + done, size_t(payload.size()) - done);
}

bool receive(int socket, Message *type, QByteArray *payload, quint64 maxPayload, int *fd)
{
    if (fd)
        *fd = -1;
    Header header {};
    iovec part { &header, sizeof header };
    msghdr message {};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))];
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    ssize_t received;
    do {
        received = ::recvmsg(socket, &message, MSG_CMSG_CLOEXEC);
    } while (received < 0 && errno == EINTR);
    if (received <= 0)
        return false;
    for (cmsghdr *c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS)
            continue;
        // Only one descriptor is ever sent; any more would be leaked open otherwise.
        const size_t count = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (size_t i = 0; i < count; ++i) {
            int passed;
            std::memcpy(&passed, CMSG_DATA(c) + i * sizeof(int), sizeof(int));
            if (fd && *fd < 0)
                *fd = passed;
            else
                ::close(passed);
        }
    }
    const auto dropDescriptor = [fd] {
        if (fd && *fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    };
    char *rest = reinterpret_cast<char *>(&header) + received;
    if (!receiveAll(socket, rest, sizeof header - size_t(received))
        || header.length > qMin<quint64>(maxPayload, INT_MAX - 64)) {
        dropDescriptor();
        return false;
    }
    *type = Message(header.type);
    payload->resize(int(header.length));
    if (!receiveAll(socket, payload->data(), size_t(header.length))) {
        dropDescriptor();
        return false;
    }
    return true;
}

namespace {

template <typename Write> QByteArray writeAll(Write write)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    write(stream);
    return payload;
}

// Reads with read(stream); true when that consumed the payload exactly and without error.
template <typename Read> bool readAll(const QByteArray &payload, Read read)
{
    QDataStream stream(payload);
    stream.setVersion(QDataStream::Qt_5_15);
    read(stream);
    return stream.status() == QDataStream::Ok && stream.atEnd();
}

// What QDataStream reads for a QVector, without its reserving of whatever count the frame
// claims: a count beyond what the payload can hold is corrupt, not an allocation.
template <typename T> void readVector(QDataStream &stream, QVector<T> &vector)
{
    vector.clear();
    quint32 count = 0;
    stream >> count;
    const QIODevice *device = stream.device();
    if (stream.status() != QDataStream::Ok || count > device->size() - device->pos()) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        T value;
        stream >> value;
        vector.append(value);
    }
}

} // namespace

QByteArray encode(const Configuration &configuration)
{
    return writeAll([&configuration](QDataStream &stream) {
        stream << configuration.decodeScaling;
        for (const Options::Option &option : Options::all())
            stream << option.get(configuration.settings);
    });
}

bool decode(const QByteArray &payload, Configuration *configuration)
{
    return readAll(payload, [configuration](QDataStream &stream) {
        stream >> configuration->decodeScaling;
        for (const Options::Option &option : Options::all()) {
            QVariant value;
            stream >> value;
            option.set(configuration->settings, value);
        }
    });
}

QByteArray encode(const Request &request)
{
    return writeAll([&request](QDataStream &stream) {
        stream << request.name << request.codecThreads << request.libraryThreads << request.granted;
    });
}

bool decode(const QByteArray &payload, Request *request)
{
    return readAll(payload, [request](QDataStream &stream) {
        stream >> request->name >> request->codecThreads >> request->libraryThreads
            >> request->granted;
    });
}

QByteArray encode(const Outcome &outcome)
{
    return writeAll([&outcome](QDataStream &stream) {
        stream << outcome.converted << outcome.reason << outcome.warnings << outcome.sizes;
    });
}

bool decode(const QByteArray &payload, Outcome *outcome)
{
    return readAll(payload, [outcome](QDataStream &stream) {
        stream >> outcome->converted >> outcome->reason;
        readVector(stream, outcome->warnings);
        readVector(stream, outcome->sizes);
    });
}

QByteArray encode(const FactsAnswer &answer)
{
    return writeAll([&answer](QDataStream &stream) {
        stream << answer.read << answer.facts.size << answer.facts.taken << answer.reason;
    });
}

bool decode(const QByteArray &payload, FactsAnswer *answer)
{
    const bool read = readAll(payload, [answer](QDataStream &stream) {
        stream >> answer->read >> answer->facts.size >> answer->facts.taken >> answer->reason;
    });
    const QSize &size = answer->facts.size;
    constexpr int mostSide = 1 << 30;
    const bool sized = size.width() > 0 && size.height() > 0 && size.width() <= mostSide
        && size.height() <= mostSide;
    return read && (answer->read ? sized : size == QSize());
}

QByteArray encodeBytes(quint64 bytes)
{
    return writeAll([bytes](QDataStream &stream) { stream << bytes; });
}

bool decodeBytes(const QByteArray &payload, quint64 *bytes)
{
    return readAll(payload, [bytes](QDataStream &stream) { stream >> *bytes; });
}

QByteArray encodeBox(const QSize &box, bool colours)
{
    return writeAll([box, colours](QDataStream &stream) { stream << box << colours; });
}

bool decodeBox(const QByteArray &payload, QSize *box, bool *colours)
{
    return readAll(payload, [box, colours](QDataStream &stream) { stream >> *box >> *colours; })
        && box->width() > 0 && box->height() > 0 && box->width() <= 4096 && box->height() <= 4096;
}

QByteArray encode(const ImageProperties &properties)
{
    const QImage thumbnail = properties.thumbnail.convertToFormat(QImage::Format_RGBA8888);
    QByteArray pixels;
    for (int y = 0; y < thumbnail.height(); ++y)
        pixels.append(
            reinterpret_cast<const char *>(thumbnail.constScanLine(y)), thumbnail.width() * 4);
    return writeAll([&](QDataStream &stream) {
        stream << qint32(properties.status) << properties.error << properties.size
               << properties.resolution << qint32(properties.resolutionUnit) << properties.colours
               << thumbnail.size() << pixels;
    });
}

bool decode(const QByteArray &payload, const QSize &box, ImageProperties *properties)
{
    qint32 status = 0;
    qint32 unit = 0;
    QSize thumbnailSize;
    QByteArray pixels;
    const bool read = readAll(payload, [&](QDataStream &stream) {
        stream >> status >> properties->error >> properties->size >> properties->resolution >> unit
            >> properties->colours >> thumbnailSize >> pixels;
    });
    if (!read || status < ImageProperties::Read || status > ImageProperties::TooLargeToCount
        || properties->colours < -1 || unit < ImageProperties::UndefinedUnit
        || unit > ImageProperties::PixelsPerCentimetre)
        return false;
    properties->status = ImageProperties::Status(status);
    properties->resolutionUnit = ImageProperties::ResolutionUnit(unit);
    properties->thumbnail = QImage();
    if (thumbnailSize.isEmpty())
        return pixels.isEmpty();
    if (thumbnailSize.width() > box.width() || thumbnailSize.height() > box.height()
        || pixels.size() != thumbnailSize.width() * thumbnailSize.height() * 4)
        return false;
    QImage thumbnail(thumbnailSize, QImage::Format_RGBA8888);
    for (int y = 0; y < thumbnail.height(); ++y)
        std::memcpy(thumbnail.scanLine(y), pixels.constData() + y * thumbnail.width() * 4,
            size_t(thumbnail.width()) * 4);
    properties->thumbnail = thumbnail;
    return true;
}

} // namespace WorkerProtocol
