// Checking expectations: every fact asked about is written to the transcript as it is;
// the step fails when any differs.
#include <algorithm>

#include "corvane/outlook/object.h"
#include "corvane/profile/mailbox.h"
#include "corvane/scenario/recipients.h"
#include "corvane/scenario/run_state.h"
#include "corvane/sim/account.h"
#include "corvane/sim/command_bars.h"
#include "corvane/sim/folder.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/name_space.h"
#include "corvane/text/code_page.h"
#include "corvane/text/text.h"
#include "corvane/ui/text_presenter.h"

namespace corvane::scenario {

namespace ol = outlook;
using ui::quote;

namespace {

std::string yesNo(bool b) { return b ? "yes" : "no"; }

std::string timeText(platform::DateTime t) { return t == platform::DateTime::none() ? "none" : t.iso(); }

std::string list(const std::vector<std::string>& items, bool quoted = true) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + (quoted ? quote(items[i]) : items[i]);
    return out + "]";
}

std::string valueText(const std::optional<platform::RegValue>& v) {
    if (!v) return "missing";
    if (v->type == platform::regtype::String) return quote(v->text);
    if (v->type == platform::regtype::DWord) return "dword " + std::to_string(v->dword);
    std::string hex;
    for (auto b : v->bytes) {
        static const char digits[] = "0123456789abcdef";
        hex += (hex.empty() ? "" : ",") + std::string{digits[b >> 4], digits[b & 15]};
    }
    return "hex(" + std::to_string(v->type) + ") " + hex;
}

bool sameValue(const std::optional<platform::RegValue>& a, const std::optional<platform::RegValue>& b) {
    if (!a || !b) return !a && !b;
    if (a->type != b->type) return false;
    if (a->type == platform::regtype::String) return a->text == b->text;
    if (a->type == platform::regtype::DWord) return a->dword == b->dword;
    return a->bytes == b->bytes;
}

class Checker {
public:
    Checker(ScenarioRun& run, std::vector<std::string>& lines, std::vector<std::string>& misses)
        : run_(run), app_(run.app()), lines_(lines), misses_(misses) {}

    // One fact: `what` ("item r1 subject"), as it is and as expected, in transcript words.
    void fact(const Where& at, const std::string& what, const std::string& actual, const std::string& expected) {
        if (actual == expected) {
            lines_.push_back("ok " + what + " " + actual);
        } else {
            lines_.push_back("NOT " + what + " " + actual + ", expected " + expected + " (line " +
                             std::to_string(at.line) + ")");
            misses_.push_back(what + " is " + actual + ", expected " + expected + " (" + at.text() + ")");
        }
    }

    void item(const ItemExpect& e) {
        const std::string self = "item " + e.id;
        auto it = run_.findItem(e.id);
        const bool exists = it != nullptr;
        if (e.exists || !exists) fact(e.at, self + " exists", yesNo(exists), yesNo(e.exists.value_or(true)));
        if (!exists) return;
        auto session = app_.profile();
        if (e.open) {
            auto inspector = it->inspector();
            fact(e.at, self + " open", yesNo(inspector && !inspector->closed()), yesNo(*e.open));
        }
        if (e.unread) fact(e.at, self + " unread", yesNo(it->unread()), yesNo(*e.unread));
        if (e.sent) fact(e.at, self + " sent", yesNo(it->sent()), yesNo(*e.sent));
        if (e.subject) fact(e.at, self + " subject", quote(it->subject()), quote(*e.subject));
        if (e.body) fact(e.at, self + " body", quote(it->body()), quote(*e.body));
        if (e.bodyContains) {
            const bool has = it->body().find(*e.bodyContains) != std::string::npos;
            fact(e.at, self + " body contains " + quote(*e.bodyContains), yesNo(has), "yes");
        }
        if (e.to) fact(e.at, self + " to", quote(it->displayLine(ol::olrecipient::To)), quote(*e.to));
        if (e.cc) fact(e.at, self + " cc", quote(it->displayLine(ol::olrecipient::CC)), quote(*e.cc));
        if (e.bcc) fact(e.at, self + " bcc", quote(it->displayLine(ol::olrecipient::BCC)), quote(*e.bcc));
        if (e.recipients) recipients(e, *it);
        for (const auto& [name, value] : e.userProperties) {
            auto property = it->findUserProperty(name);
            fact(e.at, self + " user property " + quote(name), property ? quote(property->value()) : "absent",
                 value ? quote(*value) : "absent");
        }
        if (e.deferredDelivery)
            fact(e.at, self + " deferred_delivery", timeText(it->deferredDelivery()), timeText(*e.deferredDelivery));
        if (e.folder) {
            auto f = it->folder();
            fact(e.at, self + " folder", quote(f ? profile::FolderPathOf(*session, *f) : "none"), quote(*e.folder));
        }
        if (e.account) {
            auto account = session->sendingAccount(*it);
            fact(e.at, self + " account", quote(account ? account->Name() : "none"), quote(*e.account));
        }
        if (e.attachments) {
            std::vector<std::string> names;
            for (const auto& a : it->attachments()) names.push_back(a->FileName());
            fact(e.at, self + " attachments", list(names), list(*e.attachments));
        }
    }

    void folder(const FolderExpect& e) {
        const std::string self = "folder " + quote(e.path);
        auto f = profile::FindFolder(*app_.profile(), e.path);
        if (e.exists || !f) fact(e.at, self + " exists", yesNo(f != nullptr), yesNo(e.exists.value_or(true)));
        if (!f) return;
        if (e.count) fact(e.at, self + " count", std::to_string(f->items().size()), std::to_string(*e.count));
        if (e.subjects) {
            std::vector<std::string> subjects;
            for (const auto& i : f->items()) subjects.push_back(i->subject());
            fact(e.at, self + " subjects", list(subjects), list(*e.subjects));
        }
        if (e.bodies) {
            std::vector<std::string> bodies;
            for (const auto& i : f->items()) bodies.push_back(i->body());
            fact(e.at, self + " bodies", list(bodies), list(*e.bodies));
        }
        if (e.unread) {
            int unread = 0;
            for (const auto& i : f->items()) unread += i->unread() ? 1 : 0;
            fact(e.at, self + " unread", std::to_string(unread), std::to_string(*e.unread));
        }
    }

    void registry(const RegistryExpect& e) {
        auto& reg = run_.host().registry();
        const std::string key = profile::HiveName(e.hive) + "\\" + e.key;
        if (!e.valueName) {
            fact(e.at, "registry key " + key + " exists", yesNo(reg.openKey(e.hive, e.key) != nullptr),
                 yesNo(e.keyExists));
            return;
        }
        auto actual = reg.getValue(e.hive, e.key, *e.valueName);
        fact(e.at, "registry " + key + "\\" + (e.valueName->empty() ? std::string("@") : *e.valueName),
             valueText(actual), sameValue(actual, e.value) ? valueText(actual) : valueText(e.value));
    }

    void file(const FileExpect& e) {
        auto content = run_.host().files().readFile(e.path);
        const std::string self = "file " + e.path;
        if (e.absent || !content) fact(e.at, self + " exists", yesNo(content.has_value()), yesNo(!e.absent));
        if (!content) return;
        if (e.content) fact(e.at, self, quote(*content), quote(*e.content));
        if (e.contains)
            fact(e.at, self + " contains " + quote(*e.contains),
                 yesNo(content->find(*e.contains) != std::string::npos), "yes");
        if (e.lines) fileLines(e, self, *content);
    }

    // Line by line, so that a difference names its line; the text is read in the
    // machine's ANSI code page.
    void fileLines(const FileExpect& e, const std::string& self, const std::string& content) {
        const unsigned codePage = run_.host().system().ansiCodePage();
        const auto decoded = text::fromCodePage(content, codePage);
        fact(e.at, self + " is text in code page " + std::to_string(codePage), yesNo(decoded.has_value()), "yes");
        if (!decoded) return;
        std::vector<std::string> actual = text::split(*decoded, text::CrLf);
        const bool ended = actual.empty() || actual.back().empty();
        if (!actual.empty() && actual.back().empty()) actual.pop_back();
        fact(e.at, self + " ends with a line break", yesNo(ended), "yes");
        fact(e.at, self + " lines", std::to_string(actual.size()), std::to_string(e.lines->size()));
        for (std::size_t i = 0; i < e.lines->size() && i < actual.size(); ++i)
            fact(e.at, self + " line " + std::to_string(i + 1), quote(actual[i]), quote((*e.lines)[i]));
    }

    void sent(const Where& at, const std::vector<SentExpect>& expected) {
        const auto& log = app_.sentLog();
        fact(at, "messages sent", std::to_string(log.size()), std::to_string(expected.size()));
        for (std::size_t i = 0; i < expected.size() && i < log.size(); ++i) {
            const auto& e = expected[i];
            const auto& r = log[i];
            const std::string self = "sent message " + std::to_string(i + 1);
            if (e.subject) fact(e.at, self + " subject", quote(r.subject), quote(*e.subject));
            if (e.account) fact(e.at, self + " account", quote(r.account), quote(*e.account));
            if (e.to) fact(e.at, self + " to", list(r.to), list(*e.to));
            if (e.cc) fact(e.at, self + " cc", list(r.cc), list(*e.cc));
            if (e.bcc) fact(e.at, self + " bcc", list(r.bcc), list(*e.bcc));
            if (e.deferredDelivery)
                fact(e.at, self + " deferred_delivery", timeText(r.deferredDelivery), timeText(*e.deferredDelivery));
        }
    }

private:
    void recipients(const ItemExpect& e, sim::SimItem& it) {
        const auto& actual = it.recipients();
        std::vector<std::string> described;
        described.reserve(actual.size());
        for (const auto& r : actual) described.push_back(DescribeRecipient(*r));
        bool same = actual.size() == e.recipients->size();
        for (std::size_t i = 0; same && i < actual.size(); ++i) {
            const auto& want = (*e.recipients)[i];
            same = RecipientMatches(*actual[i], want.text) && (!want.type || *want.type == actual[i]->type());
        }
        std::vector<std::string> wanted;
        for (const auto& w : *e.recipients)
            wanted.push_back(w.text + (w.type ? " (" + RecipientTypeWord(*w.type) + ")" : ""));
        fact(e.at, "item " + e.id + " recipients", list(described, false),
             same ? list(described, false) : list(wanted, false));
    }

    ScenarioRun& run_;
    sim::SimApplication& app_;
    std::vector<std::string>& lines_;
    std::vector<std::string>& misses_;
};

}  // namespace

void ScenarioRun::check(const Expectations& what) {
    // Lines the checks themselves write are not part of what the user saw.
    const std::vector<std::string> seen = transcriptSoFar();
    std::vector<std::string> misses;
    Checker c(*this, expectLines_, misses);
    for (const auto& e : what.items) c.item(e);
    for (const auto& e : what.folders) c.folder(e);
    for (const auto& e : what.registry) c.registry(e);
    for (const auto& e : what.files) c.file(e);
    if (what.sent) c.sent(what.sentAt, *what.sent);
    auto inTranscript = [&](const std::string& text) {
        return std::any_of(seen.begin(), seen.end(),
                           [&](const std::string& l) { return l.find(text) != std::string::npos; });
    };
    for (const auto& [at, text] : what.transcriptContains)
        c.fact(at, "transcript contains " + quote(text), yesNo(inTranscript(text)), "yes");
    for (const auto& [at, text] : what.transcriptLacks)
        c.fact(at, "transcript contains " + quote(text), yesNo(inTranscript(text)), "no");
    const Where& at = what.outlookAt;
    if (what.running) c.fact(at, "Outlook running", yesNo(app_->running()), yesNo(*what.running));
    if (what.addinConnected)
        c.fact(at, "add-in connected", yesNo(app_->isConnected(AddinProgId)), yesNo(*what.addinConnected));
    if (what.explorers)
        c.fact(at, "explorers open", std::to_string(app_->explorers().size()), std::to_string(*what.explorers));
    if (what.inspectors) {
        const auto open = std::count_if(app_->inspectors().begin(), app_->inspectors().end(),
                                        [](const auto& i) { return !i->closed(); });
        c.fact(at, "inspectors open", std::to_string(open), std::to_string(*what.inspectors));
    }
    if (what.applicationSinks)
        c.fact(at, "application event sinks", std::to_string(app_->events().size()),
               std::to_string(*what.applicationSinks));
    if (what.menuBar) c.fact(at, "menu bar", list(app_->commandBarLayout().describe("Menu Bar")), list(*what.menuBar));
    if (!misses.empty())
        throw StepFailure(misses.front() + (misses.size() > 1
                                                ? " (and " + std::to_string(misses.size() - 1) + " more, see above)"
                                                : ""));
}

}  // namespace corvane::scenario
