// The session over IMAPISession (Outlook's, handed over, or one of the add-in's own), the
// objects Outlook hands over, and the subsystem that logs on through mapi32.dll.
#include <mutex>

#include "core.h"
#include "corvane/platform/error.h"
#include "corvane/text/wide.h"

namespace corvane::commapi {

namespace errors = platform::errors;
namespace tags = mapi::tags;

namespace {

constexpr ULONG StoreColumns[] = {tags::EntryId, tags::DisplayName, proptags::ResourceFlags, proptags::MdbProvider};

// MAPIInitialize's counterpart, made once per subsystem and held by each of its sessions.
struct Initialized {
    const Library* library;
    ~Initialized() { library->uninitialize(); }
};

// A .msg file's storage and the message session its message lives in; the message is
// closed with the session, then the storage let go.
struct MessageFile {
    explicit MessageFile(const Library& owner) : library(&owner) {}
    const Library* library;
    MSGSESS* session = nullptr;
    ComPtr<IStorage> storage;
    MessageFile(const MessageFile&) = delete;
    MessageFile& operator=(const MessageFile&) = delete;
    ~MessageFile() {
        if (session != nullptr) library->closeMsgSession(session);
    }
};

// A message read from a .msg file (structured storage), in no folder; a missing file fails
// with STG_E_FILENOTFOUND.
std::shared_ptr<mapi::Message> MessageOfFile(std::string_view path, const Library& library) {
    if (library.openMsgSession == nullptr || library.closeMsgSession == nullptr ||
        library.openMsgOnStorage == nullptr || library.defaultMalloc == nullptr || library.allocateMore == nullptr) {
        throw platform::PlatformError(errors::MapiNoSupport);
    }
    auto file = std::make_shared<MessageFile>(library);
    auto wide = text::WideFromUtf8(path);
    Check(StgOpenStorage(wide.c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, file->storage.put()));
    IMalloc* malloc = library.defaultMalloc();
    Check(library.openMsgSession(malloc, 0, &file->session));
    ComPtr<IMessage> message;
    Check(library.openMsgOnStorage(file->session, library.allocateBuffer, library.allocateMore, library.freeBuffer,
                                   malloc, nullptr, file->storage.get(), nullptr, 0, 0, message.put()));
    return WrapMessage(std::move(message), Context{&library, {}, {}, file});
}

class MapiSession final : public mapi::Session {
public:
    // With `initialized`, the add-in's own session, logged off when released; Outlook's
    // (without) is only let go.
    MapiSession(ComPtr<IMAPISession> session, const Library& library, std::shared_ptr<Initialized> initialized)
        : context_{&library, std::move(session), {}}, initialized_(std::move(initialized)) {}
    ~MapiSession() override { Logoff(); }
    MapiSession(const MapiSession&) = delete;
    MapiSession& operator=(const MapiSession&) = delete;

    bool LoggedOn() override { return static_cast<bool>(context_.session); }
    void Logoff() override {
        if (initialized_ && context_.session) context_.session->Logoff(0, 0, 0);
        context_.session = {};
    }

    std::vector<std::shared_ptr<mapi::Store>> Stores() override {
        ComPtr<IMAPITable> table;
        Check(session()->GetMsgStoresTable(flags::MapiUnicode, table.put()));
        std::vector<std::shared_ptr<mapi::Store>> out;
        for (auto& row : ReadRows(table.get(), {StoreColumns[0], StoreColumns[1], StoreColumns[2], StoreColumns[3]},
                                  *context_.library)) {
            out.push_back(StoreOfRow(std::move(row), context_));
        }
        return out;
    }
    std::shared_ptr<mapi::Store> DefaultStore() override {
        for (const auto& store : Stores()) {
            if (store->Default()) return store;
        }
        throw platform::PlatformError(errors::MapiNotFound);
    }
    std::shared_ptr<mapi::AddressEntry> CurrentUser() override {
        ULONG size = 0;
        MapiBuffer<ENTRYID> raw(*context_.library);
        Check(session()->QueryIdentity(&size, raw.put()));
        auto* bytes = reinterpret_cast<BYTE*>(raw.get());
        mapi::Binary id = bytes != nullptr ? mapi::Binary(bytes, bytes + size) : mapi::Binary();
        auto entry = OpenAddressEntry(context_, id);
        return entry ? WrapAddressEntry(entry, context_) : nullptr;
    }
    std::shared_ptr<mapi::Accounts> Accounts() override {
        session();
        return AccountsOf(context_);
    }
    std::shared_ptr<mapi::Message> GetMessageFromID(std::string_view entryId, std::string_view storeId) override {
        Context found = context_;
        found.session = session();
        auto storeBytes = mapi::BinaryFromHex(storeId);
        auto entryBytes = mapi::BinaryFromHex(entryId);
        if (entryBytes.empty()) throw platform::PlatformError(errors::MapiNotFound);
        try {
            if (!storeBytes.empty()) {
                Check(found.session->OpenMsgStore(0, static_cast<ULONG>(storeBytes.size()),
                                                  reinterpret_cast<ENTRYID*>(storeBytes.data()), nullptr,
                                                  flags::MapiBestAccess | flags::MdbNoMail, found.store.put()));
            }
            auto message = OpenEntry(found, entryBytes).as<IMessage>(iid::IMessage);
            if (!message) throw platform::PlatformError(errors::MapiNotFound);
            return WrapMessage(message, found);
        } catch (const platform::PlatformError& e) {
            // An id no store knows is a missing message, as the object model reports it.
            if (e.number() == errors::MapiInvalidEntryId.number || e.number() == errors::MapiUnknownEntryId.number) {
                throw platform::PlatformError(errors::MapiNotFound);
            }
            throw;
        }
    }
    std::shared_ptr<mapi::Folder> GetDefaultFolder(int folderType) override {
        return DefaultStore()->GetDefaultFolder(folderType);
    }
    std::shared_ptr<mapi::Message> GetMessageFromMsgFile(std::string_view path) override {
        session();
        return MessageOfFile(path, *context_.library);
    }

private:
    const ComPtr<IMAPISession>& session() const {
        if (!context_.session) throw platform::PlatformError(errors::MapiLogonFailed);
        return context_.session;
    }

    Context context_;
    std::shared_ptr<Initialized> initialized_;  // set for the add-in's own logon
};

class MapiSubsystem final : public mapi::Subsystem {
public:
    explicit MapiSubsystem(const Library* library) : library_(library) {}

    std::shared_ptr<mapi::Session> Logon() override {
        const Library& library = library_ != nullptr ? *library_ : SystemLibrary();
        auto initialized = initialized_.lock();
        if (!initialized) {
            Check(library.initialize(nullptr));
            initialized = std::make_shared<Initialized>(Initialized{&library});
            initialized_ = initialized;
        }
        ComPtr<IMAPISession> session;
        Check(library.logonEx(0, nullptr, nullptr, flags::MapiExtended | flags::MapiUseDefault, session.put()));
        return std::make_shared<MapiSession>(std::move(session), library, std::move(initialized));
    }

private:
    const Library* library_;  // nullptr: mapi32.dll's, loaded at the first logon
    std::weak_ptr<Initialized> initialized_;
};

template <class Interface>
ComPtr<Interface> Query(IUnknown* object, const IID& iid) {
    if (object == nullptr) return {};
    auto wanted = ComPtr<IUnknown>(object).as<Interface>(iid);
    if (!wanted) throw platform::PlatformError(errors::MapiInterfaceNotSupported);
    return wanted;
}

// An export by name, or by its decorated name (32-bit __stdcall: "Name@bytes").
template <class Function>
Function Export(HMODULE module, const char* name, const char* decorated) {
    FARPROC found = GetProcAddress(module, name);
    if (found == nullptr) found = GetProcAddress(module, decorated);
    // The exports' own types are the declarations of interfaces.h.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

}  // namespace

const Library& SystemLibrary() {
    static Library library;
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        HMODULE module = LoadLibraryW(L"mapi32.dll");
        if (module == nullptr) return;
        library.allocateBuffer = Export<MAPIAllocateBufferFn>(module, "MAPIAllocateBuffer", "MAPIAllocateBuffer@8");
        library.freeBuffer = Export<MAPIFreeBufferFn>(module, "MAPIFreeBuffer", "MAPIFreeBuffer@4");
        library.initialize = Export<MAPIInitializeFn>(module, "MAPIInitialize", "MAPIInitialize@4");
        library.uninitialize = Export<MAPIUninitializeFn>(module, "MAPIUninitialize", "MAPIUninitialize@0");
        library.logonEx = Export<MAPILogonExFn>(module, "MAPILogonEx", "MAPILogonEx@20");
        library.allocateMore = Export<MAPIAllocateMoreFn>(module, "MAPIAllocateMore", "MAPIAllocateMore@12");
        library.defaultMalloc = Export<MAPIGetDefaultMallocFn>(module, "MAPIGetDefaultMalloc",
                                                               "MAPIGetDefaultMalloc@0");
        library.openMsgSession = Export<OpenIMsgSessionFn>(module, "OpenIMsgSession", "OpenIMsgSession@12");
        library.closeMsgSession = Export<CloseIMsgSessionFn>(module, "CloseIMsgSession", "CloseIMsgSession@4");
        library.openMsgOnStorage = Export<OpenIMsgOnIStgFn>(module, "OpenIMsgOnIStg", "OpenIMsgOnIStg@44");
    });
    if (library.allocateBuffer == nullptr || library.freeBuffer == nullptr || library.initialize == nullptr ||
        library.uninitialize == nullptr || library.logonEx == nullptr) {
        throw platform::PlatformError(errors::MapiNotInstalled);
    }
    return library;
}

std::shared_ptr<mapi::Session> SessionOf(IUnknown* session, const Library& library) {
    auto mapiSession = Query<IMAPISession>(session, iid::IMAPISession);
    return mapiSession ? std::make_shared<MapiSession>(std::move(mapiSession), library, nullptr) : nullptr;
}

std::shared_ptr<mapi::Message> MessageOf(IUnknown* message, IUnknown* session, const Library& library) {
    Context context{&library, Query<IMAPISession>(session, iid::IMAPISession), {}};
    return WrapMessage(Query<IMessage>(message, iid::IMessage), std::move(context));
}

std::shared_ptr<mapi::Folder> FolderOf(IUnknown* folder, const Library& library) {
    return WrapFolder(Query<IMAPIFolder>(folder, iid::IMAPIFolder), Context{&library, {}, {}});
}

std::shared_ptr<mapi::AddressEntry> AddressEntryOf(IUnknown* entry, const Library& library) {
    return WrapAddressEntry(Query<IMAPIProp>(entry, iid::IMAPIProp), Context{&library, {}, {}});
}

std::shared_ptr<mapi::Subsystem> SubsystemOf() { return std::make_shared<MapiSubsystem>(nullptr); }
std::shared_ptr<mapi::Subsystem> SubsystemOf(const Library& library) {
    return std::make_shared<MapiSubsystem>(&library);
}

}  // namespace corvane::commapi
