// Registered message names, message windows with their threads' queues, and bridge windows.
//
// A window belongs to the thread that created it; posts to it land in that thread's queue and
// are taken by GetWindowMessage on that thread. A bridge window has no queue: a post to it calls
// its callback at once on the posting thread (a GUI turns that into an event of its own loop).
// Handles are plain numbers that are never reused, so a post to a window that is gone fails.
#pragma once

#include <cstdint>

#include "platform/export.h"

namespace platform {

using WindowHandle = std::uintptr_t;  // 0 is no window

struct WindowMessage {
    WindowHandle window;  // 0 for the quit message
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

using WindowProc = std::intptr_t (*)(WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam);
using BridgeCallback = void (*)(void* context, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam);

// Fixed message numbers of the platform; registered names start at kFirstRegisteredMessage.
constexpr std::uint32_t kMsgDestroy = 0x0002;
constexpr std::uint32_t kMsgQuit = 0x0012;
constexpr std::uint32_t kMsgWaveOpened = 0x03BB;
constexpr std::uint32_t kMsgWaveClosed = 0x03BC;
constexpr std::uint32_t kMsgWaveDone = 0x03BD;  // lParam: the BlockHeader* that has played
constexpr std::uint32_t kFirstRegisteredMessage = 0xC000;

// The same name gives the same number in the whole process, from 0xC000 on; 0 for an empty name.
PLATFORM_API std::uint32_t RegisterMessageName(const char* name);

// Creates a window of the calling thread with its window procedure.
PLATFORM_API WindowHandle CreateMessageWindow(WindowProc proc);
// Creates a window whose posts call callback(context, ...) on the posting thread.
PLATFORM_API WindowHandle CreateBridgeWindow(BridgeCallback callback, void* context);

// Queues a message for the window from any thread; false when the window does not exist.
PLATFORM_API bool PostWindowMessage(WindowHandle window, std::uint32_t message,
                                    std::uintptr_t wParam, std::intptr_t lParam);
// Waits for the next message of the calling thread's queue: 1 a message, 0 the quit message.
PLATFORM_API int GetWindowMessage(WindowMessage* out);
// As GetWindowMessage, but gives up after timeoutMs milliseconds with -1.
PLATFORM_API int WaitWindowMessage(WindowMessage* out, std::uint32_t timeoutMs);
// Calls the window procedure of msg.window on the calling thread; 0 when the window is gone.
PLATFORM_API std::intptr_t DispatchWindowMessage(const WindowMessage& msg);
// Puts the quit message with exitCode (in wParam) into the calling thread's queue.
PLATFORM_API void PostQuitWindowMessage(int exitCode);
// Removes the window; its procedure receives kMsgDestroy first, on the calling thread.
PLATFORM_API bool DestroyMessageWindow(WindowHandle window);

}  // namespace platform
