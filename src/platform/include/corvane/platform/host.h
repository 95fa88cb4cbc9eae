#pragma once
// Everything the add-in reaches of its host besides the Outlook object model, which
// arrives through the add-in connection. One aggregate, injected at the top.
#include "corvane/platform/clock.h"
#include "corvane/platform/file_system.h"
#include "corvane/platform/http.h"
#include "corvane/platform/registry.h"
#include "corvane/platform/shell.h"
#include "corvane/platform/system_info.h"
#include "corvane/platform/ui_services.h"

namespace corvane::platform {

struct Host {
    Registry& registry;
    Ui& ui;
    Shell& shell;
    Http& http;
    SystemInfo& system;
    Clock& clock;
    FileSystem& files;
};

}  // namespace corvane::platform
