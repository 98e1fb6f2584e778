#include <windows.h>

// Placeholder until the main window lands.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MessageBoxA(nullptr, "Scindora 1.0", "Scindora 1.0", MB_OK);
  return 0;
}
