#pragma once
// The themed common controls (version 6) for the presenter's windows: the manifest linked
// into the module holding this code (resource 2, common_controls.rc) made into an
// activation context, active while the presenter makes and runs its windows. Outlook's own
// manifest does not reach a DLL's windows. A module without the manifest keeps the
// classic controls.
#include <windows.h>

namespace corvane::winui {

// The module this code is in (Corvane.dll inside Outlook), which makes the windows.
HINSTANCE PresenterModule();

class ControlsContext {
public:
    ControlsContext();
    ~ControlsContext();
    ControlsContext(const ControlsContext&) = delete;
    ControlsContext& operator=(const ControlsContext&) = delete;

    // The context active on this thread for as long as the returned value lives.
    class Active {
    public:
        explicit Active(HANDLE context);
        ~Active();
        Active(const Active&) = delete;
        Active& operator=(const Active&) = delete;

    private:
        ULONG_PTR cookie_ = 0;
        bool active_ = false;
    };
    Active activate() const { return Active(context_); }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
};

}  // namespace corvane::winui
