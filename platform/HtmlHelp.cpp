#include "HtmlHelp.h"

#include <vector>

namespace Scindora {

namespace {

using THtmlHelpA = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
using THtmlHelpW = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// The loaded control: owned from LoadHtmlHelp to UnloadHtmlHelp.
struct THelpControl {
  HMODULE Module = nullptr;
  THtmlHelpA EntryA = nullptr;
  THtmlHelpW EntryW = nullptr;
  std::string File;
};

THelpControl& Control() {
  static THelpControl C;
  return C;
}

class TRegKey {
public:
  TRegKey(HKEY Root, const std::string& SubKey) {
    if (RegOpenKeyExA(Root, SubKey.c_str(), 0, KEY_QUERY_VALUE, &FKey) != ERROR_SUCCESS) FKey = nullptr;
  }
  ~TRegKey() {
    if (FKey) RegCloseKey(FKey);
  }
  TRegKey(const TRegKey&) = delete;
  TRegKey& operator=(const TRegKey&) = delete;
  HKEY Get() const { return FKey; }

private:
  HKEY FKey = nullptr;
};

// A cast through void* keeps the compiler quiet about function pointer types.
template <class T>
T Entry(HMODULE Module, const char* Name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
}

}  // namespace

std::string RegistryDefaultPath(HKEY Root, const std::string& SubKey) {
  TRegKey Key(Root, SubKey);
  if (!Key.Get()) return {};
  DWORD Type = 0;
  DWORD Size = 0;
  if (RegQueryValueExA(Key.Get(), nullptr, nullptr, &Type, nullptr, &Size) != ERROR_SUCCESS) return {};
  if (Type != REG_SZ && Type != REG_EXPAND_SZ) return {};
  // The stored string need not end in a NUL: leave room for one.
  std::vector<char> Value(Size + 1, '\0');
  if (RegQueryValueExA(Key.Get(), nullptr, nullptr, &Type, reinterpret_cast<BYTE*>(Value.data()), &Size) !=
      ERROR_SUCCESS)
    return {};
  std::string Text(Value.data());
  if (Type != REG_EXPAND_SZ) return Text;
  const DWORD Needed = ExpandEnvironmentStringsA(Text.c_str(), nullptr, 0);
  if (Needed == 0) return Text;
  std::vector<char> Expanded(Needed + 1, '\0');
  if (ExpandEnvironmentStringsA(Text.c_str(), Expanded.data(), Needed + 1) == 0) return Text;
  return Expanded.data();
}

bool LoadHtmlHelp(const std::string& ControlFile) {
  UnloadHtmlHelp();
  THelpControl& C = Control();
  C.File = ControlFile;
  if (ControlFile.empty() || GetFileAttributesA(ControlFile.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  // No system error box if the file cannot be loaded: help is simply absent then.
  DWORD OldMode = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &OldMode);
  C.Module = LoadLibraryA(ControlFile.c_str());
  SetThreadErrorMode(OldMode, nullptr);
  if (!C.Module) return false;
  C.EntryA = Entry<THtmlHelpA>(C.Module, "HtmlHelpA");
  C.EntryW = Entry<THtmlHelpW>(C.Module, "HtmlHelpW");
  if (!C.EntryA) {
    FreeLibrary(C.Module);
    C.Module = nullptr;
    C.EntryW = nullptr;
    return false;
  }
  return true;
}

void LoadHtmlHelp() { LoadHtmlHelp(RegistryDefaultPath(HKEY_CLASSES_ROOT, HtmlHelpControlKey)); }

void UnloadHtmlHelp() {
  THelpControl& C = Control();
  if (C.Module) {
    // The viewer's windows run the control's code: they must go before the code does.
    if (C.EntryA) C.EntryA(nullptr, nullptr, HH_CLOSE_ALL, 0);
    FreeLibrary(C.Module);
  }
  C.Module = nullptr;
  C.EntryA = nullptr;
  C.EntryW = nullptr;
}

bool HtmlHelpAvailable() { return Control().EntryA != nullptr; }

const std::string& HtmlHelpControlFile() { return Control().File; }

HWND HtmlHelp(HWND Caller, const char* File, UINT Command, DWORD_PTR Data) {
  THtmlHelpA EntryA = Control().EntryA;
  return EntryA ? EntryA(Caller, File, Command, Data) : nullptr;
}

HWND HtmlHelpW(HWND Caller, const wchar_t* File, UINT Command, DWORD_PTR Data) {
  THtmlHelpW EntryW = Control().EntryW;
  return EntryW ? EntryW(Caller, File, Command, Data) : nullptr;
}

}  // namespace Scindora
