#include "ImgList.h"

#include <algorithm>

#include "TypInfo.h"

namespace Scindora {

const TClassInfo& TImageList::StaticClass() {
  static const TClassInfo Info = [] {
    TClassInfo I("TImageList", &TComponent::StaticClass(),
                 [](TComponent* O) -> TComponent* { return new TImageList(O); });
    Published<TImageList>(I)
        .Int("Width", &TImageList::Width, &TImageList::SetWidth, 16)
        .Int("Height", &TImageList::Height, &TImageList::SetHeight, 16)
        .Bool("Masked", &TImageList::Masked, &TImageList::SetMasked, true)
        .String("Bitmap", &TImageList::Bitmap, &TImageList::SetBitmap, std::string());
    return I;
  }();
  return Info;
}

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

TImageList::~TImageList() { FreeHandle(); }

void TImageList::FreeHandle() {
  if (FHandle) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

void TImageList::SetWidth(int Value) {
  if (Value < 1) throw EInvalidOperation("Taille d'image incorrecte");
  if (Value == FWidth) return;
  FWidth = Value;
  Rebuild();
}

void TImageList::SetHeight(int Value) {
  if (Value < 1) throw EInvalidOperation("Taille d'image incorrecte");
  if (Value == FHeight) return;
  FHeight = Value;
  Rebuild();
}

void TImageList::SetMasked(bool Value) {
  if (Value == FMasked) return;
  FMasked = Value;
  Rebuild();
}

void TImageList::SetBitmap(const std::string& ResourceName) {
  if (ResourceName == FBitmapName) return;
  FBitmapName = ResourceName;
  Rebuild();
}

// A list already made is made again from the new settings; one not made yet waits for use.
void TImageList::Rebuild() {
  if (!FHandle) return;
  FreeHandle();
  Handle();
  Change();
}

HIMAGELIST TImageList::Handle() {
  if (FHandle) return FHandle;
  HIMAGELIST List = ImageList_Create(FWidth, FHeight, ILC_COLOR24 | (FMasked ? ILC_MASK : 0), 0, 4);
  if (!List) throw EInvalidOperation("Impossible de créer la liste d'images");
  FHandle = List;
  if (!FBitmapName.empty()) {
    try {
      TBitmap Strip;
      Strip.LoadFromResourceName(FBitmapName);
      // Nobody has seen the list yet: no news to tell.
      AddStrip(Strip.Handle(), clFuchsia);
    } catch (...) {
      FreeHandle();
      throw;
    }
  }
  return FHandle;
}

int TImageList::Count() { return ImageList_GetImageCount(Handle()); }

int TImageList::AddMasked(HBITMAP Image, TColor MaskColor) {
  Handle();
  int First = AddStrip(Image, MaskColor);
  Change();
  return First;
}

int TImageList::AddStrip(HBITMAP Image, TColor MaskColor) {
  // The list keeps its own copy of the pixels; the caller keeps Image.
  int First = FMasked ? ImageList_AddMasked(FHandle, Image, ColorToRGB(MaskColor)) : ImageList_Add(FHandle, Image, nullptr);
  if (First < 0) throw EInvalidOperation("Impossible d'ajouter l'image à la liste");
  return First;
}

void TImageList::Clear() {
  if (!FHandle) return;
  ImageList_Remove(FHandle, -1);
  Change();
}

void TImageList::Draw(HDC DC, int X, int Y, int Index, bool Enabled) {
  HIMAGELIST List = Handle();
  if (Index < 0 || Index >= ImageList_GetImageCount(List)) return;
  if (Enabled) {
    ImageList_Draw(List, Index, DC, X, Y, FMasked ? ILD_TRANSPARENT : ILD_NORMAL);
    return;
  }
  // Greyed as the system greys a disabled glyph: embossed from the mask.
  HICON Icon = ImageList_GetIcon(List, Index, ILD_TRANSPARENT);
  if (!Icon) return;
  DrawStateA(DC, nullptr, nullptr, reinterpret_cast<LPARAM>(Icon), 0, X, Y, FWidth, FHeight, DST_ICON | DSS_DISABLED);
  DestroyIcon(Icon);
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) {
  Draw(Canvas.Handle(), X, Y, Index, Enabled);
}

void TImageList::RegisterChanges(const void* Client, std::function<void()> Fn) {
  UnRegisterChanges(Client);
  FClients.emplace_back(Client, std::move(Fn));
}

void TImageList::UnRegisterChanges(const void* Client) {
  FClients.erase(std::remove_if(FClients.begin(), FClients.end(), [Client](const auto& C) { return C.first == Client; }),
                 FClients.end());
}

void TImageList::Change() {
  // A client may unregister while hearing of the change.
  auto Clients = FClients;
  for (const auto& C : Clients) C.second();
}

void RegisterImgListClasses() { RegisterComponentClass(TImageList::StaticClass()); }

}  // namespace Scindora
