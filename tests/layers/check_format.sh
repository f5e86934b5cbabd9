#!/usr/bin/env bash
# Fails naming every source of ours that clang-format would change (.clang-format at the root).
set -euo pipefail
cd "$1"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
