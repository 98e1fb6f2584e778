#include "PlatformClasses.h"

#include "Buttons.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "ImgList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "XPMan.h"

namespace Scindora {

void RegisterPlatformClasses() {
  RegisterStdCtrlsClasses();
  RegisterButtonsClasses();
  RegisterExtCtrlsClasses();
  RegisterComCtrlsClasses();
  RegisterImgListClasses();
  RegisterMenusClasses();
  RegisterDialogsClasses();
  RegisterXPManClasses();
}

}  // namespace Scindora
