#include "TestWindows.h"

#include <algorithm>
#include <cstdlib>

namespace Scindora::Support {

LRESULT SendTimeout(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  DWORD_PTR Result = 0;
  if (!SendMessageTimeoutA(Wnd, Msg, WParam, LParam, SMTO_NORMAL, 2000, &Result)) return 0;
  return static_cast<LRESULT>(Result);
}

std::string WindowText(HWND Wnd) {
  char Buffer[1024] = "";
  SendTimeout(Wnd, WM_GETTEXT, sizeof(Buffer), reinterpret_cast<LPARAM>(Buffer));
  return Buffer;
}

std::string WindowClass(HWND Wnd) {
  char Buffer[256] = "";
  GetClassNameA(Wnd, Buffer, sizeof(Buffer));
  return Buffer;
}

std::string ProgramPath() {
  const char* BuildDir = std::getenv("SCINDORA_BUILD_DIR");
  if (!BuildDir) return std::string();
  std::string Path = std::string(BuildDir) + "/app/Scindora.exe";
  // CTest hands over a Linux path; Wine shows the Linux root as drive Z:.
  if (Path[0] == '/') Path = "Z:" + Path;
  std::replace(Path.begin(), Path.end(), '/', '\\');
  return Path;
}

}  // namespace Scindora::Support
