#pragma once
// frmConfirmCheckUpdate asks whether to look for a newer version now, later or never, and
// then shows what the check found: a newer version with its links, the latest version
// already running, or a server that cannot be reached (with Try Again).
//
//     frmConfirmCheckUpdate frm(process);
//     frm.load();
//     frm.show(process.host.ui);    // the buttons unload it
#include <cstdint>

#include "corvane/core/addin_process.h"
#include "corvane/ui/controls.h"

namespace corvane::update {

// Link colours: at rest, and while the pointer is over the link.
inline constexpr std::uint32_t LinkColour = ui::rgb(0, 0, 255);
inline constexpr std::uint32_t LinkHoverColour = ui::rgb(255, 0, 0);

class frmConfirmCheckUpdate : public ui::Form {
public:
    ui::Label lblIntro{*this, "lblIntro"};
    ui::Frame fraOptions{*this, "fraOptions"};
    ui::Label lblQuestion{*this, "lblQuestion"};
    ui::OptionButton optYes{*this, "optYes"};
    ui::ComboBox cboYes{*this, "cboYes"};
    ui::Label lblYesDays{*this, "lblYesDays"};
    ui::OptionButton optNotNow{*this, "optNotNow"};
    ui::ComboBox cboNotNow{*this, "cboNotNow"};
    ui::Label lblNotNowDays{*this, "lblNotNowDays"};
    ui::OptionButton optNo{*this, "optNo"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};
    ui::Frame fraStatus{*this, "fraStatus"};
    ui::Label lblStatus{*this, "lblStatus"};
    ui::Label lblNewVersion{*this, "lblNewVersion"};
    ui::Label lblDescription{*this, "lblDescription"};
    ui::Label lblNoConnection{*this, "lblNoConnection"};
    ui::Label lblCheckConnection{*this, "lblCheckConnection"};
    ui::Label lblDownloadLink{*this, "lblDownloadLink"};
    ui::Label lblFeaturesReleaseLink{*this, "lblFeaturesReleaseLink"};
    ui::Label lblUpgradePolicyLink{*this, "lblUpgradePolicyLink"};
    ui::CommandButton cmdTryAgain{*this, "cmdTryAgain"};
    ui::CommandButton cmdClose{*this, "cmdClose"};

    explicit frmConfirmCheckUpdate(core::AddinProcess& process);

protected:
    void design() override;
    void onUnload(bool& cancel) override;

private:
    void cmdOK_Click();
    void checkNow();
    void showStatus(int outcome, const std::string& newVersion);
    // Opens the address the last reply gives for `tag`, when it is a web address.
    void openLink(const char* tag);
    void hover(ui::Label& link);
    // Stores today + the chosen number of days as the reminder date.
    void remindIn(const ui::ComboBox& days);

    core::AddinProcess& process_;
};

}  // namespace corvane::update
