// Outlook's event dispinterfaces with their dispatch identifiers, the bridges from the
// seam's sinks to the COM sinks, and the type library describing them.
#include "events.h"

#include <oleauto.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "corvane/outlook/application.h"
#include "corvane/outlook/command_bars.h"
#include "corvane/outlook/explorer.h"
#include "corvane/outlook/folders.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/items.h"
#include "corvane/text/wide.h"
#include "members.h"

namespace corvane::simcom {

namespace ol = outlook;
using comoutlook::ComPtr;

namespace {

// The dispatch identifiers Outlook's type library gives the events.
namespace ev {
// Application.
constexpr DISPID ItemSend = 0xF002, NewMail = 0xF003, Reminder = 0xF004, OptionsPagesAdd = 0xF005, Startup = 0xF006,
                 Quit = 0xF007, ItemContextMenuDisplay = 0xFBA7;
// Explorers and Inspectors.
constexpr DISPID NewExplorer = 0xF001, NewInspector = 0xF001;
// Each Explorer and Inspector.
constexpr DISPID Activate = 0xF001, FolderSwitch = 0xF002, BeforeFolderSwitch = 0xF003, ViewSwitch = 0xF004,
                 BeforeViewSwitch = 0xF005, Deactivate = 0xF006, SelectionChange = 0xF007, Close = 0xF008;
// Each item.
constexpr DISPID Read = 0xF001, Write = 0xF002, Open = 0xF003, ItemClose = 0xF004, Send = 0xF005,
                 CustomAction = 0xF006, CustomPropertyChange = 0xF008, PropertyChange = 0xF009, Reply = 0xF466,
                 ReplyAll = 0xF467, Forward = 0xF468;
// Office's command bar button.
constexpr DISPID Click = 1;
}  // namespace ev

using EventList = std::initializer_list<std::pair<const wchar_t*, DISPID>>;

constexpr EventList ApplicationEventIds{{L"ItemSend", ev::ItemSend},
                                        {L"NewMail", ev::NewMail},
                                        {L"Reminder", ev::Reminder},
                                        {L"OptionsPagesAdd", ev::OptionsPagesAdd},
                                        {L"Startup", ev::Startup},
                                        {L"Quit", ev::Quit},
                                        {L"ItemContextMenuDisplay", ev::ItemContextMenuDisplay}};
constexpr EventList ExplorersEventIds{{L"NewExplorer", ev::NewExplorer}};
constexpr EventList InspectorsEventIds{{L"NewInspector", ev::NewInspector}};
constexpr EventList ExplorerEventIds{{L"Activate", ev::Activate},
                                     {L"FolderSwitch", ev::FolderSwitch},
                                     {L"BeforeFolderSwitch", ev::BeforeFolderSwitch},
                                     {L"ViewSwitch", ev::ViewSwitch},
                                     {L"BeforeViewSwitch", ev::BeforeViewSwitch},
                                     {L"Deactivate", ev::Deactivate},
                                     {L"SelectionChange", ev::SelectionChange},
                                     {L"Close", ev::Close}};
constexpr EventList InspectorEventIds{{L"Activate", ev::Activate},
                                      {L"Deactivate", ev::Deactivate},
                                      {L"Close", ev::Close}};
constexpr EventList ItemEventIds{{L"Read", ev::Read},
                                 {L"Write", ev::Write},
                                 {L"Open", ev::Open},
                                 {L"Close", ev::ItemClose},
                                 {L"Send", ev::Send},
                                 {L"CustomAction", ev::CustomAction},
                                 {L"CustomPropertyChange", ev::CustomPropertyChange},
                                 {L"PropertyChange", ev::PropertyChange},
                                 {L"Reply", ev::Reply},
                                 {L"ReplyAll", ev::ReplyAll},
                                 {L"Forward", ev::Forward}};
constexpr EventList ButtonEventIds{{L"Click", ev::Click}};

// Calls one sink's Invoke: the arguments first first, objects as their faces, Cancel last
// and by reference.
class Raiser {
public:
    Raiser(std::shared_ptr<Faces> faces, ComPtr<IDispatch> sink) : faces_(std::move(faces)), sink_(std::move(sink)) {}

    void operator()(DISPID id, std::vector<ol::Variant> args = {}, bool* cancel = nullptr) const {
        std::vector<VARIANT> lastFirst(args.size() + (cancel != nullptr ? 1 : 0));
        VARIANT_BOOL cancelValue = cancel != nullptr && *cancel ? VARIANT_TRUE : VARIANT_FALSE;
        std::size_t next = 0;
        if (cancel != nullptr) {
            VariantInit(&lastFirst[next]);
            V_VT(&lastFirst[next]) = VT_BYREF | VT_BOOL;
            V_BOOLREF(&lastFirst[next]) = &cancelValue;
            ++next;
        }
        for (auto arg = args.rbegin(); arg != args.rend(); ++arg) ToVariant(*faces_, *arg, lastFirst[next++]);
        DISPPARAMS params{lastFirst.data(), nullptr, static_cast<UINT>(lastFirst.size()), 0};
        sink_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        for (auto& arg : lastFirst) VariantClear(&arg);
        if (cancel != nullptr) *cancel = cancelValue != VARIANT_FALSE;
    }

private:
    std::shared_ptr<Faces> faces_;
    ComPtr<IDispatch> sink_;
};

ol::Variant Arg(const std::shared_ptr<ol::Dispatch>& object) { return object; }

class ApplicationBridge final : public ol::ApplicationEvents {
public:
    explicit ApplicationBridge(Raiser raise) : raise_(std::move(raise)) {}
    void Startup() override { raise_(ev::Startup); }
    void Quit() override { raise_(ev::Quit); }
    void NewMail() override { raise_(ev::NewMail); }
    void ItemSend(const std::shared_ptr<ol::Item>& item, bool& cancel) override {
        raise_(ev::ItemSend, {Arg(item)}, &cancel);
    }
    void ItemContextMenuDisplay(const std::shared_ptr<ol::CommandBar>& bar,
                                const std::shared_ptr<ol::Selection>& selection) override {
        raise_(ev::ItemContextMenuDisplay, {Arg(bar), Arg(selection)});
    }

private:
    Raiser raise_;
};

class ExplorersBridge final : public ol::ExplorersEvents {
public:
    explicit ExplorersBridge(Raiser raise) : raise_(std::move(raise)) {}
    void NewExplorer(const std::shared_ptr<ol::Explorer>& explorer) override {
        raise_(ev::NewExplorer, {Arg(explorer)});
    }

private:
    Raiser raise_;
};

class ExplorerBridge final : public ol::ExplorerEvents {
public:
    explicit ExplorerBridge(Raiser raise) : raise_(std::move(raise)) {}
    void Activate() override { raise_(ev::Activate); }
    void Deactivate() override { raise_(ev::Deactivate); }
    void Close() override { raise_(ev::Close); }
    void BeforeFolderSwitch(const std::shared_ptr<ol::Folder>& folder, bool& cancel) override {
        raise_(ev::BeforeFolderSwitch, {Arg(folder)}, &cancel);
    }
    void FolderSwitch() override { raise_(ev::FolderSwitch); }
    void SelectionChange() override { raise_(ev::SelectionChange); }

private:
    Raiser raise_;
};

class InspectorsBridge final : public ol::InspectorsEvents {
public:
    explicit InspectorsBridge(Raiser raise) : raise_(std::move(raise)) {}
    void NewInspector(const std::shared_ptr<ol::Inspector>& inspector) override {
        raise_(ev::NewInspector, {Arg(inspector)});
    }

private:
    Raiser raise_;
};

class InspectorBridge final : public ol::InspectorEvents {
public:
    explicit InspectorBridge(Raiser raise) : raise_(std::move(raise)) {}
    void Activate() override { raise_(ev::Activate); }
    void Deactivate() override { raise_(ev::Deactivate); }
    void Close() override { raise_(ev::Close); }

private:
    Raiser raise_;
};

class ItemBridge final : public ol::ItemEvents {
public:
    explicit ItemBridge(Raiser raise) : raise_(std::move(raise)) {}
    void Open(bool& cancel) override { raise_(ev::Open, {}, &cancel); }
    void Read() override { raise_(ev::Read); }
    void Write(bool& cancel) override { raise_(ev::Write, {}, &cancel); }
    void Close(bool& cancel) override { raise_(ev::ItemClose, {}, &cancel); }
    void Send(bool& cancel) override { raise_(ev::Send, {}, &cancel); }
    void Reply(const std::shared_ptr<ol::Item>& response, bool& cancel) override {
        raise_(ev::Reply, {Arg(response)}, &cancel);
    }
    void ReplyAll(const std::shared_ptr<ol::Item>& response, bool& cancel) override {
        raise_(ev::ReplyAll, {Arg(response)}, &cancel);
    }
    void Forward(const std::shared_ptr<ol::Item>& forward, bool& cancel) override {
        raise_(ev::Forward, {Arg(forward)}, &cancel);
    }
    void PropertyChange(const std::string& name) override { raise_(ev::PropertyChange, {name}); }
    void CustomPropertyChange(const std::string& name) override { raise_(ev::CustomPropertyChange, {name}); }

private:
    Raiser raise_;
};

class ButtonBridge final : public ol::CommandBarButtonEvents {
public:
    explicit ButtonBridge(Raiser raise) : raise_(std::move(raise)) {}
    void Click(const std::shared_ptr<ol::CommandBarButton>& button, bool& cancelDefault) override {
        raise_(ev::Click, {Arg(button)}, &cancelDefault);
    }

private:
    Raiser raise_;
};

// A source of seam type Source whose sinks are Bridges.
template <class Source, class Bridge>
EventSource SourceOf(std::span<const comoutlook::EventInterface> interfaces) {
    return EventSource{interfaces, [](ol::Dispatch& object) { return dynamic_cast<Source*>(&object) != nullptr; },
                       [](ol::Dispatch& object, const std::shared_ptr<Faces>& faces, ComPtr<IDispatch> sink) {
                           auto bridge = std::make_shared<Bridge>(Raiser(faces, std::move(sink)));
                           auto connection = dynamic_cast<Source&>(object).Advise(bridge);
                           return Advised{bridge, std::move(connection)};
                       }};
}

// A dispinterface of `library` with the events at their identifiers.
ComPtr<ITypeInfo> AddDispinterface(ICreateTypeLib2* library, std::string_view name, const GUID& iid,
                                   EventList events) {
    std::wstring wide = text::WideFromUtf8(name);
    ICreateTypeInfo* made = nullptr;
    if (FAILED(library->CreateTypeInfo(wide.data(), TKIND_DISPATCH, &made))) return {};
    auto owned = ComPtr<ICreateTypeInfo>::adopt(made);
    made->SetGuid(iid);
    UINT index = 0;
    for (auto [event, id] : events) {
        FUNCDESC desc{};
        desc.memid = id;
        desc.funckind = FUNC_DISPATCH;
        desc.invkind = INVOKE_FUNC;
        desc.callconv = CC_STDCALL;
        desc.elemdescFunc.tdesc.vt = VT_VOID;
        made->AddFuncDesc(index, &desc);
        LPOLESTR names[] = {const_cast<LPOLESTR>(event)};
        made->SetFuncAndParamNames(index++, names, 1);
    }
    made->LayOut();
    return owned.as<ITypeInfo>();
}

ComPtr<ITypeInfo> MakeTypeLibrary() {
    ICreateTypeLib2* made = nullptr;
    if (FAILED(CreateTypeLib2(SYS_WIN32, const_cast<LPOLESTR>(L"msoutl.olb"), &made))) return {};
    auto library = ComPtr<ICreateTypeLib2>::adopt(made);
    namespace ci = comoutlook;
    // The faces' own interface: the members are answered by name, not through the library.
    ComPtr<ITypeInfo> own = AddDispinterface(made, "_OutlookObject", GUID{0x0006F000, 0x5C0E, 0x11D2, {}}, {});
    for (const auto& events : ci::ApplicationSourceEvents)
        AddDispinterface(made, events.name, events.iid, ApplicationEventIds);
    AddDispinterface(made, ci::ExplorersEvents.name, ci::ExplorersEvents.iid, ExplorersEventIds);
    AddDispinterface(made, ci::InspectorsEvents.name, ci::InspectorsEvents.iid, InspectorsEventIds);
    for (const auto& events : ci::ExplorerSourceEvents)
        AddDispinterface(made, events.name, events.iid, ExplorerEventIds);
    for (const auto& events : ci::InspectorSourceEvents)
        AddDispinterface(made, events.name, events.iid, InspectorEventIds);
    for (const auto& events : ci::ItemSourceEvents) AddDispinterface(made, events.name, events.iid, ItemEventIds);
    AddDispinterface(made, ci::CommandBarButtonEvents.name, ci::CommandBarButtonEvents.iid, ButtonEventIds);
    return own;
}

}  // namespace

const EventSource* EventSourceOf(ol::Dispatch& object) {
    namespace ci = comoutlook;
    static const EventSource sources[] = {
        SourceOf<ol::Application, ApplicationBridge>(ci::ApplicationSourceEvents),
        SourceOf<ol::Explorers, ExplorersBridge>(ci::ExplorersSourceEvents),
        SourceOf<ol::Explorer, ExplorerBridge>(ci::ExplorerSourceEvents),
        SourceOf<ol::Inspectors, InspectorsBridge>(ci::InspectorsSourceEvents),
        SourceOf<ol::Inspector, InspectorBridge>(ci::InspectorSourceEvents),
        SourceOf<ol::Item, ItemBridge>(ci::ItemSourceEvents),
        SourceOf<ol::CommandBarButton, ButtonBridge>(ci::CommandBarButtonSourceEvents),
    };
    for (const auto& source : sources)
        if (source.is(object)) return &source;
    return nullptr;
}

const comoutlook::EventInterface& EventsFor(const EventSource& source, int outlookMajor) {
    for (const auto& candidate : source.interfaces) {
        if (candidate.name.ends_with("_11") && outlookMajor < 11) continue;
        if (candidate.name.ends_with("_10") && outlookMajor < 10) continue;
        return candidate;
    }
    return source.interfaces.back();
}

ITypeInfo* FaceTypeInfo() {
    // Kept for the process, as Outlook's registered type library is.
    static ComPtr<ITypeInfo> own = MakeTypeLibrary();
    return own.get();
}

}  // namespace corvane::simcom
