#include "list_object.h"

#include <span>

#include "corvane/com/server.h"

namespace corvane::com {

namespace {

// Asked of an object to learn whether it is one of ours: answered only by the carrier itself,
// never through a proxy from another process (no proxy knows it).
// {6B1E3C52-8F0D-4A77-9C21-5D3A0E4B7F18}
constexpr IID IID_ListCarrier = {0x6B1E3C52, 0x8F0D, 0x4A77, {0x9C, 0x21, 0x5D, 0x3A, 0x0E, 0x4B, 0x7F, 0x18}};

class ListObject final : public DispatchObject<ListObject> {
public:
    explicit ListObject(std::shared_ptr<core::SendAcct> list) : list_(std::move(list)) {}
    virtual ~ListObject() = default;
    ListObject(const ListObject&) = delete;
    ListObject& operator=(const ListObject&) = delete;

    const std::shared_ptr<core::SendAcct>& list() const { return list_; }

private:
    bool alsoAnswers(REFIID iid) const override { return IsEqualIID(iid, IID_ListCarrier); }
    std::span<const DispatchMember> membersOf(const IDispatch*) const override { return {}; }
    HRESULT invokeOn(const IDispatch*, DISPID, WORD, DISPPARAMS&, VARIANT*) override { return DISP_E_MEMBERNOTFOUND; }

    std::shared_ptr<core::SendAcct> list_;
};

}  // namespace

IDispatch* NewListObject(std::shared_ptr<core::SendAcct> list) {
    if (!list) return nullptr;
    return new ListObject(std::move(list));
}

std::shared_ptr<core::SendAcct> ListOf(IDispatch* object) {
    if (object == nullptr) return nullptr;
    IDispatch* own = nullptr;
    if (FAILED(object->QueryInterface(IID_ListCarrier, reinterpret_cast<void**>(&own))) || own == nullptr)
        return nullptr;
    auto list = static_cast<ListObject*>(own)->list();
    own->Release();
    return list;
}

}  // namespace corvane::com
