#include "activation.h"

namespace corvane::winui {

namespace {

// The id the manifest of a DLL's own windows has (ISOLATIONAWARE_MANIFEST_RESOURCE_ID).
constexpr WORD OwnManifestId = 2;

}  // namespace

HINSTANCE PresenterModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&PresenterModule), &module);
    return module;
}

ControlsContext::ControlsContext() {
    HMODULE module = PresenterModule();
    if (FindResourceW(module, MAKEINTRESOURCEW(OwnManifestId), MAKEINTRESOURCEW(24)) == nullptr) return;
    wchar_t path[MAX_PATH];
    if (GetModuleFileNameW(module, path, MAX_PATH) == 0) return;
    ACTCTXW context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = path;
    context.hModule = module;
    context.lpResourceName = MAKEINTRESOURCEW(OwnManifestId);
    context_ = CreateActCtxW(&context);
}

ControlsContext::~ControlsContext() {
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
}

ControlsContext::Active::Active(HANDLE context) {
    if (context != INVALID_HANDLE_VALUE) active_ = ActivateActCtx(context, &cookie_) != FALSE;
}

ControlsContext::Active::~Active() {
    if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace corvane::winui
