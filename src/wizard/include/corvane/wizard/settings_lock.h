#pragma once
// The settings lock: the 23 options of the wizard an administrator can lock behind a
// password. LockFields lists them as "<identifier>=Yes" (locked) or "=No", joined by ";";
// Password holds EncryptPswd of the lock password, never the password itself. An empty
// Password means nothing is locked, whatever LockFields says.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::wizard {

// What unlocking a field runs after its switch controls are enabled: the wizard's
// dependent-control rule that enables the rest as far as the values shown allow.
enum class LockRule : int {
    None,
    Reply,         // the domain box under "Reply to All ... any e-mail"
    SpamMark,      // the spam-mark list and its options under "Clear SPAM Marks"
    OlderEmails,   // the days box
    Attachment,    // the keyword list and the advanced settings link
    Confirmation,  // the confirmation list under "only for these email addresses"
    XRecipients,   // the recipient count box
    Delay,         // the seconds box, the delay options and list, the delay confirmation
    OwnAddress,    // the own-address buttons
};

struct LockableField {
    std::string_view identifier;
    std::string_view description;
    // The wizard's controls the field disables, its switch controls first.
    std::array<std::string_view, 6> controls;
    // The control carrying the lock mark (Tag "False" while locked), or "".
    std::string_view marker;
    // How many of the first controls unlocking enables directly.
    int switches;
    LockRule rule;
};

// The lockable fields in the lock editor's order.
extern const std::array<LockableField, 23> LockableFields;

// The field with exactly this identifier, or nullptr.
const LockableField* FindLockableField(std::string_view identifier);

// The description of a lockable field; "" for an identifier that is not one.
std::string_view Get_EnableField_Description(std::string_view identifier);

// One item of LockFields: the identifier before the first "=" and whether the value
// after it reads "YES" in any case. An item without "=" is its whole text, not locked.
struct LockItem {
    std::string identifier;
    bool locked = false;
};
LockItem ParseLockItem(std::string_view item);

// The rounds of EncryptPswd: one encoding takes a noticeable fraction of a second, so
// trying passwords against a copied settings file is slow (bench/settings_lock_bench.cpp).
inline constexpr std::uint32_t LockPasswordIterations = 400'000;

// The stored form of a lock password: PBKDF2-HMAC-SHA256 with the product's salt,
// "pbkdf2-sha256$400000$<base64>" (corvane/platform/password_hash.h).
std::string EncryptPswd(std::string_view password);

// The entry matches the stored Password. A stored text not in the form above (written by
// hand or by an older tool) never matches.
bool LockPasswordMatches(std::string_view entry, std::string_view storedPassword);

}  // namespace corvane::wizard
