# Sourced by the end-to-end scripts. In a sanitizer build the real programs keep leak detection on; leaks
# inside the system's display, font and GL libraries are not ours and are listed in lsan.supp.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp:print_suppressions=0"
