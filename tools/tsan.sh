#!/usr/bin/env bash
# Builds the platform and host tests with ThreadSanitizer into build-tsan/
# and runs their in-process tests (scripted runs of the host through the
# headless front); any data race fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_TSAN=ON >/dev/null
cmake --build build-tsan --parallel "$(nproc)" --target test_platform test_ui
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tools/tsan.supp"
build-tsan/bin/test_platform --gtest_brief=1
# The tests of the vemo program itself run in the ordinary build.
build-tsan/bin/test_ui --gtest_brief=1 --gtest_filter='-vemo.*'
