#pragma once
// Events, in the shape of COM connection points. A sink implements one of the interfaces
// below (every handler does nothing unless overridden) and registers with its source by
// Advise, which returns a Connection. The source holds the sink only weakly and keeps it
// alive for the length of each call, so a handler may drop the last other reference to
// its own object. The connection ends when the Connection is destroyed or disconnected
// (the add-in's "set the field to Nothing") or when the sink is gone. A handler receives
// `bool& cancel` where Outlook passes Cancel by reference; it sees the value that earlier
// sinks left and may set it.
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "corvane/outlook/fwd.h"

namespace corvane::outlook {

class Connection {
public:
    Connection() = default;
    explicit Connection(std::function<void()> end) : end_(std::move(end)) {}
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Connection(Connection&& other) noexcept : end_(std::exchange(other.end_, {})) {}
    Connection& operator=(Connection&& other) noexcept {
        if (this != &other) {
            disconnect();
            end_ = std::exchange(other.end_, {});
        }
        return *this;
    }
    ~Connection() { disconnect(); }

    void disconnect() noexcept {
        if (auto end = std::exchange(end_, {})) end();
    }
    bool connected() const noexcept { return static_cast<bool>(end_); }

private:
    std::function<void()> end_;
};

class ApplicationEvents {
public:
    virtual ~ApplicationEvents() = default;
    virtual void Startup() {}
    virtual void Quit() {}
    virtual void NewMail() {}
    virtual void ItemSend(const std::shared_ptr<Item>& /*item*/, bool& /*cancel*/) {}
    // Raised before an item's context menu shows (Outlook 2007 only; see the host notes).
    virtual void ItemContextMenuDisplay(const std::shared_ptr<CommandBar>& /*bar*/,
                                        const std::shared_ptr<Selection>& /*selection*/) {}
};

class ExplorersEvents {
public:
    virtual ~ExplorersEvents() = default;
    virtual void NewExplorer(const std::shared_ptr<Explorer>& /*explorer*/) {}
};

class ExplorerEvents {
public:
    virtual ~ExplorerEvents() = default;
    virtual void Activate() {}
    virtual void Deactivate() {}
    virtual void Close() {}
    virtual void BeforeFolderSwitch(const std::shared_ptr<Folder>& /*newFolder*/, bool& /*cancel*/) {}
    virtual void FolderSwitch() {}
    virtual void SelectionChange() {}
};

class InspectorsEvents {
public:
    virtual ~InspectorsEvents() = default;
    virtual void NewInspector(const std::shared_ptr<Inspector>& /*inspector*/) {}
};

class InspectorEvents {
public:
    virtual ~InspectorEvents() = default;
    virtual void Activate() {}
    virtual void Deactivate() {}
    virtual void Close() {}
};

// The events every item raises (ItemEvents_10).
class ItemEvents {
public:
    virtual ~ItemEvents() = default;
    virtual void Open(bool& /*cancel*/) {}
    virtual void Read() {}
    virtual void Write(bool& /*cancel*/) {}
    virtual void Close(bool& /*cancel*/) {}
    virtual void Send(bool& /*cancel*/) {}
    virtual void Reply(const std::shared_ptr<Item>& /*response*/, bool& /*cancel*/) {}
    virtual void ReplyAll(const std::shared_ptr<Item>& /*response*/, bool& /*cancel*/) {}
    virtual void Forward(const std::shared_ptr<Item>& /*forward*/, bool& /*cancel*/) {}
    virtual void PropertyChange(const std::string& /*name*/) {}
    virtual void CustomPropertyChange(const std::string& /*name*/) {}
};

class CommandBarButtonEvents {
public:
    virtual ~CommandBarButtonEvents() = default;
    virtual void Click(const std::shared_ptr<CommandBarButton>& /*button*/, bool& /*cancelDefault*/) {}
};

}  // namespace corvane::outlook
