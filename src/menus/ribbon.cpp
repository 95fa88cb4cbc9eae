#include "corvane/menus/ribbon.h"

#include "corvane/core/addin_process.h"
#include "corvane/menus/menus.h"

namespace corvane::menus {

std::string RibbonXml() {
    return "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" onLoad=\"Ribbon_OnLoad\" "
           "xmlns:nsKelderon=\"Kelderon Outlook Addins\">"
           "<ribbon startFromScratch=\"false\">"
           "<tabs>"
           "<tab idQ=\"nsKelderon:tbKelderon\" label=\"Kelderon Outlook Addins\" visible=\"true\">"
           "<group id=\"cgCorvane\" label=\"Corvane\">"
           "<menu id=\"CVMnuMore_kelderontab\" label=\"Corvane\" size=\"large\" imageMso=\"ApplicationOptionsDialog\">"
           "<menuSeparator id=\"cbbS_kelderontab\"/>"
           "<button id=\"cmdCVQuenlow_kelderontab\" onAction=\"cbbCVQuenlow_Click\" "
           "label=\"Quenlow (Preferred) List...\"/>"
           "<button id=\"cmdCVSettings_kelderontab\" onAction=\"cbbCVSettings_Click\" label=\"Settings...\"/>"
           "<menuSeparator id=\"cbbCVS2_kelderontab\"/>"
           "<button id=\"cmdCVCheckForUpdates_kelderontab\" onAction=\"cmdCheckForUpdatesRibbon_Click\" "
           "label=\"Check for Updates...\"/>"
           "<button id=\"cmdCVContactSupport_kelderontab\" onAction=\"cbbCVContactSupport_Click\" "
           "label=\"Contact Support\"/>"
           "<button id=\"cmdCVHelp_kelderontab\" onAction=\"cmdCVHelp_Click\" label=\"&amp;Help\" imageMso=\"Help\"/>"
           "<menuSeparator id=\"cbbCVS3_kelderontab\"/>"
           "<button id=\"cmdCVAbout_kelderontab\" onAction=\"cmdCVAboutCorvane_Click\" "
           "label=\"About Corvane for Outlook\"/>"
           "</menu>"
           "<dialogBoxLauncher>"
           "<button id=\"CVSettings_kelderontab\" screentip=\"Corvane Settings\" onAction=\"cbbCVSettings_Click\"/>"
           "</dialogBoxLauncher>"
           "</group>"
           "</tab>"
           "</tabs>"
           "</ribbon>"
           "</customUI>";
}

std::string CustomUI(std::string_view ribbonId) {
    // The message windows' ribbons ("Microsoft.Outlook.Mail.Compose", ".Read") get nothing.
    return ribbonId == ExplorerRibbonId ? RibbonXml() : std::string();
}

std::string Menus::GetCustomUI(core::AddinProcess&, std::string_view ribbonId) { return CustomUI(ribbonId); }

void Menus::Ribbon_OnLoad(core::AddinProcess& process, const std::shared_ptr<outlook::RibbonUI>& ribbon) {
    process.gobjRibbon = ribbon;
}

}  // namespace corvane::menus
