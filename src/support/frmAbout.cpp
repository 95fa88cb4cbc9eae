#include "corvane/support/frmAbout.h"

#include "corvane/core/addin_process.h"
#include "corvane/support/help.h"
#include "corvane/support/support_mail.h"

namespace corvane::support {

frmAbout::frmAbout(core::AddinProcess& process) : Form("frmAbout"), process_(process) {
    lblHomePage.onClick = [this] { lblHomePage_Click(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    applyDesign();
}

void frmAbout::design() {
    setCaption("About " + std::string(ProductTitle));
    move(0, 0, 6000, 3600);
    imgLogo.setPicture("logo");
    imgLogo.move(120, 120, 960, 960);
    imgAboutScreen.setPicture("about screen");
    imgAboutScreen.move(1200, 120, 4560, 1080);
    lblTitle.setCaption(ProductTitle);
    lblTitle.move(1200, 1320, 4560, 300);
    lblVersion.setCaption("Version " + VersionText(process_.host.system.addinVersion()));
    lblVersion.move(1200, 1680, 4560, 240);
    lblNotice.setCaption(process_.brand.noticeLine);
    lblNotice.move(1200, 2000, 4560, 240);
    lblHomePage.setCaption(process_.brand.homePage);
    lblHomePage.setForeColor(ui::rgb(0, 0, 255));
    lblHomePage.move(1200, 2320, 4560, 240);
    cmdOK.setCaption("OK");
    cmdOK.setDefault(true);
    cmdOK.setCancel(true);
    cmdOK.move(4560, 2760, 1200, 360);
}

void frmAbout::lblHomePage_Click() { OpenWebPage(process_, process_.brand.homePage); }

void frmAbout::cmdOK_Click() { unload(); }

}  // namespace corvane::support
