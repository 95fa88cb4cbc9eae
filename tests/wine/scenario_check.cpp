// The parity scenarios (tests/parity) through real COM under Wine: the simulated Outlook
// behind its COM face (simcom), the add-in's COM server (Corvane.Connect from src/com's
// class table, linked in) driving it through comoutlook's late binding and events and
// commapi's Extended MAPI over the faces' MAPI objects. The add-in's process runs on the
// scenario's own simulated host (its scripted dialogs, registry and files), so each
// transcript must read as the native run's golden one; after each scenario the faces must
// count no reference left.
//   scenario_check <transcripts folder>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "corvane/access/factory.h"
#include "corvane/addin/subsystems.h"
#include "corvane/com/addin_process.h"
#include "corvane/com/classes.h"
#include "corvane/commapi/com_ptr.h"
#include "corvane/platform/error.h"
#include "corvane/platform/version.h"
#include "corvane/sim/application.h"
#include "corvane/simcom/com_addin.h"
#include "corvane/simcom/faces.h"
#include "parity_scenarios.h"

using namespace corvane;

namespace {

// Corvane.Connect made as its class factory would make it.
commapi::ComPtr<IUnknown> NewConnect() {
    commapi::ComPtr<IUnknown> made;
    for (const auto& server : com::ServerClasses())
        if (server.progId == com::ConnectProgId &&
            SUCCEEDED(server.create(IID_IUnknown, reinterpret_cast<void**>(made.put()))))
            return made;
    throw platform::PlatformError(platform::errors::CannotCreateObject);
}

// One COM face per Outlook; the add-in's process on the scenario's host, its Extended MAPI
// over the faces' MAPI objects.
struct ComWiring {
    std::shared_ptr<simcom::Faces> faces;

    bool operator()(sim::SimApplication& app, simhost::SimHost& host) {
        // The last Outlook's faces go first: they offer Outlook's account manager while they live.
        faces.reset();
        faces = simcom::Faces::Create(platform::OutlookMajorVersionNumber(app.options().version).value_or(15));
        // The access component's own logons are sessions of the simulated profile shown
        // through the faces, where mapi32.dll would log on to a real profile.
        com::SetAddinProcessMaker(
            [&host, faces = std::weak_ptr(faces), outlook = std::weak_ptr(app.shared_from_this())] {
                auto mapi = simcom::LogonSubsystem(faces.lock(), outlook.lock()->mapiSubsystem());
                return std::make_shared<addin::Process>(host.host(), addin::Subsystems{},
                                                        std::make_shared<access::ComponentFactory>(std::move(mapi)));
            });
        app.registerClass(scenario::AddinProgId, [faces = faces] {
            auto connect = NewConnect();
            return std::shared_ptr<outlook::Dispatch>(simcom::ComAddinClient::Create(faces, connect.get()));
        });
        return true;
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::printf("usage: scenario_check <transcripts folder>\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int failed = 0;
    {
        auto wiring = std::make_shared<ComWiring>();
        failed = parity::RunAndCompare(
            std::filesystem::path(argv[1]),
            [wiring](sim::SimApplication& app, simhost::SimHost& host) { return (*wiring)(app, host); },
            [wiring](const scenario::Scenario&) -> std::string {
                const auto& faces = *wiring->faces;
                if (faces.live() == 0 && faces.references() == 0 && faces.mapiLive() == 0) return {};
                return "references left: " + std::to_string(faces.live()) + " faces, " +
                       std::to_string(faces.references()) + " references, " + std::to_string(faces.mapiLive()) +
                       " MAPI objects\n";
            });
        com::SetAddinProcessMaker({});
    }
    CoUninitialize();
    return failed == 0 ? 0 : 1;
}
