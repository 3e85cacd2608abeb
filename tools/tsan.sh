#!/usr/bin/env bash
# Builds the layers with threads (the platform and the screen with its
# host) and their tests with ThreadSanitizer into build-tsan/ and runs them
# (scripted runs of the host through the headless front, in this process,
# among them template dialogs whose logic runs on the computing thread while
# the window thread shows them), the plot panels' tests (clicks and panel
# painting beside the computing thread) and the curve editor's runs with its
# modeless dialog on the window thread; any data race fails the run.
# UNITY as in build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_TSAN=ON \
  -DCMAKE_UNITY_BUILD="${UNITY:-OFF}" >/dev/null
cmake --build build-tsan --parallel "$(nproc)" --target test_platform test_screen test_plots
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tools/tsan.supp"
build-tsan/bin/test_platform --gtest_brief=1
build-tsan/bin/test_screen --gtest_brief=1
# Each group in a process of its own: the editor's golden screens name
# panels by number, which the panel tests before them would move on.
build-tsan/bin/test_plots --gtest_brief=1 --gtest_filter='plotpanel.*'
build-tsan/bin/test_plots --gtest_brief=1 --gtest_filter='editorrun.*'
