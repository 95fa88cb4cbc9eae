#include "corvane/simaddin/addin_wiring.h"

#include <memory>

#include "corvane/access/factory.h"
#include "corvane/addin/buttons.h"
#include "corvane/addin/connect.h"
#include "corvane/sim/word.h"

namespace corvane::simaddin {

std::shared_ptr<addin::Process> RegisterAddin(sim::SimApplication& app, simhost::SimHost& host,
                                              const addin::Subsystems& subsystems) {
    // One add-in process per Outlook process: every Connect that Outlook creates by the
    // ProgId shares it. Outlook's class registry owns it; the process reaches Outlook only
    // weakly (and holds the Application only while connected), so nothing is kept alive
    // in a cycle.
    auto self = app.shared_from_this();
    const auto newProcess = [&host, subsystems, weak = std::weak_ptr<sim::SimApplication>(self)] {
        auto outlook = weak.lock();
        auto p = std::make_shared<addin::Process>(
            host.host(), subsystems, std::make_shared<access::ComponentFactory>(outlook->mapiSubsystem()));
        p->runningOutlook = [weak] { return weak.lock(); };
        return p;
    };
    auto process = newProcess();
    // Outlook quits and starts again as a new process: the add-in's DLL is loaded afresh
    // there, with state of its own (the settings file reader's lock section among it). An
    // add-in connected while Outlook runs joins the running process.
    auto current = std::make_shared<std::shared_ptr<addin::Process>>(process);
    auto first = std::make_shared<bool>(true);
    app.registerClass(std::string(addin::ConnectProgId), [current, first, newProcess, weak = std::weak_ptr(self)] {
        auto outlook = weak.lock();
        if (!*first && outlook && !outlook->running()) *current = newProcess();
        *first = false;
        return std::shared_ptr<outlook::Dispatch>(addin::Connect::Create(*current));
    });
    // The template's macros create Buttons inside Word's process, which has state of its
    // own: the DLL loaded there once, its globals shared by every Buttons made there.
    app.word().registerClass(std::string(addin::ButtonsProgId), [newProcess]() -> sim::SimWord::ClassFactory {
        auto wordProcess = newProcess();
        return [wordProcess] {
            return std::shared_ptr<outlook::Dispatch>(std::make_shared<addin::Buttons>(wordProcess));
        };
    });
    return process;
}

bool registerAddinClasses(sim::SimApplication& app, simhost::SimHost& host) {
    RegisterAddin(app, host);
    return true;
}

}  // namespace corvane::simaddin
