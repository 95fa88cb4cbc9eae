#pragma once
// The product's hooks: each call the add-in proper makes into a subsystem beside it goes to
// that subsystem's procedure here. One source file per subsystem group fills its part:
//   product_hooks_resolution.cpp  address resolution
//   product_hooks_subject.cpp     subject and missing-attachment checks
//   product_hooks_send.cpp        send confirmation, recipient count and delayed sending
//   product_hooks_replies.cpp     reply checks
//   product_hooks_folder.cpp      the settings mail folder
// Hooks not overridden here keep their neutral behaviour until their subsystem lands.
#include "corvane/addin/hooks.h"

namespace corvane::addin {

class ProductHooks : public Hooks {
public:
    // The settings mail folder.
    bool MoveCorvaneDataFolder(AddinProcess&, const std::shared_ptr<outlook::Folder>& oldFolder) override;

    // Address resolution.
    std::string RecipientEmail(AddinProcess&, const std::shared_ptr<outlook::Item>&, int index) override;
    bool EntryIdFails(AddinProcess&, const std::shared_ptr<outlook::Item>&) override;
    void ResetMapiUtils(AddinProcess&) override;

    // Subject and missing-attachment checks.
    std::string cvOldSubject(AddinProcess&, const std::shared_ptr<outlook::MailItem>& mail,
                             const std::shared_ptr<outlook::Item>& response) override;
    std::string cvRemoveSpamMarks(AddinProcess&, const std::shared_ptr<outlook::Item>&) override;
    void cvEmptySubjectCheck(AddinProcess&, const std::shared_ptr<outlook::Item>&, bool& cancel) override;
    void cvAttachMissingCheck(AddinProcess&, const std::shared_ptr<outlook::Item>&, bool& cancel) override;

    // Send confirmation, recipient count and delayed sending.
    Confirmation ConfirmSend(AddinProcess&, const std::shared_ptr<outlook::Item>&) override;
    bool ConfirmRecipientCount(AddinProcess&, const std::shared_ptr<outlook::Item>&) override;
    void cvDelayEmailSending(AddinProcess&, const std::shared_ptr<outlook::Item>&, bool& cancel) override;

    // Reply checks.
    std::string cvAccountsEmailAddress(AddinProcess&) override;
    void cvReplyCheck(AddinProcess&, const std::shared_ptr<outlook::MailItem>&, bool& cancel,
                      const std::string& newSubject) override;
    void cvReplyAllCheck(AddinProcess&, const std::shared_ptr<outlook::MailItem>&, bool& cancel,
                         const std::shared_ptr<outlook::Item>& response) override;
    void DeleteUserProperties(AddinProcess&, const std::shared_ptr<outlook::Item>&, const std::string& name) override;
};

}  // namespace corvane::addin
