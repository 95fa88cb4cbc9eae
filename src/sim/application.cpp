#include "corvane/sim/application.h"

#include <algorithm>
#include <cstdio>

#include "corvane/platform/error.h"
#include "corvane/sim/command_bars.h"
#include "corvane/sim/explorer.h"
#include "corvane/sim/failure.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/mapi_views.h"
#include "corvane/sim/name_space.h"
#include "corvane/sim/word.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace ol = outlook;

namespace {

class SimExplorers final : public ol::Explorers {
public:
    explicit SimExplorers(std::weak_ptr<SimApplication> app) : app_(std::move(app)) {}
    int Class() override { return ol::olclass::Explorers; }
    int Count() override { return static_cast<int>(app()->explorers().size()); }
    std::shared_ptr<ol::Explorer> Item(int index) override {
        const auto& list = app()->explorers();
        return ItemAt(list, index);
    }
    std::shared_ptr<ol::Explorer> Add(const std::shared_ptr<ol::Folder>& folder, int /*displayMode*/) override {
        auto f = std::dynamic_pointer_cast<SimFolder>(folder);
        if (!f) Raise(errors::InvalidCall);
        return app()->addExplorer(f);
    }
    ol::Connection Advise(std::shared_ptr<ol::ExplorersEvents> sink) override {
        return app()->explorersEvents().add(std::move(sink));
    }

private:
    std::shared_ptr<SimApplication> app() const {
        auto a = app_.lock();
        if (!a) Raise(errors::HostGone);
        return a;
    }
    std::weak_ptr<SimApplication> app_;
};

class SimInspectors final : public ol::Inspectors {
public:
    explicit SimInspectors(std::weak_ptr<SimApplication> app) : app_(std::move(app)) {}
    int Class() override { return ol::olclass::Inspectors; }
    int Count() override { return static_cast<int>(app()->inspectors().size()); }
    std::shared_ptr<ol::Inspector> Item(int index) override {
        const auto& list = app()->inspectors();
        return ItemAt(list, index);
    }
    ol::Connection Advise(std::shared_ptr<ol::InspectorsEvents> sink) override {
        return app()->inspectorsEvents().add(std::move(sink));
    }

private:
    std::shared_ptr<SimApplication> app() const {
        auto a = app_.lock();
        if (!a) Raise(errors::HostGone);
        return a;
    }
    std::weak_ptr<SimApplication> app_;
};

}  // namespace

std::shared_ptr<SimApplication> SimApplication::Create(platform::Clock& clock, OutlookOptions options) {
    std::shared_ptr<SimApplication> app(new SimApplication(clock, std::move(options)));
    app->session_ = std::make_shared<SimNameSpace>(app);
    app->explorersView_ = std::make_shared<SimExplorers>(app);
    app->inspectorsView_ = std::make_shared<SimInspectors>(app);
    return app;
}

SimApplication::SimApplication(platform::Clock& clock, OutlookOptions options)
    : clock_(clock),
      options_(std::move(options)),
      traits_(TraitsForVersion(options_.version)),
      layout_(std::make_shared<CommandBarLayout>()) {}

SimApplication::~SimApplication() = default;

int SimApplication::Class() { return ol::olclass::Application; }
std::string SimApplication::Version() { return options_.version; }
std::string SimApplication::Name() { return "Outlook"; }
std::shared_ptr<ol::NameSpace> SimApplication::Session() { return session_; }

std::shared_ptr<ol::NameSpace> SimApplication::GetNamespace(std::string_view type) {
    if (!text::equalsNoCase(type, "MAPI")) Raise(errors::InvalidCall);
    return session_;
}

std::shared_ptr<ol::Explorers> SimApplication::Explorers() { return explorersView_; }
std::shared_ptr<ol::Inspectors> SimApplication::Inspectors() { return inspectorsView_; }

std::shared_ptr<ol::Explorer> SimApplication::ActiveExplorer() {
    for (const auto& w : zorder_) {
        if (auto e = std::dynamic_pointer_cast<SimExplorer>(w)) return e;
    }
    return nullptr;
}

std::shared_ptr<ol::Inspector> SimApplication::ActiveInspector() {
    for (const auto& w : zorder_) {
        if (auto i = std::dynamic_pointer_cast<SimInspector>(w)) return i;
    }
    return nullptr;
}

std::shared_ptr<ol::Item> SimApplication::CreateItem(int itemType) {
    int objectClass = 0;
    switch (itemType) {
        case ol::olitem::Mail: objectClass = ol::olclass::Mail; break;
        case ol::olitem::Contact: objectClass = ol::olclass::Contact; break;
        case ol::olitem::Note: objectClass = ol::olclass::Note; break;
        case ol::olitem::Post: objectClass = ol::olclass::Post; break;
        default: Raise(errors::NotSupported);
    }
    return SimItem::Create(shared_from_this(), objectClass)->asItem();
}

std::shared_ptr<ol::Dispatch> SimApplication::CreateObject(std::string_view progId) {
    for (const auto& [id, factory] : classes_) {
        if (text::equalsNoCase(id, progId)) {
            auto object = factory();
            if (!object) Raise(errors::CannotCreateObject);
            return object;
        }
    }
    Raise(errors::CannotCreateObject);
}

ol::Connection SimApplication::Advise(std::shared_ptr<ol::ApplicationEvents> sink) {
    return events_.add(std::move(sink));
}

SimWord& SimApplication::word() {
    if (!word_) word_ = std::make_shared<SimWord>(options_.files);
    return *word_;
}

std::shared_ptr<mapi::Subsystem> SimApplication::mapiSubsystem() {
    return std::make_shared<SimMapiSubsystem>(weak_from_this());
}

std::string SimApplication::newStoreId() {
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016X", nextStore_++);
    return std::string("0000000038A1BB1005E5101AA1BB08002B2A56C2") + buffer;
}

void SimApplication::registerClass(std::string progId, ClassFactory factory) {
    classes_[std::move(progId)] = std::move(factory);
}

void SimApplication::start(bool openExplorer) {
    if (running_) return;
    running_ = true;
    if (openExplorer) {
        auto inbox = session_->defaultFolder(ol::olfolder::Inbox);
        if (!inbox) Raise(errors::ObjectNotFound);
        this->openExplorer(inbox);
    }
    for (std::size_t i = 0; i < addins_.size(); ++i) {
        if (!addins_[i].connected) connectAddin(addins_[i].progId, addins_[i].addin, ol::extconnect::Startup);
    }
    auto addins = addins_;
    for (const auto& a : addins) {
        if (a.connected) a.addin->OnStartupComplete();
    }
    events_.raise([](ol::ApplicationEvents& s) { s.Startup(); });
}

void SimApplication::quit() {
    if (!running_) return;
    running_ = false;
    heldByProgram_ = false;
    events_.raise([](ol::ApplicationEvents& s) { s.Quit(); });
    auto addins = addins_;
    for (const auto& a : addins) {
        if (a.connected) a.addin->OnBeginShutdown();
    }
    for (const auto& a : addins) {
        if (a.connected) disconnectAddin(a.progId, ol::extdisconnect::HostShutdown);
    }
    addins_.clear();
    // Word, the editor of Outlook's message windows, ends with Outlook, and with it what
    // the add-in's DLL kept in Word's process.
    if (word_) word_->endProcess();
    layout_->dropTemporary();
}

void SimApplication::quitIfNoWindow() {
    if (!options_.quitWhenLastWindowCloses || !running_ || heldByProgram_) return;
    if (zorder_.empty()) quit();
}

void SimApplication::releaseFromProgram() {
    if (!heldByProgram_) return;
    heldByProgram_ = false;
    if (running_ && zorder_.empty()) quit();
}

}  // namespace corvane::sim
