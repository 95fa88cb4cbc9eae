#pragma once
// The one failure type of the seams, and the one catalog of the failures the add-in and the
// simulated host raise or compare with. A seam that fails throws PlatformError with the
// number the platform reports (a COM HRESULT such as 0x8000FFFF read as a signed 32-bit
// value, or a small runtime error number such as 6 for an overflow) and its description.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane::platform {

// A failure's number and its text as the platform, Outlook, Word or MAPI word it. Some of
// the add-in's checks compare a text letter for letter (the closed Explorer).
struct ErrorCode {
    std::int32_t number;
    std::string_view description;
};

class PlatformError : public std::runtime_error {
public:
    PlatformError(std::int32_t number, std::string description)
        : std::runtime_error(description), number_(number), description_(std::move(description)) {}
    // The code's failure; `detail`, with its own separator, follows the code's text.
    explicit PlatformError(const ErrorCode& code, std::string_view detail = {})
        : PlatformError(code.number, std::string(code.description).append(detail)) {}

    std::int32_t number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

private:
    std::int32_t number_;
    std::string description_;
};

namespace errors {

constexpr std::int32_t hresult(std::uint32_t value) { return static_cast<std::int32_t>(value); }

// Runtime errors.
inline constexpr ErrorCode InvalidCall{5, "Invalid procedure call or argument"};
inline constexpr ErrorCode Overflow{6, "Overflow"};  // also a 16-bit counter's overflow
inline constexpr ErrorCode TypeMismatch{13, "Type mismatch"};
inline constexpr ErrorCode FileNotFound{53, "File not found"};
inline constexpr ErrorCode PermissionDenied{70, "Permission denied"};
inline constexpr ErrorCode PathFileAccessError{75, "Path/File access error"};
inline constexpr ErrorCode PathNotFound{76, "Path not found"};
inline constexpr ErrorCode ObjectNotSet{91, "Object variable or With block variable not set"};
inline constexpr ErrorCode InvalidPropertyValue{380, "Invalid property value"};
inline constexpr ErrorCode InvalidPropertyArrayIndex{381, "Invalid property array index"};
inline constexpr ErrorCode TextReadOnly{383, "'Text' property is read-only"};
inline constexpr ErrorCode CannotCreateObject{429, "ActiveX component can't create object"};
inline constexpr ErrorCode NotSupported{438, "Object doesn't support this property or method"};
inline constexpr ErrorCode DuplicateKey{457, "This key is already associated with an element of this collection"};
inline constexpr ErrorCode ControlIndexOutOfBounds{35600, "Index out of bounds"};  // list view, tab strip

// COM and Windows.
inline constexpr ErrorCode Unexpected{hresult(0x8000FFFFu), "Catastrophic failure"};
inline constexpr ErrorCode Fail{hresult(0x80004005u), "Unspecified error"};
inline constexpr ErrorCode AccessDenied{hresult(0x80070005u), "Access is denied."};
inline constexpr ErrorCode HostGone{hresult(0x800706BAu), "The RPC server is unavailable."};
inline constexpr ErrorCode DispException{hresult(0x80020009u), "Exception occurred."};
inline constexpr ErrorCode InvalidHandle{6, "Invalid handle."};
inline constexpr ErrorCode InvalidParameter{87, "The parameter is incorrect."};
inline constexpr ErrorCode RegistryCorrupt{1009, "The configuration registry database is corrupt."};
inline constexpr ErrorCode RegistryIoFailed{1016, "An I/O operation initiated by the registry failed unrecoverably."};
inline constexpr ErrorCode KeyDeleted{
    1018, "Illegal operation attempted on a registry key that has been marked for deletion."};
inline constexpr ErrorCode HttpCannotConnect{12029, "A connection with the server could not be established"};
inline constexpr ErrorCode HttpTimeout{12002, "The operation timed out"};

// Extended MAPI (the first five share their numbers with the COM failures above).
inline constexpr ErrorCode MapiCallFailed{hresult(0x80004005u), "MAPI_E_CALL_FAILED"};
inline constexpr ErrorCode MapiInterfaceNotSupported{hresult(0x80004002u), "MAPI_E_INTERFACE_NOT_SUPPORTED"};
inline constexpr ErrorCode MapiNoAccess{hresult(0x80070005u), "MAPI_E_NO_ACCESS"};
inline constexpr ErrorCode MapiNotEnoughMemory{hresult(0x8007000Eu), "MAPI_E_NOT_ENOUGH_MEMORY"};
inline constexpr ErrorCode MapiInvalidParameter{hresult(0x80070057u), "MAPI_E_INVALID_PARAMETER"};
inline constexpr ErrorCode MapiNoSupport{hresult(0x80040102u), "MAPI_E_NO_SUPPORT"};
inline constexpr ErrorCode MapiBadCharWidth{hresult(0x80040103u), "MAPI_E_BAD_CHARWIDTH"};
inline constexpr ErrorCode MapiUnknownFlags{hresult(0x80040106u), "MAPI_E_UNKNOWN_FLAGS"};
inline constexpr ErrorCode MapiInvalidEntryId{hresult(0x80040107u), "MAPI_E_INVALID_ENTRYID"};
inline constexpr ErrorCode MapiInvalidObject{hresult(0x80040108u), "MAPI_E_INVALID_OBJECT"};
inline constexpr ErrorCode MapiObjectChanged{hresult(0x80040109u), "MAPI_E_OBJECT_CHANGED"};
inline constexpr ErrorCode MapiObjectDeleted{hresult(0x8004010Au), "MAPI_E_OBJECT_DELETED"};
inline constexpr ErrorCode MapiNotFound{hresult(0x8004010Fu), "MAPI_E_NOT_FOUND"};
inline constexpr ErrorCode MapiLogonFailed{hresult(0x80040111u), "MAPI_E_LOGON_FAILED"};
inline constexpr ErrorCode MapiUserCancel{hresult(0x80040113u), "MAPI_E_USER_CANCEL"};
inline constexpr ErrorCode MapiNetworkError{hresult(0x80040115u), "MAPI_E_NETWORK_ERROR"};
inline constexpr ErrorCode MapiCorruptData{hresult(0x8004011Bu), "MAPI_E_CORRUPT_DATA"};
inline constexpr ErrorCode MapiEndOfSession{hresult(0x80040200u), "MAPI_E_END_OF_SESSION"};
inline constexpr ErrorCode MapiUnknownEntryId{hresult(0x80040201u), "MAPI_E_UNKNOWN_ENTRYID"};
inline constexpr ErrorCode MapiBadValue{hresult(0x80040301u), "MAPI_E_BAD_VALUE"};
inline constexpr ErrorCode MapiInvalidType{hresult(0x80040302u), "MAPI_E_INVALID_TYPE"};
inline constexpr ErrorCode MapiTypeNoSupport{hresult(0x80040303u), "MAPI_E_TYPE_NO_SUPPORT"};
inline constexpr ErrorCode MapiUnexpectedType{hresult(0x80040304u), "MAPI_E_UNEXPECTED_TYPE"};
inline constexpr ErrorCode MapiTooBig{hresult(0x80040305u), "MAPI_E_TOO_BIG"};
inline constexpr ErrorCode MapiTimeout{hresult(0x80040401u), "MAPI_E_TIMEOUT"};
inline constexpr ErrorCode MapiNotInitialized{hresult(0x80040605u), "MAPI_E_NOT_INITIALIZED"};
// Outlook's account management.
inline constexpr ErrorCode AccountNotFound{hresult(0x800C8101u), "E_ACCT_NOT_FOUND"};
inline constexpr ErrorCode AccountManagerNotInitialized{hresult(0x800C8005u), "E_OLK_NOT_INITIALIZED"};
// The Windows DLL on a machine without Extended MAPI (ERROR_MOD_NOT_FOUND as an HRESULT).
inline constexpr ErrorCode MapiNotInstalled{
    hresult(0x8007007Eu), "Extended MAPI is not installed on this computer: mapi32.dll cannot be loaded"};
inline constexpr ErrorCode StorageFileNotFound{hresult(0x80030002u), "STG_E_FILENOTFOUND"};

// The Outlook object model.
inline constexpr ErrorCode ItemMovedOrDeleted{MapiObjectDeleted.number, "The item has been moved or deleted."};
inline constexpr ErrorCode ExplorerClosed{
    Fail.number,
    "The Explorer has been closed and cannot be used for further operations. Review your code and restart Outlook."};
inline constexpr ErrorCode InspectorClosed{
    Fail.number,
    "The Inspector has been closed and cannot be used for further operations. Review your code and restart Outlook."};
inline constexpr ErrorCode OperationFailed{Fail.number, "The operation failed."};
inline constexpr ErrorCode UnrecognizedNames{Fail.number, "Outlook does not recognize one or more names. "};
inline constexpr ErrorCode NoRecipients{
    Fail.number, "There must be at least one name or distribution list in the To, Cc, or Bcc box."};
inline constexpr ErrorCode IndexOutOfBounds{DispException.number, "Array index out of bounds."};
inline constexpr ErrorCode CannotCreateFolder{DispException.number, "Cannot create the folder."};
inline constexpr ErrorCode CannotMoveFolder{DispException.number, "Cannot move the folder."};
inline constexpr ErrorCode CannotDeleteFolder{DispException.number, "Cannot delete this folder."};
inline constexpr ErrorCode ObjectNotFound{MapiNotFound.number,
                                          "The attempted operation failed.  An object could not be found."};

// The record cursor of the preference list (ADO's numbers and texts).
inline constexpr ErrorCode AdoArguments{
    3001, "Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another."};
inline constexpr ErrorCode AdoNoCurrentRecord{3021,
                                              "Either BOF or EOF is True, or the current record has been deleted. "
                                              "Requested operation requires a current record."};
inline constexpr ErrorCode AdoObjectClosed{3704, "Operation is not allowed when the object is closed."};

// Word.
inline constexpr ErrorCode WordNoDocument{4248, "This command is not available because no document is open."};
inline constexpr ErrorCode WordFileNotFound{5174, "This file could not be found."};
inline constexpr ErrorCode WordFileCorrupt{5792, "The file appears to be corrupted."};
inline constexpr ErrorCode WordNoSuchMember{5941, "The requested member of the collection does not exist."};
inline constexpr ErrorCode WordMacroNotFound{hresult(0x80020003u), "Unable to run the specified macro"};

}  // namespace errors

// The 0-based position of a 1-based collection index; an index outside 1..count fails with
// `failure`, its text followed by " (<collection> item <index> of <count>)" when the
// collection is named.
inline std::size_t checkedIndex(int index, std::size_t count, const ErrorCode& failure,
                                std::string_view collection = {}) {
    if (index >= 1 && static_cast<std::size_t>(index) <= count) return static_cast<std::size_t>(index - 1);
    if (collection.empty()) throw PlatformError(failure);
    throw PlatformError(failure, " (" + std::string(collection) + " item " + std::to_string(index) + " of " +
                                     std::to_string(count) + ")");
}

}  // namespace corvane::platform
