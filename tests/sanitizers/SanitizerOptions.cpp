// The options of every sanitized program of the project, built into it: a test run by hand or a
// program started from a script reports exactly what the whole sanitized suite does. Variables
// such as ASAN_OPTIONS still override each option for one run.
#ifndef OSTRAMEDA_SUPPRESSIONS_DIR
#error "OSTRAMEDA_SUPPRESSIONS_DIR names the folder of the suppression files"
#endif

#define OSTRAMEDA_VISIBLE extern "C" __attribute__((visibility("default"), used))

OSTRAMEDA_VISIBLE const char* __asan_default_options()
{
    return "detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
           ":suppressions=" OSTRAMEDA_SUPPRESSIONS_DIR "/asan.supp";
}

OSTRAMEDA_VISIBLE const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1:suppressions=" OSTRAMEDA_SUPPRESSIONS_DIR "/ubsan.supp";
}

OSTRAMEDA_VISIBLE const char* __lsan_default_options()
{
    return "print_suppressions=0:suppressions=" OSTRAMEDA_SUPPRESSIONS_DIR "/lsan.supp";
}
