#pragma once
// OutAddIn: the sink of Outlook's application events. Its send handler is the second
// stage of the send pipeline.
#include <memory>
#include <string>

#include "corvane/addin/subsystems.h"
#include "corvane/core/event_field.h"
#include "corvane/outlook/application.h"

namespace corvane::addin {

class OutAddIn : public std::enable_shared_from_this<OutAddIn> {
public:
    static std::shared_ptr<OutAddIn> Create(Process& process);
    ~OutAddIn();
    OutAddIn(const OutAddIn&) = delete;
    OutAddIn& operator=(const OutAddIn&) = delete;

    void Init(const std::shared_ptr<outlook::Application>& application, const std::string& progId);
    // Releases the namespace, the application (gOutlook too), both window registries and
    // the preferred-account list.
    void UnInit();
    bool Initialized() const { return initialized_; }

    // Event handlers.
    void objOutlook_Startup() {}
    void objOutlook_ItemSend(const std::shared_ptr<outlook::Item>& Item, bool& Cancel);
    void objOutlook_ItemContextMenuDisplay(const std::shared_ptr<outlook::CommandBar>& CommandBar,
                                           const std::shared_ptr<outlook::Selection>& Selection);

    // The account the item will be sent from.
    std::string GetItemAccount(const std::shared_ptr<outlook::Item>& item);
    // Makes the item go out from the account and forgets the edit dialog's outcome.
    void SendFromAccount(const std::shared_ptr<outlook::Item>& item, const std::string& account);

private:
    explicit OutAddIn(Process& process) : process_(process) {}
    // Steps 1 to 7 (the gates, the confirmations and the delay); false when the send
    // stops there.
    bool checkBeforeAccounts(const std::shared_ptr<outlook::Item>& item, bool& cancel);
    // Steps 8 to 12 (the preferred account).
    void accountSteps(const std::shared_ptr<outlook::Item>& item, bool& cancel);
    void offerToAddAddress(const std::shared_ptr<outlook::Item>& item, const std::string& address, bool& cancel);
    void usePreferredAccount(const std::shared_ptr<outlook::Item>& item, const std::string& address, bool& cancel);

    Process& process_;
    std::shared_ptr<outlook::ApplicationEvents> sink_;
    core::EventField<outlook::Application> objOutlook;
    std::shared_ptr<outlook::NameSpace> objNameSpace;
    std::string progId_;
    bool initialized_ = false;
};

}  // namespace corvane::addin
