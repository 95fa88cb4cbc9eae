#pragma once
// The failures the Outlook object model reports, with Outlook's numbers and texts. The
// add-in compares some descriptions letter for letter (the closed Explorer, the failed
// operation), so the host and the add-in share them here.
#include <cstdint>
#include <string_view>

namespace corvane::outlook::errors {

struct Failure {
    std::int32_t number;
    std::string_view description;
};

inline constexpr std::int32_t Fail = static_cast<std::int32_t>(0x80004005u);
inline constexpr std::int32_t DispException = static_cast<std::int32_t>(0x80020009u);
inline constexpr std::int32_t MapiNotFound = static_cast<std::int32_t>(0x8004010Fu);
inline constexpr std::int32_t MapiObjectDeleted = static_cast<std::int32_t>(0x8004010Au);

inline constexpr Failure ItemMovedOrDeleted{MapiObjectDeleted, "The item has been moved or deleted."};
inline constexpr Failure ExplorerClosed{
    Fail,
    "The Explorer has been closed and cannot be used for further operations. Review your code "
    "and restart Outlook."};
inline constexpr Failure InspectorClosed{
    Fail,
    "The Inspector has been closed and cannot be used for further operations. Review your code "
    "and restart Outlook."};
inline constexpr Failure OperationFailed{Fail, "The operation failed."};
inline constexpr Failure IndexOutOfBounds{DispException, "Array index out of bounds."};
inline constexpr Failure ObjectNotFound{MapiNotFound,
                                        "The attempted operation failed.  An object could not be found."};
inline constexpr Failure CannotCreateFolder{DispException, "Cannot create the folder."};
inline constexpr Failure CannotMoveFolder{DispException, "Cannot move the folder."};
inline constexpr Failure CannotDeleteFolder{DispException, "Cannot delete this folder."};
inline constexpr Failure UnrecognizedNames{Fail, "Outlook does not recognize one or more names. "};
inline constexpr Failure NoRecipients{
    Fail, "There must be at least one name or distribution list in the To, Cc, or Bcc box."};
inline constexpr Failure ResponseCancelled{Fail, "The operation failed."};
inline constexpr Failure NotSupported{438, "Object doesn't support this property or method"};
inline constexpr Failure CannotCreateObject{429, "ActiveX component can't create object"};
inline constexpr Failure InvalidArgument{5, "Invalid procedure call or argument"};
inline constexpr Failure HostGone{static_cast<std::int32_t>(0x800706BAu), "The RPC server is unavailable."};

}  // namespace corvane::outlook::errors
