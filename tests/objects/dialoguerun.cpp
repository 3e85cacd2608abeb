// The headless dialogue runner of the interface tests, shared with this
// test program.
#include "tests/ui/editrun.cpp"
#include "tests/ui/hostrun.cpp"
