// The resources the program carries: icon, tool bar glyphs, About header,
// manifest and version block. Checked in the built Scindora.exe and in this
// test exe, which links the same resource objects.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "TestWindows.h"

namespace Scindora {
namespace {

using namespace Scindora::Support;

// Layout of an RT_GROUP_ICON resource: a header, then one entry per image.
#pragma pack(push, 2)
struct TIconGroupHeader {
  WORD Reserved;
  WORD Type;  // 1: icon
  WORD Count;
};
struct TIconGroupEntry {
  BYTE Width;
  BYTE Height;
  BYTE ColorCount;
  BYTE Reserved;
  WORD Planes;
  WORD BitCount;
  DWORD BytesInRes;
  WORD Id;  // of the RT_ICON resource
};
#pragma pack(pop)

std::string OwnPath() {
  char Path[MAX_PATH];
  DWORD Length = GetModuleFileNameA(nullptr, Path, MAX_PATH);
  return std::string(Path, Length);
}

// Raw bytes of one resource; empty when it is missing.
std::string ResourceBytes(HMODULE Module, LPCSTR Name, LPCSTR Type) {
  HRSRC Info = FindResourceA(Module, Name, Type);
  if (!Info) return std::string();
  HGLOBAL Data = LoadResource(Module, Info);
  if (!Data) return std::string();
  return std::string(static_cast<const char*>(LockResource(Data)), SizeofResource(Module, Info));
}

BITMAPINFOHEADER BitmapHeader(const std::string& Bytes) {
  BITMAPINFOHEADER Header{};
  if (Bytes.size() >= sizeof Header) std::memcpy(&Header, Bytes.data(), sizeof Header);
  return Header;
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR Name, LONG_PTR Names) {
  std::string Text = "#";
  if (IS_INTRESOURCE(Name))
    Text += std::to_string(reinterpret_cast<UINT_PTR>(Name));
  else
    Text = Name;
  reinterpret_cast<std::vector<std::string>*>(Names)->push_back(Text);
  return TRUE;
}

// Attributes of the first element named Tag at or after From.
std::map<std::string, std::string> Attributes(const std::string& Xml, const std::string& Tag,
                                              size_t From = 0) {
  std::map<std::string, std::string> Result;
  size_t Begin = Xml.find("<" + Tag, From);
  if (Begin == std::string::npos) return Result;
  size_t End = Xml.find('>', Begin);
  size_t At = Begin + Tag.size() + 1;
  while (true) {
    size_t Equals = Xml.find("=\"", At);
    if (Equals == std::string::npos || Equals > End) break;
    size_t NameBegin = Xml.find_last_of(" \t\r\n", Equals) + 1;
    size_t ValueEnd = Xml.find('"', Equals + 2);
    Result[Xml.substr(NameBegin, Equals - NameBegin)] = Xml.substr(Equals + 2, ValueEnd - Equals - 2);
    At = ValueEnd + 1;
  }
  return Result;
}

size_t CountOf(const std::string& Text, const std::string& Part) {
  size_t Count = 0;
  for (size_t At = Text.find(Part); At != std::string::npos; At = Text.find(Part, At + 1)) ++Count;
  return Count;
}

enum TModuleKind { mkProgram, mkTestExe };

class ResourcesTest : public testing::TestWithParam<TModuleKind> {
protected:
  void SetUp() override {
    if (GetParam() == mkTestExe) {
      FPath = OwnPath();
      FModule = GetModuleHandleA(nullptr);
      return;
    }
    FPath = ProgramPath();
    ASSERT_FALSE(FPath.empty()) << "SCINDORA_BUILD_DIR is not set";
    FModule = LoadLibraryExA(FPath.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    FOwned = FModule != nullptr;
    ASSERT_NE(FModule, nullptr) << FPath << " cannot be loaded, error " << GetLastError();
  }
  void TearDown() override {
    if (FOwned) FreeLibrary(FModule);
  }

  std::string FPath;
  HMODULE FModule = nullptr;
  bool FOwned = false;
};

TEST_P(ResourcesTest, MainIconIsTheFirstIconGroup) {
  std::vector<std::string> Names;
  EnumResourceNamesA(FModule, RT_GROUP_ICON, CollectName, reinterpret_cast<LONG_PTR>(&Names));
  ASSERT_FALSE(Names.empty());
  EXPECT_EQ(Names.front(), "MAINICON");
}

TEST_P(ResourcesTest, MainIconIsOne32By32ImageIn16Colours) {
  std::string Group = ResourceBytes(FModule, "MAINICON", RT_GROUP_ICON);
  ASSERT_GE(Group.size(), sizeof(TIconGroupHeader) + sizeof(TIconGroupEntry));
  TIconGroupHeader Header;
  TIconGroupEntry Entry;
  std::memcpy(&Header, Group.data(), sizeof Header);
  std::memcpy(&Entry, Group.data() + sizeof Header, sizeof Entry);
  EXPECT_EQ(Header.Type, 1);
  EXPECT_EQ(Header.Count, 1);
  EXPECT_EQ(Entry.Width, 32);
  EXPECT_EQ(Entry.Height, 32);
  EXPECT_EQ(Entry.ColorCount, 16);
  EXPECT_EQ(Entry.BitCount, 4);

  // The image itself: a 4-bit bitmap (XOR over AND, hence twice the height).
  std::string Image = ResourceBytes(FModule, MAKEINTRESOURCEA(Entry.Id), RT_ICON);
  BITMAPINFOHEADER Bits = BitmapHeader(Image);
  EXPECT_EQ(Bits.biWidth, 32);
  EXPECT_EQ(Bits.biHeight, 64);
  EXPECT_EQ(Bits.biBitCount, 4);
  const size_t Palette = 16 * 4, XorBytes = 32 * 16, AndBytes = 32 * 4;
  ASSERT_EQ(Image.size(), Bits.biSize + Palette + XorBytes + AndBytes);
  // The AND mask makes the corners transparent and the drawing opaque.
  std::string Mask = Image.substr(Image.size() - AndBytes);
  EXPECT_EQ(static_cast<unsigned char>(Mask[0]) & 0x80, 0x80) << "bottom-left corner";
  EXPECT_NE(std::count(Mask.begin(), Mask.end(), '\0'), 0) << "no opaque run of eight pixels";

  HICON Icon = static_cast<HICON>(LoadImageA(FModule, "MAINICON", IMAGE_ICON, 32, 32, 0));
  ASSERT_NE(Icon, nullptr);
  ICONINFO Info{};
  ASSERT_TRUE(GetIconInfo(Icon, &Info));
  BITMAP Colour{};
  GetObjectA(Info.hbmColor, sizeof Colour, &Colour);
  EXPECT_EQ(Colour.bmWidth, 32);
  EXPECT_EQ(Colour.bmHeight, 32);
  DeleteObject(Info.hbmColor);
  DeleteObject(Info.hbmMask);
  DestroyIcon(Icon);
  EXPECT_NE(LoadIconA(FModule, "MAINICON"), nullptr);
}

// Each 16 x 16 glyph has its background in the mask colour and something drawn on it.
TEST_P(ResourcesTest, GlyphStripHoldsSixMaskedGlyphs) {
  std::string Bytes = ResourceBytes(FModule, "GLYPHS", RT_BITMAP);
  BITMAPINFOHEADER Header = BitmapHeader(Bytes);
  ASSERT_EQ(Header.biWidth, 96);
  ASSERT_EQ(Header.biHeight, 16);
  ASSERT_EQ(Header.biBitCount, 24);
  ASSERT_EQ(Header.biCompression, static_cast<DWORD>(BI_RGB));
  const size_t Stride = 96 * 3;
  ASSERT_EQ(Bytes.size(), Header.biSize + Stride * 16);
  const unsigned char* Pixels = reinterpret_cast<const unsigned char*>(Bytes.data()) + Header.biSize;
  for (int Glyph = 0; Glyph < 6; ++Glyph) {
    int Masked = 0;
    for (int Y = 0; Y < 16; ++Y)
      for (int X = Glyph * 16; X < Glyph * 16 + 16; ++X) {
        const unsigned char* P = Pixels + Y * Stride + X * 3;  // blue, green, red
        Masked += P[0] == 255 && P[1] == 0 && P[2] == 255;
      }
    EXPECT_GT(Masked, 0) << "glyph " << Glyph << " has no transparent pixel";
    EXPECT_LT(Masked, 16 * 16 - 32) << "glyph " << Glyph << " is nearly empty";
  }

  HBITMAP Strip = static_cast<HBITMAP>(LoadImageA(FModule, "GLYPHS", IMAGE_BITMAP, 0, 0, 0));
  ASSERT_NE(Strip, nullptr);
  BITMAP Info{};
  GetObjectA(Strip, sizeof Info, &Info);
  EXPECT_EQ(Info.bmWidth, 96);
  EXPECT_EQ(Info.bmHeight, 16);
  DeleteObject(Strip);
}

TEST_P(ResourcesTest, AboutHeaderIs298By81At24Bits) {
  BITMAPINFOHEADER Header = BitmapHeader(ResourceBytes(FModule, "ABOUTHEADER", RT_BITMAP));
  EXPECT_EQ(Header.biWidth, 298);
  EXPECT_EQ(Header.biHeight, 81);
  EXPECT_EQ(Header.biBitCount, 24);
  EXPECT_EQ(Header.biCompression, static_cast<DWORD>(BI_RGB));

  HBITMAP Picture = static_cast<HBITMAP>(
      LoadImageA(FModule, "ABOUTHEADER", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(Picture, nullptr);
  DIBSECTION Dib{};
  ASSERT_EQ(GetObjectA(Picture, sizeof Dib, &Dib), static_cast<int>(sizeof Dib));
  EXPECT_EQ(Dib.dsBm.bmWidth, 298);
  EXPECT_EQ(Dib.dsBm.bmHeight, 81);
  EXPECT_EQ(Dib.dsBm.bmBitsPixel, 24);
  DeleteObject(Picture);
}

TEST_P(ResourcesTest, ManifestDependsOnCommonControls6Only) {
  std::string Manifest = ResourceBytes(FModule, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_FALSE(Manifest.empty());
  EXPECT_EQ(CountOf(Manifest, "<dependency>"), 1u);
  EXPECT_EQ(CountOf(Manifest, "<dependentAssembly>"), 1u);
  size_t Dependency = Manifest.find("<dependentAssembly>");
  ASSERT_NE(Dependency, std::string::npos);
  std::map<std::string, std::string> Expected = {
      {"type", "win32"},
      {"name", "Microsoft.Windows.Common-Controls"},
      {"version", "6.0.0.0"},
      {"processorArchitecture", "*"},
      {"publicKeyToken", "6595b64144ccf1df"},
      {"language", "*"},
  };
  EXPECT_EQ(Attributes(Manifest, "assemblyIdentity", Dependency), Expected);
  // Our own identity comes first, outside the dependency.
  std::map<std::string, std::string> Own = Attributes(Manifest, "assemblyIdentity");
  EXPECT_EQ(Own["name"], "Scindora.Scindora");
  EXPECT_LT(Manifest.find("<assemblyIdentity"), Dependency);
}

TEST_P(ResourcesTest, VersionBlockNamesScindora10InFrench) {
  DWORD Ignored = 0;
  DWORD Size = GetFileVersionInfoSizeA(FPath.c_str(), &Ignored);
  ASSERT_NE(Size, 0u) << FPath;
  std::vector<char> Block(Size);
  ASSERT_TRUE(GetFileVersionInfoA(FPath.c_str(), 0, Size, Block.data()));

  void* Value = nullptr;
  UINT Length = 0;
  ASSERT_TRUE(VerQueryValueA(Block.data(), "\\VarFileInfo\\Translation", &Value, &Length));
  ASSERT_EQ(Length, 4u);
  const WORD* Translation = static_cast<const WORD*>(Value);
  EXPECT_EQ(Translation[0], 0x040C);
  EXPECT_EQ(Translation[1], 1252);

  auto Text = [&](const char* Name) {
    std::string Query = std::string("\\StringFileInfo\\040C04E4\\") + Name;
    void* Found = nullptr;
    UINT Count = 0;
    if (!VerQueryValueA(Block.data(), Query.c_str(), &Found, &Count) || !Found) return std::string("<none>");
    return std::string(static_cast<const char*>(Found));
  };
  EXPECT_EQ(Text("ProductName"), "Scindora");
  EXPECT_EQ(Text("ProductVersion"), "1.0");
  EXPECT_EQ(Text("FileVersion"), "1.0.0.0");
  EXPECT_NE(Text("FileDescription"), "<none>");

  ASSERT_TRUE(VerQueryValueA(Block.data(), "\\", &Value, &Length));
  const VS_FIXEDFILEINFO* Fixed = static_cast<const VS_FIXEDFILEINFO*>(Value);
  EXPECT_EQ(Fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(Fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(Fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(Fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

INSTANTIATE_TEST_SUITE_P(Modules, ResourcesTest, testing::Values(mkProgram, mkTestExe),
                         [](const testing::TestParamInfo<TModuleKind>& Info) {
                           return Info.param == mkProgram ? std::string("Program") : std::string("TestExe");
                         });

// The manifest is in force in this process: the common controls come from the
// side-by-side store, version 6, not from the system folder. (Wine's
// DllGetVersion answers 5.81 for both, so the file is what tells.)
TEST(ResourcesManifest, ProcessGetsCommonControls6) {
  HMODULE Controls = LoadLibraryA("comctl32.dll");
  ASSERT_NE(Controls, nullptr);
  char Path[MAX_PATH];
  std::string File(Path, GetModuleFileNameA(Controls, Path, MAX_PATH));
  FreeLibrary(Controls);
  std::transform(File.begin(), File.end(), File.begin(),
                 [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
  EXPECT_NE(File.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::string::npos)
      << File;
}

}  // namespace
}  // namespace Scindora
