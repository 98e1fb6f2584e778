#include <gtest/gtest.h>

#include "SysUtils.h"
#include "TestFiles.h"

using namespace Scindora;

namespace {

struct TIntCase {
  const char* Text;
  bool Accepted;
  int32_t Value;
};

const TIntCase IntCases[] = {
    {"0", true, 0},
    {"000", true, 0},
    {"1", true, 1},
    {"+5", true, 5},
    {"-0", true, 0},
    {"1457664", true, 1457664},
    {"2147483647", true, 2147483647},
    {"-2147483648", true, -2147483647 - 1},
    {"00000000002147483647", true, 2147483647},
    {"2147483648", false, 0},
    {"-2147483649", false, 0},
    {"99999999999999999999", false, 0},
    {"", false, 0},
    {"+", false, 0},
    {"-", false, 0},
    {" 1", false, 0},
    {"1 ", false, 0},
    {"$10", false, 0},
    {"0x10", false, 0},
    {"x10", false, 0},
    {"12a", false, 0},
    {"1.5", false, 0},
    {"+-1", false, 0},
    {"1,0", false, 0},
};

TEST(StrToInt, AcceptsSignAndDecimalDigitsOnly) {
  for (const TIntCase& Case : IntCases) {
    SCOPED_TRACE(std::string("text '") + Case.Text + "'");
    if (Case.Accepted) {
      EXPECT_EQ(StrToInt(Case.Text), Case.Value);
    } else {
      EXPECT_THROW(StrToInt(Case.Text), EConvertError);
    }
  }
}

TEST(StrToInt, RefusalNamesTheText) {
  try {
    StrToInt("abc");
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "'abc' n'est pas une valeur entière correcte");
  }
}

TEST(IntToHex, EightUpperCaseDigits) {
  const std::pair<int64_t, const char*> Cases[] = {
      {0, "00000000"},          {9, "00000009"},          {10, "0000000A"},
      {255, "000000FF"},        {4096, "00001000"},       {299, "0000012B"},
      {2147483646, "7FFFFFFE"}, {0xFFFFFFFFLL, "FFFFFFFF"}, {0x123456789LL, "123456789"},
  };
  for (const auto& [Value, Text] : Cases) EXPECT_EQ(IntToHex(Value, 8), Text) << Value;
}

TEST(IntToStr, Decimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-12), "-12");
  EXPECT_EQ(IntToStr(5000000000LL), "5000000000");
}

TEST(PathParts, SplitAtLastBackslashOrColon) {
  const struct {
    const char *Path, *Name, *Folder;
  } Cases[] = {
      {"C:\\Films\\Vidéo été.avi", "Vidéo été.avi", "C:\\Films\\"},
      {"C:file.txt", "file.txt", "C:"},
      {"file.txt", "file.txt", ""},
      {"C:\\", "", "C:\\"},
      {"\\\\server\\share\\a b.zip", "a b.zip", "\\\\server\\share\\"},
      {"", "", ""},
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(ExtractFileName(Case.Path), Case.Name) << Case.Path;
    EXPECT_EQ(ExtractFilePath(Case.Path), Case.Folder) << Case.Path;
  }
}

TEST(ForceDirectories, CreatesEveryMissingParent) {
  Support::TTempFolder Temp;
  const std::string Deep = Temp / "a\\b\\c";
  EXPECT_TRUE(ForceDirectories(Deep));
  EXPECT_TRUE(Support::FolderExists(Deep));
  EXPECT_TRUE(ForceDirectories(Deep)) << "an existing folder";
  EXPECT_TRUE(ForceDirectories(Temp / "d\\e\\")) << "a trailing backslash";
  EXPECT_TRUE(Support::FolderExists(Temp / "d\\e"));
}

TEST(ForceDirectories, EmptyTextRaises) {
  try {
    ForceDirectories("");
    FAIL() << "no exception";
  } catch (const EInOutError& E) {
    EXPECT_EQ(E.Message(), "Impossible de créer le répertoire");
  }
}

TEST(ForceDirectories, ShortTextIsLeftAlone) {
  EXPECT_TRUE(ForceDirectories("C:"));
  EXPECT_TRUE(ForceDirectories("C:\\"));
  EXPECT_TRUE(ForceDirectories("\\"));
}

TEST(ForceDirectories, FalseWhenAFileStandsInTheWay) {
  Support::TTempFolder Temp;
  Support::WriteFileBytes(Temp / "file", "x");
  EXPECT_FALSE(ForceDirectories(Temp / "file\\sub"));
  EXPECT_FALSE(Support::FolderExists(Temp / "file\\sub"));
}

}  // namespace
