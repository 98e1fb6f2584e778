// Makes every component class of the platform known to form data by its name.
#pragma once

namespace Scindora {

void RegisterPlatformClasses();

}  // namespace Scindora
