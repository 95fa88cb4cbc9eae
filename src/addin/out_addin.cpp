#include "corvane/addin/out_addin.h"

#include "corvane/addin/explorer_wrap.h"
#include "corvane/addin/insp_wrap.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/explorer.h"
#include "corvane/platform/conventions.h"

namespace corvane::addin {
namespace {

class ApplicationSink final : public outlook::ApplicationEvents {
public:
    explicit ApplicationSink(std::weak_ptr<OutAddIn> o) : o_(std::move(o)) {}
    void Startup() override {
        if (auto o = o_.lock()) o->objOutlook_Startup();
    }
    void ItemSend(const std::shared_ptr<outlook::Item>& item, bool& cancel) override {
        if (auto o = o_.lock()) o->objOutlook_ItemSend(item, cancel);
    }
    void ItemContextMenuDisplay(const std::shared_ptr<outlook::CommandBar>& bar,
                                const std::shared_ptr<outlook::Selection>& selection) override {
        if (auto o = o_.lock()) o->objOutlook_ItemContextMenuDisplay(bar, selection);
    }

private:
    std::weak_ptr<OutAddIn> o_;
};

}  // namespace

std::shared_ptr<OutAddIn> OutAddIn::Create(Process& process) {
    std::shared_ptr<OutAddIn> o(new OutAddIn(process));
    o->sink_ = std::make_shared<ApplicationSink>(o);
    return o;
}

OutAddIn::~OutAddIn() {
    objNameSpace.reset();
    objOutlook.reset();
}

void OutAddIn::Init(const std::shared_ptr<outlook::Application>& application, const std::string& progId) {
    objOutlook.set(application, sink_);
    progId_ = progId;
    objNameSpace = core::vb::Need(application)->GetNamespace("MAPI");
    initialized_ = true;
}

void OutAddIn::UnInit() {
    objNameSpace.reset();
    process_.gOutlook.reset();
    objOutlook.reset();
    process_.gcolExplWrap.reset();
    process_.gcolInspWrap.reset();
    process_.gSendAcct.reset();
    initialized_ = false;
}

void OutAddIn::objOutlook_ItemContextMenuDisplay(const std::shared_ptr<outlook::CommandBar>&,
                                                 const std::shared_ptr<outlook::Selection>&) {
    auto self = shared_from_this();
    std::string activeCaption;
    if (!platform::IgnoreErrors(
            [&] { activeCaption = core::vb::Need(core::vb::Need(process_.gOutlook)->ActiveExplorer())->Caption(); }))
        return;
    for (const auto& wrap : process_.explorerWrappers().Items()) {
        platform::IgnoreErrors([&] {
            if (core::vb::Need(wrap->Explorer())->Caption() == activeCaption) wrap->SetCorrectItemSelection();
        });
    }
}

std::string OutAddIn::GetItemAccount(const std::shared_ptr<outlook::Item>& item) {
    auto& list = *core::vb::Need(process_.gSendAcct);
    std::string account = list.GetSelectedMailAccount(item);
    if (account.empty()) account = list.GetAccountInUse();
    return account;
}

void OutAddIn::SendFromAccount(const std::shared_ptr<outlook::Item>& item, const std::string& account) {
    auto& list = *core::vb::Need(process_.gSendAcct);
    list.SendUsingPrefAccount(item, account);
    list.strChangeAcct("");
}

}  // namespace corvane::addin
