// How each step reads in the transcript.
#include "corvane/scenario/run_state.h"
#include "corvane/ui/text_presenter.h"

namespace corvane::scenario {

namespace {

using ui::quote;

// 2700 -> "45m", 93784 -> "1d 2h 3m 4s".
std::string span(std::int64_t seconds) {
    std::string out;
    const std::pair<std::int64_t, const char*> units[] = {{86400, "d"}, {3600, "h"}, {60, "m"}, {1, "s"}};
    for (const auto& [size, unit] : units) {
        if (seconds < size) continue;
        out += (out.empty() ? "" : " ") + std::to_string(seconds / size) + unit;
        seconds %= size;
    }
    return out.empty() ? "0s" : out;
}

std::string joined(const std::vector<std::string>& items, const char* separator = ", ") {
    std::string out;
    for (const auto& i : items) out += (out.empty() ? "" : separator) + i;
    return out;
}

struct Describer {
    const Step& step;

    std::string operator()(const step::Start& a) const {
        std::string out = "start Outlook";
        if (a.explorers) out += a.explorers->empty() ? ", no explorer" : ", explorers on " + joined(*a.explorers);
        if (a.inspectors && !a.inspectors->empty()) out += ", inspectors on " + joined(*a.inspectors);
        return out + (a.addin ? ", loading the add-in" : ", without the add-in");
    }
    std::string operator()(const step::Connect& a) const {
        static const char* const modes[] = {"after start-up", "at start-up", "external", "command line"};
        return std::string("connect the add-in (") + modes[a.mode] + ")";
    }
    std::string operator()(const step::Disconnect& a) const {
        return a.removeMode == 1 ? "the user switches the add-in off" : "disconnect the add-in (host shutdown)";
    }
    std::string operator()(const step::Quit&) const { return "quit Outlook"; }
    std::string operator()(const step::OpenExplorer& a) const { return "open an explorer on " + quote(a.folder); }
    std::string operator()(const step::CloseExplorer& a) const {
        return a.index ? "close explorer " + std::to_string(*a.index) : "close the active explorer";
    }
    std::string operator()(const step::Open& a) const { return a.item ? "open " + *a.item : "open the selected item"; }
    std::string operator()(const step::Close& a) const { return "close the window of " + a.item; }
    std::string operator()(const step::Activate& a) const {
        return a.item ? "activate the window of " + *a.item : "activate explorer " + std::to_string(*a.explorer);
    }
    std::string operator()(const step::Select& a) const {
        return a.items.empty() ? "select nothing" : "select " + joined(a.items);
    }
    std::string operator()(const step::SwitchFolder& a) const { return "switch the explorer to " + quote(a.folder); }
    std::string operator()(const step::Respond& a) const {
        std::string out = step.kind + (a.item       ? " in the window of " + *a.item
                                       : a.selected ? " from the explorer on the selected " + *a.selected
                                                    : " from the explorer");
        return out + (step.as.empty() ? "" : ", as " + step.as);
    }
    std::string operator()(const step::NewMail&) const {
        return "write a new mail" + (step.as.empty() ? std::string() : ", as " + step.as);
    }
    std::string operator()(const step::Edit& a) const { return "edit " + a.item; }
    std::string operator()(const step::Send& a) const { return "send " + a.item; }
    std::string operator()(const step::SendFromProgram& a) const {
        return a.item ? "another program sends " + *a.item : "another program sends a new mail, as " + step.as;
    }
    std::string operator()(const step::Hold&) const { return "another program takes hold of Outlook"; }
    std::string operator()(const step::Release&) const { return "the program lets go of Outlook"; }
    std::string operator()(const step::ContextMenu&) const { return "right-click the selection"; }
    std::string operator()(const step::Ribbon& a) const { return "click the ribbon control " + quote(a.id); }
    std::string operator()(const step::Menu& a) const { return "click the menu " + quote(joined(a.captions, "/")); }
    std::string operator()(const step::Http& a) const {
        if (a.reply.unreachable) return "the next HTTP request finds the server unreachable";
        std::string d = "the next HTTP request gets " + std::to_string(a.reply.status) + " (" +
                        std::to_string(a.reply.body.size()) + " bytes)";
        if (a.reply.delay.count() > 0) d += " after " + span(a.reply.delay.count());
        if (!a.reply.location.empty()) d += " to " + ui::quote(a.reply.location);
        return d;
    }
    std::string operator()(const step::Clock& a) const {
        return a.set ? "set the clock to " + a.set->iso() : "advance the clock by " + span(*a.advance);
    }
    std::string operator()(const step::Change&) const { return "change " + step.kind; }
    std::string operator()(const step::Expect&) const { return "expect"; }
};

}  // namespace

std::string DescribeStep(const Step& step) {
    std::string out = std::visit(Describer{step}, step.action);
    if (!step.as.empty() && step.kind != "reply" && step.kind != "reply_all" && step.kind != "forward" &&
        step.kind != "new_mail" && step.kind != "send_from_program")
        out += ", opening " + step.as;
    return out;
}

}  // namespace corvane::scenario
