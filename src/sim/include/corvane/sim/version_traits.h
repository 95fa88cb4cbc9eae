#pragma once
// What differs between the Outlook versions the simulated host plays, chosen by the major
// version of its Version text ("9" Outlook 2000 ... "15" Outlook 2013).
#include <string_view>

namespace corvane::sim {

struct VersionTraits {
    int major = 11;

    // Application.ItemContextMenuDisplay is raised by Outlook 2007 only: the event came
    // with 2007 and Outlook 2010 no longer raises it (its context menus are ribbons).
    bool raisesItemContextMenuDisplay() const { return major == 12; }
    // NameSpace.Accounts came with Outlook 2007.
    bool hasNamespaceAccounts() const { return major >= 12; }
    // NameSpace.MAPIOBJECT cannot be handed to other MAPI clients in Outlook 2000.
    bool hasNamespaceMapiObject() const { return major >= 10; }
    // From Outlook 2007 on Word is the only e-mail editor.
    bool wordAlwaysEditsMail() const { return major >= 12; }
    // The ribbons Outlook asks add-ins for.
    bool hasExplorerRibbon() const { return major >= 14; }
    bool hasInspectorRibbon() const { return major >= 12; }
    // Outlook 2007 and later separate the quoted message with a line instead of
    // "-----Original Message-----".
    bool quotesWithRule() const { return major >= 12; }
};

// The traits of a version text; a text whose major version is not a number plays
// Outlook 2003.
VersionTraits TraitsForVersion(std::string_view versionText);

}  // namespace corvane::sim
