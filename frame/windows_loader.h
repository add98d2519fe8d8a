// The four Windows loader functions through which a gauge binds the sound
// library. The shipped modules import them from kernel32; the native modules
// leave them to the process that loads them (the bench maps them onto dlopen).
#pragma once

#if defined(_WIN32)
#define LOADER_FUNCTION extern "C" __declspec(dllimport)
#define LOADER_CALL __stdcall
#else
#define LOADER_FUNCTION extern "C"
#define LOADER_CALL
#endif

using HMODULE = struct LoadedLibrary*;
using FARPROC = int(LOADER_CALL*)();

LOADER_FUNCTION HMODULE LOADER_CALL LoadLibraryA(const char* name);
LOADER_FUNCTION HMODULE LOADER_CALL GetModuleHandleA(const char* name);
LOADER_FUNCTION FARPROC LOADER_CALL GetProcAddress(HMODULE library, const char* name);
LOADER_FUNCTION int LOADER_CALL FreeLibrary(HMODULE library);
