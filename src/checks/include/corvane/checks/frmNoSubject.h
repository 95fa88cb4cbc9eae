#pragma once
// Asks for a subject when a message is sent without one. OK sends with the text entered
// (even when it is still empty); Cancel, Escape and closing the window go back to the
// message.
//
// The caller: frm.load(); frm.fill(item.subject()); frm.show(ui);
//     if (frm.cancelled) cancel = true; else item.setSubject(frm.subject); frm.unload();
#include <string>

#include "corvane/ui/controls.h"

namespace corvane::checks {

class frmNoSubject : public ui::Form {
public:
    ui::Image imgCorner{*this, "imgCorner"};
    ui::Label lblLine1{*this, "lblLine1"};
    ui::Label lblLine2{*this, "lblLine2"};
    ui::Label lblLine3{*this, "lblLine3"};
    ui::Label lblSubject{*this, "lblSubject"};
    ui::TextBox txtSubject{*this, "txtSubject"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};

    // True from the load on; OK clears it. Both fields outlive the unload.
    bool cancelled = true;
    // txtSubject's text as OK found it.
    std::string subject;

    // appTitle: the application title the caption ends with.
    explicit frmNoSubject(std::string appTitle);

    // The message's subject (blank, or the check would not ask); loads the form when
    // needed.
    void fill(std::string currentSubject) {
        load();
        txtSubject.setText(std::move(currentSubject));
    }

protected:
    void design() override;
    void onLoad() override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    std::string appTitle_;
};

}  // namespace corvane::checks
