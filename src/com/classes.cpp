#include "corvane/com/classes.h"

#include "access_faces.h"
#include "addin_core.h"
#include "arguments.h"
#include "connect_server.h"
#include "corvane/access/mapi_utils.h"
#include "corvane/access/rdo_session.h"
#include "corvane/access/safe_inspector.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/addin/buttons.h"
#include "corvane/com/interfaces.h"
#include "corvane/com/text.h"

namespace corvane::com {
namespace {

constexpr DispatchMember ButtonsMembers[] = {
    {L"SelQuenlow", DispSelQuenlow},
    {L"AddEmailAddressToList", DispAddEmailAddressToList},
    {L"PrefAcctExistsFalse", DispPrefAcctExistsFalse},
    {L"DelayEmailSending", DispDelayEmailSending},
    {L"EmptySubjectCheck", DispEmptySubjectCheck},
};

// Corvane.Buttons: what the Word template's macros call, each member by name with its
// arguments by reference, run by the add-in's Buttons in the core of this process.
class ButtonsServer final : public DispatchObject<ButtonsServer> {
public:
    ButtonsServer()
        : process_(AddinProcessHere()),
          buttons_(std::make_shared<addin::Buttons>(process_)),
          objects_(comoutlook::Objects::Create()) {
        objects_->setCreator(OwnObjects(process_));
    }
    virtual ~ButtonsServer() = default;
    ButtonsServer(const ButtonsServer&) = delete;
    ButtonsServer& operator=(const ButtonsServer&) = delete;

private:
    std::span<const DispatchMember> membersOf(const IDispatch*) const override { return ButtonsMembers; }
    HRESULT invokeOn(const IDispatch*, DISPID id, WORD flags, DISPPARAMS& params, VARIANT*) override {
        if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
        for (const auto& member : ButtonsMembers) {
            if (member.id != id) continue;
            auto args = Arguments(*objects_, params);
            if (!buttons_->Invoke(Utf8(std::wstring(member.name).c_str()), args)) return DISP_E_MEMBERNOTFOUND;
            WriteBack(args, params);
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }

    std::shared_ptr<addin::Process> process_;
    std::shared_ptr<addin::Buttons> buttons_;
    std::shared_ptr<comoutlook::Objects> objects_;  // the items the macros pass
};

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
     &CreateObject<ButtonsServer>},
    {L"cvRedemption.cvSafeMailItem", Clsid(0xF85E55C9, 0x35C6, 0x49C5, 0x815C36B184069B9E),
     L"Corvane secure mail item", &CreateAccessClass<access::SafeMailItem>},
    {L"cvRedemption.cvSafePostItem", Clsid(0x6831322E, 0x9A3A, 0x4026, 0x90F6A3DF00614CD9),
     L"Corvane secure post item", &CreateAccessClass<access::SafePostItem>},
    {L"cvRedemption.cvSafeReportItem", Clsid(0xF2094425, 0x260C, 0x49FF, 0xA39A9D2673AB49A1),
     L"Corvane secure report item", &CreateAccessClass<access::SafeReportItem>},
    {L"cvRedemption.cvSafeInspector", Clsid(0x401A2FD4, 0x5A72, 0x4778, 0x8D323F7E37E6DC20),
     L"Corvane secure inspector", &CreateAccessClass<access::SafeInspector>},
    {L"cvRedemption.cvMAPIUtils", Clsid(0x73404184, 0x415C, 0x46C4, 0xAEAC4D26855E2272), L"Corvane MAPI utilities",
     &CreateAccessClass<access::MAPIUtils>},
    {L"cvRedemption.cvRDOSession", Clsid(0x906F79B7, 0xABC5, 0x48FB, 0x947FAD6B406545EC), L"Corvane MAPI session",
     &CreateAccessClass<access::RDOSession>},
};

}  // namespace

std::span<const ServerClass> ServerClasses() { return Classes; }

const ServerClass* FindServerClass(REFCLSID clsid) {
    for (const auto& server : Classes)
        if (IsEqualCLSID(server.clsid, clsid)) return &server;
    return nullptr;
}

}  // namespace corvane::com
