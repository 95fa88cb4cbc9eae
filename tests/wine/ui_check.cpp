// The Win32 presenter under Wine and Xvfb: a form shown modally and a message box, each
// answered from a second thread as a user answers them (the window found by its caption,
// text typed, boxes ticked, buttons pressed). Exits 0 when the model saw every gesture.
// windows.h first: commctrl.h builds on its types.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <thread>

#include "corvane/ui/controls.h"
#include "corvane/winui/win32_ui.h"

namespace {

using namespace corvane;

class frmCheck : public ui::Form {
public:
    ui::Label lblStatus{*this, "lblStatus"};
    ui::TextBox txtName{*this, "txtName"};
    ui::CheckBox chkRemember{*this, "chkRemember"};
    ui::OptionButton optShort{*this, "optShort"};
    ui::OptionButton optLong{*this, "optLong"};
    ui::ListView lvwRows{*this, "lvwRows"};
    ui::CommandButton cmdApply{*this, "cmdApply"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::TabStrip tabPages{*this, "tabPages"};
    ui::Label lblPage{*this, "lblPage"};
    ui::Timer tmrStart{*this, "tmrStart"};
    std::string tickedRow;
    int okClicks = 0;

    frmCheck() : Form("frmCheck") {
        cmdApply.onClick = [this] {
            lblStatus.setCaption("Applied " + txtName.text());
            cmdOK.setEnabled(true);
        };
        lvwRows.onItemCheck = [this](ui::ListItem& row) { tickedRow = row.text(); };
        tmrStart.onTimer = [this] {
            tmrStart.setEnabled(false);
            lblStatus.setCaption("Started");
        };
        cmdOK.onClick = [this] {
            ++okClicks;
            hide();
        };
        applyDesign();
    }

protected:
    void design() override {
        setCaption("Presenter check");
        move(0, 0, 5000, 5400);
        lblStatus.setCaption("Waiting");
        lblStatus.move(120, 120, 4000, 240);
        txtName.move(120, 480, 3000, 300);
        chkRemember.setCaption("Remember");
        chkRemember.move(120, 900, 3000, 300);
        lvwRows.setCheckboxes(true);
        lvwRows.addColumn("Name", 2000);
        lvwRows.addItem("first");
        lvwRows.addItem("second");
        lvwRows.move(120, 1300, 4000, 1200);
        cmdApply.setCaption("Apply");
        cmdApply.move(2400, 2900, 1000, 360);
        cmdOK.setCaption("OK");
        cmdOK.setEnabled(false);
        cmdOK.move(3600, 2900, 1000, 360);
        tabPages.addTab("General");
        tabPages.move(120, 3400, 4700, 1400);
        optShort.setCaption("Short");
        optShort.move(300, 3850, 1800, 300);
        optLong.setCaption("Long");
        optLong.move(2300, 3850, 1800, 300);
        lblPage.setCaption("On the page");
        lblPage.move(300, 4250, 3000, 240);
        tmrStart.setInterval(20);
    }
};

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "ui_check: %s\n", what);
    std::fflush(stderr);
    ExitProcess(1);
}

// Polls until `find` finds a window, as long as a slow Wine start needs (15 s at most).
template <class Fn>
HWND WaitFor(Fn find, const char* what) {
    for (int tries = 0; tries < 300; ++tries) {
        if (HWND found = find()) return found;
        Sleep(50);
    }
    Fail(what);
}

HWND WaitForWindow(const wchar_t* caption) {
    return WaitFor(
        [caption] {
            HWND found = FindWindowW(nullptr, caption);
            return found && IsWindowVisible(found) ? found : nullptr;
        },
        "no window came up");
}

HWND Child(HWND parent, const wchar_t* windowClass, const wchar_t* text) {
    HWND found = FindWindowExW(parent, nullptr, windowClass, text);
    if (!found) {
        std::fprintf(stderr, "ui_check: no %ls \"%ls\"\n", windowClass, text ? text : L"");
        for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            wchar_t buf[200] = L"";
            wchar_t cls[100] = L"";
            GetWindowTextW(c, buf, 200);
            GetClassNameW(c, cls, 100);
            std::fprintf(stderr, "  %ls \"%ls\"\n", cls, buf);
        }
        Fail("a control is missing or shows another text");
    }
    return found;
}

bool StartsGroup(HWND control) { return (GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP) != 0; }

// The arrow keys stay within the option group, and what lies on the tab strip shows its
// page rather than grey boxes.
void CheckLooks(HWND form) {
    if (!StartsGroup(Child(form, L"Button", L"Short")) || StartsGroup(Child(form, L"Button", L"Long")) ||
        !StartsGroup(Child(form, WC_LISTVIEWW, nullptr)))
        Fail("the option group is not marked as a group of its own");
    HDC dc = CreateCompatibleDC(nullptr);
    const auto colours = [&](HWND control) {
        return reinterpret_cast<HBRUSH>(
            SendMessageW(form, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    };
    HBRUSH onPage = colours(Child(form, L"Static", L"On the page"));
    HBRUSH option = colours(Child(form, L"Button", L"Short"));
    HBRUSH offPage = colours(Child(form, L"Static", nullptr));
    DeleteDC(dc);
    if (!onPage || onPage == GetSysColorBrush(COLOR_BTNFACE) || option != onPage)
        Fail("a label or an option on the tab strip is not painted with the page");
    if (offPage == onPage) Fail("a label off the tab strip is painted with the page");
    // The program's manifest gives the presenter the common controls version 6, whose
    // buttons are not the system's classic class (which this thread, outside the
    // presenter's activation, sees).
    WNDCLASSEXW classic{};
    classic.cbSize = sizeof classic;
    GetClassInfoExW(nullptr, L"Button", &classic);
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Child(form, L"Button", L"OK"), GWLP_WNDPROC)) ==
        classic.lpfnWndProc)
        Fail("the presenter's buttons are the classic controls, not version 6");
}

// What the user does in the form; every SendMessageW returns after the model ran.
void AnswerForm() {
    HWND form = WaitForWindow(L"Presenter check");
    WaitFor([form] { return FindWindowExW(form, nullptr, L"Static", L"Started"); }, "the timer did not run");
    CheckLooks(form);
    HWND ok = Child(form, L"Button", L"OK");
    if (IsWindowEnabled(ok)) Fail("OK is enabled although the model disabled it");
    for (wchar_t typed : std::wstring(L"Ada")) SendMessageW(Child(form, L"Edit", nullptr), WM_CHAR, typed, 1);
    SendMessageW(Child(form, L"Button", L"Remember"), BM_CLICK, 0, 0);
    HWND rows = Child(form, WC_LISTVIEWW, nullptr);
    if (SendMessageW(rows, LVM_GETITEMCOUNT, 0, 0) != 2) Fail("the list view does not show two rows");
    ListView_SetCheckState(rows, 1, TRUE);
    SendMessageW(Child(form, L"Button", L"Apply"), BM_CLICK, 0, 0);
    Child(form, L"Static", L"Applied Ada");
    if (!IsWindowEnabled(ok)) Fail("OK stayed disabled after the handler enabled it");
    SendMessageW(ok, BM_CLICK, 0, 0);
}

void AnswerMessageBox() {
    HWND box = WaitForWindow(L"Presenter question");
    HWND yes = GetDlgItem(box, IDYES);
    if (!yes) Fail("the message box has no Yes button");
    SendMessageW(yes, BM_CLICK, 0, 0);
}

}  // namespace

int main() {
    winui::Win32Ui presenter;
    frmCheck form;
    std::thread user(AnswerForm);
    form.show(presenter);
    user.join();
    if (form.okClicks != 1 || form.isVisible()) Fail("the OK click did not close the form");
    if (form.txtName.text() != "Ada") Fail("the typed text did not reach the model");
    if (!form.chkRemember.ticked()) Fail("the tick did not reach the model");
    if (form.tickedRow != "second" || !form.lvwRows.item(2).checked()) Fail("the row's tick did not reach the model");

    std::thread answer(AnswerMessageBox);
    const int pressed = presenter.messageBox("Go on?", platform::mb::QuestionYesNo, "Presenter question", 0);
    answer.join();
    if (pressed != platform::mb::IdYes) Fail("the message box did not answer Yes");

    // The progress window: shown without waiting, gone when the form hides.
    form.showModeless(presenter);
    presenter.doEvents();
    if (!IsWindowVisible(FindWindowW(nullptr, L"Presenter check"))) Fail("the modeless form is not shown");
    form.hide();
    presenter.doEvents();
    if (FindWindowW(nullptr, L"Presenter check")) Fail("the modeless form stayed after it hid");
    std::puts("ui_check: the form and the message box were answered");
    return 0;
}
