# Sourced by the end-to-end scripts. In a sanitizer build the real programs keep leak detection on:
# a leak in our own code fails the run; leaks inside system libraries (the session bus, the
# configuration fontconfig keeps, OpenGL drivers) are listed in lsan.supp. Allocation stacks are
# unwound whole so that a suppression can name the library function a leak came through.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp:print_suppressions=0:fast_unwind_on_malloc=0"
