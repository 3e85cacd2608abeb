// Runs dialogue code on the headless front with the local context opened
// on a fresh, empty work directory; the context is freed at the end.
#pragma once

#include "tests/screen/editrun.h"

hostrun incontext(const std::string& keys, std::function<void()> body);
