// The registration tool's stand-in for packages without the platform's redistributables:
// "REGSVR32.exe [/s] [/u] file" calls the file's DllRegisterServer (or DllUnregisterServer)
// and exits 0 on success. The setup starts the tool by name, and a program's own folder is
// searched first, so the package's copy is the one that runs.

#include <windows.h>

#include <string>

namespace {

using ServerEntry = HRESULT(__stdcall*)();

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    std::string rest = commandLine ? commandLine : "";
    bool unregister = false;
    for (;;) {
        rest.erase(0, rest.find_first_not_of(' '));
        if (rest.size() < 2 || rest[0] != '/') break;
        if (rest[1] == 'u' || rest[1] == 'U') unregister = true;
        rest.erase(0, rest.find(' ') == std::string::npos ? rest.size() : rest.find(' '));
    }
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
        rest = rest.substr(1, rest.size() - 2);
    if (rest.empty()) return 1;
    HMODULE server = LoadLibraryA(rest.c_str());
    if (!server) return 3;
    const auto entry = reinterpret_cast<ServerEntry>(reinterpret_cast<void*>(
        GetProcAddress(server, unregister ? "DllUnregisterServer" : "DllRegisterServer")));
    const HRESULT result = entry ? entry() : E_NOTIMPL;
    FreeLibrary(server);
    return SUCCEEDED(result) ? 0 : 4;
}
