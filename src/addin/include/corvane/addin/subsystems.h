#pragma once
// The one place where the add-in proper meets its subsystems: one object per interface,
// each the product's own unless a test puts its own in; and the process state the add-in
// proper keeps on top of what every subsystem shares (core::AddinProcess).
#include <cstdint>
#include <memory>

#include "corvane/accounts/entry_points.h"
#include "corvane/checks/entry_points.h"
#include "corvane/core/addin_process.h"
#include "corvane/core/wrapper_collection.h"
#include "corvane/menus/menus.h"
#include "corvane/settingsfile/settings_file.h"
#include "corvane/update/update_check.h"
#include "corvane/wizard/wizard.h"
#include "corvane/wordmail/bas_word_mail.h"

namespace corvane::addin {

class ExplorerWrap;
class clsInspWrap;

struct Subsystems {
    std::shared_ptr<checks::ResponseChecks> responses = std::make_shared<checks::ResponseChecks>();
    std::shared_ptr<checks::MessageWindowChecks> windowChecks = std::make_shared<checks::MessageWindowChecks>();
    std::shared_ptr<checks::SendEventChecks> sendChecks = std::make_shared<checks::SendEventChecks>();
    std::shared_ptr<accounts::Resolution> resolution = std::make_shared<accounts::Resolution>();
    std::shared_ptr<accounts::MailFolder> mailFolder = std::make_shared<accounts::MailFolder>();
    std::shared_ptr<accounts::PreferredAccount> prefAccount = std::make_shared<accounts::PreferredAccount>();
    std::shared_ptr<menus::Menus> menus = std::make_shared<menus::Menus>();
    std::shared_ptr<settingsfile::SettingsFile> settingsFile = std::make_shared<settingsfile::SettingsFile>();
    std::shared_ptr<wizard::Wizard> wizard = std::make_shared<wizard::Wizard>();
    std::shared_ptr<update::UpdateCheck> updateCheck = std::make_shared<update::UpdateCheck>();
    std::shared_ptr<wordmail::WordTemplate> wordTemplate = std::make_shared<wordmail::WordTemplate>();
};

struct Process : core::AddinProcess {
    explicit Process(const platform::Host& host, Subsystems s = {},
                     std::shared_ptr<access::ComponentFactory> access = nullptr);

    Subsystems subsystems;

    // The two window-wrapper registries, created on first use, and their key counters.
    std::shared_ptr<core::WrapperCollection<ExplorerWrap>> gcolExplWrap;
    std::int16_t gintExplKey = 0;
    std::shared_ptr<core::WrapperCollection<clsInspWrap>> gcolInspWrap;
    std::int16_t gintInspKey = 0;
    core::WrapperCollection<ExplorerWrap>& explorerWrappers();
    core::WrapperCollection<clsInspWrap>& inspectorWrappers();
};

}  // namespace corvane::addin
