#pragma once
// The recipients of a reply with tick boxes. In reply mode (after a plain Reply on a
// message with several recipients) the user ticks who else gets the reply; in reply-to-all
// mode (Set_ReplyToAll) the user unticks whom to leave out. The list's tag holds the
// number of ticked rows as text; column 1's header shows icon 2 when every row is ticked,
// icon 1 otherwise, and a click on it ticks or unticks them all.
//
// The caller: frm.load(); [frm.Set_ReplyToAll();]
//     for each recipient i: frm.addRecipient(text, i, ticked);
//     frm.show(ui); result = frm.result;   // 1 OK, 2 Cancel, 0 closed another way
//     ... read lstVRecipients.item(r).checked() and .tag() (the recipient position) ...
//     frm.unload();                        // result back to 0, tag back to "0"
#include <string>

#include "corvane/checks/image_list.h"
#include "corvane/ui/controls.h"

namespace corvane::checks {

class frmReplyMultRecipt : public ui::Form {
public:
    static constexpr int ResultNone = 0;
    static constexpr int ResultOK = 1;
    static constexpr int ResultCancel = 2;
    // Header icons of column 1, numbers in ImageList1.
    static constexpr int IconNotAllTicked = 1;
    static constexpr int IconAllTicked = 2;

    ui::Label lblLine1{*this, "lblLine1"};
    ui::Label lblLine2{*this, "lblLine2"};
    ui::ListView lstVRecipients{*this, "lstVRecipients"};
    ImageList ImageList1{*this, "ImageList1"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};

    // Set by OK (1) and Cancel (2); 0 after a load and after an unload, so a close from
    // the window's X leaves 0.
    int result = ResultNone;

    // appTitle: the application title the caption ends with.
    explicit frmReplyMultRecipt(std::string appTitle);

    // Both methods load the form first when it is not loaded.
    //
    // Switches the form to reply-to-all mode: caption, texts, the second line
    // moved above the list, and the all-ticked header icon.
    void Set_ReplyToAll();

    // Adds a row for the recipient at `position` (its tag) with `text` in column 2; a
    // ticked row adds 1 to the tick count. The header icon is left as it is.
    ui::ListItem& addRecipient(std::string text, int position, bool ticked = false);

    // The tick count the list's tag holds (0 when it holds no number).
    int tickCount() const;

protected:
    void design() override;
    void onLoad() override;
    void onUnload(bool&) override { result = ResultNone; }

private:
    void lstVRecipients_ItemCheck(ui::ListItem& item);
    void lstVRecipients_ColumnClick(ui::ColumnHeader& column);
    void lstVRecipients_DblClick();
    void cmdOK_Click();
    void cmdCancel_Click();
    void setTickCount(int count);
    // Icon 2 when every row is ticked, else icon 1.
    void showHeaderIcon();

    std::string appTitle_;
};

}  // namespace corvane::checks
