#pragma once

#include <functional>
#include <stop_token>

// The application's main thread, seen as a queue. Widgets and every
// completion handler run there.
namespace MainQueue {

// Queues fn to run on the main thread's event loop and returns at once.
// Returns false (and drops fn) when there is no application object.
bool async(std::function<void()> fn);

// Runs fn on the main thread and waits until it has returned. Runs fn inline
// when already on the main thread. Returns false without running fn when the
// main thread no longer takes work (no application object, or the application
// object is being destroyed), so a background thread never waits for a loop
// that is gone.
//
// A stop requested on `stop` while fn has not started yet abandons the call:
// sync returns false at once and fn never runs. Once fn has started, sync waits
// for it to return. This lets the main thread stop and join a background thread
// that may be waiting here, without both threads waiting for each other.
bool sync(std::function<void()> fn, std::stop_token stop = {});

// True on the thread that owns the application object.
bool isMainThread();

}  // namespace MainQueue
