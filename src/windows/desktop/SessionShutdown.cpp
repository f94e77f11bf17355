// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Qt's X platform opens its session manager connection with libSM's
// SmcOpenConnection. The program defines that function itself (the linker
// exports it, so Qt's call comes here) and hands on to libSM's own, having
// put itself in front of the two callbacks that carry what Qt keeps to
// itself: the save request's shutdown flag and the shutdown's cancel.

#include "desktop/SessionShutdown.h"

#include <QCoreApplication>
#include <QMetaObject>

#if __has_include(<X11/SM/SMlib.h>)
#include <X11/SM/SMlib.h>
#include <dlfcn.h>

namespace {

SmcCallbacks qtCallbacks{};
bool known = false; // the callbacks pass through here
bool shutdownAsked = false;
std::function<void()> cancelledCall;

void saveYourself(SmcConn c, SmPointer data, int saveType, Bool shutdown, int interactStyle, Bool fast)
{
    shutdownAsked = shutdown != False;
    qtCallbacks.save_yourself.callback(c, data, saveType, shutdown, interactStyle, fast);
}

void shutdownCancelled(SmcConn c, SmPointer data)
{
    shutdownAsked = false;
    qtCallbacks.shutdown_cancelled.callback(c, data);
    // Not from inside libSM's message handling: a message box may follow.
    if (cancelledCall && QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), cancelledCall, Qt::QueuedConnection);
}

using Open = SmcConn (*)(char*, SmPointer, int, int, unsigned long, SmcCallbacks*, const char*, char**, int, char*);

Open libSmOpen()
{
    // Qt's platform plugin has loaded libSM by now; its own function is
    // found there, never this one again.
    if (void* sm = ::dlopen("libSM.so.6", RTLD_NOW | RTLD_NOLOAD))
        return reinterpret_cast<Open>(::dlsym(sm, "SmcOpenConnection"));
    return nullptr;
}

} // namespace

extern "C" SmcConn SmcOpenConnection(char* networkIds, SmPointer context, int major, int minor, unsigned long mask,
                                     SmcCallbacks* callbacks, const char* previousId, char** clientId, int errorLength,
                                     char* error)
{
    static const Open open = libSmOpen();
    if (!open) {
        if (error && errorLength > 0) error[0] = '\0';
        return nullptr;
    }
    constexpr unsigned long Ours = SmcSaveYourselfProcMask | SmcShutdownCancelledProcMask;
    if (!callbacks || (mask & Ours) != Ours || !callbacks->save_yourself.callback ||
        !callbacks->shutdown_cancelled.callback)
        return open(networkIds, context, major, minor, mask, callbacks, previousId, clientId, errorLength, error);
    qtCallbacks = *callbacks;
    SmcCallbacks mine = *callbacks;
    mine.save_yourself.callback = saveYourself;
    mine.shutdown_cancelled.callback = shutdownCancelled;
    const SmcConn c = open(networkIds, context, major, minor, mask, &mine, previousId, clientId, errorLength, error);
    known = c != nullptr;
    return c;
}

#else
namespace {
// Built without the X session headers: every save counts as a shutdown's.
constexpr bool known = false;
constexpr bool shutdownAsked = true;
std::function<void()> cancelledCall;
} // namespace
#endif

namespace sessionshutdown {

bool checkpoint()
{
    return known && !shutdownAsked;
}

void onShutdownCancelled(std::function<void()> cancelled)
{
    cancelledCall = std::move(cancelled);
}

} // namespace sessionshutdown
