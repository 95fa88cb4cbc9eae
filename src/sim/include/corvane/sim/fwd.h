#pragma once
// The simulated Outlook's own classes, for headers that only pass them along.
namespace corvane::sim {
class SimApplication;
class SimNameSpace;
class SimExplorer;
class SimInspector;
class SimItem;
class SimMailItem;
class SimRecipient;
class SimAttachment;
class SimUserProperty;
class SimAddressEntry;
class AddressBook;
class SimFolder;
class SimStore;
class SimAccount;
class SimWord;
class CommandBarLayout;
class CustomUI;
}  // namespace corvane::sim
