// Runs a piece of dialogue code on the computing thread of a headless host
// fed with a key script.
#pragma once

#include <functional>
#include <string>

#include "tests/screen/hostrun.h"

hostrun rundialogue(const std::string& script, std::function<void()> body);
// The text dump NAME.txt of a run.
std::string dumptext(const hostrun& run, const std::string& name);
// Whether the text dump NAME.txt holds part.
bool shows(const hostrun& run, const std::string& name, const std::string& part);
