#pragma once
// Asks, when the user answers a message older than OldEmailDays, whether the subject is
// still right, and lets the user edit it. OK is the only button; closing the window
// leaves the subject alone.
//
// The caller loads the form, fills it, shows it, reads `ok` and txtSubject, then unloads:
//     frm.load(); frm.fill(days, reply.subject()); frm.show(ui);
//     if (frm.ok && frm.txtSubject.text() != subject) ...; frm.unload();
#include <string>

#include "corvane/ui/controls.h"

namespace corvane::checks {

class frmOldSubject : public ui::Form {
public:
    ui::Image imgCorner{*this, "imgCorner"};
    ui::Label lblLine1{*this, "lblLine1"};
    ui::Label lblLine2{*this, "lblLine2"};
    ui::Label lblLine3{*this, "lblLine3"};
    ui::Label lblSubject{*this, "lblSubject"};
    ui::TextBox txtSubject{*this, "txtSubject"};
    ui::CommandButton mdOK{*this, "mdOK"};

    // Set by OK; false from the load on, so a close from the window's X leaves it false.
    // It outlives the unload; the controls do not.
    bool ok = false;

    // appTitle: the application title the caption ends with.
    explicit frmOldSubject(std::string appTitle);

    // The age in days the prompt names, and the reply's subject to edit. Like every
    // method here, it loads the form first when it is not loaded.
    void fill(long long days, std::string subject);

protected:
    void design() override;
    void onLoad() override { ok = false; }

private:
    void mdOK_Click();

    std::string appTitle_;
};

}  // namespace corvane::checks
