# Sourced by the end-to-end scripts. In a sanitizer build the real programs keep leak detection on:
# a leak in our own code fails the run; leaks inside system libraries (the session bus, fontconfig,
# OpenGL drivers) are listed in lsan.supp.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp:print_suppressions=0"
