// The single-instance rule: with ExecCheck on, a second start brings the running copy forward
// and ends instead of signing in twice on the same PC.
#pragma once

// True when a copy is already running and execCheck forbids a second one: that copy's main
// window has been brought to the top and restored if it was minimised.
bool HandOverToRunningCopy(int execCheck);
