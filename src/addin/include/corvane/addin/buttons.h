#pragma once
// Buttons: the public class the Word template's macros create when Word edits a message.
// Its code runs in Word's process; it reaches the add-in's list object and hands back a
// cancel decision through Connect objects that Outlook creates in its own process.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/addin/subsystems.h"
#include "corvane/outlook/object.h"

namespace corvane::addin {

inline constexpr const char* ButtonsProgId = "Corvane.Buttons";

class Buttons : public outlook::Invocable {
public:
    // `process` is the state of the process the object is created in (Word's).
    explicit Buttons(std::shared_ptr<Process> process) : process_(std::move(process)) {}

    // The account-selection prompt; strChange gets "", "CANCEL" or the chosen account.
    void SelQuenlow(std::string& strChange, std::string& strDefault, std::string& strPrefAcct,
                    std::string& strEmailAddr);
    // The offer to add an unlisted first recipient to the list.
    void AddEmailAddressToList(std::string& strToAddress, std::string& strSelectedAcct);
    // The prompt for a replacement of a preferred account that has gone.
    void PrefAcctExistsFalse(std::int16_t& intMode, std::string& strSelectedAcct, std::string& strSenderEmail,
                             std::string& strMsg);
    void DelayEmailSending(std::shared_ptr<outlook::Item>& Item, bool& Cancel);
    void EmptySubjectCheck(std::shared_ptr<outlook::Item>& Item, bool& Cancel);

    // The five operations called by name, as the template's macros call them: the
    // arguments in order, each by reference.
    bool Invoke(std::string_view method, std::vector<outlook::Variant>& args) override;

private:
    // The add-in's list object, fetched from Outlook's process into this one.
    void GetVariablesFromOutlook();
    // The list object and the cancel decision, handed back to Outlook's process.
    void PutVariablesToOutlook();

    std::shared_ptr<Process> process_;
};

}  // namespace corvane::addin
