#pragma once
// A small add-in for the runner's own tests: it greets at start, asks before sending,
// and offers ribbon buttons that open help, a page, a form, an HTTP request and a new
// mail, each driven by what a scenario sets in HKCU\Software\TestAddin.
#include <memory>
#include <string>

#include "corvane/outlook/addin.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/events.h"
#include "corvane/outlook/explorer.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/host.h"
#include "corvane/sim/application.h"
#include "corvane/simhost/sim_host.h"
#include "corvane/ui/controls.h"

namespace corvane::testing {

class AskForm : public ui::Form {
public:
    ui::Label lblPrompt{*this, "lblPrompt"};
    ui::TextBox txtName{*this, "txtName"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};
    bool ok = false;

    AskForm() : Form("frmAsk") {
        cmdOK.onClick = [this] {
            ok = true;
            hide();
        };
        cmdCancel.onClick = [this] { hide(); };
        applyDesign();
    }

protected:
    void design() override {
        setCaption("Your name - Test");
        lblPrompt.setCaption("Who are you?");
        lblPrompt.move(120, 120, 3000, 240);
        txtName.move(120, 480, 3000, 300);
        cmdOK.setCaption("&OK");
        cmdOK.move(120, 900, 1000, 360);
        cmdCancel.setCaption("&Cancel");
        cmdCancel.move(1300, 900, 1000, 360);
    }
};

class TestAddin final : public outlook::ComAddin,
                        public outlook::RibbonExtensibility,
                        public outlook::ApplicationEvents,
                        public outlook::ExplorerEvents,
                        public outlook::ItemEvents,
                        public std::enable_shared_from_this<TestAddin> {
public:
    explicit TestAddin(platform::Host host) : host_(host) {}

    void OnConnection(const std::shared_ptr<outlook::Application>& application, int,
                      const std::shared_ptr<outlook::AddInInstance>&) override {
        app_ = application;
        events_ = app_->Advise(std::shared_ptr<outlook::ApplicationEvents>(shared_from_this()));
        if (auto explorer = app_->ActiveExplorer())
            explorerEvents_ = explorer->Advise(std::shared_ptr<outlook::ExplorerEvents>(shared_from_this()));
        if (setting("GreetAtStart") == "yes") host_.ui.messageBox("Welcome.", 64, "Hello - Test", 0);
    }
    void OnDisconnection(int) override {
        itemEvents_.disconnect();
        explorerEvents_.disconnect();
        mail_.reset();
        events_.disconnect();
        app_.reset();
    }

    void ItemSend(const std::shared_ptr<outlook::Item>&, bool& cancel) override {
        if (setting("Confirm") != "yes") return;
        if (host_.ui.messageBox("Send it?", 36, "Confirm - Test", 0) == platform::mb::IdNo) cancel = true;
    }

    // Follows the first selected mail; a Reply on it can be replaced or refused.
    void SelectionChange() override {
        auto selection = app_->ActiveExplorer()->Selection();
        mail_ = selection->Count() > 0 ? std::dynamic_pointer_cast<outlook::MailItem>(selection->Item(1)) : nullptr;
        if (mail_) itemEvents_ = mail_->Advise(std::shared_ptr<outlook::ItemEvents>(shared_from_this()));
    }
    void Reply(const std::shared_ptr<outlook::Item>&, bool& cancel) override {
        const std::string instead = setting("ReplyInstead");
        if (instead.empty()) return;
        cancel = true;
        if (instead == "all") mail_->ReplyAll()->Display(false);
    }

    std::string GetCustomUI(std::string_view ribbonId) override {
        if (ribbonId != "Microsoft.Outlook.Explorer") return "";
        return "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" onLoad=\"OnLoad\"><ribbon><tabs><tab id=\"t\">"
               "<button id=\"btnHelp\" onAction=\"OnHelp\"/><button id=\"btnPage\" onAction=\"OnPage\"/>"
               "<button id=\"btnAsk\" onAction=\"OnAsk\"/><button id=\"btnUpdate\" onAction=\"OnUpdate\"/>"
               "<button id=\"btnCompose\" onAction=\"OnCompose\"/><button id=\"btnBeep\" onAction=\"OnBeep\"/>"
               "</tab></tabs></ribbon></customUI>";
    }
    bool InvokeCallback(std::string_view name, std::vector<outlook::Variant>&) override {
        if (name == "OnLoad") return true;
        if (name == "OnHelp")
            host_.shell.openHelp(host_.system.addinFolder() + "\\Test.chm", "Getting%20Started/Intro.htm");
        if (name == "OnPage") host_.shell.openAddress("https://www.kelderon.example/");
        if (name == "OnBeep") host_.ui.beep();
        if (name == "OnAsk") {
            AskForm form;
            form.show(host_.ui);
            if (form.ok)
                host_.registry.setString(platform::Hive::CurrentUser, "Software\\TestAddin", "Name",
                                         form.txtName.text());
            form.unload();
        }
        if (name == "OnUpdate") {
            try {
                auto reply = host_.http.get("https://updates.kelderon.example/v?version=1.0.0",
                                            std::chrono::seconds(60));
                host_.ui.messageBox(reply.body, 64, "Update - Test", 0);
            } catch (const platform::PlatformError&) {
                host_.ui.messageBox("No connection.", 48, "Update - Test", 0);
            }
        }
        if (name == "OnCompose") {
            auto mail = app_->CreateItem(outlook::olitem::Mail);
            mail->SetSubject("Support request");
            mail->Display(false);
        }
        return true;
    }

private:
    std::string setting(const char* name) {
        auto v = host_.registry.getValue(platform::Hive::CurrentUser, "Software\\TestAddin", name);
        return v ? v->text : std::string();
    }

    platform::Host host_;
    std::shared_ptr<outlook::Application> app_;
    outlook::Connection events_;
    outlook::Connection explorerEvents_;
    outlook::Connection itemEvents_;
    std::shared_ptr<outlook::MailItem> mail_;
};

// Registers the test add-in as "Corvane.Connect".
inline bool WireTestAddin(sim::SimApplication& app, simhost::SimHost& host) {
    app.registerClass("Corvane.Connect", [&host] { return std::make_shared<TestAddin>(host.host()); });
    return true;
}

}  // namespace corvane::testing
