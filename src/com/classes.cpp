#include "corvane/com/classes.h"

#include <atomic>

#include "connect_server.h"
#include "corvane/com/interfaces.h"

namespace corvane::com {
namespace {

constexpr DispatchMember ButtonsMembers[] = {
    {L"SelQuenlow", DispSelQuenlow},
    {L"AddEmailAddressToList", DispAddEmailAddressToList},
    {L"PrefAcctExistsFalse", DispPrefAcctExistsFalse},
    {L"DelayEmailSending", DispDelayEmailSending},
    {L"EmptySubjectCheck", DispEmptySubjectCheck},
};

// A class whose members are known by name but whose calls need the add-in's core over
// COM, which is not in the DLL yet: every call answers E_NOTIMPL. Buttons (the Word
// template's prompts) and the secure mail access component's classes (their members
// come with the object model over COM).
template <const std::span<const DispatchMember>* Members>
class PendingServer final : public DispatchOf<IDispatch> {
public:
    PendingServer() = default;
    virtual ~PendingServer() = default;
    PendingServer(const PendingServer&) = delete;
    PendingServer& operator=(const PendingServer&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

private:
    std::span<const DispatchMember> membersOf(const IDispatch*) const override { return *Members; }
    HRESULT invokeOn(const IDispatch*, DISPID, WORD, DISPPARAMS&, VARIANT*) override { return E_NOTIMPL; }

    std::atomic<ULONG> refs_{1};
    ServerReference server_;
};

constexpr std::span<const DispatchMember> ButtonsTable = ButtonsMembers;
constexpr std::span<const DispatchMember> NoMembers;

constexpr CLSID Clsid(unsigned long a, unsigned short b, unsigned short c, unsigned long long d) {
    return {a,
            b,
            c,
            {static_cast<unsigned char>(d >> 56), static_cast<unsigned char>(d >> 48),
             static_cast<unsigned char>(d >> 40), static_cast<unsigned char>(d >> 32),
             static_cast<unsigned char>(d >> 24), static_cast<unsigned char>(d >> 16),
             static_cast<unsigned char>(d >> 8), static_cast<unsigned char>(d)}};
}

const ServerClass Classes[] = {
    {L"Corvane.Connect", Clsid(0xC55E3344, 0xAA87, 0x46BE, 0xAEA10F7E9C219216), L"Corvane add-in for Outlook",
     &CreateObject<ConnectServer>},
    {L"Corvane.Buttons", Clsid(0x2AF05922, 0x681A, 0x4909, 0x8AAA658CBABA4559), L"Corvane prompts for Word",
     &CreateObject<PendingServer<&ButtonsTable>>},
    {L"cvRedemption.cvSafeMailItem", Clsid(0xF85E55C9, 0x35C6, 0x49C5, 0x815C36B184069B9E),
     L"Corvane secure mail item", &CreateObject<PendingServer<&NoMembers>>},
    {L"cvRedemption.cvSafePostItem", Clsid(0x6831322E, 0x9A3A, 0x4026, 0x90F6A3DF00614CD9),
     L"Corvane secure post item", &CreateObject<PendingServer<&NoMembers>>},
    {L"cvRedemption.cvSafeReportItem", Clsid(0xF2094425, 0x260C, 0x49FF, 0xA39A9D2673AB49A1),
     L"Corvane secure report item", &CreateObject<PendingServer<&NoMembers>>},
    {L"cvRedemption.cvSafeInspector", Clsid(0x401A2FD4, 0x5A72, 0x4778, 0x8D323F7E37E6DC20),
     L"Corvane secure inspector", &CreateObject<PendingServer<&NoMembers>>},
    {L"cvRedemption.cvMAPIUtils", Clsid(0x73404184, 0x415C, 0x46C4, 0xAEAC4D26855E2272), L"Corvane MAPI utilities",
     &CreateObject<PendingServer<&NoMembers>>},
    {L"cvRedemption.cvRDOSession", Clsid(0x906F79B7, 0xABC5, 0x48FB, 0x947FAD6B406545EC), L"Corvane MAPI session",
     &CreateObject<PendingServer<&NoMembers>>},
};

}  // namespace

std::span<const ServerClass> ServerClasses() { return Classes; }

const ServerClass* FindServerClass(REFCLSID clsid) {
    for (const auto& server : Classes)
        if (IsEqualCLSID(server.clsid, clsid)) return &server;
    return nullptr;
}

}  // namespace corvane::com
