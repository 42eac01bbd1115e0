// The software drivers' display thread: its start-up handshake and its end.
#include <process.h>

#include "gfx/win32/win32_window.h"

// Creates the window lock, starts the driver's thread procedure with a start-up event and waits
// until the thread signals that its window exists (0) or ends without signalling (-1). The thread
// then runs at above-normal priority. The thread handle is kept for win32_stop_display_thread,
// also when the thread has already ended.
int win32_start_display_thread() {
    win32_layer.thread_handle = nullptr;
    if (!win32_window.thread_proc) {
        return -1;
    }
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (!event) {
        return -1;
    }
    InitializeCriticalSection(&win32_layer.window_lock);
    win32_layer.has_window_lock = 1;
    uintptr_t thread = _beginthreadex(nullptr, 0, win32_window.thread_proc, event, 0, nullptr);
    if (!thread) {
        win32_layer.has_window_lock = 0;
        DeleteCriticalSection(&win32_layer.window_lock);
        CloseHandle(event);
        return -1;
    }
    HANDLE handles[2] = {event, reinterpret_cast<HANDLE>(thread)};
    DWORD woken = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    CloseHandle(event);
    win32_layer.thread_handle = handles[1];
    if (woken != WAIT_OBJECT_0) {
        return -1;
    }
    SetThreadPriority(handles[1], THREAD_PRIORITY_ABOVE_NORMAL);
    return 0;
}

// Waits for the display thread to end (it polls is_running, which the caller has cleared), then
// releases its handle and the window lock. Does nothing without a display thread.
void win32_stop_display_thread() {
    if (!win32_layer.thread_handle) {
        return;
    }
    WaitForSingleObject(win32_layer.thread_handle, INFINITE);
    CloseHandle(win32_layer.thread_handle);
    win32_layer.thread_handle = nullptr;
    win32_layer.has_window_lock = 0;
    DeleteCriticalSection(&win32_layer.window_lock);
}
