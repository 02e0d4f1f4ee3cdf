// An alternate signal stack for every thread, so that a crash handler can
// run even when a thread dies of running off its own stack. Once enabled,
// every thread the process starts afterwards (QThread, std::thread or any
// library's) gets one for its lifetime: thread creation passes through here.
// A thread that already has one (a sanitizer's) keeps it.
#ifndef THREADSIGNALSTACKS_H
#define THREADSIGNALSTACKS_H

#include <cstddef>

namespace ThreadSignalStacks {

// Size of each stack; a guard page lies below it.
constexpr size_t StackSize = 64 * 1024;

// Gives the calling thread a stack, unless it has one, and every thread
// started from now on. False when the calling thread's stack cannot be set.
bool enable();

// Whether the calling thread has an alternate signal stack.
bool hasStack();

} // namespace ThreadSignalStacks

#endif
