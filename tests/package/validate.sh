#!/usr/bin/env bash
# Runs a validator on a file of the desktop integration: fails on its errors and on its warnings, which
# desktop-file-validate prints with exit status 0. Exit status 77 means skipped.
# Usage: validate.sh TOOL ARGUMENTS...
set -uo pipefail
tool=$1
if ! command -v "$tool" >/dev/null; then
  echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
  exit 77
fi
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ "$status" -ne 0 ]; then
  echo "FAIL: $tool ended with status $status"
  exit 1
fi
if grep -Eq '(^|: )(error|warning): |^[EW]: ' <<<"$output"; then
  echo "FAIL: $tool found problems"
  exit 1
fi
