// Checks the late-bound object model under Wine against stand-in objects: an IDispatch
// with a table of names, properties that keep what is put, and methods given in the
// test. Prints what differs and exits with 1.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "corvane/comoutlook/objects.h"
#include "corvane/outlook/inspector.h"
#include "corvane/outlook/items.h"
#include "corvane/outlook/word.h"
#include "corvane/platform/error.h"

#include "expect.h"

using namespace corvane;
using comoutlook::ComPtr;

using corvane::winecheck::Expect;

namespace {

int namesAsked = 0;  // GetIDsOfNames calls of every stand-in

// A stand-in Outlook or Word object: each name gets an identifier the first time any
// stand-in is asked for it; a member with a method runs it, any other is a property.
class StandIn final : public IDispatch {
public:
    using Method = std::function<HRESULT(DISPPARAMS&, VARIANT*, EXCEPINFO*)>;

    void Set(const wchar_t* name, VARIANT value) { VariantCopy(&properties_[IdOf(name)], &value); }
    void SetObject(const wchar_t* name, IDispatch* object) {
        VARIANT v{};
        V_VT(&v) = VT_DISPATCH;
        V_DISPATCH(&v) = object;
        Set(name, v);
    }
    void On(const wchar_t* name, Method method) { methods_[IdOf(name)] = std::move(method); }
    const VARIANT& Get(const wchar_t* name) { return properties_[IdOf(name)]; }
    ULONG refs() const { return refs_; }
    ~StandIn() {
        for (auto& property : properties_) VariantClear(&property.second);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IDispatch) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on the test's stack
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        ++namesAsked;
        auto found = Ids().find(names[0]);
        if (found == Ids().end()) return DISP_E_UNKNOWNNAME;
        *ids = found->second;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* info, UINT*) override {
        if (auto method = methods_.find(id); method != methods_.end()) return method->second(*params, result, info);
        auto property = properties_.find(id);
        if ((flags & DISPATCH_PROPERTYPUT) != 0 && params->cNamedArgs == 1 &&
            params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT) {
            VariantCopy(&properties_[id], &params->rgvarg[0]);
            return S_OK;
        }
        if (property == properties_.end()) return DISP_E_MEMBERNOTFOUND;
        return VariantCopy(result, &property->second);
    }

private:
    static std::map<std::wstring, DISPID>& Ids() {
        static std::map<std::wstring, DISPID> ids;
        return ids;
    }
    static DISPID IdOf(const wchar_t* name) {
        auto& ids = Ids();
        return ids.emplace(name, static_cast<DISPID>(ids.size() + 1)).first->second;
    }

    ULONG refs_ = 1;
    std::map<DISPID, VARIANT> properties_;
    std::map<DISPID, Method> methods_;
};

VARIANT Number(LONG value, VARTYPE type = VT_I4) {
    VARIANT v{};
    V_VT(&v) = type;
    if (type == VT_I2)
        V_I2(&v) = static_cast<SHORT>(value);
    else
        V_I4(&v) = value;
    return v;
}

VARIANT Text(const wchar_t* text) {
    VARIANT v{};
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(text);
    return v;
}

// Values both ways and names resolved once per type: two mail items, each read twice.
void CheckItems(const std::shared_ptr<comoutlook::Objects>& objects, StandIn& first, StandIn& second) {
    for (StandIn* mail : {&first, &second}) {
        mail->Set(L"Class", Number(outlook::olclass::Mail));
        mail->Set(L"BodyFormat", Number(outlook::olformat::HTML, VT_I2));
        VARIANT when{};
        V_VT(&when) = VT_DATE;
        V_DATE(&when) = 45000.75;  // 2023-03-15 18:00
        mail->Set(L"ReceivedTime", when);
        VARIANT unread{};
        V_VT(&unread) = VT_BOOL;
        V_BOOL(&unread) = VARIANT_TRUE;
        mail->Set(L"UnRead", unread);
        mail->Set(L"Subject", VARIANT{});
        mail->Set(L"DeferredDeliveryTime", VARIANT{});
    }
    namesAsked = 0;
    for (StandIn* stand : {&first, &second, &first}) {
        auto mail = std::dynamic_pointer_cast<outlook::MailItem>(objects->item(ComPtr<IDispatch>(stand)));
        Expect(mail != nullptr, "an item of class 43 is a MailItem");
        if (!mail) return;
        mail->SetSubject("Grüße – 5 €");
        Expect(mail->Subject() == "Grüße – 5 €", "a subject crosses BSTR and back as UTF-8");
        Expect(mail->BodyFormat() == outlook::olformat::HTML, "VT_I2 reads as a number");
        Expect(mail->ReceivedTime() == platform::DateTime::fromCivil(2023, 3, 15, 18), "VT_DATE reads as a date");
        Expect(mail->UnRead(), "VT_BOOL reads as a flag");
        mail->SetDeferredDeliveryTime(platform::DateTime::fromCivil(1899, 12, 29, 6));
        const VARIANT& put = stand->Get(L"DeferredDeliveryTime");
        Expect(V_VT(&put) == VT_DATE && V_DATE(&put) == -1.25, "a date before 1900 is written as Automation's");
    }
    // Class, Subject, BodyFormat, ReceivedTime, UnRead, DeferredDeliveryTime.
    Expect(namesAsked == 6, "each name is resolved once for all mail items: " + std::to_string(namesAsked));

    std::vector<comoutlook::Value> elements{comoutlook::Value(std::int32_t{7}), comoutlook::Value("seven")};
    auto array = comoutlook::Value::Array(elements).elements();
    Expect(array.size() == 2 && array[0].number() == 7 && array[1].text() == "seven",
           "a SAFEARRAY of VARIANTs keeps its elements");
}

// Failures: Outlook's exception with its number and text, an unknown member.
void CheckFailures(const std::shared_ptr<comoutlook::Objects>& objects, StandIn& stand) {
    stand.On(L"Send", [](DISPPARAMS&, VARIANT*, EXCEPINFO* info) {
        info->scode = static_cast<SCODE>(0x80004005);
        info->bstrSource = SysAllocString(L"Microsoft Office Outlook");
        info->bstrDescription = SysAllocString(L"Outlook does not recognize one or more names. ");
        return DISP_E_EXCEPTION;
    });
    auto mail = std::dynamic_pointer_cast<outlook::MailItem>(objects->item(ComPtr<IDispatch>(&stand)));
    try {
        mail->Send();
        Expect(false, "a failing Send throws");
    } catch (const platform::PlatformError& e) {
        Expect(e.number() == platform::errors::UnrecognizedNames.number &&
                   e.description() == platform::errors::UnrecognizedNames.description,
               "the exception keeps Outlook's number and text: " + e.description());
    }
    try {
        mail->SentOnBehalfOfName();
        Expect(false, "an unknown member throws");
    } catch (const platform::PlatformError& e) {
        Expect(e.number() == platform::errors::NotSupported.number, "an unknown member is NotSupported");
    }
}

// The window collections and Word behind an Inspector: identity, and Run's arguments by
// reference.
void CheckWord(StandIn& application, StandIn& inspector, StandIn& document, StandIn& word) {
    application.SetObject(L"ActiveInspector", &inspector);
    inspector.SetObject(L"WordEditor", &document);
    document.SetObject(L"Application", &word);
    std::wstring macroSeen;
    word.On(L"Run", [&](DISPPARAMS& params, VARIANT*, EXCEPINFO*) {
        if (params.cArgs != 3) return DISP_E_BADPARAMCOUNT;
        macroSeen = V_BSTR(&params.rgvarg[2]);  // last first
        VARIANT* count = &params.rgvarg[1];
        VARIANT* text = &params.rgvarg[0];
        if (V_VT(count) != (VT_BYREF | VT_VARIANT) || V_VT(text) != (VT_BYREF | VT_VARIANT))
            return DISP_E_TYPEMISMATCH;
        V_I4(V_VARIANTREF(count)) *= 2;
        VariantClear(V_VARIANTREF(text));
        *V_VARIANTREF(text) = Text(L"changed");
        return S_OK;
    });

    auto app = comoutlook::ApplicationOf(&application);
    auto wordApp = app->ActiveInspector()->WordEditor()->Application();
    Expect(app->ActiveInspector() == app->ActiveInspector(), "the same Outlook object is the same wrapper");
    std::vector<outlook::Variant> args{std::int32_t{21}, std::string("as sent")};
    wordApp->Run("Corvane.Bridge", args);
    Expect(macroSeen == L"Corvane.Bridge", "the macro's name is passed");
    Expect(args[0] == outlook::Variant(std::int32_t{42}) && args[1] == outlook::Variant(std::string("changed")),
           "what the macro assigns to its arguments comes back");
    wordApp.reset();
    app.reset();
    Expect(application.refs() == 1 && inspector.refs() == 2 && document.refs() == 2 && word.refs() == 2,
           "releasing the wrappers releases every object (each held once by its parent)");
}

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        StandIn first;
        StandIn second;
        auto objects = comoutlook::Objects::Create();
        CheckItems(objects, first, second);
        CheckFailures(objects, first);
        Expect(objects->live() == 0 && first.refs() == 1, "no wrapper outlives its last reference");
    }
    {
        StandIn application;
        StandIn inspector;
        StandIn document;
        StandIn word;
        CheckWord(application, inspector, document, word);
    }
    CoUninitialize();
    return corvane::winecheck::ExitCode();
}
