// The importer's entry point: one import session, then the process ends.
#include "platform/TrustedLibraries.h"
#include "session/win32/ImportApp.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    // Before anything is loaded by name: never from the current folder.
    platform::RestrictLibrarySearch();
    // The manifest asks for the version 6 controls, which are registered here.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    ImportApp app;
    app.InitInstance(commandLine);
    return 0;
}
