#include "addin_core.h"

#include <objbase.h>

#include <utility>
#include <vector>

#include "corvane/access/factory.h"
#include "corvane/addin/buttons.h"
#include "corvane/addin/connect.h"
#include "corvane/com/word_bridge.h"
#include "corvane/commapi/commapi.h"
#include "corvane/comoutlook/late.h"
#include "corvane/text/text.h"
#include "corvane/winhost/windows_host.h"
#include "corvane/winui/win32_ui.h"

namespace corvane::com {

namespace {

// The core with the machine's services it is built on, destroyed in reverse order.
struct Core {
    Core() : process(windows.host(), {}, std::make_shared<access::ComponentFactory>(commapi::SubsystemOf())) {}

    winui::Win32Ui ui;
    winhost::WindowsHost windows{ui};
    addin::Process process;
};

// The process every object made in this module shares while one of them lives.
std::weak_ptr<addin::Process>& CurrentProcess() {
    static std::weak_ptr<addin::Process> process;
    return process;
}

AddinProcessMaker& Maker() {
    static AddinProcessMaker maker;
    return maker;
}

// CreateObject on the running Outlook as the code in Word asks it: Outlook makes the
// Connect in its own process (its Application.CreateObject), where the add-in and its list
// live; the other classes are made here.
comoutlook::Objects::Creator ThroughOutlook(std::weak_ptr<addin::Process> process,
                                            comoutlook::ComPtr<IDispatch> application) {
    return [here = OwnObjects(std::move(process)),
            application = std::move(application)](std::string_view progId) -> std::shared_ptr<outlook::Dispatch> {
        if (!text::equalsNoCase(progId, addin::ConnectProgId)) return here(progId);
        comoutlook::NameCache names;
        std::vector<comoutlook::Value> args{comoutlook::Value(progId)};
        auto made = comoutlook::LateBound(application, names).call("CreateObject", args).object();
        return std::dynamic_pointer_cast<outlook::Dispatch>(ConnectOf(made.get()));
    };
}

// "Outlook.Application" on this machine: the running Outlook (Outlook is a single-instance
// server), or nullptr when it cannot be reached.
std::shared_ptr<outlook::Application> RunningOutlook(const std::weak_ptr<addin::Process>& process) {
    CLSID classId{};
    comoutlook::ComPtr<IDispatch> application;
    if (FAILED(CLSIDFromProgID(L"Outlook.Application", &classId)) ||
        FAILED(CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(application.put()))))
        return nullptr;
    return comoutlook::ApplicationOf(application.get(), ThroughOutlook(process, application));
}

// The DLL's own process, on the machine's services.
std::shared_ptr<addin::Process> MachineProcess() {
    auto core = std::make_shared<Core>();
    std::shared_ptr<addin::Process> process(core, &core->process);
    process->runningOutlook = [weak = std::weak_ptr(process)] { return RunningOutlook(weak); };
    return process;
}

}  // namespace

void SetAddinProcessMaker(AddinProcessMaker maker) {
    Maker() = std::move(maker);
    CurrentProcess().reset();
}

std::shared_ptr<addin::Process> AddinProcessHere() {
    auto process = CurrentProcess().lock();
    if (!process) {
        process = Maker() ? Maker()() : MachineProcess();
        CurrentProcess() = process;
    }
    return process;
}

comoutlook::Objects::Creator OwnObjects(std::weak_ptr<addin::Process> process) {
    // Held weakly: the process holds Outlook's objects, whose map holds this.
    return [process = std::move(process)](std::string_view progId) -> std::shared_ptr<outlook::Dispatch> {
        auto p = process.lock();
        if (!p) return nullptr;
        if (text::equalsNoCase(progId, addin::ConnectProgId)) return addin::Connect::Create(p);
        if (text::equalsNoCase(progId, addin::ButtonsProgId)) return std::make_shared<addin::Buttons>(p);
        return nullptr;
    };
}

}  // namespace corvane::com
