#pragma once
// Naming things of the simulated mailbox the way profiles and scenarios write them:
// folders by path, address-book entries by address or name, items by the id a profile or
// a scenario gave them.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/sim/fwd.h"

namespace corvane::profile {

// The folder at a path: "Inbox/Projects" below the default store's root, or a full
// Outlook folder path "\\Store name\Inbox\Projects". nullptr when there is none.
std::shared_ptr<sim::SimFolder> FindFolder(const sim::SimNameSpace& profile, std::string_view path);
// The path of a folder as FindFolder reads it: relative in the default store, full else.
std::string FolderPathOf(const sim::SimNameSpace& profile, const sim::SimFolder& folder);
// The folder at a path below `root`, creating the folders missing on the way.
std::shared_ptr<sim::SimFolder> EnsureFolder(const std::shared_ptr<sim::SimFolder>& root, std::string_view path);
// Every folder below `root` (not `root` itself), parents before children.
std::vector<std::shared_ptr<sim::SimFolder>> FoldersBelow(const sim::SimFolder& root);

// An address-book entry named by one of its SMTP addresses (a text with "@") or by its
// display name or alias. nullptr and `problem` set when none, or more than one, fits.
std::shared_ptr<sim::SimAddressEntry> FindEntry(const sim::AddressBook& book, std::string_view ref,
                                                std::string& problem);
// How a profile refers to an entry: its SMTP address when that names it alone, else its
// name when that does, else "Name <address>" (always so for entries outside the book).
std::string EntryRef(const sim::AddressBook& book, const sim::SimAddressEntry& entry);

// The id of an item travels with the message when it moves (it is kept as the message's
// search key, as Outlook keeps PR_SEARCH_KEY on a moved or sent message).
void StampItemId(sim::SimItem& item, std::string_view id);
// "" when the item carries no id.
std::string ItemIdOf(const sim::SimItem& item);
// The message with that id where it is now: in a window or in any folder of any store.
// nullptr when it is nowhere (deleted for good, or never created).
std::shared_ptr<sim::SimItem> FindItemById(const sim::SimApplication& app, std::string_view id);

}  // namespace corvane::profile
