#include "platform/ThreadSignalStacks.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <new>
#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

// Defined by a sanitizer's runtime when one is linked in: it keeps its own
// records of every thread, so thread creation goes on through it.
extern "C" int __interceptor_pthread_create(pthread_t *thread, const pthread_attr_t *attr,
                                            void *(*routine)(void *), void *arg) __attribute__((weak));

namespace ThreadSignalStacks {

namespace {

using CreateThread = int (*)(pthread_t *, const pthread_attr_t *, void *(*)(void *), void *);

std::atomic<bool> g_enabled{false};

// Whether the process's first pthread_create lies in the module that holds
// this code (compared by module, as a function's address taken here may
// already point at the definition in front of ours).
bool firstDefinitionIsOurs()
{
    Dl_info first{};
    Dl_info ours{};
    void *found = dlsym(RTLD_DEFAULT, "pthread_create");
    return found && dladdr(found, &first) != 0
        && dladdr(reinterpret_cast<void *>(&firstDefinitionIsOurs), &ours) != 0
        && first.dli_fbase == ours.dli_fbase;
}

CreateThread nextCreateThread()
{
    static const CreateThread next = [] {
        // Where this definition is the one the process finds first (linked
        // into the program), a sanitizer's interceptor comes next. Where the
        // program itself holds the interceptor (this code in a shared
        // library), the interceptor calls this definition as "the real one",
        // and the C library's comes next.
        if (&__interceptor_pthread_create && firstDefinitionIsOurs())
            return static_cast<CreateThread>(&__interceptor_pthread_create);
        return reinterpret_cast<CreateThread>(dlsym(RTLD_NEXT, "pthread_create"));
    }();
    return next;
}

// The calling thread's own stack for signals, from creation to destruction.
// Nothing is done for a thread that has one already.
class SignalStack
{
public:
    SignalStack()
    {
        if (hasStack())
            return;
        const size_t guard = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        void *memory = mmap(nullptr, guard + StackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK,
                            -1, 0);
        if (memory == MAP_FAILED)
            return;
        stack_t stack{};
        stack.ss_sp = static_cast<char *>(memory) + guard;
        stack.ss_size = StackSize;
        if (mprotect(memory, guard, PROT_NONE) != 0 || sigaltstack(&stack, nullptr) != 0) {
            munmap(memory, guard + StackSize);
            return;
        }
        m_memory = memory;
        m_length = guard + StackSize;
    }

    ~SignalStack()
    {
        if (!m_memory)
            return;
        stack_t off{};
        off.ss_flags = SS_DISABLE;
        sigaltstack(&off, nullptr);
        munmap(m_memory, m_length);
    }

    SignalStack(const SignalStack &) = delete;
    SignalStack &operator=(const SignalStack &) = delete;

    bool isSet() const { return m_memory != nullptr || hasStack(); }

private:
    void *m_memory = nullptr;
    size_t m_length = 0;
};

struct ThreadStart {
    void *(*routine)(void *);
    void *arg;
};

void *runWithSignalStack(void *p)
{
    const ThreadStart start = *static_cast<ThreadStart *>(p);
    delete static_cast<ThreadStart *>(p);
    // Freed when the routine returns or the thread exits early (both unwind).
    SignalStack stack;
    return start.routine(start.arg);
}

} // namespace

bool hasStack()
{
    stack_t current{};
    return sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE);
}

bool enable()
{
    // The calling thread keeps its stack until the process ends.
    static thread_local SignalStack callerStack;
    g_enabled.store(true, std::memory_order_release);
    return callerStack.isSet();
}

} // namespace ThreadSignalStacks

using namespace ThreadSignalStacks;

// Every thread of the process is created here (this definition takes the
// place of the C library's); once enabled, its routine runs with a stack of
// its own for signals.
extern "C" int pthread_create(pthread_t *thread, const pthread_attr_t *attr, void *(*routine)(void *), void *arg)
{
    const CreateThread create = nextCreateThread();
    if (!create)
        return EAGAIN;
    if (!g_enabled.load(std::memory_order_acquire))
        return create(thread, attr, routine, arg);
    auto *start = new (std::nothrow) ThreadStart{routine, arg};
    if (!start)
        return create(thread, attr, routine, arg);
    const int result = create(thread, attr, &runWithSignalStack, start);
    if (result != 0)
        delete start;
    return result;
}
