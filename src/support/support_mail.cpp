#include "corvane/support/support_mail.h"

#include <array>
#include <string_view>
#include <utility>

#include "corvane/access/factory.h"
#include "corvane/access/safe_mail_item.h"
#include "corvane/core/addin_process.h"
#include "corvane/core/vb_errors.h"
#include "corvane/outlook/application.h"
#include "corvane/outlook/items.h"
#include "corvane/platform/conventions.h"
#include "corvane/platform/version.h"
#include "corvane/text/text.h"

namespace corvane::support {
namespace {

std::string OutlookLabel(const std::string& version) {
    const std::string major = platform::OutlookMajorVersion(version);
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> labels{{
        {"9", "Outlook 2000: "},
        {"10", "Outlook 2002: "},
        {"11", "Outlook 2003: "},
        {"12", "Outlook 2007: "},
        {"14", "Outlook 2010: "},
        {"15", "Outlook 2013: "},
    }};
    for (const auto& [number, label] : labels)
        if (text::equalsNoCase(major, number)) return std::string(label);
    return "Outlook Version Unknown: ";
}

}  // namespace

std::string VersionText(const platform::AddinVersion& v) {
    return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision);
}

std::string SupportMailBody(const std::string& outlookVersion, const platform::AddinVersion& addinVersion,
                            const std::string& windows, const std::string& addins) {
    std::string body;
    for (int i = 0; i < 8; ++i) body += text::CrLf;
    body += "[Enter your question above]";
    body += text::CrLf + std::string(58, '-') + text::CrLf + text::CrLf;
    body += OutlookLabel(outlookVersion) + outlookVersion;
    body += text::CrLf + std::string(ProductTitle) + " " + VersionText(addinVersion);
    body += text::CrLf + std::string(60, '=') + text::CrLf + windows + text::CrLf + text::CrLf + addins;
    return body;
}

void ComposeSupportMail(core::AddinProcess& p) {
    try {
        auto& outlookApp = core::EnsureOutlook(p);
        auto item = core::vb::Need(outlookApp->CreateItem(outlook::olitem::Mail));
        auto safe = access::CreateAccessObject<access::SafeMailItem>(*p.access);
        safe->SetItem(item);
        safe->SetTo(p.brand.supportEmail);
        safe->SetSubject(ProductTitle);
        safe->SetBody(SupportMailBody(core::OutlookVersion(p), p.host.system.addinVersion(),
                                      WindowsDescription(p.host.system), OutlookAddinList(p)));
        safe->Recipients()->ResolveAll();
        item->Display(false);
    } catch (const platform::PlatformError& e) {
        platform::ReportModuleError(p.host.ui, p.appTitle, "modSupport", "ComposeSupportMail", e);
    }
}

}  // namespace corvane::support
