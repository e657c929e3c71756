// Defaults that the sanitizer runtimes read at start-up, linked into every
// instrumented program so that a run from CTest, a shell or a debugger behaves
// the same. Leak checking is stated outright (the default on x86-64 Linux) so
// that no environment can quietly turn it off; UBSan reports carry a stack and
// end the program.
extern "C" {

const char *__asan_default_options() {
  return "detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return="
         "1:"
         "check_initialization_order=1";
}

const char *__ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

}  // extern "C"
