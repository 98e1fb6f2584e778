// HTML Help: the system's help control, located through its registry entry at start-up and
// loaded for the life of the program.
// https://learn.microsoft.com/windows/win32/htmlhelp/about-the-html-help-api-function
#pragma once

#include <windows.h>

#include <string>

namespace Scindora {

// Commands of the help control that we use (the control's own numbering).
constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
constexpr UINT HH_CLOSE_ALL = 0x0012;

// Where the help control is registered, under the classes root.
inline constexpr const char* HtmlHelpControlKey = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";

// Called by the program's entry before anything else: reads the control's file from the
// registry and loads it. A missing key, file or entry point leaves help absent, silently.
void LoadHtmlHelp();
// The same from a given file; true when the ANSI entry point was found.
bool LoadHtmlHelp(const std::string& ControlFile);
// Called at exit, after the windows are gone: closes the viewer's windows, then frees the control.
void UnloadHtmlHelp();

bool HtmlHelpAvailable();
// The control file last loaded or tried (from the registry at start-up), for diagnostics.
const std::string& HtmlHelpControlFile();

// The control's entry points "HtmlHelpA" and "HtmlHelpW". They return the viewer's window, or
// nullptr when the control is absent or the command opened none.
HWND HtmlHelp(HWND Caller, const char* File, UINT Command, DWORD_PTR Data);
HWND HtmlHelpW(HWND Caller, const wchar_t* File, UINT Command, DWORD_PTR Data);

// The default value of Root\SubKey as a path: REG_EXPAND_SZ expanded; empty when the key is
// missing or the value is not a string.
std::string RegistryDefaultPath(HKEY Root, const std::string& SubKey);

}  // namespace Scindora
