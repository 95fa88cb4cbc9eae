#include "form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "activation.h"
#include "corvane/platform/error.h"
#include "corvane/text/wide.h"
#include "corvane/ui/controls.h"

namespace corvane::winui {

namespace {

constexpr int FirstControlId = 1000;
constexpr int TwipsPerInch = 1440;
constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;
// A drop-down combo box's window includes its open list.
constexpr int DropDownRows = 8;

std::wstring Wide(std::string_view text) { return text::WideFromUtf8(text); }

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text::Utf8FromWide(text);
}

void SetTextIfDifferent(HWND hwnd, const std::string& text) {
    if (WindowText(hwnd) != text) SetWindowTextW(hwnd, Wide(text).c_str());
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(hwnd, message, wParam, lParam);
}

template <class T>
LPARAM Param(T* pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}

// The control's enabled state and its containers'.
bool EnabledWithContainers(const ui::Control& control) {
    for (const ui::Control* c = &control; c; c = c->container())
        if (!c->enabled()) return false;
    return true;
}

int ContainerDepth(const ui::Control& control) {
    int depth = 0;
    for (const ui::Control* c = control.container(); c; c = c->container()) ++depth;
    return depth;
}

struct WindowKind {
    const wchar_t* windowClass = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
};

// The window class and styles that show a control of the model; no class for a control
// without a window (a timer).
WindowKind KindOf(const ui::Control& control) {
    if (auto* text = dynamic_cast<const ui::TextBox*>(&control)) {
        DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
        if (text->multiLine()) style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
        if (text->locked()) style |= ES_READONLY;
        return {L"EDIT", style, WS_EX_CLIENTEDGE};
    }
    if (auto* button = dynamic_cast<const ui::CommandButton*>(&control))
        return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | (button->isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON))};
    if (dynamic_cast<const ui::CheckBox*>(&control)) return {L"BUTTON", WS_TABSTOP | BS_3STATE};
    if (dynamic_cast<const ui::OptionButton*>(&control)) return {L"BUTTON", WS_TABSTOP | BS_RADIOBUTTON};
    if (dynamic_cast<const ui::Frame*>(&control)) return {L"BUTTON", BS_GROUPBOX};
    if (auto* list = dynamic_cast<const ui::ListBox*>(&control)) {
        DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
        if (list->multiSelect() == ui::MultiSelect::Simple) style |= LBS_MULTIPLESEL;
        if (list->multiSelect() == ui::MultiSelect::Extended) style |= LBS_EXTENDEDSEL;
        return {L"LISTBOX", style, WS_EX_CLIENTEDGE};
    }
    if (auto* combo = dynamic_cast<const ui::ComboBox*>(&control)) {
        DWORD style = WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL;
        if (combo->style() == ui::ComboStyle::DropDownList)
            style |= CBS_DROPDOWNLIST;
        else if (combo->style() == ui::ComboStyle::Simple)
            style |= CBS_SIMPLE;
        else
            style |= CBS_DROPDOWN;
        return {L"COMBOBOX", style};
    }
    if (dynamic_cast<const ui::ListView*>(&control))
        return {WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
    if (dynamic_cast<const ui::TabStrip*>(&control)) return {WC_TABCONTROLW, WS_TABSTOP};
    // Labels read; pictures and images stay blank but take their clicks.
    if (dynamic_cast<const ui::Label*>(&control) || dynamic_cast<const ui::PictureBox*>(&control) ||
        dynamic_cast<const ui::Image*>(&control))
        return {L"STATIC", SS_LEFT | SS_NOTIFY};
    return {};
}

}  // namespace

FormWindow::FormWindow(ui::Form& form) : form_(form) {
    HDC screen = GetDC(nullptr);
    if (screen) {
        dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
        dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
}

FormWindow::~FormWindow() {
    if (!closed_) form_.setCloseListener(nullptr);
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    dropPageBackgrounds();
}

int FormWindow::pixelsX(int twips) const { return MulDiv(twips, dpiX_, TwipsPerInch); }
int FormWindow::pixelsY(int twips) const { return MulDiv(twips, dpiY_, TwipsPerInch); }

// An empty dialog in the dialog font; the controls are made when it initialises.
std::vector<WORD> FormWindow::dialogTemplate() const {
    static constexpr wchar_t Font[] = L"MS Shell Dlg";
    DLGTEMPLATE head{};
    head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    head.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    std::vector<WORD> words(sizeof head / sizeof(WORD));
    std::copy_n(reinterpret_cast<const WORD*>(&head), words.size(), words.begin());
    words.push_back(0);  // no menu
    words.push_back(0);  // the dialog class
    words.push_back(0);  // no title (the form's caption is set later)
    words.push_back(8);  // point size
    for (const wchar_t* c = Font; *c; ++c) words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    return words;
}

void FormWindow::runModal(HWND owner) {
    modal_ = true;
    owner_ = owner;
    form_.setCloseListener([this](ui::Form&, ui::CloseKind) { onClosed(); });
    const std::vector<WORD> words = dialogTemplate();
    const INT_PTR result = DialogBoxIndirectParamW(PresenterModule(),
                                                   reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner,
                                                   &FormWindow::DialogProc, Param(this));
    const DWORD lastError = GetLastError();
    if (!closed_) form_.setCloseListener(nullptr);
    hwnd_ = nullptr;
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
    if (result == -1)
        throw platform::PlatformError(static_cast<std::int32_t>(HRESULT_FROM_WIN32(lastError)),
                                      form_.name() + ": the dialog could not be made");
}

void FormWindow::createModeless(HWND owner) {
    modal_ = false;
    owner_ = owner;
    form_.setCloseListener([this](ui::Form&, ui::CloseKind) { onClosed(); });
    const std::vector<WORD> words = dialogTemplate();
    HWND made = CreateDialogIndirectParamW(PresenterModule(), reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                                           owner, &FormWindow::DialogProc, Param(this));
    if (!made && closed_) {
        // The form hid again while it loaded.
        rethrowPending();
        return;
    }
    if (!made) {
        const DWORD lastError = GetLastError();
        form_.setCloseListener(nullptr);
        closed_ = true;
        throw platform::PlatformError(static_cast<std::int32_t>(HRESULT_FROM_WIN32(lastError)),
                                      form_.name() + ": the window could not be made");
    }
    rethrowPending();
}

void FormWindow::rethrowPending() {
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void FormWindow::onClosed() {
    if (closed_) return;
    closed_ = true;
    form_.setCloseListener(nullptr);
    if (!hwnd_) return;
    for (const Child& child : children_)
        if (!child.hwnd) KillTimer(hwnd_, static_cast<UINT_PTR>(&child - children_.data() + FirstControlId));
    if (modal_) {
        EndDialog(hwnd_, 0);
    } else {
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
}

INT_PTR CALLBACK FormWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<FormWindow*>(lParam)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self || self->closed_) return FALSE;
    // Nothing may unwind through the window manager: a handler's exception closes the
    // window and comes out where the form was shown.
    struct Busy {
        int& depth;
        explicit Busy(int& d) : depth(d) { ++depth; }
        ~Busy() { --depth; }
    } busy{self->busy_};
    try {
        return self->handle(message, wParam, lParam);
    } catch (...) {
        self->error_ = std::current_exception();
        self->onClosed();
        return FALSE;
    }
}

INT_PTR FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            create();
            placeWindow(owner_);
            sync();
            if (!form_.isVisible()) {
                onClosed();
                return FALSE;
            }
            if (!modal_) ShowWindow(hwnd_, SW_SHOW);
            syncFocus(true);
            return FALSE;  // the focus is set
        case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case WM_NOTIFY:
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, onNotify(*reinterpret_cast<const NMHDR*>(lParam)));
            return TRUE;
        case WM_TIMER: onTimer(wParam); return TRUE;
        case WM_CLOSE:
            gesture([this] {
                form_.userClose();
                return true;
            });
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<INT_PTR>(
                controlColors(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
        case WM_THEMECHANGED:
        case WM_SYSCOLORCHANGE: dropPageBackgrounds(); return FALSE;
        default: return FALSE;
    }
}

void FormWindow::create() {
    HFONT font = reinterpret_cast<HFONT>(Send(hwnd_, WM_GETFONT));
    const auto& controls = form_.controls();
    children_.resize(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Child& child = children_[i];
        child.control = controls[i];
        const WindowKind kind = KindOf(*child.control);
        if (!kind.windowClass) continue;
        const RECT r = pixelRect(*child.control);
        int height = r.bottom - r.top;
        if (kind.windowClass == std::wstring_view(L"COMBOBOX")) height *= DropDownRows;
        child.hwnd = CreateWindowExW(kind.exStyle, kind.windowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | kind.style,
                                     r.left, r.top, r.right - r.left, height, hwnd_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(FirstControlId + i)),
                                     PresenterModule(), nullptr);
        if (!child.hwnd) continue;
        child.rect = r;
        Send(child.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    // Frames and pictures lie under what they hold, the outermost lowest; tab strips lie
    // under their pages.
    std::vector<Child*> under;
    for (Child& child : children_)
        if (child.hwnd && child.control->isContainer()) under.push_back(&child);
    std::stable_sort(under.begin(), under.end(), [](const Child* a, const Child* b) {
        return ContainerDepth(*a->control) > ContainerDepth(*b->control);
    });
    for (Child& child : children_)
        if (child.hwnd && dynamic_cast<ui::TabStrip*>(child.control)) under.push_back(&child);
    for (Child* child : under)
        SetWindowPos(child->hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    markGroups();
}

void FormWindow::markGroups() {
    const ui::OptionButton* previous = nullptr;
    bool first = true;
    for (HWND window = GetWindow(hwnd_, GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
        const Child* child = childOf(GetDlgCtrlID(window));
        if (!child) continue;
        const auto* option = dynamic_cast<const ui::OptionButton*>(child->control);
        const bool starts = option ? !previous || previous->container() != option->container() : previous != nullptr;
        if (starts && !first) SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_GROUP);
        previous = option;
        first = false;
    }
}

const FormWindow::Child* FormWindow::tabUnder(const Child& child) const {
    const POINT centre{(child.rect.left + child.rect.right) / 2, (child.rect.top + child.rect.bottom) / 2};
    for (const Child& tab : children_) {
        if (!tab.hwnd || !dynamic_cast<const ui::TabStrip*>(tab.control) || !IsWindowVisible(tab.hwnd)) continue;
        RECT page = tab.rect;
        SendMessageW(tab.hwnd, TCM_ADJUSTRECT, FALSE, Param(&page));
        if (PtInRect(&page, centre)) return &tab;
    }
    return nullptr;
}

HBRUSH FormWindow::pageBrush(const Child& tab) {
    const SIZE size{tab.rect.right - tab.rect.left, tab.rect.bottom - tab.rect.top};
    auto found = std::find_if(pages_.begin(), pages_.end(),
                              [&](const PageBackground& p) { return p.tab == tab.hwnd; });
    if (found != pages_.end() && found->size.cx == size.cx && found->size.cy == size.cy) return found->brush;
    if (found != pages_.end()) {
        DeleteObject(found->brush);
        DeleteObject(found->bitmap);
        pages_.erase(found);
    }
    // The strip paints itself (themed or not) into a picture of its own size.
    HDC screen = GetDC(tab.hwnd);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    ReleaseDC(tab.hwnd, screen);
    if (!memory || !bitmap) {
        if (memory) DeleteDC(memory);
        if (bitmap) DeleteObject(bitmap);
        return nullptr;
    }
    HGDIOBJ old = SelectObject(memory, bitmap);
    Send(tab.hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    SelectObject(memory, old);
    DeleteDC(memory);
    HBRUSH brush = CreatePatternBrush(bitmap);
    if (!brush) {
        DeleteObject(bitmap);
        return nullptr;
    }
    pages_.push_back({tab.hwnd, size, bitmap, brush});
    return brush;
}

void FormWindow::dropPageBackgrounds() {
    for (const PageBackground& page : pages_) {
        DeleteObject(page.brush);
        DeleteObject(page.bitmap);
    }
    pages_.clear();
}

HBRUSH FormWindow::controlColors(HWND control, HDC dc) {
    const Child* child = childOf(GetDlgCtrlID(control));
    if (!child) return nullptr;
    const ui::Control* c = child->control;
    auto* label = dynamic_cast<const ui::Label*>(c);
    // The system's colours have the high bit set; a label with a colour of its own is a link.
    const bool ownColour = label && (label->foreColor() & 0x80000000u) == 0;
    const bool seeThrough = label || dynamic_cast<const ui::CheckBox*>(c) ||
                            dynamic_cast<const ui::OptionButton*>(c) || dynamic_cast<const ui::Frame*>(c) ||
                            dynamic_cast<const ui::PictureBox*>(c) || dynamic_cast<const ui::Image*>(c);
    const Child* tab = seeThrough ? tabUnder(*child) : nullptr;
    HBRUSH page = tab ? pageBrush(*tab) : nullptr;
    if (!ownColour && !page) return nullptr;
    if (ownColour) SetTextColor(dc, label->foreColor());
    SetBkMode(dc, TRANSPARENT);
    if (!page) return GetSysColorBrush(COLOR_BTNFACE);
    // The picture's corner sits at the strip's corner, seen from the control.
    SetBrushOrgEx(dc, tab->rect.left - child->rect.left, tab->rect.top - child->rect.top, nullptr);
    return page;
}

// The form's Width and Height are the window's outer size; at the design's (0, 0) it is
// centred on its owner (or the screen).
void FormWindow::placeWindow(HWND owner) {
    int width = pixelsX(form_.width());
    int height = pixelsY(form_.height());
    if (width <= 0 || height <= 0) {
        RECT all{0, 0, 0, 0};
        for (const Child& child : children_)
            if (child.hwnd) UnionRect(&all, &all, &child.rect);
        RECT outer{0, 0, all.right + pixelsX(240), all.bottom + pixelsY(240)};
        AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
        width = outer.right - outer.left;
        height = outer.bottom - outer.top;
    }
    int left = pixelsX(form_.left());
    int top = pixelsY(form_.top());
    if (form_.left() == 0 && form_.top() == 0) {
        RECT area{};
        if (!owner || !IsWindowVisible(owner) || !GetWindowRect(owner, &area))
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        left = std::max(0, static_cast<int>(area.left + (area.right - area.left - width) / 2));
        top = std::max(0, static_cast<int>(area.top + (area.bottom - area.top - height) / 2));
    }
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT FormWindow::pixelRect(const ui::Control& control) const {
    int left = 0;
    int top = 0;
    for (const ui::Control* c = &control; c; c = c->container()) {
        left += c->left();
        top += c->top();
    }
    return RECT{pixelsX(left), pixelsY(top), pixelsX(left + control.width()), pixelsY(top + control.height())};
}

FormWindow::Child* FormWindow::childOf(int id) {
    const int at = id - FirstControlId;
    if (at < 0 || at >= static_cast<int>(children_.size())) return nullptr;
    return &children_[static_cast<std::size_t>(at)];
}

// `fn` answers whether the notification was a gesture; only then is the window read back
// (a Validate that cancelled the gesture takes back what the window shows).
template <class Fn>
void FormWindow::gesture(Fn&& fn) {
    if (syncing_ || closed_ || !form_.isVisible()) return;
    ++gestureDepth_;
    struct Depth {
        int& depth;
        ~Depth() { --depth; }
    } depth{gestureDepth_};
    if (!std::forward<Fn>(fn)()) return;
    if (closed_ || !form_.isVisible()) return;
    refresh();
}

// The user moved the focus here (Tab, a click): the control left is validated. Not while
// a gesture of this window runs: the focus coming back when a handler's message box
// closes is no gesture.
bool FormWindow::focusGesture(ui::Control& control) {
    if (gestureDepth_ > 1) return false;
    form_.userMoveFocus(control);
    return true;
}

void FormWindow::onCommand(int id, int code) {
    if (id == IDOK || id == IDCANCEL) {
        // Enter and Escape, as the dialog manager reports them.
        const int key = id == IDOK ? KeyEnter : KeyEscape;
        gesture([this, key, id] {
            if (ui::Control* target = form_.activeControl()) {
                form_.userPressKey(*target, key);
            } else if (ui::CommandButton* button = id == IDOK ? form_.defaultButton() : form_.cancelButton()) {
                button->userClick();
            }
            return true;
        });
        return;
    }
    Child* child = childOf(id);
    if (!child || !child->hwnd) return;
    ui::Control& control = *child->control;
    HWND hwnd = child->hwnd;
    const auto focus = [this, &control] { return form_.userMoveFocus(control); };
    // Notifications that are no gesture of the user (focus, EN_UPDATE, ...) change nothing.
    gesture([&] {
        if (auto* button = dynamic_cast<ui::CommandButton*>(&control)) {
            if (code != BN_CLICKED) return false;
            if (focus()) button->userClick();
        } else if (auto* check = dynamic_cast<ui::CheckBox*>(&control)) {
            if (code != BN_CLICKED) return false;
            if (focus()) check->userSetTicked(!check->ticked());
        } else if (auto* option = dynamic_cast<ui::OptionButton*>(&control)) {
            if (code != BN_CLICKED) return false;
            if (focus()) option->userChoose();
        } else if (auto* text = dynamic_cast<ui::TextBox*>(&control)) {
            if (code == EN_SETFOCUS) return focusGesture(control);
            if (code != EN_CHANGE || WindowText(hwnd) == text->text()) return false;
            if (focus()) text->userType(WindowText(hwnd));
        } else if (auto* list = dynamic_cast<ui::ListBox*>(&control)) {
            if (code == LBN_SETFOCUS) return focusGesture(control);
            if (code == LBN_SELCHANGE) {
                std::vector<int> rows;
                for (int i = 0; i < list->listCount(); ++i)
                    if (Send(hwnd, LB_GETSEL, static_cast<WPARAM>(i)) > 0) rows.push_back(i);
                if (focus()) list->userSelect(rows);
            } else if (code == LBN_DBLCLK) {
                if (focus()) list->userDblClick();
            } else {
                return false;
            }
        } else if (auto* combo = dynamic_cast<ui::ComboBox*>(&control)) {
            const auto row = static_cast<int>(Send(hwnd, CB_GETCURSEL));
            if (code == CBN_SETFOCUS) return focusGesture(control);
            if (code == CBN_SELCHANGE && row >= 0 && row != combo->listIndex()) {
                if (focus()) combo->userChoose(row);
            } else if (code == CBN_EDITCHANGE) {
                if (focus()) combo->userType(WindowText(hwnd));
            } else {
                return false;
            }
        } else if (code == STN_CLICKED) {
            if (auto* label = dynamic_cast<ui::Label*>(&control)) label->userClick();
            if (auto* image = dynamic_cast<ui::Image*>(&control)) image->userClick();
            if (auto* picture = dynamic_cast<ui::PictureBox*>(&control); picture && focus()) picture->userClick();
        } else {
            return false;
        }
        return true;
    });
}

LRESULT FormWindow::onNotify(const NMHDR& header) {
    Child* child = childOf(static_cast<int>(header.idFrom));
    if (!child || !child->hwnd) return 0;
    ui::Control& control = *child->control;
    const auto focus = [this, &control] { return form_.userMoveFocus(control); };
    if (header.code == NM_SETFOCUS) {
        gesture([&] { return focusGesture(control); });
        return 0;
    }
    if (auto* tabs = dynamic_cast<ui::TabStrip*>(&control)) {
        if (header.code == TCN_SELCHANGE) {
            const int index = static_cast<int>(Send(child->hwnd, TCM_GETCURSEL)) + 1;
            gesture([&] {
                if (index <= 0 || index == tabs->selectedIndex()) return false;
                if (focus()) tabs->userSelect(index);
                return true;
            });
        }
        return 0;
    }
    auto* view = dynamic_cast<ui::ListView*>(&control);
    if (!view) return 0;
    const auto& list = reinterpret_cast<const NMLISTVIEW&>(header);
    const auto row = [view](int item) -> ui::ListItem* {
        return item >= 0 && item < view->itemCount() ? &view->item(item + 1) : nullptr;
    };
    if (header.code == LVN_ITEMCHANGED && (list.uChanged & LVIF_STATE) != 0) {
        ui::ListItem* item = row(list.iItem);
        if (!item) return 0;
        const bool ticked = ((list.uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2;
        const bool tickChanged = (list.uNewState & LVIS_STATEIMAGEMASK) != 0 &&
                                 (list.uNewState & LVIS_STATEIMAGEMASK) != (list.uOldState & LVIS_STATEIMAGEMASK);
        const bool selected = (list.uNewState & LVIS_SELECTED) != 0 && (list.uOldState & LVIS_SELECTED) == 0;
        gesture([&] {
            const bool tick = tickChanged && view->checkboxes() && ticked != item->checked();
            const bool select = selected && view->selectedItem() != item;
            if (tick && focus()) view->userSetChecked(*item, ticked);
            if (select && focus()) view->userClickItem(*item);
            return tick || select;
        });
    } else if (header.code == NM_DBLCLK) {
        if (ui::ListItem* item = row(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem))
            gesture([&] {
                if (focus()) view->userDblClickItem(*item);
                return true;
            });
    } else if (header.code == LVN_COLUMNCLICK && list.iSubItem < view->columnCount()) {
        gesture([&] {
            view->userClickColumn(view->column(list.iSubItem + 1));
            return true;
        });
    }
    return 0;
}

void FormWindow::onTimer(UINT_PTR id) {
    Child* child = childOf(static_cast<int>(id));
    auto* timer = child ? dynamic_cast<ui::Timer*>(child->control) : nullptr;
    if (timer) gesture([timer] { return timer->fire(); });
}

void FormWindow::sync() {
    if (closed_ || !hwnd_) return;
    syncing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{syncing_};
    SetTextIfDifferent(hwnd_, form_.caption());
    int defaultId = IDOK;
    for (Child& child : children_) {
        syncChild(child);
        if (child.control == form_.defaultButton())
            defaultId = FirstControlId + static_cast<int>(&child - children_.data());
    }
    Send(hwnd_, DM_SETDEFID, static_cast<WPARAM>(defaultId));
}

void FormWindow::syncChild(Child& child) {
    ui::Control& control = *child.control;
    if (auto* timer = dynamic_cast<ui::Timer*>(&control)) {
        const int interval = timer->running() ? timer->interval() : 0;
        if (interval == child.flag) return;
        const auto id = static_cast<UINT_PTR>(FirstControlId + (&child - children_.data()));
        if (interval > 0)
            SetTimer(hwnd_, id, static_cast<UINT>(interval), nullptr);
        else if (child.flag > 0)
            KillTimer(hwnd_, id);
        child.flag = interval;
        return;
    }
    HWND hwnd = child.hwnd;
    if (!hwnd) return;
    const RECT r = pixelRect(control);
    if (!EqualRect(&r, &child.rect)) {
        int height = r.bottom - r.top;
        if (dynamic_cast<ui::ComboBox*>(&control)) height *= DropDownRows;
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
        child.rect = r;
    }
    if (auto* label = dynamic_cast<ui::Label*>(&control)) {
        SetTextIfDifferent(hwnd, label->caption());
    } else if (auto* button = dynamic_cast<ui::CommandButton*>(&control)) {
        SetTextIfDifferent(hwnd, button->caption());
    } else if (auto* frame = dynamic_cast<ui::Frame*>(&control)) {
        SetTextIfDifferent(hwnd, frame->caption());
    } else if (auto* check = dynamic_cast<ui::CheckBox*>(&control)) {
        SetTextIfDifferent(hwnd, check->caption());
        if (Send(hwnd, BM_GETCHECK) != check->value()) Send(hwnd, BM_SETCHECK, static_cast<WPARAM>(check->value()));
    } else if (auto* option = dynamic_cast<ui::OptionButton*>(&control)) {
        SetTextIfDifferent(hwnd, option->caption());
        const int state = option->value() ? BST_CHECKED : BST_UNCHECKED;
        if (Send(hwnd, BM_GETCHECK) != state) Send(hwnd, BM_SETCHECK, static_cast<WPARAM>(state));
    } else if (auto* text = dynamic_cast<ui::TextBox*>(&control)) {
        const std::wstring mask = Wide(text->passwordChar());
        const int maskChar = mask.empty() ? 0 : mask.front();
        if (maskChar != child.flag) {
            Send(hwnd, EM_SETPASSWORDCHAR, static_cast<WPARAM>(maskChar));
            child.flag = maskChar;
        }
        if (((GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY) != 0) != text->locked())
            Send(hwnd, EM_SETREADONLY, text->locked() ? TRUE : FALSE);
        SetTextIfDifferent(hwnd, text->text());
    } else if (dynamic_cast<ui::ListBox*>(&control) || dynamic_cast<ui::ComboBox*>(&control)) {
        syncLists(child);
    } else if (dynamic_cast<ui::ListView*>(&control)) {
        syncListView(child);
    } else if (dynamic_cast<ui::TabStrip*>(&control)) {
        syncTabs(child);
    }
    const int shown = control.isShown() ? 1 : 0;
    if (shown != child.shown) ShowWindow(hwnd, shown ? SW_SHOWNA : SW_HIDE);
    child.shown = shown;
    const int enabled = EnabledWithContainers(control) ? 1 : 0;
    if (enabled != child.enabled) EnableWindow(hwnd, enabled);
    child.enabled = enabled;
}

void FormWindow::syncLists(Child& child) {
    HWND hwnd = child.hwnd;
    auto* list = dynamic_cast<ui::ListBox*>(child.control);
    auto* combo = dynamic_cast<ui::ComboBox*>(child.control);
    std::vector<std::string> items;
    const int count = list ? list->listCount() : combo->listCount();
    for (int i = 0; i < count; ++i) items.push_back(list ? list->list(i) : combo->list(i));
    if (items != child.items) {
        Send(hwnd, list ? LB_RESETCONTENT : CB_RESETCONTENT);
        for (const std::string& item : items)
            Send(hwnd, list ? LB_ADDSTRING : CB_ADDSTRING, 0, Param(Wide(item).c_str()));
        child.items = std::move(items);
    }
    if (combo) {
        if (Send(hwnd, CB_GETCURSEL) != combo->listIndex())
            Send(hwnd, CB_SETCURSEL, static_cast<WPARAM>(combo->listIndex()));
        if (combo->style() != ui::ComboStyle::DropDownList) SetTextIfDifferent(hwnd, combo->text());
    } else if (list->multiSelect() == ui::MultiSelect::None) {
        if (Send(hwnd, LB_GETCURSEL) != list->listIndex())
            Send(hwnd, LB_SETCURSEL, static_cast<WPARAM>(list->listIndex()));
    } else {
        for (int i = 0; i < count; ++i)
            if ((Send(hwnd, LB_GETSEL, static_cast<WPARAM>(i)) > 0) != list->selected(i))
                Send(hwnd, LB_SETSEL, list->selected(i) ? TRUE : FALSE, i);
    }
}

void FormWindow::syncListView(Child& child) {
    HWND hwnd = child.hwnd;
    auto& view = dynamic_cast<ui::ListView&>(*child.control);
    const int boxes = view.checkboxes() ? 1 : 0;
    if (boxes != child.flag) {
        const DWORD style = LVS_EX_FULLROWSELECT | (boxes ? LVS_EX_CHECKBOXES : 0);
        ListView_SetExtendedListViewStyle(hwnd, style);
        child.flag = boxes;
        child.items.clear();  // the rows' tick boxes are made again
        Send(hwnd, LVM_DELETEALLITEMS);
    }
    std::vector<std::string> columns;
    for (int c = 1; c <= view.columnCount(); ++c)
        columns.push_back(view.column(c).text() + '\t' + std::to_string(view.column(c).width()));
    if (columns != child.columns) {
        while (Send(hwnd, LVM_DELETECOLUMN, 0)) {
        }
        for (int c = 1; c <= view.columnCount(); ++c) {
            std::wstring caption = Wide(view.column(c).text());
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = caption.data();
            column.cx = pixelsX(view.column(c).width());
            Send(hwnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c - 1), Param(&column));
        }
        child.columns = std::move(columns);
        child.items.clear();  // the rows' sub-items are written again under the new columns
    }
    std::vector<std::string> rows;
    for (int r = 1; r <= view.itemCount(); ++r) {
        const ui::ListItem& item = view.item(r);
        std::string row = item.text();
        for (int s = 1; s <= item.subItemCount(); ++s) row += '\t' + item.subItem(s);
        rows.push_back(std::move(row));
    }
    if (rows != child.items) {
        Send(hwnd, LVM_DELETEALLITEMS);
        for (int r = 1; r <= view.itemCount(); ++r) {
            const ui::ListItem& item = view.item(r);
            std::wstring cell = Wide(item.text());
            LVITEMW entry{};
            entry.mask = LVIF_TEXT;
            entry.iItem = r - 1;
            entry.pszText = cell.data();
            Send(hwnd, LVM_INSERTITEMW, 0, Param(&entry));
            for (int s = 1; s <= item.subItemCount() && s < view.columnCount(); ++s) {
                cell = Wide(item.subItem(s));
                entry.iSubItem = s;
                entry.pszText = cell.data();
                Send(hwnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(r - 1), Param(&entry));
            }
        }
        child.items = std::move(rows);
    }
    for (int r = 1; r <= view.itemCount(); ++r) {
        const ui::ListItem& item = view.item(r);
        const UINT want = (boxes ? INDEXTOSTATEIMAGEMASK(item.checked() ? 2 : 1) : 0) |
                          (item.selected() ? LVIS_SELECTED : 0);
        const UINT mask = (boxes ? LVIS_STATEIMAGEMASK : 0) | LVIS_SELECTED;
        if (static_cast<UINT>(Send(hwnd, LVM_GETITEMSTATE, static_cast<WPARAM>(r - 1), mask)) != want) {
            // The selected row takes the list's focus rectangle too.
            LVITEMW state{};
            state.stateMask = mask | (item.selected() ? LVIS_FOCUSED : 0);
            state.state = want | (item.selected() ? LVIS_FOCUSED : 0);
            Send(hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(r - 1), Param(&state));
        }
    }
}

void FormWindow::syncTabs(Child& child) {
    HWND hwnd = child.hwnd;
    auto& tabs = dynamic_cast<ui::TabStrip&>(*child.control);
    std::vector<std::string> captions;
    for (int t = 1; t <= tabs.tabCount(); ++t) captions.push_back(tabs.tab(t).caption());
    if (captions != child.items) {
        Send(hwnd, TCM_DELETEALLITEMS);
        for (std::size_t t = 0; t < captions.size(); ++t) {
            std::wstring caption = Wide(captions[t]);
            TCITEMW tab{};
            tab.mask = TCIF_TEXT;
            tab.pszText = caption.data();
            Send(hwnd, TCM_INSERTITEMW, t, Param(&tab));
        }
        child.items = std::move(captions);
    }
    if (Send(hwnd, TCM_GETCURSEL) != tabs.selectedIndex() - 1)
        Send(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(tabs.selectedIndex() - 1));
}

void FormWindow::refresh() {
    sync();
    syncFocus(false);
}

// The window's focus follows the model's: a Validate that kept the focus takes it back.
// While the dialog initialises it is not active yet and takes the focus directly.
void FormWindow::syncFocus(bool initial) {
    if (closed_ || !hwnd_ || (!initial && GetActiveWindow() != hwnd_)) return;
    ui::Control* active = form_.activeControl();
    for (const Child& child : children_) {
        if (child.control != active || !child.hwnd || GetFocus() == child.hwnd) continue;
        if (initial)
            SetFocus(child.hwnd);
        else
            Send(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(child.hwnd), TRUE);
        return;
    }
}

}  // namespace corvane::winui
