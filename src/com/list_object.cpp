#include "list_object.h"

#include <array>
#include <span>
#include <string>
#include <vector>

#include "arguments.h"
#include "corvane/com/server.h"
#include "corvane/com/text.h"
#include "corvane/comoutlook/late.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/error.h"
#include "own_object.h"

namespace corvane::com {

namespace {

// Answered only by the list object itself, never through a proxy.
// {6B1E3C52-8F0D-4A77-9C21-5D3A0E4B7F18}
constexpr IID IID_ListCarrier = {0x6B1E3C52, 0x8F0D, 0x4A77, {0x9C, 0x21, 0x5D, 0x3A, 0x0E, 0x4B, 0x7F, 0x18}};

// One call on the list object: its arguments read as the list's values, its result set.
class ListCall {
public:
    ListCall(DISPPARAMS& params, VARIANT* result, comoutlook::Objects& objects)
        : params_(params), result_(result), objects_(objects) {}
    ListCall(const ListCall&) = delete;
    ListCall& operator=(const ListCall&) = delete;
    ~ListCall() = default;

    // Text arguments the caller passed by reference get what the member left in them.
    void writeBack() {
        for (unsigned i = 0; i < texts_.size(); ++i)
            if (read_[i]) WriteBack(params_, i, comoutlook::Value(std::string_view(texts_[i])).raw());
    }

    // Argument `index` (a property's new value is argument 0), converted as Automation
    // converts it.
    std::string& text(unsigned index) {
        if (texts_.size() <= index) texts_.resize(index + 1), read_.resize(index + 1);
        texts_[index] = value(index).text();
        read_[index] = true;
        return texts_[index];
    }
    std::shared_ptr<outlook::Item> item(unsigned index) { return objects_.item(value(index).object()); }

    void returns(const std::string& text) { give(comoutlook::Value(std::string_view(text))); }
    void returns(bool flag) { give(comoutlook::Value(flag)); }
    void returns(long number) { give(comoutlook::Value(static_cast<std::int32_t>(number))); }

private:
    comoutlook::Value value(unsigned index) {
        VARIANT* arg = Argument(params_, index);
        if (arg == nullptr) throw platform::PlatformError(platform::errors::InvalidCall);
        comoutlook::Value copy;
        if (FAILED(VariantCopyInd(&copy.raw(), arg))) throw platform::PlatformError(platform::errors::TypeMismatch);
        return copy;
    }
    void give(comoutlook::Value value) {
        if (result_ == nullptr) return;
        VariantInit(result_);
        *result_ = value.raw();
        VariantInit(&value.raw());  // handed over to the caller
    }

    DISPPARAMS& params_;
    VARIANT* result_;
    comoutlook::Objects& objects_;
    std::vector<std::string> texts_;
    std::vector<bool> read_;
};

// A member of the list by name: `get` answers a method call or a property's read, `put`
// a property's assignment (nullptr for a method).
struct ListMember {
    std::wstring_view name;
    void (*get)(core::SendAcct&, ListCall&);
    void (*put)(core::SendAcct&, ListCall&);
};

using ListRef = core::SendAcct;
using CallRef = ListCall;

// Every member the add-in and its list dialogs call on the list.
constexpr ListMember ListMembers[] = {
    {L"strMailFolderPath", [](ListRef& l, CallRef& c) { c.returns(l.strMailFolderPath()); },
     [](ListRef& l, CallRef& c) { l.strMailFolderPath(c.text(0)); }},
    {L"Edit", [](ListRef& l, CallRef& c) { c.returns(l.Edit()); }, nullptr},
    {L"Update", [](ListRef& l, CallRef& c) { c.returns(l.Update()); }, nullptr},
    {L"Delete", [](ListRef& l, CallRef& c) { c.returns(l.Delete()); }, nullptr},
    {L"LoadAccounts", [](ListRef& l, CallRef& c) { c.returns(l.LoadAccounts()); }, nullptr},
    {L"Find", [](ListRef& l, CallRef& c) { c.returns(l.Find(c.text(0))); }, nullptr},
    {L"count", [](ListRef& l, CallRef& c) { c.returns(l.count()); }, [](ListRef&, CallRef&) {}},
    {L"strAccount", [](ListRef& l, CallRef& c) { c.returns(l.strAccount()); },
     [](ListRef& l, CallRef& c) { l.strAccount(c.text(0)); }},
    {L"strEmailAddress", [](ListRef& l, CallRef& c) { c.returns(l.strEmailAddress()); },
     [](ListRef& l, CallRef& c) { l.strEmailAddress(c.text(0)); }},
    {L"strChangeAcct", [](ListRef& l, CallRef& c) { c.returns(l.strChangeAcct()); },
     [](ListRef& l, CallRef& c) { l.strChangeAcct(c.text(0)); }},
    {L"LoadList", [](ListRef& l, CallRef& c) { c.returns(l.LoadList()); }, nullptr},
    {L"ErrorReport", [](ListRef& l, CallRef& c) { c.returns(l.ErrorReport()); },
     [](ListRef& l, CallRef& c) { l.ErrorReport(c.text(0)); }},
    {L"AbsolutePosition", [](ListRef& l, CallRef& c) { c.returns(l.AbsolutePosition()); },
     [](ListRef& l, CallRef& c) { l.AbsolutePosition(c.text(0)); }},
    {L"AddNew", [](ListRef& l, CallRef&) { l.AddNew(); }, nullptr},
    {L"CreateQuenlowFolder", [](ListRef& l, CallRef&) { l.CreateQuenlowFolder(); }, nullptr},
    {L"GetAccountInUse", [](ListRef& l, CallRef& c) { c.returns(l.GetAccountInUse()); }, nullptr},
    {L"SendUsingPrefAccount", [](ListRef& l, CallRef& c) { c.returns(l.SendUsingPrefAccount(c.item(0), c.text(1))); },
     nullptr},
    {L"GetSelectedMailAccount", [](ListRef& l, CallRef& c) { c.returns(l.GetSelectedMailAccount(c.item(0))); },
     nullptr},
    {L"PrefAcctExists", [](ListRef& l, CallRef& c) { c.returns(l.PrefAcctExists(c.text(0))); }, nullptr},
};

// The names of ListMembers, each member's identifier its place in the table from 1.
constexpr auto ListNames = [] {
    std::array<DispatchMember, std::size(ListMembers)> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = DispatchMember{ListMembers[i].name, static_cast<DISPID>(i + 1)};
    return names;
}();

class ListObject final : public DispatchObject<ListObject> {
public:
    ListObject(std::shared_ptr<core::SendAcct> list, std::shared_ptr<comoutlook::Objects> objects)
        : list_(std::move(list)), objects_(objects ? std::move(objects) : comoutlook::Objects::Create()) {}
    virtual ~ListObject() = default;
    ListObject(const ListObject&) = delete;
    ListObject& operator=(const ListObject&) = delete;

    const std::shared_ptr<core::SendAcct>& list() const { return list_; }

private:
    bool alsoAnswers(REFIID iid) const override { return IsEqualIID(iid, IID_ListCarrier); }
    std::span<const DispatchMember> membersOf(const IDispatch*) const override { return ListNames; }
    HRESULT invokeOn(const IDispatch*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) override {
        if (id < 1 || static_cast<std::size_t>(id) > std::size(ListMembers)) return DISP_E_MEMBERNOTFOUND;
        const ListMember& member = ListMembers[id - 1];
        const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
        if (put && member.put == nullptr) return DISP_E_MEMBERNOTFOUND;
        ListCall call(params, result, *objects_);
        (put ? member.put : member.get)(*list_, call);
        call.writeBack();
        return S_OK;
    }

    std::shared_ptr<core::SendAcct> list_;
    std::shared_ptr<comoutlook::Objects> objects_;
};

// A list object of another apartment or process, used through its members by name.
class RemoteList final : public core::SendAcct {
public:
    explicit RemoteList(comoutlook::ComPtr<IDispatch> object) : late_(std::move(object), names_) {}

    IDispatch* dispatch() const noexcept { return late_.dispatch(); }

    void CreateQuenlowFolder() override { call("CreateQuenlowFolder"); }
    std::string strMailFolderPath() override { return late_.get("strMailFolderPath").text(); }
    void strMailFolderPath(const std::string& path) override { put("strMailFolderPath", path); }
    bool LoadList() override { return call("LoadList").boolean(); }
    std::string LoadAccounts() override { return call("LoadAccounts").text(); }
    std::string strChangeAcct() override { return late_.get("strChangeAcct").text(); }
    void strChangeAcct(const std::string& value) override { put("strChangeAcct", value); }
    std::string GetSelectedMailAccount(const std::shared_ptr<outlook::Item>& item) override {
        return call("GetSelectedMailAccount", {Pass(item)}).text();
    }
    std::string GetAccountInUse() override { return call("GetAccountInUse").text(); }
    bool PrefAcctExists(const std::string& account) override {
        return call("PrefAcctExists", {comoutlook::Value(std::string_view(account))}).boolean();
    }
    bool SendUsingPrefAccount(const std::shared_ptr<outlook::Item>& item, const std::string& account) override {
        return call("SendUsingPrefAccount", {Pass(item), comoutlook::Value(std::string_view(account))}).boolean();
    }
    bool Edit() override { return call("Edit").boolean(); }
    bool Update() override { return call("Update").boolean(); }
    bool Delete() override { return call("Delete").boolean(); }
    void AddNew() override { call("AddNew"); }
    bool Find(const std::string& strEmailAddress) override {
        return call("Find", {comoutlook::Value(std::string_view(strEmailAddress))}).boolean();
    }
    long count() override { return late_.get("count").number(); }
    std::string strAccount() override { return late_.get("strAccount").text(); }
    void strAccount(const std::string& value) override { put("strAccount", value); }
    std::string strEmailAddress() override { return late_.get("strEmailAddress").text(); }
    void strEmailAddress(const std::string& value) override { put("strEmailAddress", value); }
    std::string ErrorReport() override { return late_.get("ErrorReport").text(); }
    void ErrorReport(const std::string& value) override { put("ErrorReport", value); }
    std::string AbsolutePosition() override { return late_.get("AbsolutePosition").text(); }
    void AbsolutePosition(const std::string& position) override { put("AbsolutePosition", position); }

private:
    static comoutlook::Value Pass(const std::shared_ptr<outlook::Item>& item) {
        return comoutlook::Value(comoutlook::Objects::dispatchOf(item));
    }
    comoutlook::Value call(std::string_view name, std::vector<comoutlook::Value> args = {}) const {
        return late_.call(name, args);
    }
    void put(std::string_view name, const std::string& value) const {
        late_.put(name, comoutlook::Value(std::string_view(value)));
    }

    comoutlook::NameCache names_;
    comoutlook::LateBound late_;
};

}  // namespace

IDispatch* NewListObject(std::shared_ptr<core::SendAcct> list, std::shared_ptr<comoutlook::Objects> objects) {
    if (!list) return nullptr;
    // A list that came from elsewhere goes on as the object it came as.
    if (const auto* remote = dynamic_cast<const RemoteList*>(list.get())) {
        remote->dispatch()->AddRef();
        return remote->dispatch();
    }
    return new ListObject(std::move(list), std::move(objects));
}

comoutlook::Value ListValue(const std::shared_ptr<core::SendAcct>& list,
                            const std::shared_ptr<comoutlook::Objects>& objects) {
    comoutlook::ComPtr<IDispatch> object = comoutlook::ComPtr<IDispatch>::adopt(NewListObject(list, objects));
    return comoutlook::Value(object.get());
}

std::shared_ptr<core::SendAcct> ListOf(IDispatch* object) {
    if (object == nullptr) return nullptr;
    if (const auto* own = OwnObjectOf<ListObject>(object, IID_ListCarrier)) return own->list();
    return std::make_shared<RemoteList>(comoutlook::ComPtr<IDispatch>(object));
}

}  // namespace corvane::com
