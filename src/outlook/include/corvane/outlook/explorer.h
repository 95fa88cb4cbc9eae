#pragma once
// Outlook's main window: the folder it shows, the selected items, its command bars.
// Every member of a closed Explorer fails with errors::ExplorerClosed.
#include <memory>
#include <string>

#include "corvane/outlook/events.h"
#include "corvane/outlook/object.h"

namespace corvane::outlook {

class Explorer : public Object {
public:
    // "<folder name> - Microsoft Outlook"; two Explorers on the same folder share it.
    virtual std::string Caption() = 0;
    virtual std::shared_ptr<Folder> CurrentFolder() = 0;
    // Switches the folder: BeforeFolderSwitch (cancellable), FolderSwitch, SelectionChange.
    virtual void SetCurrentFolder(const std::shared_ptr<Folder>& folder) = 0;
    virtual std::shared_ptr<outlook::Selection> Selection() = 0;
    virtual std::shared_ptr<outlook::CommandBars> CommandBars() = 0;
    virtual void Display() = 0;
    virtual void Activate() = 0;
    virtual void Close() = 0;
    virtual Connection Advise(std::shared_ptr<ExplorerEvents> sink) = 0;
};

// The items selected in an Explorer when Selection was read.
class Selection : public Object {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<outlook::Item> Item(int index) = 0;  // 1-based
};

}  // namespace corvane::outlook
