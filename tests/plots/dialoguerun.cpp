// The headless dialogue runner and golden screen comparison of the
// interface tests, shared with this test program.
#include "tests/ui/editrun.cpp"
#include "tests/ui/goldenfiles.cpp"
#include "tests/ui/hostrun.cpp"
