#include "corvane/simaddin/addin_wiring.h"

#include <memory>

#include "corvane/access/factory.h"
#include "corvane/addin/connect.h"

namespace corvane::simaddin {

std::shared_ptr<addin::Process> RegisterAddin(sim::SimApplication& app, simhost::SimHost& host,
                                              addin::Subsystems subsystems) {
    // One add-in process per Outlook process: every Connect that Outlook creates by the
    // ProgId shares it. Outlook's class registry owns it; the process reaches Outlook only
    // weakly (and holds the Application only while connected), so nothing is kept alive
    // in a cycle.
    auto self = app.shared_from_this();
    auto process = std::make_shared<addin::Process>(host.host(), std::move(subsystems),
                                                    std::make_shared<access::ComponentFactory>(self->mapiSubsystem()));
    process->runningOutlook = [weak = std::weak_ptr<sim::SimApplication>(self)] { return weak.lock(); };
    app.registerClass(std::string(addin::ConnectProgId),
                      [process] { return std::shared_ptr<outlook::Dispatch>(addin::Connect::Create(process)); });
    return process;
}

bool registerAddinClasses(sim::SimApplication& app, simhost::SimHost& host) {
    RegisterAddin(app, host);
    return true;
}

}  // namespace corvane::simaddin
