#pragma once
// One ui::Form shown as a Win32 dialog: the window, its controls made from the form's
// controls, the user's gestures passed into the model and the model read back after each.
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "corvane/ui/form.h"

namespace corvane::winui {

class FormWindow {
public:
    explicit FormWindow(ui::Form& form);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    ui::Form& form() const { return form_; }
    HWND hwnd() const { return hwnd_; }
    // The form hid or unloaded: the window is gone or going.
    bool closed() const { return closed_; }
    // Closed and none of its messages is being handled: it may be deleted.
    bool finished() const { return closed_ && busy_ == 0; }

    // Shows the dialog owned by `owner` and returns when the form hides or unloads; a
    // handler's exception comes out here.
    void runModal(HWND owner);
    // Creates and shows the dialog and returns at once.
    void createModeless(HWND owner);
    // Throws what a handler of the modeless window threw, once.
    void rethrowPending();
    // Reads the model into the window, the focus too.
    void refresh();

private:
    // What the window shows of one control, kept to change only what the model changed.
    struct Child {
        ui::Control* control = nullptr;
        HWND hwnd = nullptr;
        RECT rect{};
        int shown = -1;
        int enabled = -1;
        std::vector<std::string> items;  // list rows (a list view's row: text and sub-items joined by '\t')
        std::vector<std::string> columns;
        int flag = -1;  // password character, list view tick boxes or timer interval
    };

    // What a tab strip's page looks like, as a brush for the controls lying on it.
    struct PageBackground {
        HWND tab = nullptr;
        SIZE size{};
        HBITMAP bitmap = nullptr;
        HBRUSH brush = nullptr;
    };

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    std::vector<WORD> dialogTemplate() const;
    void create();
    void placeWindow(HWND owner);
    void onClosed();

    void onCommand(int id, int code);
    LRESULT onNotify(const NMHDR& header);
    void onTimer(UINT_PTR id);
    // Runs one gesture of the user and reads the model back.
    template <class Fn>
    void gesture(Fn&& fn);
    bool focusGesture(ui::Control& control);

    Child* childOf(int id);
    RECT pixelRect(const ui::Control& control) const;
    int pixelsX(int twips) const;
    int pixelsY(int twips) const;
    void syncChild(Child& child);
    void syncLists(Child& child);
    void syncListView(Child& child);
    void syncTabs(Child& child);
    void sync();
    void syncFocus(bool initial);
    // The arrow keys move within a group of option buttons: WS_GROUP on the first of each
    // group (option buttons of one container next to each other in window order) and on
    // the control after it.
    void markGroups();
    // WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: a label's own colour, and for a label, box,
    // option, frame or picture lying on a tab strip the strip's page behind it rather than
    // the dialog's grey; nullptr leaves the colours to the system.
    HBRUSH controlColors(HWND control, HDC dc);
    // The tab strip whose page `child` lies on, or nullptr.
    const Child* tabUnder(const Child& child) const;
    HBRUSH pageBrush(const Child& tab);
    void dropPageBackgrounds();

    ui::Form& form_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    bool modal_ = false;
    bool closed_ = false;
    bool syncing_ = false;
    int busy_ = 0;
    int gestureDepth_ = 0;  // messages of this window being handled (nested by handlers)
    int dpiX_ = 96;
    int dpiY_ = 96;
    std::vector<Child> children_;
    std::vector<PageBackground> pages_;
    std::exception_ptr error_;
};

}  // namespace corvane::winui
