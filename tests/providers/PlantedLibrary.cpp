// A library planted where the importer must never look for one (the current folder, a chosen
// file's folder). Once loaded it leaves a file beside itself, its own name with ".loaded"
// appended, so a test can tell.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    char marker[MAX_PATH + 8] = {};
    const DWORD length = ::GetModuleFileNameA(instance, marker, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return TRUE;
    ::lstrcatA(marker, ".loaded");
    HANDLE file = ::CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
    return TRUE;
}
