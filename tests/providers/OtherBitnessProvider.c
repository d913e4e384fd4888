/* An address-book library built for the other bitness. The importer cannot load it, so none of
   this ever runs; it only has to be a real library of the wrong kind. */
#include <windows.h>

__declspec(dllexport) HRESULT WINAPI
    WABOpen(void* addressBook, void* wabObject, void* parameters, DWORD reserved) {
    (void)addressBook;
    (void)wabObject;
    (void)parameters;
    (void)reserved;
    return E_FAIL;
}
