#include "parity_scenarios.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "corvane/settings/setting_keys.h"
#include "corvane/settings/setting_store.h"

namespace corvane::parity {

namespace {

using namespace scenario;
using platform::DateTime;
using simhost::FormStep;
using simhost::MessageBoxStep;
namespace act = simhost::action;
namespace keys = settings::keys;

constexpr int Exchange = 0, Pop3 = 2, Imap = 1;

// John Smith's Exchange mailbox with Ann Lee and Bob Ray in the address book, the add-in
// registered and its settings folder made; start-up asks nothing.
profile::Profile Mailbox() {
    profile::Profile p;
    p.addressBook = {{.name = "John Smith", .type = "EX", .smtp = "john@kelderon.example", .alias = "jsmith"},
                     {.name = "Ann Lee", .smtp = "ann@example.com"},
                     {.name = "Bob Ray", .smtp = "bob@example.org"}};
    p.user = "john@kelderon.example";
    p.accounts = {{.name = "Kelderon", .smtp = "john@kelderon.example", .type = Exchange, .userName = "John Smith"}};
    p.folders = {{.path = "Brackenfold Settings/Corvane"}};
    p.registry = {{.key = "Software\\Microsoft\\Office\\Outlook\\Addins\\Corvane.Connect",
                   .valueName = "LoadBehavior",
                   .value = platform::RegValue::dwordValue("LoadBehavior", 3)}};
    return p;
}

// The add-in's settings (its user key), after the profile's own registry values.
void Settings(profile::Profile& p, std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    for (auto [name, value] : values)
        p.registry.push_back({.key = std::string(settings::UserSettingsPath),
                              .valueName = std::string(name),
                              .value = platform::RegValue::string(std::string(name), std::string(value))});
}

void QuietStart(profile::Profile& p) {
    Settings(p, {{keys::ShowStartupWizard, "False"},
                 {keys::LastCheckUpdateDate, settings::DoNotCheckMarker},
                 {keys::MsgAddAddress, "1"}});
}

profile::ProfileItem Mail(std::string id, std::string subject, std::string from, std::vector<std::string> to) {
    profile::ProfileItem item{.id = std::move(id),
                              .subject = std::move(subject),
                              .from = profile::ProfileAddress{from}};
    for (auto& name : to) item.to.push_back({std::move(name)});
    item.received = DateTime::fromCivil(2026, 3, 1, 17, 30);
    return item;
}

Step Do(std::string kind, Action action, std::vector<simhost::UiStep> prompts = {}, std::string as = {}) {
    return Step{
        .kind = std::move(kind), .action = std::move(action), .prompts = std::move(prompts), .as = std::move(as)};
}

Step Start(std::vector<std::string> explorers = {"Inbox"}) {
    return Do("start", step::Start{.explorers = std::move(explorers)});
}

Step Expect(Expectations what) { return Do("expect", step::Expect{std::move(what)}); }

Step NewMail(std::string as, std::string subject, std::vector<std::string> to, std::string body) {
    return Do("new_mail", step::NewMail{{.subject = std::move(subject), .body = std::move(body), .to = std::move(to)}},
              {}, std::move(as));
}

Step Send(std::string item, std::string outcome, std::vector<simhost::UiStep> prompts = {}) {
    return Do("send", step::Send{std::move(item), std::move(outcome)}, std::move(prompts));
}

Scenario Make(std::string file, std::string name, std::string version, profile::Profile p, std::vector<Step> steps) {
    Scenario s{
        .at = {std::move(file), 0}, .name = std::move(name), .profile = std::move(p), .steps = std::move(steps)};
    s.outlook.version = std::move(version);
    s.clock = DateTime::fromCivil(2026, 3, 2, 9);
    for (std::size_t i = 0; i < s.steps.size(); ++i) {
        s.steps[i].number = static_cast<int>(i + 1);
        s.steps[i].at = {s.at.file, s.steps[i].number};
    }
    return s;
}

Scenario StartupWithTwoExplorers() {
    auto p = Mailbox();
    QuietStart(p);
    p.folders.push_back({.path = "Inbox", .items = {Mail("memo", "Office move", "Ann Lee", {"Bob Ray"})}});
    p.folders.push_back({.path = "Inbox/Projects", .items = {Mail("status", "Status", "Ann Lee", {"Bob Ray"})}});
    const MessageBoxStep blindCopy{.title = "BCCed e-mail - Corvane", .buttons = 36, .answer = platform::mb::IdNo};
    return Make("startup-two-explorers", "start-up with two main windows", "11.0.0.8010", p,
                {Start({"Inbox", "Inbox/Projects"}),
                 Expect({.running = true, .addinConnected = true, .explorers = 2, .inspectors = 0}),
                 Do("activate", step::Activate{.explorer = 1}), Do("select", step::Select{{"memo"}}),
                 Do("reply_all", step::Respond{.kind = sim::ResponseKind::ReplyAll}, {blindCopy}, "r1"),
                 Do("activate", step::Activate{.explorer = 2}), Do("select", step::Select{{"status"}}),
                 Do("reply_all", step::Respond{.kind = sim::ResponseKind::ReplyAll}, {blindCopy}, "r2"),
                 Expect({.items = {{.id = "r1", .exists = false}, {.id = "r2", .exists = false}}})});
}

Scenario ReplyAllDropOne() {
    auto p = Mailbox();
    QuietStart(p);
    p.addressBook.push_back({.name = "Carol Diaz", .type = "EX", .smtp = "carol@kelderon.example", .alias = "cdiaz"});
    auto plans = Mail("plans", "Plans for March", "Ann Lee", {"John Smith", "Carol Diaz"});
    plans.cc = {{"Bob Ray"}};
    p.folders.push_back({.path = "Inbox", .items = {plans}});
    const FormStep recipients{.form = "frmReplyMultRecipt",
                              .caption = "Reply to All - Corvane",
                              .actions = {act::TickRows{"lstVRecipients", {"Bob Ray (bob@example.org)"}, false},
                                          act::Click{"cmdOK"}}};
    return Make(
        "reply-all-drop-one", "Reply to All with one recipient dropped", "12.0.0.6423", p,
        {Start(), Do("select", step::Select{{"plans"}}),
         Do("reply_all", step::Respond{.kind = sim::ResponseKind::ReplyAll}, {recipients}, "r1"),
         Expect({.items = {{.id = "r1",
                            .subject = "RE: Plans for March",
                            .recipients = std::vector<RecipientExpect>{{"Ann Lee", 1}, {"Carol Diaz", 1}}}}})});
}

Scenario AttachmentQuestion() {
    auto p = Mailbox();
    QuietStart(p);
    const MessageBoxStep question{.title = "Attachment(s) missing - Corvane",
                                  .textContains = "However no files were attached.",
                                  .buttons = 36,
                                  .answer = platform::mb::IdNo};
    step::Edit attach{.item = "agenda"};
    attach.attachments = {{.fileName = "agenda.docx"}};
    return Make("attach-question", "a send stopped by the attachment question, sent after", "11.0.0.8010", p,
                {Start(), NewMail("agenda", "Agenda", {"Ann Lee"}, "The agenda is attached."),
                 Send("agenda", "cancelled", {question}),
                 Expect({.items = {{.id = "agenda", .open = true, .sent = false}},
                         .folders = {{.path = "Outbox", .count = 0}},
                         .sent = std::vector<SentExpect>{}}),
                 Do("edit", attach), Send("agenda", "sent"),
                 Expect({.items = {{.id = "agenda",
                                    .folder = "Sent Items",
                                    .attachments = std::vector<std::string>{"agenda.docx"}}},
                         .sent = std::vector<SentExpect>{
                             {.subject = "Agenda", .to = std::vector<std::string>{"ann@example.com"}}}})});
}

Scenario DelayedSend() {
    auto p = Mailbox();
    QuietStart(p);
    Settings(p, {{keys::DelayEmails, "True"}, {keys::NotifyBeforeDelaying, "False"}});
    const auto due = DateTime::fromCivil(2026, 3, 2, 9, 1);
    return Make("delay-outbox", "a delayed send waits in the Outbox with its time", "11.0.0.8010", p,
                {Start(), NewMail("agenda", "Agenda", {"Ann Lee"}, "Three items."), Send("agenda", "queued"),
                 Expect({.items = {{.id = "agenda", .deferredDelivery = due, .folder = "Outbox"}},
                         .sent = std::vector<SentExpect>{}}),
                 Do("clock", step::Clock{.advance = 60}),
                 Expect({.items = {{.id = "agenda", .folder = "Sent Items"}},
                         .sent = std::vector<SentExpect>{{.subject = "Agenda", .deferredDelivery = due}}})});
}

Scenario PreferredAccount() {
    auto p = Mailbox();
    QuietStart(p);
    Settings(p, {{keys::blnMoveCV, "1"}});
    p.accounts.push_back({.name = "Home", .smtp = "john@home.example", .type = Pop3, .userName = "John"});
    p.accounts.push_back({.name = "Work", .smtp = "john@work.example", .type = Imap, .userName = "John"});
    profile::ProfileItem list{.id = "list", .subject = "Email Address", .draft = true};
    list.body =
        "<xml xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'><rs:data>\r\n"
        "<z:row strAccount='Home' strEmailAddress='ann@example.com'/>\r\n</rs:data></xml>";
    p.folders = {{.path = "Inbox"}, {.path = "Brackenfold Settings/Corvane", .items = {list}}};
    const FormStep choice{
        .form = "frmSelectSendAcct",
        .caption = "Corvane",
        .actions = {act::Expect{{{.control = "lblPrefAcct", .caption = "(Home)"},
                                 {.control = "cmbAccts", .items = std::vector<std::string>{"Kelderon", "Work"}}}},
                    act::Choose{"optChange"}, act::Click{"cmdOK"}}};
    return Make("accounts-preferred", "the preferred account chosen at send", "12.0.0.6423", p,
                {Start(), NewMail("m1", "Lunch", {"Ann Lee"}, "Noon?"), Send("m1", "sent", {choice}),
                 Expect({.sent = std::vector<SentExpect>{{.subject = "Lunch", .account = "Home"}}})});
}

Scenario RibbonSettings() {
    auto p = Mailbox();
    QuietStart(p);
    const FormStep wizard{.form = "frmIntroWizard", .caption = "Settings", .actions = {act::Click{"cmdNav(1)"}}};
    return Make("ribbon-settings", "the ribbon's settings command opens the wizard", "14.0.0.7015", p,
                {Start(), Do("ribbon", step::Ribbon{"cmdCVSettings_kelderontab"}, {wizard})});
}

Scenario SwitchedOff() {
    auto p = Mailbox();
    QuietStart(p);
    Settings(p, {{keys::DisplayConfirmation, "1"}});
    return Make("switched-off", "the add-in switched off while Outlook runs", "11.0.0.8010", p,
                {Start(), Do("disconnect", step::Disconnect{.removeMode = 1}),
                 Expect({.running = true, .addinConnected = false, .explorers = 1}),
                 NewMail("note", "Lunch", {"Ann Lee"}, "Noon?"), Send("note", "sent")});
}

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// What differs between the golden lines and the run's, or nothing.
std::string FirstDifference(const std::vector<std::string>& golden, const std::vector<std::string>& run) {
    for (std::size_t i = 0; i < golden.size() || i < run.size(); ++i) {
        const std::string want = i < golden.size() ? golden[i] : "(no more lines)";
        const std::string got = i < run.size() ? run[i] : "(no more lines)";
        if (want != got)
            return "line " + std::to_string(i + 1) + " differs:\n  golden: " + want + "\n  this run: " + got;
    }
    return {};
}

}  // namespace

std::vector<scenario::Scenario> ParityScenarios() {
    return {StartupWithTwoExplorers(), ReplyAllDropOne(), AttachmentQuestion(), DelayedSend(),
            PreferredAccount(),        RibbonSettings(),  SwitchedOff()};
}

int RunAndCompare(const std::filesystem::path& goldenDir, const scenario::AddinWiring& wiring,
                  const std::function<std::string(const scenario::Scenario&)>& after) {
    const char* update = std::getenv("CORVANE_UPDATE_TRANSCRIPTS");
    const bool rewrite = update != nullptr && std::string(update) == "1";
    int failed = 0;
    for (const auto& s : ParityScenarios()) {
        const auto result = scenario::RunScenario(s, scenario::RunOptions{wiring});
        const auto golden = goldenDir / (s.at.file + ".txt");
        std::string problem;
        if (result.outcome != scenario::ScenarioResult::Outcome::Held)
            problem = "the scenario did not hold: " + result.message + "\n";
        if (rewrite) {
            std::ofstream out(golden, std::ios::binary | std::ios::trunc);
            for (const auto& line : result.transcript) out << line << '\n';
        } else {
            problem += FirstDifference(ReadLines(golden), result.transcript);
        }
        if (after) problem += after(s);
        std::printf("%s %s\n", problem.empty() ? "same" : "DIFFERENT", s.at.file.c_str());
        if (!problem.empty()) {
            std::printf("%s\n", problem.c_str());
            ++failed;
        }
    }
    return failed;
}

}  // namespace corvane::parity
