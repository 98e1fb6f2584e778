// Small helpers the window tests share: reading windows, finding the built program.
#pragma once

#include <windows.h>

#include <string>

namespace Scindora::Support {

// Cross-thread helpers that give up after two seconds instead of blocking.
LRESULT SendTimeout(HWND Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
std::string WindowText(HWND Wnd);
std::string WindowClass(HWND Wnd);

// Form data written in the tests as UTF-8 literals.
inline std::string Utf8(const char8_t* S) { return reinterpret_cast<const char*>(S); }

// The built Scindora.exe as Wine sees it (empty when the build folder is unknown).
std::string ProgramPath();

}  // namespace Scindora::Support
