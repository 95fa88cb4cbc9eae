#include "corvane/checks/frmNoSubject.h"

#include "corvane/platform/conventions.h"

namespace corvane::checks {

frmNoSubject::frmNoSubject(std::string appTitle) : Form("frmNoSubject"), appTitle_(std::move(appTitle)) {
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
    applyDesign();
}

void frmNoSubject::design() {
    setCaption(platform::MessageTitle("Empty Subject", appTitle_));
    move(0, 0, 6900, 3000);
    imgCorner.setPicture("exclamation");
    imgCorner.move(120, 120, 480, 480);
    lblLine1.setCaption("We recommend that you enter a Subject for the email.");
    lblLine1.move(840, 120, 5800, 240);
    lblLine2.setCaption(
        "You did not enter a Subject for the email. Emails with empty subjects can be blocked by spam "
        "filters or ignored by recipients.");
    lblLine2.move(840, 420, 5800, 480);
    lblLine3.setCaption("Enter a Subject and click OK to send the email or click Cancel to go back to the email.");
    lblLine3.move(840, 960, 5800, 480);
    lblSubject.setCaption("Subject:");
    lblSubject.move(840, 1620, 800, 240);
    txtSubject.move(1680, 1580, 4960, 300);
    cmdOK.setCaption("&OK");
    cmdOK.setDefault(true);
    cmdOK.move(4160, 2060, 1200, 360);
    cmdCancel.setCaption("&Cancel");
    cmdCancel.setCancel(true);
    cmdCancel.move(5440, 2060, 1200, 360);
}

void frmNoSubject::onLoad() {
    cancelled = true;
    subject.clear();
}

void frmNoSubject::cmdOK_Click() {
    cancelled = false;
    subject = txtSubject.text();
    hide();
}

void frmNoSubject::cmdCancel_Click() {
    cancelled = true;
    hide();
}

}  // namespace corvane::checks
