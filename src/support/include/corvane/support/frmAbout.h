#pragma once
// The About box: the product's title and version, the maker's notice, and the home page,
// which opens when clicked.
//
// The caller: frmAbout frm(process); frm.show(process.host.ui); frm.unload();
#include "corvane/ui/controls.h"

namespace corvane::core {
struct AddinProcess;
}

namespace corvane::support {

class frmAbout : public ui::Form {
public:
    ui::Image imgLogo{*this, "imgLogo"};
    ui::Image imgAboutScreen{*this, "imgAboutScreen"};
    ui::Label lblTitle{*this, "lblTitle"};
    ui::Label lblVersion{*this, "lblVersion"};
    ui::Label lblNotice{*this, "lblNotice"};
    ui::Label lblHomePage{*this, "lblHomePage"};
    ui::CommandButton cmdOK{*this, "cmdOK"};

    explicit frmAbout(core::AddinProcess& process);

protected:
    void design() override;

private:
    void lblHomePage_Click();
    void cmdOK_Click();

    core::AddinProcess& process_;
};

}  // namespace corvane::support
