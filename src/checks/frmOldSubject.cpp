#include "corvane/checks/frmOldSubject.h"

#include "corvane/platform/conventions.h"

namespace corvane::checks {

frmOldSubject::frmOldSubject(std::string appTitle) : Form("frmOldSubject"), appTitle_(std::move(appTitle)) {
    mdOK.onClick = [this] { mdOK_Click(); };
    applyDesign();
}

void frmOldSubject::design() {
    setCaption(platform::MessageTitle("Is the Subject to this email correct?", appTitle_));
    move(0, 0, 6900, 2500);
    imgCorner.setPicture("question");
    imgCorner.move(120, 120, 480, 480);
    lblLine1.move(840, 120, 5800, 240);
    lblLine2.setCaption("Please ensure that the Subject displayed is still appropriate.");
    lblLine2.move(840, 420, 5800, 240);
    lblLine3.setCaption("Change the Subject (if needed) and the click OK.");
    lblLine3.move(840, 720, 5800, 240);
    lblSubject.setCaption("Subject:");
    lblSubject.move(840, 1180, 800, 240);
    txtSubject.move(1680, 1140, 4960, 300);
    mdOK.setCaption("&OK");
    mdOK.setDefault(true);
    mdOK.move(5440, 1620, 1200, 360);
}

void frmOldSubject::fill(long long days, std::string subject) {
    load();
    lblLine1.setCaption("You are replying to an email that is more than " + std::to_string(days) + " days old.");
    txtSubject.setText(std::move(subject));
}

void frmOldSubject::mdOK_Click() {
    ok = true;
    hide();
}

}  // namespace corvane::checks
