#include "corvane/checks/frmRemoveSpam.h"

#include "corvane/platform/conventions.h"
#include "corvane/settings/modRegKeys.h"

namespace corvane::checks {

frmRemoveSpam::frmRemoveSpam(platform::Ui& ui, settings::SettingStore settings, std::string appTitle)
    : Form("frmRemoveSpam"), ui_(ui), settings_(settings), appTitle_(std::move(appTitle)) {
    cmdYes.onClick = [this] { cmdYes_Click(); };
    cmdNo.onClick = [this] { cmdNo_Click(); };
    applyDesign();
}

void frmRemoveSpam::design() {
    setCaption(platform::MessageTitle("Remove Spam Mark Phrases", appTitle_));
    move(0, 0, 6900, 2900);
    imgCorner.setPicture("question");
    imgCorner.move(120, 120, 480, 480);
    Label1.setCaption(
        "The Subject of the email appears to have additional words that were added by a Spam Filter. "
        "Would you like to remove these words and change the Subject?");
    Label1.move(840, 120, 5800, 480);
    lblOldSubject.setCaption("Old Subject: ");
    lblOldSubject.move(840, 780, 1100, 240);
    txtOldSubject.setLocked(true);
    txtOldSubject.move(2000, 740, 4640, 300);
    lblNewSubject.setCaption("New Subject: ");
    lblNewSubject.move(840, 1180, 1100, 240);
    txtNewSubject.move(2000, 1140, 4640, 300);
    chkAutoCorrect.setCaption("Automatically correct in the future (do not display message again)");
    chkAutoCorrect.move(840, 1600, 5800, 240);
    cmdYes.setCaption("&Yes");
    cmdYes.setDefault(true);
    cmdYes.move(4160, 2040, 1200, 360);
    cmdNo.setCaption("&No");
    cmdNo.setCancel(true);
    cmdNo.move(5440, 2040, 1200, 360);
}

void frmRemoveSpam::fill(std::string oldSubject, std::string newSubject) {
    load();
    txtOldSubject.setText(std::move(oldSubject));
    txtNewSubject.setText(std::move(newSubject));
}

void frmRemoveSpam::cmdYes_Click() {
    if (chkAutoCorrect.ticked()) {
        // The answer still counts when the preference cannot be stored; the user is
        // simply asked again next time.
        try {
            settings::modRegKeys(settings_).AutoRemoveSpamWords(1);
        } catch (const platform::PlatformError& e) {
            platform::ReportModuleError(ui_, appTitle_, "frmRemoveSpam", "cmdYes_Click", e);
        }
    }
    accepted = true;
    hide();
}

void frmRemoveSpam::cmdNo_Click() {
    accepted = false;
    hide();
}

}  // namespace corvane::checks
