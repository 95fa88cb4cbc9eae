#pragma once
// Forward declarations of the Extended-MAPI seam, for headers that only pass objects along.
namespace corvane::mapi {
class PropertyObject;
class AddressEntry;
class Recipient;
class Attachment;
class Message;
class Folder;
class Store;
class Account;
class Accounts;
class Session;
class Subsystem;
}  // namespace corvane::mapi
