#include "corvane/menus/explorer_buttons.h"

#include "corvane/menus/menus.h"

namespace corvane::menus {
namespace {

using Handler = void (ExplorerButtons::*)(const ExplorerButtons::Button&, bool&);

class ClickSink final : public outlook::CommandBarButtonEvents {
public:
    ClickSink(std::weak_ptr<ExplorerButtons> owner, Handler handler) : owner_(std::move(owner)), handler_(handler) {}
    void Click(const std::shared_ptr<outlook::CommandBarButton>& button, bool& cancelDefault) override {
        if (auto owner = owner_.lock()) ((*owner).*handler_)(button, cancelDefault);
    }

private:
    std::weak_ptr<ExplorerButtons> owner_;
    Handler handler_;
};

Handler HandlerOf(ExplorerButtons::Slot slot) {
    using S = ExplorerButtons::Slot;
    switch (slot) {
        case S::List: return &ExplorerButtons::gcmdBKFl_Corvane_List_Click;
        case S::Settings: return &ExplorerButtons::gcmdBKFL_Corvane_Settings_Click;
        case S::CheckUpdate: return &ExplorerButtons::gcmdBKFL_Corvane_CheckUpdate_Click;
        case S::Help: return &ExplorerButtons::gcmdBKFL_Corvane_Help_Click;
        case S::ContactSupport: return &ExplorerButtons::gcmdBKFL_Corvane_ContactSupport_Click;
        case S::About: return &ExplorerButtons::gcmdBKFl_Corvane_About_Click;
    }
    return nullptr;
}

}  // namespace

std::shared_ptr<ExplorerButtons> ExplorerButtons::Create(core::AddinProcess& process, Menus& menus) {
    return std::shared_ptr<ExplorerButtons>(new ExplorerButtons(process, menus));
}

template <class Self>
auto& ExplorerButtons::FieldOf(Self& self, Slot slot) {
    switch (slot) {
        case Slot::List: return self.gcmdBKFl_Corvane_List;
        case Slot::Settings: return self.gcmdBKFL_Corvane_Settings;
        case Slot::CheckUpdate: return self.gcmdBKFL_Corvane_CheckUpdate;
        case Slot::Help: return self.gcmdBKFL_Corvane_Help;
        case Slot::ContactSupport: return self.gcmdBKFL_Corvane_ContactSupport;
        case Slot::About: break;
    }
    return self.gcmdBKFl_Corvane_About;
}

ExplorerButtons::~ExplorerButtons() {
    for (auto slot : {Slot::List, Slot::Settings, Slot::CheckUpdate, Slot::Help, Slot::ContactSupport, Slot::About})
        FieldOf(*this, slot).reset();
}

void ExplorerButtons::Set(Slot slot, Button button) {
    auto& sink = sinks_.at(static_cast<std::size_t>(slot));
    if (!sink) sink = std::make_shared<ClickSink>(weak_from_this(), HandlerOf(slot));
    FieldOf(*this, slot).set(std::move(button), sink);
}

const ExplorerButtons::Button& ExplorerButtons::Get(Slot slot) const { return FieldOf(*this, slot).get(); }

void ExplorerButtons::gcmdBKFl_Corvane_List_Click(const Button&, bool&) { menus_.CommandQuenlowList(process_); }
void ExplorerButtons::gcmdBKFL_Corvane_Settings_Click(const Button&, bool&) { menus_.CommandSettings(process_); }
void ExplorerButtons::gcmdBKFL_Corvane_CheckUpdate_Click(const Button&, bool&) {
    menus_.CommandCheckForUpdates(process_);
}
void ExplorerButtons::gcmdBKFL_Corvane_Help_Click(const Button&, bool&) { menus_.CommandHelp(process_); }
void ExplorerButtons::gcmdBKFL_Corvane_ContactSupport_Click(const Button&, bool&) {
    menus_.CommandContactSupport(process_);
}
void ExplorerButtons::gcmdBKFl_Corvane_About_Click(const Button&, bool&) { menus_.CommandAbout(process_); }

}  // namespace corvane::menus
