#include "TextFiles.h"

#include <windows.h>

#include <algorithm>

namespace Scindora {

std::string InOutErrorMessage(int Code) {
  switch (Code) {
    case 2: return "Fichier introuvable";
    case 3: return "Nom de fichier incorrect";
    case 4: return "Trop de fichiers ouverts";
    case 5: return "Accès au fichier refusé";
    case 100: return "Lecture au-delà de la fin de fichier";
    case 101: return "Disque plein";
    case 106: return "Saisie numérique incorrecte";
    default: return "Erreur E/S " + IntToStr(Code);
  }
}

void TTextFile::RaiseInOutError(int Code) { throw EInOutError(InOutErrorMessage(Code), Code); }

TTextFile::~TTextFile() {
  if (IsOpen()) CloseHandle(FHandle);
}

bool TTextFile::IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }

void TTextFile::AssignFile(const std::string& FileName) { FFileName = FileName; }

void TTextFile::Rewrite() {
  if (IsOpen()) {
    CloseHandle(FHandle);
    FHandle = INVALID_HANDLE_VALUE;
  }
  FBufPos = 0;
  FHandle = CreateFileA(FFileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  if (!IsOpen()) RaiseInOutError(static_cast<int>(GetLastError()));
}

void TTextFile::Flush() {
  const char* P = FBuffer;
  while (FBufPos > 0) {
    DWORD Done = 0;
    if (!WriteFile(FHandle, P, static_cast<DWORD>(FBufPos), &Done, nullptr)) {
      const DWORD Code = GetLastError();
      FBufPos = 0;
      RaiseInOutError(static_cast<int>(Code));
    }
    if (Done == 0) {  // nothing taken and no reason given: the disk is full
      FBufPos = 0;
      RaiseInOutError(ERROR_DISK_FULL);
    }
    P += Done;
    FBufPos -= static_cast<int>(Done);
  }
}

void TTextFile::Write(const std::string& Text) {
  if (!IsOpen()) RaiseInOutError(103);  // file not open
  for (size_t I = 0; I < Text.size();) {
    const size_t N = std::min(Text.size() - I, static_cast<size_t>(BufSize - FBufPos));
    Text.copy(FBuffer + FBufPos, N, I);
    FBufPos += static_cast<int>(N);
    I += N;
    if (FBufPos == BufSize) Flush();
  }
}

void TTextFile::WriteLn(const std::string& Text) {
  Write(Text);
  Write("\r\n");
}

void TTextFile::CloseFile() {
  if (!IsOpen()) RaiseInOutError(103);
  // Released whether or not the rest reaches the disk.
  struct TCloser {
    HANDLE& H;
    ~TCloser() {
      CloseHandle(H);
      H = INVALID_HANDLE_VALUE;
    }
  } Closer{FHandle};
  Flush();
}

}  // namespace Scindora
