#pragma once
// The six menu buttons of one Explorer, as its wrapper holds them: each field sinks its
// button's Click, which runs the button's command and leaves Office's cancel flag alone.
#include <array>
#include <memory>

#include "corvane/core/event_field.h"
#include "corvane/outlook/command_bars.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::menus {

class Menus;

class ExplorerButtons : public std::enable_shared_from_this<ExplorerButtons> {
public:
    // `menus` runs the commands and outlives the buttons (the process holds both).
    static std::shared_ptr<ExplorerButtons> Create(core::AddinProcess& process, Menus& menus);
    ~ExplorerButtons();
    ExplorerButtons(const ExplorerButtons&) = delete;
    ExplorerButtons& operator=(const ExplorerButtons&) = delete;

    using Button = std::shared_ptr<outlook::CommandBarButton>;
    enum class Slot { List, Settings, CheckUpdate, Help, ContactSupport, About };
    // Keeps a button in its field and sinks its Click (nullptr empties the field).
    void Set(Slot slot, Button button);
    const Button& Get(Slot slot) const;

    // The Click handlers.
    void gcmdBKFl_Corvane_List_Click(const Button& Ctrl, bool& CancelDefault);
    void gcmdBKFL_Corvane_Settings_Click(const Button& Ctrl, bool& CancelDefault);
    void gcmdBKFL_Corvane_CheckUpdate_Click(const Button& Ctrl, bool& CancelDefault);
    void gcmdBKFL_Corvane_Help_Click(const Button& Ctrl, bool& CancelDefault);
    void gcmdBKFL_Corvane_ContactSupport_Click(const Button& Ctrl, bool& CancelDefault);
    void gcmdBKFl_Corvane_About_Click(const Button& Ctrl, bool& CancelDefault);

private:
    ExplorerButtons(core::AddinProcess& process, Menus& menus) : process_(process), menus_(menus) {}
    template <class Self>
    static auto& FieldOf(Self& self, Slot slot);

    core::AddinProcess& process_;
    Menus& menus_;
    // Outlook holds sinks weakly: each field's sink lives here.
    std::array<std::shared_ptr<outlook::CommandBarButtonEvents>, 6> sinks_;
    core::EventField<outlook::CommandBarButton> gcmdBKFl_Corvane_List;
    core::EventField<outlook::CommandBarButton> gcmdBKFL_Corvane_Settings;
    core::EventField<outlook::CommandBarButton> gcmdBKFL_Corvane_CheckUpdate;
    core::EventField<outlook::CommandBarButton> gcmdBKFL_Corvane_Help;
    core::EventField<outlook::CommandBarButton> gcmdBKFL_Corvane_ContactSupport;
    core::EventField<outlook::CommandBarButton> gcmdBKFl_Corvane_About;
};

}  // namespace corvane::menus
