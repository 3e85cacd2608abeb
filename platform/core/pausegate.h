// In place of suspending the computing thread: the window thread closes
// the gate and the computing thread parks at its next checkpoint (the key
// reader, drawing calls, sleeps, status output, the evaluator every few
// tokens).  pausethread and resumethread never block.
#pragma once

namespace platform {

// Any thread but the computing one; not nested (a flag, like the
// suspended flag it replaces).
void pausethread();
void resumethread();
bool paused();

// Computing thread: parks while paused or held.  Cheap while the gate is
// open; does nothing on the window thread or while the caller holds the
// surface's lock.
void checkpoint();

// A hold parks the computing thread at the next checkpoint that it reaches
// while the condition is true (the scripted front uses it to type keys
// during a computation); release() lets it go on.
void holdwhen(bool (*condition)());
void release();
// True while the computing thread is parked (paused or held).
bool parked();
// Called, outside the gate's lock, each time the computing thread parks.
void setparkhook(void (*fn)());

}  // namespace platform
