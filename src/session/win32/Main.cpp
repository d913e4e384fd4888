// The importer's entry point: one import session, then the process ends.
#include "session/win32/ImportApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    ImportApp app;
    app.InitInstance(commandLine);
    return 0;
}
