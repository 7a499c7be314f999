#ifndef WORKERPROTOCOL_H
#define WORKERPROTOCOL_H

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include "conversionsettings.h"
#include "picturefacts.h"
#include "reason.h"

struct ImageProperties;

// How the converting program and its sandboxed worker processes talk: framed messages over a
// Unix stream socket, an open file handed along where a message needs one. Neither side trusts
// the other's frames to be well formed; the program trusts the worker's least of all, since a
// hostile picture may have taken the worker over. Stateless; each socket has one reader and
// one writer at a time.
class QDataStream;
QDataStream &operator<<(QDataStream &stream, const Reason &reason);
QDataStream &operator>>(QDataStream &stream, Reason &reason);

namespace WorkerProtocol {

enum class Message : quint32 {
    // program to worker
    Configure = 1, // the run's settings and limits; first, once
    Convert, // one file: its name, with the file open for reading
    Properties, // what the properties dialog shows of one file, with the file open
    Granted, // the memory asked for is held for the file
    Facts, // what naming one file's output needs of its picture, with the file open
    // worker to program
    Hold = 101, // the memory the file needs from here on; answered by Granted
    Adjust, // the same, when no more than what is held already; not answered
    Converted, // the outcome
    Picture, // the encoded picture, after a Converted that says it converted
    PropertiesRead, // what was read
    FactsRead, // the facts, or why they could not be read
};

// The worker's socket, as the program hands it over.
constexpr int workerSocket = 3;

// Sends one message, and fd along with it when it is not -1. False once the peer is gone.
bool send(int socket, Message type, const QByteArray &payload, int fd = -1);

// Waits for the next message. A descriptor sent along lands in *fd (close-on-exec), which is
// -1 otherwise. False at the end of the stream, on an error, or when the frame announces more
// than maxPayload bytes.
bool receive(int socket, Message *type, QByteArray *payload, quint64 maxPayload, int *fd = nullptr);

// The payloads. Each decode() is false for a payload that is not exactly what encode() makes.

// Configure: what every file of the worker's life converts with.
struct Configuration
{
    ConversionSettings settings;
    bool decodeScaling = true;
};
QByteArray encode(const Configuration &configuration);
bool decode(const QByteArray &payload, Configuration *configuration);

// Convert: the file's name for messages, the threads its codecs may use, and the memory held
// for it already, which its decoder need not ask for.
struct Request
{
    QString name;
    qint32 codecThreads = 1;
    qint32 libraryThreads = 1;
    quint64 granted = 0;
};
QByteArray encode(const Request &request);
bool decode(const QByteArray &payload, Request *request);

// Converted: how it went, each encoded picture following as a message of its own (of the
// bytes sizes says, in order), so that it is never copied into a payload. More than one with
// one file per frame.
struct Outcome
{
    bool converted = false;
    Reason reason; // why not
    QVector<Reason> warnings;
    QVector<quint64> sizes;
};
QByteArray encode(const Outcome &outcome);
bool decode(const QByteArray &payload, Outcome *outcome);

// Hold: bytes of memory.
QByteArray encodeBytes(quint64 bytes);
bool decodeBytes(const QByteArray &payload, quint64 *bytes);

// Properties: the thumbnail's box. PropertiesRead: the properties, the thumbnail as raw pixels
// so that the program never decodes a picture the worker made.
QByteArray encodeBox(const QSize &box, bool colours = false);
bool decodeBox(const QByteArray &payload, QSize *box, bool *colours);
QByteArray encode(const ImageProperties &properties);
// The thumbnail must fit box.
bool decode(const QByteArray &payload, const QSize &box, ImageProperties *properties);

// FactsRead: the picture's upright size and the date it was taken, or why they could not be
// read. A size is within what any picture may have; a date is valid or absent.
struct FactsAnswer
{
    bool read = false;
    PictureFacts facts;
    Reason reason; // why not
};
QByteArray encode(const FactsAnswer &answer);
bool decode(const QByteArray &payload, FactsAnswer *answer);

} // namespace WorkerProtocol

#endif // WORKERPROTOCOL_H
