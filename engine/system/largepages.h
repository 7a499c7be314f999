#ifndef LARGEPAGES_H
#define LARGEPAGES_H

// Every picture the engine converts passes through buffers of tens of megabytes that are
// allocated, filled once and freed again, file after file; in 4 KiB pages the kernel spends
// more time faulting them in than the codecs spend on some formats. With glibc's allocator
// told to back its heap with transparent huge pages (2 MiB), a batch of photographs converts
// in about two thirds of the time. The allocator reads that setting only from the environment
// at start-up, so a program that wants it starts itself again with it set, or sets it for the
// processes it starts.
namespace LargePages {

// Call first thing in main(). Returns at once when huge pages are already asked for (or
// refused: the user's GLIBC_TUNABLES mention the setting), when the kernel offers none, or
// outside glibc; otherwise replaces the process with a fresh start of the same program with
// the same arguments, and returns only if that cannot be done.
void preferForHeap(char *argv[]);

// For a program whose pictures pass through the processes it starts (the sandboxed workers),
// not its own heap: asks for huge pages in the environment those processes inherit, without
// starting this one again, whose start-up is then paid once. The same conditions as above.
void preferForChildren();

} // namespace LargePages

#endif // LARGEPAGES_H
