#ifndef LOCKDOWN_H
#define LOCKDOWN_H

#include <QString>
#include <QtGlobal>

// Shuts a worker process in with what it was given: once its libraries are loaded, it may
// still compute, allocate, make threads and talk over the descriptors it holds, and nothing
// else. No file can be opened (a decoder asking gets "permission denied"), no program started
// and no process made (either kills the worker, which its program reports as a hostile file),
// no network reached. Its address space and processor time are limited too, so a decoder that
// believes a header's lies fails that file instead of the machine.
namespace Lockdown {

// Limits the address space to addressSpace bytes (0, and in builds with the address
// sanitizer: none) and allows no core files. Then
// installs the system call filter; every thread started later inherits it. Returns false,
// with the reason in *error, when the kernel refuses; the worker must then not go on.
bool apply(quint64 addressSpace, QString *error);

} // namespace Lockdown

#endif // LOCKDOWN_H
