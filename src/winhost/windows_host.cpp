#include "corvane/winhost/windows_host.h"

#include <string>

#include "corvane/winhost/product_version.h"

namespace corvane::winhost {

WindowsHost::WindowsHost(platform::Ui& ui)
    : ui_(ui),
      http_(std::string("Corvane/") + ProductVersionText, [&ui] { ui.doEvents(); }),
      system_(ProductVersion) {}

platform::Host WindowsHost::host() { return {registry_, ui_, shell_, http_, system_, clock_, files_}; }

}  // namespace corvane::winhost
