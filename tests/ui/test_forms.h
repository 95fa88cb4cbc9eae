#pragma once
// Small forms the ui tests drive; each is written the way a product form class is.
#include <string>
#include <vector>

#include "corvane/platform/conventions.h"
#include "corvane/ui/controls.h"

namespace corvane::testing {

// A prompt for a subject with OK and Cancel; remembers what its events did.
class SubjectForm : public ui::Form {
public:
    ui::Label lblLine1{*this, "lblLine1"};
    ui::Label lblSubject{*this, "lblSubject"};
    ui::TextBox txtSubject{*this, "txtSubject"};
    ui::CheckBox chkRemember{*this, "chkRemember"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};
    ui::Image imgCorner{*this, "imgCorner"};

    bool cancelled = true;
    int loads = 0;
    int activations = 0;
    int unloads = 0;
    bool refuseClose = false;
    std::vector<ui::UnloadMode> queryModes;

    SubjectForm() : Form("frmSubject") {
        cmdOK.onClick = [this] {
            cancelled = false;
            hide();
        };
        cmdCancel.onClick = [this] {
            cancelled = true;
            hide();
        };
        applyDesign();
    }

protected:
    void design() override {
        setCaption("Empty Subject - Corvane");
        move(0, 0, 6000, 2400);
        lblLine1.setCaption("We recommend that you enter a Subject for the email.");
        lblLine1.move(120, 120, 5000, 240);
        lblSubject.setCaption("Subject:");
        lblSubject.move(120, 600, 800, 240);
        txtSubject.move(1000, 560, 4000, 300);
        chkRemember.setCaption("Remember");
        chkRemember.move(1000, 1000, 2000, 240);
        cmdOK.setCaption("&OK");
        cmdOK.setDefault(true);
        cmdOK.move(3000, 1500, 1000, 360);
        cmdCancel.setCaption("&Cancel");
        cmdCancel.setCancel(true);
        cmdCancel.move(4200, 1500, 1000, 360);
        imgCorner.setPicture("question");
        imgCorner.move(5400, 120, 480, 480);
    }
    void onLoad() override { ++loads; }
    void onActivate() override { ++activations; }
    void onQueryUnload(bool& cancel, ui::UnloadMode mode) override {
        queryModes.push_back(mode);
        cancel = refuseClose;
    }
    void onUnload(bool&) override { ++unloads; }
};

// Option groups on the form and in two frames, and a check box, counting Clicks.
class ChoicesForm : public ui::Form {
public:
    ui::OptionButton optTop1{*this, "optTop1"};
    ui::OptionButton optTop2{*this, "optTop2"};
    ui::Frame fraA{*this, "fraA"};
    ui::OptionButton optA1{*this, "optA1"};
    ui::OptionButton optA2{*this, "optA2"};
    ui::Frame fraB{*this, "fraB"};
    ui::OptionButton optB1{*this, "optB1"};
    ui::OptionButton optB2{*this, "optB2"};
    ui::CheckBox chkFeature{*this, "chkFeature"};
    ui::TextBox txtDepends{*this, "txtDepends"};

    std::vector<std::string> clicks;

    ChoicesForm() : Form("frmChoices") {
        for (ui::OptionButton* o : {&optTop1, &optTop2, &optA1, &optA2, &optB1, &optB2})
            o->onClick = [this, o] { clicks.push_back(o->name()); };
        // The dependent control follows the check box, also when code sets it.
        chkFeature.onClick = [this] {
            clicks.push_back("chkFeature");
            txtDepends.setEnabled(chkFeature.value() == ui::CheckBox::Checked);
        };
        applyDesign();
    }

protected:
    void design() override {
        setCaption("Choices");
        fraA.setCaption("A");
        fraB.setCaption("B");
        optA1.setContainer(fraA);
        optA2.setContainer(fraA);
        optB1.setContainer(fraB);
        optB2.setContainer(fraB);
        optA1.setValue(true);  // a design value: no Click
        txtDepends.setEnabled(false);
    }
};

// A field whose Validate refuses anything but a whole number, as the settings pages do.
class DelayForm : public ui::Form {
public:
    ui::TextBox txtDelayTime{*this, "txtDelayTime"};
    ui::TextBox txtOther{*this, "txtOther"};
    ui::CommandButton cmdNext{*this, "cmdNext"};
    ui::CommandButton cmdHelp{*this, "cmdHelp"};

    int nextClicks = 0;
    int validations = 0;

    explicit DelayForm(platform::Ui& ui) : Form("frmDelay"), ui_(ui) {
        txtDelayTime.onValidate = [this](bool& cancel) {
            ++validations;
            const std::string& t = txtDelayTime.text();
            if (!t.empty() && t.find_first_not_of("0123456789") == std::string::npos) return;
            platform::ShowMessageBox(ui_, "Please enter a whole number greater than 0 for the delay time.",
                                     platform::mb::InformationOk, "Invalid time - Corvane");
            txtDelayTime.selectAll();
            cancel = true;
        };
        cmdNext.onClick = [this] { ++nextClicks; };
        cmdHelp.onClick = [this] { unload(); };
        applyDesign();
    }

protected:
    void design() override {
        setCaption("Delay");
        txtDelayTime.setText("60");
        cmdHelp.setCausesValidation(false);
    }

private:
    platform::Ui& ui_;
};

}  // namespace corvane::testing
