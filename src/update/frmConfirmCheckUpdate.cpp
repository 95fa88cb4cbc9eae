#include "corvane/update/frmConfirmCheckUpdate.h"

#include "corvane/core/short_date.h"
#include "corvane/platform/conventions.h"
#include "corvane/settings/setting_keys.h"
#include "corvane/text/text.h"
#include "corvane/update/frmCheckUpdate.h"
#include "corvane/update/update_reply.h"

namespace corvane::update {

frmConfirmCheckUpdate::frmConfirmCheckUpdate(core::AddinProcess& process)
    : Form("frmConfirmCheckUpdate"), process_(process) {
    optYes.onClick = [this] {
        cboYes.setEnabled(true);
        cboNotNow.setEnabled(false);
    };
    optNotNow.onClick = [this] {
        cboYes.setEnabled(false);
        cboNotNow.setEnabled(true);
    };
    optNo.onClick = [this] {
        cboYes.setEnabled(false);
        cboNotNow.setEnabled(false);
    };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancel.onClick = [this] { unload(); };
    cmdClose.onClick = [this] { unload(); };
    cmdTryAgain.onClick = [this] { cmdOK_Click(); };
    lblDownloadLink.onClick = [this] { openLink("DOWNLOADLINK"); };
    lblFeaturesReleaseLink.onClick = [this] { openLink("FEATURESRELEASELINK"); };
    lblUpgradePolicyLink.onClick = [this] { openLink("UPGRADEPOLICYLINK"); };
    for (ui::Label* link : {&lblDownloadLink, &lblFeaturesReleaseLink, &lblUpgradePolicyLink})
        link->onMouseMove = [this, link] { hover(*link); };
    applyDesign();
}

void frmConfirmCheckUpdate::design() {
    const std::string& title = process_.appTitle;
    setCaption(title + " Check for Updates");
    move(0, 0, 6900, 3900);
    lblIntro.setCaption(
        "We periodically update Corvane. These updates can include bug fixes as well as new features.");
    lblIntro.move(120, 120, 6540, 480);

    fraOptions.move(120, 720, 6540, 2520);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&lblQuestion, &optYes, &cboYes, &lblYesDays, &optNotNow,
                                                              &cboNotNow, &lblNotNowDays, &optNo, &cmdOK, &cmdCancel})
        c->setContainer(fraOptions);
    lblQuestion.setCaption("Would you like to check for updates now?");
    lblQuestion.move(120, 120, 6300, 240);
    optYes.setCaption("Yes. Check for Updates Now and then check again every");
    optYes.move(120, 480, 4500, 300);
    optYes.setValue(true);
    cboYes.move(4680, 480, 720, 300);
    lblYesDays.setCaption("days.");
    lblYesDays.move(5460, 510, 600, 240);
    optNotNow.setCaption("Not Now. Remind me to check for updates in ");
    optNotNow.move(120, 900, 4500, 300);
    cboNotNow.move(4680, 900, 720, 300);
    cboNotNow.setEnabled(false);
    lblNotNowDays.setCaption("days.");
    lblNotNowDays.move(5460, 930, 600, 240);
    optNo.setCaption("No. Do Not check for updates automatically.");
    optNo.move(120, 1320, 6300, 300);
    for (ui::ComboBox* days : {&cboYes, &cboNotNow}) days->setStyle(ui::ComboStyle::DropDownList);
    for (const char* days : {"7", "14", "30", "60", "90"}) cboYes.addItem(days);
    for (const char* days : {"1", "7", "14", "30", "60", "90"}) cboNotNow.addItem(days);
    cboYes.setListIndex(2);
    cboNotNow.setListIndex(1);
    cmdOK.setCaption("&OK");
    cmdOK.setDefault(true);
    cmdOK.move(3900, 1980, 1200, 360);
    cmdCancel.setCaption("&Cancel");
    cmdCancel.setCancel(true);
    cmdCancel.move(5220, 1980, 1200, 360);

    fraStatus.move(120, 720, 6540, 2520);
    fraStatus.setVisible(false);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&lblStatus, &lblNewVersion, &lblDescription, &lblNoConnection,
                                             &lblCheckConnection, &lblDownloadLink, &lblFeaturesReleaseLink,
                                             &lblUpgradePolicyLink, &cmdTryAgain, &cmdClose})
        c->setContainer(fraStatus);
    lblStatus.move(120, 120, 6300, 240);
    for (ui::Label* l : {&lblNewVersion, &lblDescription, &lblNoConnection}) l->move(120, 480, 6300, 240);
    lblCheckConnection.setCaption("Please check your Internet connection and try again later.");
    lblCheckConnection.move(120, 840, 6300, 240);
    lblDownloadLink.setCaption("Download the new version");
    lblDownloadLink.move(120, 840, 6300, 240);
    lblFeaturesReleaseLink.setCaption("Check out the latest features in this release");
    lblFeaturesReleaseLink.move(120, 1200, 6300, 240);
    lblUpgradePolicyLink.setCaption("See our Upgrade Policy");
    lblUpgradePolicyLink.move(120, 1560, 6300, 240);
    for (ui::Label* link : {&lblDownloadLink, &lblFeaturesReleaseLink, &lblUpgradePolicyLink})
        link->setForeColor(LinkColour);
    cmdTryAgain.setCaption("&Try Again");
    cmdTryAgain.move(3900, 1980, 1200, 360);
    cmdClose.setCaption("&Close");
    cmdClose.setCancel(true);
    cmdClose.move(5220, 1980, 1200, 360);
}

void frmConfirmCheckUpdate::onUnload(bool&) { process_.gAutoUpdate.reset(); }

void frmConfirmCheckUpdate::remindIn(const ui::ComboBox& days) {
    const auto n = text::wholeNumber(days.text()).value_or(0);
    const auto when = process_.host.clock.now().dateOnly().addDays(n);
    process_.store().SaveSetting(settings::keys::LastCheckUpdateDate, core::ShortDateText(process_.host.system, when));
}

void frmConfirmCheckUpdate::cmdOK_Click() {
    try {
        if (optYes.value()) {
            remindIn(cboYes);
            fraOptions.setVisible(false);
            checkNow();
        } else if (optNotNow.value()) {
            remindIn(cboNotNow);
            unload();
        } else if (optNo.value()) {
            process_.store().SaveSetting(settings::keys::LastCheckUpdateDate, settings::DoNotCheckMarker);
            unload();
        }
    } catch (const platform::PlatformError& e) {
        platform::ReportModuleError(process_.host.ui, process_.appTitle, "frmConfirmCheckUpdate", "cmdOK_Click", e);
    }
}

void frmConfirmCheckUpdate::checkNow() {
    frmCheckUpdate check(process_);
    check.load();
    lblStatus.setCaption(process_.appTitle + " Update Status");
    showStatus(check.status, check.newVersion);
    check.unload();
}

void frmConfirmCheckUpdate::showStatus(int outcome, const std::string& newVersion) {
    const std::string& title = process_.appTitle;
    const bool newer = outcome == status::NewVersion;
    const bool upToDate = outcome == status::UpToDate;
    const bool unreachable = !newer && !upToDate;
    lblNewVersion.setVisible(newer);
    lblNewVersion.setCaption("A new version of " + title + " is available: version " + newVersion + ".");
    lblDownloadLink.setVisible(newer);
    lblDescription.setVisible(upToDate);
    lblDescription.setCaption("You are currently running the latest version of " + title + ".");
    lblFeaturesReleaseLink.setVisible(!unreachable);
    lblUpgradePolicyLink.setVisible(!unreachable);
    lblNoConnection.setVisible(unreachable);
    lblNoConnection.setCaption("The " + title + " update server cannot be reached.");
    lblCheckConnection.setVisible(unreachable);
    cmdTryAgain.setVisible(unreachable);
    fraStatus.setVisible(true);
    platform::IgnoreErrors([&] { (unreachable ? cmdTryAgain : cmdClose).setFocus(); });
}

void frmConfirmCheckUpdate::openLink(const char* tag) {
    const auto autoUpdate = gAutoUpdate(process_);
    if (!autoUpdate) return;
    // Only web addresses go to the shell: the reply comes from the network.
    const std::string address = text::trim(autoUpdate->XmlDataGet(tag));
    if (IsWebAddress(address)) process_.host.shell.openAddress(address);
}

void frmConfirmCheckUpdate::hover(ui::Label& link) {
    for (ui::Label* l : {&lblDownloadLink, &lblFeaturesReleaseLink, &lblUpgradePolicyLink})
        l->setForeColor(l == &link ? LinkHoverColour : LinkColour);
}

}  // namespace corvane::update
