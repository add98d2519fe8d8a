// The shipped module's entry point: attaching to or detaching from the process
// does nothing of the gauge's own. No C runtime start-up code is linked.
#include <cstdint>

extern "C" int __stdcall gauge_dll_entry(void*, uint32_t, void*) {
  return 1;
}
