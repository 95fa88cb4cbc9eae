#include "corvane/checks/frmReplyMultRecipt.h"

#include "corvane/platform/conventions.h"
#include "corvane/text/text.h"

namespace corvane::checks {

frmReplyMultRecipt::frmReplyMultRecipt(std::string appTitle)
    : Form("frmReplyMultRecipt"), appTitle_(std::move(appTitle)) {
    lstVRecipients.onItemCheck = [this](ui::ListItem& item) { lstVRecipients_ItemCheck(item); };
    lstVRecipients.onColumnClick = [this](ui::ColumnHeader& column) { lstVRecipients_ColumnClick(column); };
    lstVRecipients.onDblClick = [this] { lstVRecipients_DblClick(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
    applyDesign();
}

void frmReplyMultRecipt::design() {
    setCaption(platform::MessageTitle("Multiple recipients", appTitle_));
    move(0, 0, 7080, 4300);
    lblLine1.setCaption("You clicked Reply (and not Reply to All) on an e-mail with more than one recipients.");
    lblLine1.move(120, 120, 6720, 240);
    lstVRecipients.setCheckboxes(true);
    lstVRecipients.move(120, 440, 6720, 2400);
    lstVRecipients.addColumn("", 600);
    lstVRecipients.addColumn("Recipients", 6020);
    lstVRecipients.setTag("0");
    lblLine2.setCaption("You can select more recipients by ticking the list above.");
    lblLine2.move(120, 2960, 6720, 240);
    ImageList1.setVisible(false);
    ImageList1.add("header-not-all-ticked");
    ImageList1.add("header-all-ticked");
    cmdOK.setCaption("&OK");
    cmdOK.setDefault(true);
    cmdOK.move(4320, 3360, 1200, 360);
    cmdCancel.setCaption("&Cancel");
    cmdCancel.setCancel(true);
    cmdCancel.move(5640, 3360, 1200, 360);
}

void frmReplyMultRecipt::onLoad() {
    result = ResultNone;
    setCaption(platform::MessageTitle("Multiple recipients", appTitle_));
    lstVRecipients.column(2).setWidth(lstVRecipients.width() - lstVRecipients.column(1).width() - 100);
    lstVRecipients.column(1).setIcon(IconNotAllTicked);
    setTickCount(0);
}

void frmReplyMultRecipt::Set_ReplyToAll() {
    load();
    setCaption(platform::MessageTitle("Reply to All", appTitle_));
    lblLine1.setCaption("Reply to All was clicked! Do you want to do a Reply to All to this e-mail?");
    lblLine2.setCaption("You can change the recipients for the e-mail using the list below.");
    lblLine2.setTop(440);
    lstVRecipients.setTop(760);
    lstVRecipients.column(1).setIcon(IconAllTicked);
}

ui::ListItem& frmReplyMultRecipt::addRecipient(std::string text, int position, bool ticked) {
    load();
    ui::ListItem& row = lstVRecipients.addItem("");
    row.setSubItem(1, std::move(text));
    row.setTag(std::to_string(position));
    if (ticked) {
        row.setChecked(true);
        setTickCount(tickCount() + 1);
    }
    return row;
}

int frmReplyMultRecipt::tickCount() const {
    const auto n = text::wholeNumber(lstVRecipients.tag());
    return n ? static_cast<int>(*n) : 0;
}

void frmReplyMultRecipt::setTickCount(int count) { lstVRecipients.setTag(std::to_string(count)); }

void frmReplyMultRecipt::showHeaderIcon() {
    lstVRecipients.column(1).setIcon(tickCount() == lstVRecipients.itemCount() ? IconAllTicked : IconNotAllTicked);
}

void frmReplyMultRecipt::lstVRecipients_ItemCheck(ui::ListItem& item) {
    setTickCount(tickCount() + (item.checked() ? 1 : -1));
    showHeaderIcon();
}

void frmReplyMultRecipt::lstVRecipients_ColumnClick(ui::ColumnHeader& column) {
    if (column.index() != 1) return;
    const bool tickAll = column.icon() == IconNotAllTicked;
    for (int i = 1; i <= lstVRecipients.itemCount(); ++i) lstVRecipients.item(i).setChecked(tickAll);
    setTickCount(tickAll ? lstVRecipients.itemCount() : 0);
    column.setIcon(tickAll ? IconAllTicked : IconNotAllTicked);
}

void frmReplyMultRecipt::lstVRecipients_DblClick() {
    ui::ListItem* row = lstVRecipients.selectedItem();
    if (!row) return;
    // A tick set by code raises no ItemCheck, so the count follows here.
    row->setChecked(!row->checked());
    lstVRecipients_ItemCheck(*row);
}

void frmReplyMultRecipt::cmdOK_Click() {
    result = ResultOK;
    hide();
}

void frmReplyMultRecipt::cmdCancel_Click() {
    result = ResultCancel;
    hide();
}

}  // namespace corvane::checks
