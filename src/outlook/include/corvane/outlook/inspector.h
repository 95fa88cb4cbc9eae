#pragma once
// The window of one opened item. Every member of a closed Inspector fails with
// errors::InspectorClosed.
#include <memory>
#include <string>

#include "corvane/outlook/events.h"
#include "corvane/outlook/object.h"

namespace corvane::outlook {

class Inspector : public Object {
public:
    virtual std::string Caption() = 0;
    virtual std::shared_ptr<Item> CurrentItem() = 0;
    // oleditor: 4 when Word edits the item.
    virtual int EditorType() = 0;
    virtual bool IsWordMail() = 0;
    // The Word document of a Word-edited item, nullptr for any other editor.
    virtual std::shared_ptr<word::Document> WordEditor() = 0;
    virtual void Activate() = 0;
    virtual void Display(bool modal) = 0;
    // Raises the item's Close (cancellable), then the Inspector's Close.
    virtual void Close(int saveMode) = 0;
    virtual Connection Advise(std::shared_ptr<InspectorEvents> sink) = 0;
};

}  // namespace corvane::outlook
