#pragma once
// The "Contact Support" e-mail: a new message to the support mailbox with the details of
// the user's installation below the place for the question; and the product's own facts.
#include <string>

#include "corvane/platform/system_info.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::support {

// The product's title, as its version resource gives it.
inline constexpr const char* ProductTitle = "Corvane";

// "1.0.136": major, minor and revision joined by ".".
std::string VersionText(const platform::AddinVersion& version);

// Creates the support e-mail and displays it (not modal); the user writes the question at
// the top and sends it. A failure shows the module error and leaves whatever Outlook
// already shows.
void ComposeSupportMail(core::AddinProcess& process);

// The e-mail's body for an Outlook version text, a Windows description and an add-in list.
std::string SupportMailBody(const std::string& outlookVersion, const platform::AddinVersion& addinVersion,
                            const std::string& windows, const std::string& addins);

// "Windows 7 Service Pack 1 (64-bit)", from the version record and the processor
// architecture; "Failed to get Operating System" when the version cannot be classified.
std::string WindowsDescription(platform::SystemInfo& system);

// The add-ins registered with Outlook for the current user, then for the machine, each
// with its name and load behaviour. A key that cannot be opened shows "Unable to open a
// subkey" and adds nothing.
std::string OutlookAddinList(core::AddinProcess& process);

}  // namespace corvane::support
