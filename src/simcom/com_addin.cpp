// The seam's add-in calls made on a COM add-in, as Outlook makes them.
#include "corvane/simcom/com_addin.h"

#include <windows.h>

#include <oleauto.h>

#include "corvane/com/interfaces.h"
#include "corvane/comoutlook/com_ptr.h"
#include "corvane/outlook/application.h"
#include "corvane/platform/error.h"
#include "corvane/text/wide.h"
#include "members.h"

namespace corvane::simcom {

namespace ol = outlook;
using comoutlook::ComPtr;

struct ComAddinClient::Com {
    ComPtr<com::IDTExtensibility2> addin;
};

namespace {

// An add-in's failed call, as Outlook notes it and goes on.
void CheckAddinCall(HRESULT hr) {
    if (FAILED(hr)) throw platform::PlatformError(static_cast<std::int32_t>(hr), "The add-in's call failed.");
}

// The empty custom array Outlook passes with every connection call.
class CustomArray {
public:
    CustomArray() : array_(SafeArrayCreateVector(VT_VARIANT, 0, 0)) {}
    CustomArray(const CustomArray&) = delete;
    CustomArray& operator=(const CustomArray&) = delete;
    ~CustomArray() { SafeArrayDestroy(array_); }
    SAFEARRAY** get() { return &array_; }

private:
    SAFEARRAY* array_;
};

}  // namespace

std::shared_ptr<ComAddinClient> ComAddinClient::Create(std::shared_ptr<Faces> faces, std::string_view progId) {
    std::wstring wide = text::WideFromUtf8(progId);
    CLSID classId{};
    auto com = std::make_unique<Com>();
    if (FAILED(CLSIDFromProgID(wide.c_str(), &classId)) ||
        FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, com::IID_IDTExtensibility2,
                                reinterpret_cast<void**>(com->addin.put()))))
        throw platform::PlatformError(platform::errors::CannotCreateObject);
    return std::shared_ptr<ComAddinClient>(new ComAddinClient(std::move(faces), std::move(com)));
}

std::shared_ptr<ComAddinClient> ComAddinClient::Create(std::shared_ptr<Faces> faces, IUnknown* addin) {
    auto com = std::make_unique<Com>();
    if (addin == nullptr ||
        FAILED(addin->QueryInterface(com::IID_IDTExtensibility2, reinterpret_cast<void**>(com->addin.put()))))
        throw platform::PlatformError(platform::errors::CannotCreateObject);
    return std::shared_ptr<ComAddinClient>(new ComAddinClient(std::move(faces), std::move(com)));
}

ComAddinClient::ComAddinClient(std::shared_ptr<Faces> faces, std::unique_ptr<Com> com)
    : faces_(std::move(faces)), com_(std::move(com)) {}

ComAddinClient::~ComAddinClient() = default;

void ComAddinClient::OnConnection(const std::shared_ptr<ol::Application>& application, int connectMode,
                                  const std::shared_ptr<ol::AddInInstance>& addInInst) {
    ComPtr<IDispatch> app = ComPtr<IDispatch>::adopt(faces_->faceOf(application));
    ComPtr<IDispatch> instance = ComPtr<IDispatch>::adopt(faces_->faceOf(addInInst));
    CustomArray custom;
    CheckAddinCall(com_->addin->OnConnection(app.get(), static_cast<com::ext_ConnectMode>(connectMode), instance.get(),
                                             custom.get()));
}

void ComAddinClient::OnDisconnection(int removeMode) {
    CustomArray custom;
    CheckAddinCall(com_->addin->OnDisconnection(static_cast<com::ext_DisconnectMode>(removeMode), custom.get()));
}

void ComAddinClient::OnAddInsUpdate() {
    CustomArray custom;
    CheckAddinCall(com_->addin->OnAddInsUpdate(custom.get()));
}

void ComAddinClient::OnStartupComplete() {
    CustomArray custom;
    CheckAddinCall(com_->addin->OnStartupComplete(custom.get()));
}

void ComAddinClient::OnBeginShutdown() {
    CustomArray custom;
    CheckAddinCall(com_->addin->OnBeginShutdown(custom.get()));
}

std::string ComAddinClient::GetCustomUI(std::string_view ribbonId) {
    ComPtr<com::IRibbonExtensibility> ribbon;
    if (FAILED(com_->addin->QueryInterface(com::IID_IRibbonExtensibility, reinterpret_cast<void**>(ribbon.put()))) ||
        !ribbon)
        return {};
    std::wstring wide = text::WideFromUtf8(ribbonId);
    BSTR id = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    BSTR xml = nullptr;
    HRESULT hr = ribbon->GetCustomUI(id, &xml);
    SysFreeString(id);
    std::string out = xml != nullptr ? text::Utf8FromWide(std::wstring_view(xml, SysStringLen(xml))) : std::string();
    SysFreeString(xml);
    CheckAddinCall(hr);
    return out;
}

bool ComAddinClient::InvokeCallback(std::string_view name, std::vector<ol::Variant>& args) {
    auto callbacks = com_->addin.as<IDispatch>();
    std::wstring wide = text::WideFromUtf8(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    if (!callbacks || FAILED(callbacks->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
    std::vector<VARIANT> lastFirst(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) ToVariant(*faces_, args[args.size() - 1 - i], lastFirst[i]);
    DISPPARAMS params{lastFirst.data(), nullptr, static_cast<UINT>(lastFirst.size()), 0};
    HRESULT hr = callbacks->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                                   nullptr);
    for (auto& arg : lastFirst) VariantClear(&arg);
    CheckAddinCall(hr);
    return true;
}

}  // namespace corvane::simcom
