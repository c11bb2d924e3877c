#!/bin/sh
# Stands in for the click tool in tests: records the arguments it was started with, each
# followed by a NUL byte, in "arguments" beside itself. The rename lets a test that polls
# for the file see it whole.
here=$(dirname "$0")
printf '%s\0' "$@" > "$here/arguments.part" && mv "$here/arguments.part" "$here/arguments"
