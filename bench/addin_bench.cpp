// The add-in inside Outlook's calls: connecting on a large profile, and Outlook's send
// event on a message with many recipients when no prompt is configured. Outlook gives an
// add-in about a second before it calls it slow.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include <pugixml.hpp>

#include "corvane/access/factory.h"
#include "corvane/accounts/clsSendAcct.h"
#include "corvane/accounts/preferred_account.h"
#include "corvane/accounts/rowset.h"
#include "corvane/addin/connect.h"
#include "corvane/addin/out_addin.h"
#include "corvane/addin/subsystems.h"
#include "corvane/checks/basCorvane_attach.h"
#include "corvane/checks/basCorvane_subject.h"
#include "corvane/core/addin_process.h"
#include "corvane/platform/clock.h"
#include "corvane/platform/file_system.h"
#include "corvane/platform/host.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/settings/setting_store.h"
#include "corvane/sim/application.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/item_types.h"
#include "corvane/sim/name_space.h"
#include "corvane/simhost/registry.h"

namespace {

using namespace corvane;
namespace ol = corvane::outlook;

class QuietUi final : public platform::Ui {
public:
    int messageBox(std::string_view, int, std::string_view, platform::WindowHandle) override { return 1; }
    void beep() override {}
    platform::WindowHandle foregroundWindow() override { return 1; }
    void setForegroundWindow(platform::WindowHandle) override {}
    void showModal(ui::Form&) override {}
    void doEvents() override {}
    std::optional<std::string> browseForFolder(std::string_view) override { return std::nullopt; }
};
class NoFiles final : public platform::FileSystem {
public:
    std::optional<std::string> readFile(std::string_view) override { return std::nullopt; }
    void writeFile(std::string_view, std::string_view) override {}
    bool fileExists(std::string_view) override { return false; }
    void removeFile(std::string_view) override {}
};
class NoShell final : public platform::Shell {
public:
    void openAddress(std::string_view) override {}
    void openHelp(std::string_view, std::string_view) override {}
};
class NoHttp final : public platform::Http {
public:
    platform::HttpResponse get(std::string_view, std::chrono::milliseconds) override { return {}; }
};
class System final : public platform::SystemInfo {
public:
    platform::WindowsVersion windowsVersion() override { return {}; }
    std::uint16_t nativeArchitecture() override { return platform::arch::Amd64; }
    std::string addinFolder() override { return "C:\\Program Files\\Corvane"; }
    platform::AddinVersion addinVersion() override { return {2, 0, 58}; }
    unsigned ansiCodePage() override { return 1252; }
};

struct Bench {
    explicit Bench(int stores, int explorers) {
        sim::OutlookOptions options;
        options.quitWhenLastWindowCloses = false;
        app = sim::SimApplication::Create(clock, options);
        auto profile = app->profile();
        auto& book = profile->addressBook();
        me = book.addExchangeUser({"John Smith", "jsmith", "john@kelderon.example", {}, ""});
        ann = book.addSmtp("Ann Lee", "ann@example.com");
        profile->addStore({"Mailbox - John Smith", mapi::storekind::PrimaryExchangeMailbox, me, true});
        for (int i = 1; i < stores; ++i)
            profile->addStore({"Archive " + std::to_string(i), mapi::storekind::PstUnicode, nullptr, false});
        profile->setCurrentUser(me);
        profile->addAccount({"Work", "john@kelderon.example", ol::olaccount::Exchange, "John Smith"});
        profile->addAccount({"Home", "john@home.example", ol::olaccount::Pop3, "John"});
        for (int i = 0; i < explorers; ++i) app->openExplorer(profile->defaultFolder(ol::olfolder::Inbox));
        settings::SettingStore store(registry);
        store.SaveSetting(settings::keys::ShowStartupWizard, "False");
        store.SaveSetting(settings::keys::LastCheckUpdateDate, "DoNotCheck");
        store.SaveSetting(settings::keys::blnMoveCV, "1");
    }
    // How the list's records come: as numbered (person1, person2, ... which as text is a
    // few runs in order), as the add-in saves a list it loaded (sorted but for one address
    // added since), or shuffled.
    enum ListOrder { Numbered, AsSaved, Shuffled };
    // The list message in the settings folder, listing `records` addresses (ann@example.com
    // among them, with the default account).
    void addList(int records, ListOrder order = Numbered) {
        auto folder = app->profile()->defaultFolder(ol::olfolder::Inbox)->parentFolder();
        auto data = folder->addFolder("Brackenfold Settings")->addFolder("Corvane");
        std::vector<accounts::ListRecord> rows;
        rows.reserve(static_cast<std::size_t>(records));
        for (int i = 1; i < records; ++i)
            rows.push_back({"person" + std::to_string(i) + "@example.com", i % 2 ? "Home" : "Work"});
        rows.push_back({"ann@example.com", "Work"});
        if (order == AsSaved) {
            std::sort(rows.begin(), rows.end() - 1,
                      [](const auto& a, const auto& b) { return *a.strEmailAddress < *b.strEmailAddress; });
        } else if (order == Shuffled) {
            std::shuffle(rows.begin(), rows.end(), std::mt19937(7));
        }
        sim::ItemSpec spec;
        spec.subject = "Email Address";
        spec.sent = false;
        spec.body = accounts::WriteRowset(rows);
        listBody = spec.body;
        data->addMail(spec);
    }
    std::shared_ptr<addin::Process> newProcess() {
        addin::Subsystems s;
        auto p = std::make_shared<addin::Process>(host, s,
                                                  std::make_shared<access::ComponentFactory>(app->mapiSubsystem()));
        p->runningOutlook = [this] { return app; };
        return p;
    }

    platform::FixedClock clock{platform::DateTime::fromCivil(2026, 3, 2, 9, 30)};
    simhost::SimRegistry registry;
    QuietUi ui;
    NoShell shell;
    NoHttp http;
    System system;
    NoFiles files;
    platform::Host host{registry, ui, shell, http, system, clock, files};
    std::shared_ptr<sim::SimApplication> app;
    std::shared_ptr<sim::SimAddressEntry> me, ann;
    std::string listBody;
};

void BM_OnConnection_50Stores_20Explorers(benchmark::State& state) {
    Bench bench(50, 20);
    for (auto _ : state) {
        auto connect = addin::Connect::Create(bench.newProcess());
        connect->AddinInstance_OnConnection(bench.app, ol::extconnect::Startup, nullptr);
        benchmark::DoNotOptimize(connect->process().gcolExplWrap);
        if (connect->process().gcolExplWrap->Count() != 20) state.SkipWithError("explorers not wrapped");
        state.PauseTiming();
        connect->AddinInstance_OnDisconnection(ol::extdisconnect::HostShutdown);
        connect.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OnConnection_50Stores_20Explorers)->Unit(benchmark::kMicrosecond);

void BM_ItemSend_500Recipients_NoPrompt(benchmark::State& state) {
    Bench bench(1, 1);
    bench.addList(static_cast<int>(state.range(0)));
    auto connect = addin::Connect::Create(bench.newProcess());
    connect->AddinInstance_OnConnection(bench.app, ol::extconnect::Startup, nullptr);
    sim::ItemSpec spec;
    spec.subject = "Quarterly figures";
    spec.sent = false;
    spec.to.emplace_back(bench.ann);
    for (int i = 1; i < 500; ++i) spec.to.emplace_back("person" + std::to_string(i) + "@example.com");
    auto item = bench.app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec);
    bench.app->openItem(item);
    auto message = item->asItem();
    bool cancel = false;
    for (auto _ : state) {
        cancel = false;
        connect->outAddIn()->objOutlook_ItemSend(message, cancel);
        benchmark::DoNotOptimize(cancel);
    }
    // The send must have gone through every step, not stopped on a failure.
    if (cancel) state.SkipWithError("the send event cancelled the message");
    connect->AddinInstance_OnDisconnection(ol::extdisconnect::HostShutdown);
}
// The list's size as the argument: the send event loads the list each time.
BENCHMARK(BM_ItemSend_500Recipients_NoPrompt)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

// The preference list of 100,000 records: loading it (the list message's body parsed, the
// cursor built, sorted) against a plain parse of the same body; saving it (written whole
// and put back into the list message); and the lookups of the send event.
struct ListBench {
    explicit ListBench(Bench::ListOrder order = Bench::Numbered) : bench(1, 1) {
        bench.addList(100000, order);
        process = bench.newProcess();
        process->gOutlook = bench.app;
        list = std::make_shared<accounts::clsSendAcct>(*process);
        list->strMailFolderPath("\\Mailbox - John Smith\\Brackenfold Settings\\Corvane");
        process->gSendAcct = list;
    }
    Bench bench;
    std::shared_ptr<addin::Process> process;
    std::shared_ptr<accounts::clsSendAcct> list;
};

void BM_ListRawParse_100k(benchmark::State& state) {
    ListBench b;
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(b.bench.listBody.data(), b.bench.listBody.size()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * b.bench.listBody.size()));
}
BENCHMARK(BM_ListRawParse_100k)->Unit(benchmark::kMillisecond);

// A list object's first load (as at connection, or after someone else saved the list).
void BM_ListLoad_100k(benchmark::State& state) {
    ListBench b(static_cast<Bench::ListOrder>(state.range(0)));
    for (auto _ : state) {
        accounts::clsSendAcct list(*b.process);
        list.strMailFolderPath(b.list->strMailFolderPath());
        if (!list.LoadList()) state.SkipWithError("the list did not load");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * b.bench.listBody.size()));
}
// 0: a list written in another order than the add-in's (numbered); 1: a list as the
// add-in saves it; 2: a list in no order at all.
BENCHMARK(BM_ListLoad_100k)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Loading again a list whose message nobody changed (each send does).
void BM_ListReload_100k(benchmark::State& state) {
    ListBench b;
    for (auto _ : state)
        if (!b.list->LoadList()) state.SkipWithError("the list did not load");
}
BENCHMARK(BM_ListReload_100k)->Unit(benchmark::kMillisecond);

void BM_ListSave_100k(benchmark::State& state) {
    ListBench b;
    b.list->LoadList();
    b.list->AbsolutePosition("1");
    b.list->Edit();
    for (auto _ : state)
        if (!b.list->Update()) state.SkipWithError("the list was not saved");
}
BENCHMARK(BM_ListSave_100k)->Unit(benchmark::kMillisecond);

void BM_PrefAccountFor_100k(benchmark::State& state) {
    ListBench b;
    b.list->LoadList();
    for (auto _ : state) benchmark::DoNotOptimize(accounts::PrefAccountFor(*b.process, "ann@example.com"));
}
BENCHMARK(BM_PrefAccountFor_100k)->Unit(benchmark::kMillisecond);

void BM_IsFirstRecipientListed_100k(benchmark::State& state) {
    ListBench b;
    b.list->LoadList();
    sim::ItemSpec spec;
    spec.subject = "Lunch";
    spec.sent = false;
    spec.to.emplace_back(b.bench.ann);
    auto message = b.bench.app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec)->asItem();
    std::string address;
    std::string text;
    for (auto _ : state)
        benchmark::DoNotOptimize(accounts::IsFirstRecipientListed(*b.process, text, message, address));
}
BENCHMARK(BM_IsFirstRecipientListed_100k)->Unit(benchmark::kMillisecond);

// The whole missing-attachment check on a message whose 10 MB plain body holds no keyword,
// read through the secure mail item, against one case-sensitive find of one keyword over
// the same text.
std::string tenMegabytesWithoutKeyword() {
    const std::string line = "The quarterly figures are in the shared folder, see the usual place.\r\n";
    std::string body;
    while (body.size() + line.size() <= (10u << 20)) body += line;
    return body;
}

void BM_cvAttachMissingCheck_10MB(benchmark::State& state) {
    Bench bench(1, 1);
    auto process = bench.newProcess();
    process->gOutlook = bench.app;
    sim::ItemSpec spec;
    spec.subject = "Quarterly figures";
    spec.sent = false;
    spec.body = tenMegabytesWithoutKeyword();
    spec.to.emplace_back(bench.ann);
    auto message = bench.app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec)->asItem();
    for (auto _ : state) {
        bool cancel = false;
        checks::basCorvane::cvAttachMissingCheck(*process, message, cancel);
        if (cancel) state.SkipWithError("the check prompted");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * spec.body.size()));
}
BENCHMARK(BM_cvAttachMissingCheck_10MB)->Unit(benchmark::kMillisecond);

void BM_FindOneKeyword_10MB(benchmark::State& state) {
    const std::string body = tenMegabytesWithoutKeyword();
    for (auto _ : state) benchmark::DoNotOptimize(std::string_view(body).find("attach"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * body.size()));
}
BENCHMARK(BM_FindOneKeyword_10MB)->Unit(benchmark::kMillisecond);

// cvRemoveSpamMarks on a new reply whose subject is made of repeated "RE: " prefixes and
// spam marks; its cost must grow with the subject's length, not with its square.
void BM_cvRemoveSpamMarks(benchmark::State& state) {
    Bench bench(1, 1);
    auto process = bench.newProcess();
    process->gOutlook = bench.app;
    settings::SettingStore(bench.registry).SaveSetting(settings::keys::AutoRemoveSpamWords, "1");
    std::string subject;
    while (subject.size() + 18 <= static_cast<std::size_t>(state.range(0))) subject += "RE: [SPAM-LOW:] ";
    subject += "Offer";
    sim::ItemSpec spec;
    spec.sent = false;
    spec.to.emplace_back(bench.ann);
    auto reply = bench.app->profile()->defaultFolder(ol::olfolder::Drafts)->addMail(spec)->asItem();
    for (auto _ : state) {
        reply->SetSubject(subject);
        benchmark::DoNotOptimize(checks::basCorvane::cvRemoveSpamMarks(*process, reply));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_cvRemoveSpamMarks)
    ->Arg(16 << 10)
    ->Arg(64 << 10)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
