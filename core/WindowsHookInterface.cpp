#include "core/WindowsHookInterface.h"

#include "core/DDataManager.h"
#include "core/hook/HeldKeyTable.h"
#include "core/hook/HookEventPolicy.h"
#include "core/hook/OwnKeyboardInput.h"
#include "core/hook/PressDeduplicator.h"
#include "platform/InputHookBackend.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMap>

#include <chrono>

namespace {

const QString kHookKey = QStringLiteral("HOOK");

// The instance that receives the events.
QMap<QString, WindowsHookInterface *> hookInterfaceMap;
// The instance whose start installed what runs now; it releases it.
WindowsHookInterface *g_hookOwner = nullptr;

HeldKeyTable g_heldKeys;
InputHookBackend *g_chosenBackend = nullptr; // set by setBackend, not owned
InputHookBackend *g_systemBackend = nullptr; // created on first use, owned
bool g_exitCleanupRegistered = false;
// In light interaction our keyboards' presses also come from their own
// input nodes; a press both sources report counts once.
PressDeduplicator g_presses;

int64_t nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Whether a key event of one source goes on to the held keys and the
// receivers: false for the echo of a press the other source reported.
bool passesAsOnePress(PressDeduplicator::Source source, int mode, int vkCode, int flags)
{
    if (mode != HookEventPolicy::LightInteractionMode || !OwnKeyboardInput::instance().isStarted()
        || (flags & LowLevelKeyRecord::ReleaseFlag))
        return true;
    if (g_heldKeys.contains(vkCode)) {
        // A repeat: the held-key table drops it; it may still close an echo.
        g_presses.takeEcho(source, vkCode, nowMs());
        return true;
    }
    return g_presses.admit(source, vkCode, nowMs());
}

InputHookBackend *activeBackend()
{
    return g_chosenBackend ? g_chosenBackend : g_systemBackend;
}

bool anythingInstalled()
{
    InputHookBackend *backend = activeBackend();
    return backend && (backend->keyboardInstalled() || backend->mouseInstalled() || backend->keyboardGrabbed());
}

void logInstallError(const char *format, const InputHookBackend *backend)
{
    qDebug().noquote() << QString::asprintf(format, long(backend->lastErrorCode()));
    qDebug().noquote() << "Input hook:" << backend->lastErrorText();
}

} // namespace

WindowsHookInterface::WindowsHookInterface(QObject *parent) : QObject(parent)
{
    hookInterfaceMap.insert(kHookKey, this);
}

WindowsHookInterface::~WindowsHookInterface()
{
    // Whatever this instance started goes with it, also while another
    // instance receives the events; what another instance started stays.
    if (g_hookOwner == this)
        uninstallHooks();
    if (hookInterfaceMap.value(kHookKey) == this)
        hookInterfaceMap.remove(kHookKey);
}

void WindowsHookInterface::setBackend(InputHookBackend *backend)
{
    if (anythingInstalled())
        uninstallHooks();
    g_chosenBackend = backend;
}

int WindowsHookInterface::startHook(int mode)
{
    this->mode = mode;
    g_heldKeys.clear();
    if (installHooks() != 1)
        return 0;
    g_hookOwner = this;
    return 1;
}

int WindowsHookInterface::stopHook()
{
    return uninstallHooks();
}

int WindowsHookInterface::installHooks()
{
    if (!g_chosenBackend && !g_systemBackend)
        g_systemBackend = InputHookBackend::createDefault();
    if (!g_exitCleanupRegistered && QCoreApplication::instance()) {
        // Nothing stays grabbed or recorded past the application object.
        g_exitCleanupRegistered = true;
        qAddPostRoutine([] {
            uninstallHooks();
            delete g_systemBackend;
            g_systemBackend = nullptr;
            g_exitCleanupRegistered = false;
        });
    }
    InputHookBackend *backend = activeBackend();

    // A start while the hooks run changes the mode: the mouse hook and the
    // keyboard grab are brought in line with it. Light interaction also
    // reads our keyboards' own input nodes, which every desktop lets reach
    // the light effects; it runs when either source does.
    g_presses.clear();
    const bool ownKeyboards = mode == HookEventPolicy::LightInteractionMode;
    if (ownKeyboards)
        OwnKeyboardInput::instance().start(&WindowsHookInterface::ownKeyboardProc);
    else
        OwnKeyboardInput::instance().stop();
    if (!backend->keyboardInstalled() && !backend->installKeyboard(&WindowsHookInterface::keyboardHookProc)) {
        logInstallError("Set keyboard Hook error, error code=%ld", backend);
        if (ownKeyboards && !OwnKeyboardInput::instance().nodes().isEmpty()) {
            qDebug().noquote() << "Input hook: light interaction sees our keyboards' presses only";
            return 1;
        }
        uninstallHooks();
        return 0;
    }
    if (HookEventPolicy::needsMouseHook(mode) && !backend->mouseInstalled()
        && !backend->installMouse(&WindowsHookInterface::mouseHookProc)) {
        // Never leave the keyboard withheld while the caller is told that
        // the start failed.
        logInstallError("Set mouse Hook error, error code=%ld", backend);
        uninstallHooks();
        return 0;
    }
    const bool withhold = HookEventPolicy::withholdsKeys(mode);
    if (backend->keyboardGrabbed() != withhold && !backend->setKeyboardGrab(withhold)) {
        logInstallError("Set keyboard Hook error, error code=%ld", backend);
        uninstallHooks();
        return 0;
    }
    return 1;
}

int WindowsHookInterface::uninstallHooks()
{
    g_hookOwner = nullptr;
    OwnKeyboardInput::instance().stop();
    if (InputHookBackend *backend = activeBackend()) {
        backend->setKeyboardGrab(false);
        backend->uninstallKeyboard();
        backend->uninstallMouse();
    }
    return 1;
}

bool WindowsHookInterface::keyboardHookProc(const LowLevelKeyRecord &record)
{
    InputHookBackend *backend = activeBackend();
    WindowsHookInterface *hook = hookInterfaceMap.value(kHookKey);
    if (!backend || !backend->keyboardInstalled() || !hook)
        return false;
    if (!passesAsOnePress(PressDeduplicator::Source::Desktop, hook->mode, record.vkCode, record.flags))
        return false;
    const HookEventPolicy::KeyOutcome outcome =
        HookEventPolicy::decideKey(hook->mode, g_heldKeys, record.vkCode, record.flags);
    if (outcome.route != HookEventPolicy::Route::None)
        hook->dispatchKeyEvent(record.vkCode, record.scanCode, outcome.flag, record.flags);
    return outcome.swallow;
}

void WindowsHookInterface::ownKeyboardProc(int vkCode, int scanCode, int flags)
{
    WindowsHookInterface *hook = hookInterfaceMap.value(kHookKey);
    if (!hook || hook->mode != HookEventPolicy::LightInteractionMode || !OwnKeyboardInput::instance().isStarted())
        return;
    if (!passesAsOnePress(PressDeduplicator::Source::OwnKeyboard, hook->mode, vkCode, flags))
        return;
    const HookEventPolicy::KeyOutcome outcome = HookEventPolicy::decideKey(hook->mode, g_heldKeys, vkCode, flags);
    if (outcome.route != HookEventPolicy::Route::None)
        hook->dispatchKeyEvent(vkCode, scanCode, outcome.flag, flags);
}

void WindowsHookInterface::mouseHookProc(int message, const LowLevelMouseRecord &record)
{
    InputHookBackend *backend = activeBackend();
    WindowsHookInterface *hook = hookInterfaceMap.value(kHookKey);
    if (!backend || !backend->mouseInstalled() || !hook || !HookEventPolicy::reportsMouse(hook->mode, message))
        return;
    // The record's address is valid while the receivers run.
    hook->dispatchMouseEvent(0, WPARAM(message), reinterpret_cast<LPARAM>(&record));
}

void WindowsHookInterface::dispatchKeyEvent(int keyCode, int scCode, int flag, int hookFlag)
{
    if (mode == HookEventPolicy::MacroRecordMode)
        DDataManager::getInstance()->emitRecviveStreamExMacroKeyboard(keyCode, scCode, flag, hookFlag);
    else
        emit sigKeyboardRecviveStreamEX_Key(keyCode, scCode, flag, hookFlag);
}

void WindowsHookInterface::dispatchMouseEvent(int nCode, WPARAM wParam, LPARAM lParam)
{
    DDataManager::getInstance()->emitRecviveStreamExMacroMouse(nCode, wParam, lParam);
}
