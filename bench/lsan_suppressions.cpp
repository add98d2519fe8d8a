// Fontconfig, under pango, keeps its font caches until the process ends and
// never frees them; the leak checker of sanitized builds would report them in
// every program that draws text. Everything else is still checked.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
