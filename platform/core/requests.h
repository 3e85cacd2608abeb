// Requests of the computing thread to the window thread (codes 3025 to
// 3050).  sendtomain runs the handler on the window thread and waits for
// its result, or calls it directly when already there; postmain queues it
// and returns.  Once the window is gone, requests complete as cancelled
// (result 0) and the handler no longer runs.
#pragma once

namespace platform {

using requesthandler = long (*)(int code, long a, long b);

// The window procedure that handles the codes (installed by the host).
void setrequesthandler(requesthandler fn);

// Any thread: runs fn(arg) on the window thread and returns its result
// (0 when cancelled).  Boxes and dialogs reach the window thread this way.
long callmain(long (*fn)(void*), void* arg);

// Window thread, inside a request that another thread waits for: runs
// fn(arg) on that waiting thread and returns its result, running the
// requests that fn makes meanwhile (a box it opens), as a call the other
// way would.  0 when the requests are closed.
long callwaiting(long (*fn)(void*), void* arg);

// Window thread: runs every queued request (fronts call it after wake()).
void runrequests();
// Any thread: true while requests are queued.
bool requestspending();
// Window thread: cancels pending and future requests (the window is gone);
// reopenrequests() accepts requests again (a new window).
void closerequests();
void reopenrequests();

}  // namespace platform

long sendtomain(int code, long a = 0, long b = 0);
void postmain(int code, long a = 0, long b = 0);
