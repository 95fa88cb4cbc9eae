// Carrying out the steps: the user's gestures on the simulated Outlook.
#include <algorithm>

#include "corvane/outlook/object.h"
#include "corvane/platform/error.h"
#include "corvane/profile/mailbox.h"
#include "corvane/profile/profile_build.h"
#include "corvane/scenario/recipients.h"
#include "corvane/scenario/run_state.h"
#include "corvane/sim/explorer.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/name_space.h"
#include "corvane/text/text.h"
#include "corvane/ui/text_presenter.h"

namespace corvane::scenario {

namespace ol = outlook;
using ui::quote;

std::shared_ptr<sim::SimItem> ScenarioRun::item(const std::string& id) {
    if (auto why = nothing_.find(id); why != nothing_.end())
        throw StepFailure("there is no item " + id + ": " + why->second);
    auto found = findItem(id);
    if (!found) throw StepFailure("item " + id + " is nowhere in the mailbox any more");
    return found;
}

std::shared_ptr<sim::SimItem> ScenarioRun::findItem(const std::string& id) {
    if (auto found = profile::FindItemById(*app_, id)) return found;
    // An unsaved message of another program is where the program keeps it.
    if (auto held = programItems_.find(id); held != programItems_.end() && !held->second->gone()) return held->second;
    return nullptr;
}

void ScenarioRun::holdForProgram(const std::string& id, const std::shared_ptr<sim::SimItem>& it) {
    name(id, it);
    programItems_[id] = it;
}

std::shared_ptr<sim::SimInspector> ScenarioRun::inspectorOf(const std::string& id) {
    auto it = item(id);
    auto inspector = it->inspector();
    if (!inspector || inspector->closed()) throw StepFailure("item " + id + " is not open in a window");
    return inspector;
}

std::shared_ptr<sim::SimExplorer> ScenarioRun::activeExplorer() {
    requireRunning("an explorer");
    auto explorer = std::dynamic_pointer_cast<sim::SimExplorer>(app_->ActiveExplorer());
    if (!explorer) throw StepFailure("Outlook has no explorer open");
    return explorer;
}

std::shared_ptr<sim::SimFolder> ScenarioRun::folder(const std::string& path) {
    auto f = profile::FindFolder(*app_->profile(), path);
    if (!f) throw StepFailure("there is no folder " + quote(path));
    return f;
}

void ScenarioRun::requireRunning(const char* what) {
    if (!app_->running()) throw StepFailure(std::string("Outlook is not running (start it before ") + what + ")");
}

std::shared_ptr<ol::ComAddin> ScenarioRun::createAddin() {
    if (!addinAvailable_)
        throw AddinMissing(
            "the add-in is not built into this corvane-sim (src/simaddin/addin_wiring.cpp registers no " +
            std::string(AddinProgId) + ")");
    std::shared_ptr<ol::Dispatch> object;
    try {
        object = app_->CreateObject(AddinProgId);
    } catch (const platform::PlatformError& e) {
        throw StepFailure("Outlook cannot create " + std::string(AddinProgId) + ": " + e.description());
    }
    auto addin = std::dynamic_pointer_cast<ol::ComAddin>(object);
    if (!addin) throw StepFailure(std::string(AddinProgId) + " is not an add-in (no IDTExtensibility2)");
    return addin;
}

void ScenarioRun::quitOutlook() {
    for (const auto& inspector : std::vector(app_->inspectors()))
        if (!inspector->closed()) app_->closeInspector(inspector, ol::olsave::Discard, false);
    for (const auto& explorer : std::vector(app_->explorers())) app_->closeExplorer(explorer);
    if (app_->running()) app_->quit();
}

void ScenarioRun::name(const std::string& id, const std::shared_ptr<sim::SimItem>& it) {
    profile::StampItemId(*it, id);
    nothing_.erase(id);
}

void ScenarioRun::nameNothing(const std::string& id, std::string why) { nothing_[id] = std::move(why); }

namespace {

std::string opensLine(const std::string& id, sim::SimItem& it) {
    return "-> " + (id.empty() ? std::string() : id + " ") + quote(it.subject()) + " opens in a window";
}

void replaceRecipients(sim::SimItem& it, int type, const std::vector<std::string>& texts) {
    auto all = it.recipients();
    for (const auto& r : all)
        if (r->type() == type) it.removeRecipient(*r);
    for (const auto& t : texts) it.addRecipient(t, type)->resolve();
}

void applyEdit(sim::SimItem& it, const step::Edit& e) {
    if (e.subject) it.setSubject(*e.subject);
    if (e.html) it.setHtml(*e.html);
    if (e.body) it.setBody(*e.body);
    if (e.to) replaceRecipients(it, ol::olrecipient::To, *e.to);
    if (e.cc) replaceRecipients(it, ol::olrecipient::CC, *e.cc);
    if (e.bcc) replaceRecipients(it, ol::olrecipient::BCC, *e.bcc);
    for (const auto& [type, text] : e.add) it.addRecipient(text, type)->resolve();
    for (const auto& ref : e.removeRecipients) {
        auto recipients = it.recipients();
        std::shared_ptr<sim::SimRecipient> found;
        if (ref.size() > 1 && ref[0] == '#') {
            const auto n = std::stoul(ref.substr(1));
            if (n < 1 || n > recipients.size())
                throw StepFailure("the message has no recipient " + ref + " (it has " +
                                  std::to_string(recipients.size()) + ")");
            found = recipients[n - 1];
        } else {
            for (const auto& r : recipients) {
                if (!RecipientMatches(*r, ref)) continue;
                if (found) throw StepFailure("two recipients fit " + quote(ref) + ": name one by \"#n\"");
                found = r;
            }
            if (!found) throw StepFailure("no recipient fits " + quote(ref));
        }
        it.removeRecipient(*found);
    }
    for (const auto& a : e.attachments) it.addAttachment(a);
    for (const auto& name : e.removeAttachments) {
        auto attachments = it.attachments();
        auto match = std::find_if(attachments.begin(), attachments.end(),
                                  [&](const auto& a) { return text::equalsNoCase(a->FileName(), name); });
        if (match == attachments.end()) throw StepFailure("the message has no attachment " + quote(name));
        it.removeAttachment(**match);
    }
    if (e.deferredDelivery) it.setDeferredDelivery(*e.deferredDelivery);
    for (const auto& [name, value] : e.userProperties) {
        auto property = it.findUserProperty(name);
        if (!value) {
            if (!property) throw StepFailure("the message has no user property " + quote(name));
            it.removeUserProperty(*property);
            continue;
        }
        if (!property) property = it.addUserProperty(name, ol::olprop::Text);
        property->SetValue(*value);
    }
}

const char* sendWord(sim::SendOutcome outcome) {
    switch (outcome) {
        case sim::SendOutcome::Sent: return "sent";
        case sim::SendOutcome::Queued: return "queued";
        default: return "cancelled";
    }
}

// Sends message `id` (Send in its window, or another program's MailItem.Send), says what
// came of it and checks the outcome the step expects.
template <class SendFn>
void sendAndReport(ScenarioRun& run, const std::string& id, SendFn send, const char* cancelled,
                   const std::optional<std::string>& expected) {
    std::string outcome;
    try {
        outcome = sendWord(send());
    } catch (const platform::PlatformError& e) {
        outcome = "refused";
        run.say("-> Outlook refuses to send: " + quote(e.description()));
    }
    if (outcome == "queued") {
        run.say("-> queued in the Outbox until " + run.item(id)->deferredDelivery().iso());
    } else if (outcome == "cancelled") {
        run.say(std::string("-> cancelled: ") + cancelled);
    } else if (outcome == "sent") {
        run.say("-> sent");
    }
    if (expected && *expected != outcome) throw StepFailure("the send was " + outcome + ", expected " + *expected);
}

// One step's action, as a visitor over the step kinds.
class Executor {
public:
    Executor(ScenarioRun& run, const Step& step) : run_(run), app_(run.app()), step_(step) {}

    void operator()(const step::Start& a) {
        if (app_.running()) throw StepFailure("Outlook is already running");
        const auto& windows = run_.scenario().profile.windows;
        const auto explorers = a.explorers     ? *a.explorers
                               : windows.given ? windows.explorers
                                               : std::vector<std::string>{"Inbox"};
        const auto inspectors = a.inspectors    ? *a.inspectors
                                : windows.given ? windows.inspectors
                                                : std::vector<std::string>{};
        if (a.addin) app_.registerAddin(AddinProgId, run_.createAddin());
        // The windows are there when Outlook loads its add-ins.
        for (const auto& path : explorers) app_.openExplorer(run_.folder(path));
        for (const auto& id : inspectors) app_.openItem(run_.item(id));
        app_.start(false);
    }
    void operator()(const step::Connect& a) {
        run_.requireRunning("connecting the add-in");
        if (app_.isConnected(AddinProgId)) throw StepFailure("the add-in is connected already");
        app_.connectAddin(AddinProgId, run_.createAddin(), a.mode);
    }
    void operator()(const step::Disconnect& a) {
        if (!app_.isConnected(AddinProgId)) throw StepFailure("the add-in is not connected");
        app_.disconnectAddin(AddinProgId, a.removeMode);
    }
    void operator()(const step::Quit&) {
        run_.requireRunning("quitting");
        run_.quitOutlook();
    }
    void operator()(const step::OpenExplorer& a) {
        run_.requireRunning("opening an explorer");
        app_.openExplorer(run_.folder(a.folder));
    }
    void operator()(const step::CloseExplorer& a) {
        run_.requireRunning("closing an explorer");
        if (!a.index) return run_.activeExplorer()->Close();
        const auto& explorers = app_.explorers();
        if (static_cast<std::size_t>(*a.index) > explorers.size())
            throw StepFailure("there is no explorer " + std::to_string(*a.index) + " (" +
                              std::to_string(explorers.size()) + " open)");
        explorers[static_cast<std::size_t>(*a.index) - 1]->Close();
    }
    void operator()(const step::Open& a) {
        run_.requireRunning("opening an item");
        std::shared_ptr<sim::SimInspector> inspector;
        if (a.item) {
            inspector = app_.openItem(run_.item(*a.item));
        } else {
            auto explorer = run_.activeExplorer();
            if (explorer->selection().empty()) throw StepFailure("nothing is selected in the active explorer");
            inspector = explorer->openSelected();
        }
        if (!inspector) run_.say("-> the item's Open was cancelled: no window opens");
    }
    void operator()(const step::Close& a) {
        if (!run_.inspectorOf(a.item)->clickClose()) run_.say("-> the window stays open (its Close was cancelled)");
    }
    void operator()(const step::Activate& a) {
        if (a.item) return run_.inspectorOf(*a.item)->Activate();
        const auto& explorers = app_.explorers();
        if (static_cast<std::size_t>(*a.explorer) > explorers.size())
            throw StepFailure("there is no explorer " + std::to_string(*a.explorer));
        explorers[static_cast<std::size_t>(*a.explorer) - 1]->Activate();
    }
    void operator()(const step::Select& a) {
        auto explorer = run_.activeExplorer();
        std::vector<std::shared_ptr<sim::SimItem>> items;
        auto session = app_.profile();
        for (const auto& id : a.items) {
            auto it = run_.item(id);
            if (it->folder() != explorer->folder())
                throw StepFailure(
                    "item " + id + " is in " +
                    (it->folder() ? quote(profile::FolderPathOf(*session, *it->folder())) : "no folder") +
                    ", not in the explorer's folder " + quote(profile::FolderPathOf(*session, *explorer->folder())) +
                    " (switch_folder first)");
            items.push_back(it);
        }
        explorer->select(items);
    }
    void operator()(const step::SwitchFolder& a) {
        auto explorer = run_.activeExplorer();
        explorer->SetCurrentFolder(run_.folder(a.folder));
    }
    void operator()(const step::Respond& a) {
        std::shared_ptr<sim::SimInspector> response;
        if (a.item) {
            auto inspector = run_.inspectorOf(*a.item);
            response = a.kind == sim::ResponseKind::Reply      ? inspector->clickReply()
                       : a.kind == sim::ResponseKind::ReplyAll ? inspector->clickReplyAll()
                                                               : inspector->clickForward();
        } else {
            auto explorer = run_.activeExplorer();
            if (explorer->selection().empty()) throw StepFailure("nothing is selected in the active explorer");
            std::shared_ptr<sim::SimItem> which;
            if (a.selected) {
                which = run_.item(*a.selected);
                const auto& selection = explorer->selection();
                if (std::find(selection.begin(), selection.end(), which) == selection.end())
                    throw StepFailure("item " + *a.selected + " is not selected in the active explorer");
            }
            response = a.kind == sim::ResponseKind::Reply      ? explorer->clickReply(which)
                       : a.kind == sim::ResponseKind::ReplyAll ? explorer->clickReplyAll(which)
                                                               : explorer->clickForward(which);
        }
        if (!response) {
            // The add-in may open another window in its place (a Reply to All for a Reply).
            cancelled_ = true;
            run_.say("-> the " + step_.kind + " was cancelled");
            return;
        }
        if (!step_.as.empty()) run_.name(step_.as, response->item());
        run_.say(opensLine(step_.as, *response->item()));
        named_ = true;
    }
    void operator()(const step::NewMail& a) {
        run_.requireRunning("writing a new mail");
        auto inspector = app_.composeMail();
        if (!inspector) throw StepFailure("the new mail's Open was cancelled");
        if (!step_.as.empty()) run_.name(step_.as, inspector->item());
        applyEdit(*inspector->item(), a.edit);
        run_.say(opensLine(step_.as, *inspector->item()));
        named_ = true;
    }
    void operator()(const step::Edit& a) { applyEdit(*run_.item(a.item), a); }
    void operator()(const step::Send& a) {
        auto inspector = run_.inspectorOf(a.item);
        sendAndReport(
            run_, a.item, [&] { return inspector->clickSend(); }, "the message stays open", a.outcome);
    }
    void operator()(const step::SendFromProgram& a) {
        run_.requireRunning("another program sends a message");
        std::shared_ptr<sim::SimItem> it;
        if (a.item) {
            it = run_.item(*a.item);
        } else {
            // Application.CreateItem(olMailItem), filled in and sent; no window opens.
            it = sim::SimItem::Create(app_.shared_from_this(), ol::olclass::Mail);
            run_.holdForProgram(step_.as, it);
            applyEdit(*it, a.edit);
            named_ = true;
        }
        sendAndReport(
            run_, a.item.value_or(step_.as), [&] { return it->send(); }, "the program's message is not sent",
            a.outcome);
    }
    void operator()(const step::Hold&) {
        if (app_.heldByProgram()) throw StepFailure("another program holds Outlook already");
        if (!app_.running()) {
            (*this)(step::Start{std::vector<std::string>{}, std::vector<std::string>{}, true});
            run_.say("-> Outlook starts without any window");
        }
        app_.holdFromProgram();
    }
    void operator()(const step::Release&) {
        if (!app_.heldByProgram()) throw StepFailure("no program holds Outlook (hold first)");
        app_.releaseFromProgram();
        if (!app_.running()) run_.say("-> Outlook has no window left: it quits");
    }
    void operator()(const step::ContextMenu&) { run_.activeExplorer()->rightClickSelection(); }
    void operator()(const step::Ribbon& a) {
        run_.requireRunning("clicking the ribbon");
        if (!app_.clickRibbonControl(a.id))
            throw StepFailure("no ribbon Outlook has loaded has a control " + quote(a.id) + " with an action");
    }
    void operator()(const step::Menu& a) {
        auto explorer = run_.activeExplorer();
        if (!explorer->clickMenu(a.captions)) {
            std::string path;
            for (const auto& c : a.captions) path += (path.empty() ? "" : "/") + c;
            throw StepFailure("the menu bar has no enabled item " + quote(path));
        }
    }
    void operator()(const step::Http& a) { run_.host().http().addReply(a.reply); }
    void operator()(const step::Clock& a) {
        auto& clock = run_.host().clock();
        if (a.set) clock.set(*a.set);
        if (a.advance) clock.advanceSeconds(*a.advance);
        run_.say("-> " + clock.now().iso());
        const auto before = app_.sentLog().size();
        app_.runTransport();
        const auto& log = app_.sentLog();
        for (auto i = before; i < log.size(); ++i) run_.say("transport sends " + quote(log[i].subject));
    }
    void operator()(const step::Change& a) {
        profile::ApplyRegistryEdits(a.registry, run_.host().registry());
        profile::ApplyFileEdits(a.files, a.directories, run_.host().files());
    }
    void operator()(const step::Expect&) {}  // checked by the run

    // Whether the step named the window it opened itself, and whether its response was
    // cancelled.
    bool named_ = false;
    bool cancelled_ = false;

private:
    ScenarioRun& run_;
    sim::SimApplication& app_;
    const Step& step_;
};

}  // namespace

void ScenarioRun::execute(const Step& step) {
    if (const auto* e = std::get_if<step::Expect>(&step.action)) return check(e->what);
    const auto before = app_->inspectors();
    Executor executor(*this, step);
    std::visit(executor, step.action);
    if (step.as.empty() || executor.named_) return;
    // `as` or `opens`: the one window this step opened.
    std::vector<std::shared_ptr<sim::SimInspector>> opened;
    for (const auto& inspector : app_->inspectors())
        if (!inspector->closed() && std::find(before.begin(), before.end(), inspector) == before.end())
            opened.push_back(inspector);
    if (opened.size() == 1) {
        name(step.as, opened.front()->item());
        say(opensLine(step.as, *opened.front()->item()));
        return;
    }
    if (executor.cancelled_ && opened.empty()) {
        nameNothing(step.as, "the " + step.kind + " of step " + std::to_string(step.number) + " was cancelled");
        say("-> no window opens");
        return;
    }
    throw StepFailure("the step opened " + std::to_string(opened.size()) + " windows, so none can be named " +
                      step.as);
}

}  // namespace corvane::scenario
