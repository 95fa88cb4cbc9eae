#pragma once
// The product's hooks: each call the add-in proper makes into a subsystem beside it goes to
// that subsystem's procedure here. One source file per subsystem group fills its part:
//   product_hooks_resolution.cpp  address resolution
//   product_hooks_subject.cpp     subject and missing-attachment checks
//   product_hooks_send.cpp        send confirmation, recipient count and delayed sending
//   product_hooks_replies.cpp     reply checks
//   product_hooks_folder.cpp      the settings mail folder
// Hooks not overridden here keep their neutral behaviour until their subsystem lands.
#include "corvane/core/hooks.h"

namespace corvane::addin {

class ProductHooks : public core::Hooks {
public:
    // The settings mail folder.
    bool MoveCorvaneDataFolder(core::AddinProcess&, const std::shared_ptr<outlook::Folder>& oldFolder) override;

    // Address resolution.
    std::string RecipientEmail(core::AddinProcess&, const std::shared_ptr<outlook::Item>&, int index) override;
    bool EntryIdFails(core::AddinProcess&, const std::shared_ptr<outlook::Item>&) override;
    void ResetMapiUtils(core::AddinProcess&) override;

    // Subject and missing-attachment checks.
    std::string cvOldSubject(core::AddinProcess&, const std::shared_ptr<outlook::MailItem>& mail,
                             const std::shared_ptr<outlook::Item>& response) override;
    std::string cvRemoveSpamMarks(core::AddinProcess&, const std::shared_ptr<outlook::Item>&) override;
    void cvEmptySubjectCheck(core::AddinProcess&, const std::shared_ptr<outlook::Item>&, bool& cancel) override;
    void cvAttachMissingCheck(core::AddinProcess&, const std::shared_ptr<outlook::Item>&, bool& cancel) override;

    // Send confirmation, recipient count and delayed sending.
    core::Confirmation ConfirmSend(core::AddinProcess&, const std::shared_ptr<outlook::Item>&) override;
    bool ConfirmRecipientCount(core::AddinProcess&, const std::shared_ptr<outlook::Item>&) override;
    void cvDelayEmailSending(core::AddinProcess&, const std::shared_ptr<outlook::Item>&, bool& cancel) override;

    // Reply checks.
    std::string cvAccountsEmailAddress(core::AddinProcess&) override;
    void cvReplyCheck(core::AddinProcess&, const std::shared_ptr<outlook::MailItem>&, bool& cancel,
                      const std::string& newSubject) override;
    void cvReplyAllCheck(core::AddinProcess&, const std::shared_ptr<outlook::MailItem>&, bool& cancel,
                         const std::shared_ptr<outlook::Item>& response) override;
    void DeleteUserProperties(core::AddinProcess&, const std::shared_ptr<outlook::Item>&, const std::string& name) override;
};

}  // namespace corvane::addin
