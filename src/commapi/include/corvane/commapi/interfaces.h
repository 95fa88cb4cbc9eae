#pragma once
// The few Extended-MAPI and Outlook account-management interfaces and structures the add-in
// uses, declared here from Microsoft's published reference: each interface's methods in
// its documented vtable order (a method the add-in never calls keeps its place with its
// documented arguments), the interface identifiers, the flags and the structures with the
// interface each belongs to. Windows only.
#include <objidl.h>
#include <windows.h>

#include <cstdint>

namespace corvane::commapi {

// Structures --------------------------------------------------------------------------

// Opaque to the add-in: passed through, never read.
struct MAPIERROR;
struct MAPINAMEID;
struct SRestriction;
struct SSortOrderSet;
struct NOTIFICATION;
struct IMAPIProgress;
struct IMAPIAdviseSink;
struct IMsgServiceAdmin;
struct IMAPIForm;
struct IMAPIViewContext;

// An entry identifier: four flag bytes, then the provider's bytes (cb in all).
struct ENTRYID {
    BYTE abFlags[4];
    BYTE ab[1];
};

// A property tag array (GetProps, SetColumns): cValues tags.
struct SPropTagArray {
    ULONG cValues;
    ULONG aulPropTag[1];
};

struct SBinary {
    ULONG cb;
    BYTE* lpb;
};
// A list of entry ids (IMAPIFolder::DeleteMessages, CopyMessages).
struct ENTRYLIST {
    ULONG cValues;
    SBinary* lpbin;
};
struct SStringArray {  // PT_MV_STRING8
    ULONG cValues;
    char** lppszA;
};
struct SWStringArray {  // PT_MV_UNICODE
    ULONG cValues;
    wchar_t** lppszW;
};

// The value part of SPropValue (the members the add-in reads or writes, and the 8-byte
// ones that give the union its size and alignment).
union PropValueUnion {
    std::int16_t i;       // PT_I2
    LONG l;               // PT_LONG
    unsigned short b;     // PT_BOOLEAN
    double dbl;           // PT_DOUBLE, PT_APPTIME
    FILETIME ft;          // PT_SYSTIME
    char* lpszA;          // PT_STRING8
    wchar_t* lpszW;       // PT_UNICODE
    SBinary bin;          // PT_BINARY
    SStringArray MVszA;   // PT_MV_STRING8
    SWStringArray MVszW;  // PT_MV_UNICODE
    LONG err;             // PT_ERROR (an SCODE)
    LARGE_INTEGER li;     // PT_I8
};

struct SPropValue {
    ULONG ulPropTag;
    ULONG dwAlignPad;
    PropValueUnion Value;
};

// IMAPIProp::SetProps: the properties that could not be set.
struct SPropProblem {
    ULONG ulIndex;
    ULONG ulPropTag;
    LONG scode;
};
struct SPropProblemArray {
    ULONG cProblem;
    SPropProblem aProblem[1];
};

// IMAPITable::QueryRows; also ADRENTRY / ADRLIST of IMessage::ModifyRecipients.
struct SRow {
    ULONG ulAdrEntryPad;
    ULONG cValues;
    SPropValue* lpProps;
};
struct SRowSet {
    ULONG cRows;
    SRow aRow[1];
};
using ADRENTRY = SRow;
using ADRLIST = SRowSet;

// IUnknown-derived interfaces ---------------------------------------------------------

struct IMAPITable;

struct IMAPIProp : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetLastError(HRESULT hResult, ULONG ulFlags, MAPIERROR** lppMAPIError) = 0;
    virtual HRESULT STDMETHODCALLTYPE SaveChanges(ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetProps(SPropTagArray* lpPropTagArray, ULONG ulFlags, ULONG* lpcValues,
                                               SPropValue** lppPropArray) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPropList(ULONG ulFlags, SPropTagArray** lppPropTagArray) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenProperty(ULONG ulPropTag, const IID* lpiid, ULONG ulInterfaceOptions,
                                                   ULONG ulFlags, IUnknown** lppUnk) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetProps(ULONG cValues, SPropValue* lpPropArray,
                                               SPropProblemArray** lppProblems) = 0;
    virtual HRESULT STDMETHODCALLTYPE DeleteProps(SPropTagArray* lpPropTagArray, SPropProblemArray** lppProblems) = 0;
    virtual HRESULT STDMETHODCALLTYPE CopyTo(ULONG ciidExclude, const IID* rgiidExclude, SPropTagArray* lpExcludeProps,
                                             ULONG_PTR ulUIParam, IMAPIProgress* lpProgress, const IID* lpInterface,
                                             void* lpDestObj, ULONG ulFlags, SPropProblemArray** lppProblems) = 0;
    virtual HRESULT STDMETHODCALLTYPE CopyProps(SPropTagArray* lpIncludeProps, ULONG_PTR ulUIParam,
                                                IMAPIProgress* lpProgress, const IID* lpInterface, void* lpDestObj,
                                                ULONG ulFlags, SPropProblemArray** lppProblems) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetNamesFromIDs(SPropTagArray** lppPropTags, GUID* lpPropSetGuid, ULONG ulFlags,
                                                      ULONG* lpcPropNames, MAPINAMEID*** lpppPropNames) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetIDsFromNames(ULONG cPropNames, MAPINAMEID** lppPropNames, ULONG ulFlags,
                                                      SPropTagArray** lppPropTags) = 0;
};

struct IMAPIContainer : IMAPIProp {
    virtual HRESULT STDMETHODCALLTYPE GetContentsTable(ULONG ulFlags, IMAPITable** lppTable) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetHierarchyTable(ULONG ulFlags, IMAPITable** lppTable) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenEntry(ULONG cbEntryID, ENTRYID* lpEntryID, const IID* lpInterface,
                                                ULONG ulFlags, ULONG* lpulObjType, IUnknown** lppUnk) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetSearchCriteria(SRestriction* lpRestriction, ENTRYLIST* lpContainerList,
                                                        ULONG ulSearchFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetSearchCriteria(ULONG ulFlags, SRestriction** lppRestriction,
                                                        ENTRYLIST** lppContainerList, ULONG* lpulSearchState) = 0;
};

struct IMessage;

struct IMAPIFolder : IMAPIContainer {
    virtual HRESULT STDMETHODCALLTYPE CreateMessage(const IID* lpInterface, ULONG ulFlags, IMessage** lppMessage) = 0;
    virtual HRESULT STDMETHODCALLTYPE CopyMessages(ENTRYLIST* lpMsgList, const IID* lpInterface, void* lpDestFolder,
                                                   ULONG_PTR ulUIParam, IMAPIProgress* lpProgress, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE DeleteMessages(ENTRYLIST* lpMsgList, ULONG_PTR ulUIParam,
                                                     IMAPIProgress* lpProgress, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateFolder(ULONG ulFolderType, LPWSTR lpszFolderName, LPWSTR lpszFolderComment,
                                                   const IID* lpInterface, ULONG ulFlags, IMAPIFolder** lppFolder) = 0;
    virtual HRESULT STDMETHODCALLTYPE CopyFolder(ULONG cbEntryID, ENTRYID* lpEntryID, const IID* lpInterface,
                                                 void* lpDestFolder, LPWSTR lpszNewFolderName, ULONG_PTR ulUIParam,
                                                 IMAPIProgress* lpProgress, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE DeleteFolder(ULONG cbEntryID, ENTRYID* lpEntryID, ULONG_PTR ulUIParam,
                                                   IMAPIProgress* lpProgress, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetReadFlags(ENTRYLIST* lpMsgList, ULONG_PTR ulUIParam,
                                                   IMAPIProgress* lpProgress, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMessageStatus(ULONG cbEntryID, ENTRYID* lpEntryID, ULONG ulFlags,
                                                       ULONG* lpulMessageStatus) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetMessageStatus(ULONG cbEntryID, ENTRYID* lpEntryID, ULONG ulNewStatus,
                                                       ULONG ulNewStatusMask, ULONG* lpulOldStatus) = 0;
    virtual HRESULT STDMETHODCALLTYPE SaveContentsSort(SSortOrderSet* lpSortCriteria, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE EmptyFolder(ULONG_PTR ulUIParam, IMAPIProgress* lpProgress, ULONG ulFlags) = 0;
};

struct IAttach : IMAPIProp {};

struct IMessage : IMAPIProp {
    virtual HRESULT STDMETHODCALLTYPE GetAttachmentTable(ULONG ulFlags, IMAPITable** lppTable) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenAttach(ULONG ulAttachmentNum, const IID* lpInterface, ULONG ulFlags,
                                                 IAttach** lppAttach) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateAttach(const IID* lpInterface, ULONG ulFlags, ULONG* lpulAttachmentNum,
                                                   IAttach** lppAttach) = 0;
    virtual HRESULT STDMETHODCALLTYPE DeleteAttach(ULONG ulAttachmentNum, ULONG_PTR ulUIParam,
                                                   IMAPIProgress* lpProgress, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRecipientTable(ULONG ulFlags, IMAPITable** lppTable) = 0;
    virtual HRESULT STDMETHODCALLTYPE ModifyRecipients(ULONG ulFlags, ADRLIST* lpMods) = 0;
    virtual HRESULT STDMETHODCALLTYPE SubmitMessage(ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetReadFlag(ULONG ulFlags) = 0;
};

struct IMsgStore : IMAPIProp {
    virtual HRESULT STDMETHODCALLTYPE Advise(ULONG cbEntryID, ENTRYID* lpEntryID, ULONG ulEventMask,
                                             IMAPIAdviseSink* lpAdviseSink, ULONG_PTR* lpulConnection) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unadvise(ULONG_PTR ulConnection) = 0;
    virtual HRESULT STDMETHODCALLTYPE CompareEntryIDs(ULONG cbEntryID1, ENTRYID* lpEntryID1, ULONG cbEntryID2,
                                                      ENTRYID* lpEntryID2, ULONG ulFlags, ULONG* lpulResult) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenEntry(ULONG cbEntryID, ENTRYID* lpEntryID, const IID* lpInterface,
                                                ULONG ulFlags, ULONG* lpulObjType, IUnknown** lppUnk) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetReceiveFolder(LPWSTR lpszMessageClass, ULONG ulFlags, ULONG cbEntryID,
                                                       ENTRYID* lpEntryID) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetReceiveFolder(LPWSTR lpszMessageClass, ULONG ulFlags, ULONG* lpcbEntryID,
                                                       ENTRYID** lppEntryID, LPWSTR* lppszExplicitClass) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetReceiveFolderTable(ULONG ulFlags, IMAPITable** lppTable) = 0;
    virtual HRESULT STDMETHODCALLTYPE StoreLogoff(ULONG* lpulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE AbortSubmit(ULONG cbEntryID, ENTRYID* lpEntryID, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetOutgoingQueue(ULONG ulFlags, IMAPITable** lppTable) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetLockState(IMessage* lpMessage, ULONG ulLockState) = 0;
    virtual HRESULT STDMETHODCALLTYPE FinishedMsg(ULONG ulFlags, ULONG cbEntryID, ENTRYID* lpEntryID) = 0;
    virtual HRESULT STDMETHODCALLTYPE NotifyNewMail(NOTIFICATION* lpNotification) = 0;
};

struct IMAPITable : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetLastError(HRESULT hResult, ULONG ulFlags, MAPIERROR** lppMAPIError) = 0;
    virtual HRESULT STDMETHODCALLTYPE Advise(ULONG ulEventMask, IMAPIAdviseSink* lpAdviseSink,
                                             ULONG_PTR* lpulConnection) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unadvise(ULONG_PTR ulConnection) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetStatus(ULONG* lpulTableStatus, ULONG* lpulTableType) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetColumns(SPropTagArray* lpPropTagArray, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryColumns(ULONG ulFlags, SPropTagArray** lpPropTagArray) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRowCount(ULONG ulFlags, ULONG* lpulCount) = 0;
    virtual HRESULT STDMETHODCALLTYPE SeekRow(ULONG bkOrigin, LONG lRowCount, LONG* lplRowsSought) = 0;
    virtual HRESULT STDMETHODCALLTYPE SeekRowApprox(ULONG ulNumerator, ULONG ulDenominator) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryPosition(ULONG* lpulRow, ULONG* lpulNumerator, ULONG* lpulDenominator) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindRow(SRestriction* lpRestriction, ULONG bkOrigin, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE Restrict(SRestriction* lpRestriction, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateBookmark(ULONG* lpbkPosition) = 0;
    virtual HRESULT STDMETHODCALLTYPE FreeBookmark(ULONG bkPosition) = 0;
    virtual HRESULT STDMETHODCALLTYPE SortTable(SSortOrderSet* lpSortCriteria, ULONG ulFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE QuerySortOrder(SSortOrderSet** lppSortCriteria) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryRows(LONG lRowCount, ULONG ulFlags, SRowSet** lppRows) = 0;
    virtual HRESULT STDMETHODCALLTYPE Abort() = 0;
    virtual HRESULT STDMETHODCALLTYPE ExpandRow(ULONG cbInstanceKey, BYTE* pbInstanceKey, ULONG ulRowCount,
                                                ULONG ulFlags, SRowSet** lppRows, ULONG* lpulMoreRows) = 0;
    virtual HRESULT STDMETHODCALLTYPE CollapseRow(ULONG cbInstanceKey, BYTE* pbInstanceKey, ULONG ulFlags,
                                                  ULONG* lpulRowCount) = 0;
    virtual HRESULT STDMETHODCALLTYPE WaitForCompletion(ULONG ulFlags, ULONG ulTimeout, ULONG* lpulTableStatus) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCollapseState(ULONG ulFlags, ULONG cbInstanceKey, BYTE* lpbInstanceKey,
                                                       ULONG* lpcbCollapseState, BYTE** lppbCollapseState) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetCollapseState(ULONG ulFlags, ULONG cbCollapseState, BYTE* pbCollapseState,
                                                       ULONG* lpbkLocation) = 0;
};

struct IAddrBook : IMAPIProp {
    virtual HRESULT STDMETHODCALLTYPE OpenEntry(ULONG cbEntryID, ENTRYID* lpEntryID, const IID* lpInterface,
                                                ULONG ulFlags, ULONG* lpulObjType, IUnknown** lppUnk) = 0;
    // The address book's other methods (CompareEntryIDs ... PrepareRecips) follow; the
    // add-in only opens entries.
};

struct IMailUser : IMAPIProp {};
struct IProfSect : IMAPIProp {};
struct IDistList : IMAPIContainer {};

struct IMAPISession : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetLastError(HRESULT hResult, ULONG ulFlags, MAPIERROR** lppMAPIError) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMsgStoresTable(ULONG ulFlags, IMAPITable** lppTable) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenMsgStore(ULONG_PTR ulUIParam, ULONG cbEntryID, ENTRYID* lpEntryID,
                                                   const IID* lpInterface, ULONG ulFlags, IMsgStore** lppMDB) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenAddressBook(ULONG_PTR ulUIParam, const IID* lpInterface, ULONG ulFlags,
                                                      IAddrBook** lppAdrBook) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenProfileSection(GUID* lpUID, const IID* lpInterface, ULONG ulFlags,
                                                         IProfSect** lppProfSect) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetStatusTable(ULONG ulFlags, IMAPITable** lppTable) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenEntry(ULONG cbEntryID, ENTRYID* lpEntryID, const IID* lpInterface,
                                                ULONG ulFlags, ULONG* lpulObjType, IUnknown** lppUnk) = 0;
    virtual HRESULT STDMETHODCALLTYPE CompareEntryIDs(ULONG cbEntryID1, ENTRYID* lpEntryID1, ULONG cbEntryID2,
                                                      ENTRYID* lpEntryID2, ULONG ulFlags, ULONG* lpulResult) = 0;
    virtual HRESULT STDMETHODCALLTYPE Advise(ULONG cbEntryID, ENTRYID* lpEntryID, ULONG ulEventMask,
                                             IMAPIAdviseSink* lpAdviseSink, ULONG_PTR* lpulConnection) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unadvise(ULONG_PTR ulConnection) = 0;
    virtual HRESULT STDMETHODCALLTYPE MessageOptions(ULONG_PTR ulUIParam, ULONG ulFlags, LPWSTR lpszAdrType,
                                                     IMessage* lpMessage) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryDefaultMessageOpt(LPWSTR lpszAdrType, ULONG ulFlags, ULONG* lpcValues,
                                                             SPropValue** lppOptions) = 0;
    virtual HRESULT STDMETHODCALLTYPE EnumAdrTypes(ULONG ulFlags, ULONG* lpcAdrTypes, LPWSTR** lpppszAdrTypes) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryIdentity(ULONG* lpcbEntryID, ENTRYID** lppEntryID) = 0;
    virtual HRESULT STDMETHODCALLTYPE Logoff(ULONG_PTR ulUIParam, ULONG ulFlags, ULONG ulReserved) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDefaultStore(ULONG ulFlags, ULONG cbEntryID, ENTRYID* lpEntryID) = 0;
    virtual HRESULT STDMETHODCALLTYPE AdminServices(ULONG ulFlags, IMsgServiceAdmin** lppServiceAdmin) = 0;
    virtual HRESULT STDMETHODCALLTYPE ShowForm(ULONG_PTR ulUIParam, IMsgStore* lpMsgStore, IMAPIFolder* lpParentFolder,
                                               const IID* lpInterface, ULONG ulMessageToken, IMessage* lpMessageSent,
                                               ULONG ulFlags, ULONG ulMessageStatus, ULONG ulMessageFlags,
                                               ULONG ulAccess, LPSTR lpszMessageClass) = 0;
    virtual HRESULT STDMETHODCALLTYPE PrepareForm(const IID* lpInterface, IMessage* lpMessage,
                                                  ULONG* lpulMessageToken) = 0;
};

// Outlook's account management (Outlook 2003 and later) --------------------------------

// ACCT_VARIANT: dwType is PT_LONG, PT_UNICODE or PT_BINARY.
struct ACCT_BIN {
    DWORD cb;
    BYTE* pb;
};
struct ACCT_VARIANT {
    DWORD dwType;
    union {
        DWORD dw;
        WCHAR* pwsz;
        ACCT_BIN bin;
    } Val;
};

struct IOlkErrorUnknown : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetLastError(HRESULT hr, LPWSTR* ppwszError) = 0;
};

// Given by the add-in to IOlkAccountManager::Init: the profile and its session.
struct IOlkAccountHelper : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder1(void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetIdentity(LPWSTR pwszIdentity, DWORD* pcch) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMapiSession(IUnknown** ppmsess) = 0;
    virtual HRESULT STDMETHODCALLTYPE HandsOffSession() = 0;
};

struct IOlkEnum : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetCount(DWORD* pulCount) = 0;
    virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetNext(IUnknown** ppunk) = 0;
    virtual HRESULT STDMETHODCALLTYPE Skip(DWORD cSkip) = 0;
};

struct IOlkAccount : IOlkErrorUnknown {
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder1() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder2() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder3() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder4() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder5() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder6() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetAccountInfo(CLSID* pclsidType, DWORD* pcCategories,
                                                     CLSID** prgclsidCategory) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetProp(DWORD dwProp, ACCT_VARIANT* pVar) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetProp(DWORD dwProp, ACCT_VARIANT* pVar) = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder7() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder8() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder9() = 0;
    virtual HRESULT STDMETHODCALLTYPE FreeMemory(BYTE* pv) = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder10() = 0;
    virtual HRESULT STDMETHODCALLTYPE SaveChanges(DWORD dwFlags) = 0;
};

struct IOlkAccountManager : IOlkErrorUnknown {
    virtual HRESULT STDMETHODCALLTYPE Init(IOlkAccountHelper* pAcctHelper, DWORD dwFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE DisplayAccountList(HWND hwnd, DWORD dwFlags, LPCWSTR lpwszReserved,
                                                         DWORD dwReserved, const CLSID* pclsidReserved1,
                                                         const CLSID* pclsidReserved2) = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder1() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder2() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder3() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder4() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder5() = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAccount(DWORD dwProp, ACCT_VARIANT* pVar, IOlkAccount** ppAccount) = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder6() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder7() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder8() = 0;
    virtual HRESULT STDMETHODCALLTYPE DeleteAccount(DWORD dwAcctID) = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder9() = 0;
    virtual HRESULT STDMETHODCALLTYPE SaveChanges(DWORD dwAcctID, DWORD dwFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetOrder(const CLSID* pclsidCategory, DWORD* pcAccts, DWORD** prgAccts) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetOrder(const CLSID* pclsidCategory, DWORD* pcAccts, DWORD** prgAccts) = 0;
    virtual HRESULT STDMETHODCALLTYPE EnumerateAccounts(const CLSID* pclsidCategory, const CLSID* pclsidType,
                                                        DWORD dwFlags, IOlkEnum** ppEnum) = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder10() = 0;
    virtual HRESULT STDMETHODCALLTYPE PlaceHolder11() = 0;
    virtual HRESULT STDMETHODCALLTYPE FreeMemory(BYTE* pv) = 0;
    // Advise, Unadvise and further members follow; the add-in does not register.
};

// Identifiers -------------------------------------------------------------------------

namespace iid {
// MAPI's own range: {000203xx-0000-0000-C000-000000000046}.
constexpr IID Mapi(unsigned long data1) {
    return {data1, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}
inline constexpr IID IMAPISession = Mapi(0x00020300);
inline constexpr IID IMAPITable = Mapi(0x00020301);
inline constexpr IID IMAPIProp = Mapi(0x00020303);
inline constexpr IID IMsgStore = Mapi(0x00020306);
inline constexpr IID IMessage = Mapi(0x00020307);
inline constexpr IID IAttachment = Mapi(0x00020308);
inline constexpr IID IAddrBook = Mapi(0x00020309);
inline constexpr IID IMailUser = Mapi(0x0002030A);
inline constexpr IID IMAPIContainer = Mapi(0x0002030B);
inline constexpr IID IMAPIFolder = Mapi(0x0002030C);
inline constexpr IID IDistList = Mapi(0x0002030E);

// Outlook's account management: {9240A6xx-AF41-11D2-8C3B-00104B2A6676}.
constexpr IID Olk(unsigned long data1) {
    return {data1, 0xAF41, 0x11D2, {0x8C, 0x3B, 0x00, 0x10, 0x4B, 0x2A, 0x66, 0x76}};
}
inline constexpr IID IOlkErrorUnknown = Olk(0x9240A6C0);
inline constexpr IID IOlkEnum = Olk(0x9240A6C1);
inline constexpr IID IOlkAccountHelper = Olk(0x9240A6CB);
inline constexpr IID IOlkAccountManager = Olk(0x9240A6CD);
inline constexpr IID IOlkAccount = Olk(0x9240A6D2);
}  // namespace iid

// The profile's global section (IMAPISession::OpenProfileSection), which names the profile.
inline constexpr GUID GlobalProfileSection = {
    0xC8B0DB13, 0x05AA, 0x1A10, {0x9B, 0xB0, 0x00, 0xAA, 0x00, 0x2F, 0xC4, 0x5A}};

namespace clsid {
// {ED4754xx-B0D6-11D2-8C3B-00104B2A6676}
constexpr CLSID Olk(unsigned long data1) {
    return {data1, 0xB0D6, 0x11D2, {0x8C, 0x3B, 0x00, 0x10, 0x4B, 0x2A, 0x66, 0x76}};
}
inline constexpr CLSID OlkAccountManager = Olk(0xED475410);
inline constexpr CLSID OlkMail = Olk(0xED475418);
inline constexpr CLSID OlkAddressBook = Olk(0xED475419);
inline constexpr CLSID OlkStore = Olk(0xED475420);
}  // namespace clsid

// Flags -------------------------------------------------------------------------------

namespace flags {
inline constexpr ULONG MapiUnicode = 0x80000000;        // GetProps, GetContentsTable, ...
inline constexpr ULONG MapiModify = 0x00000001;         // OpenEntry, OpenMsgStore, OpenAttach
inline constexpr ULONG MapiBestAccess = 0x00000010;     // OpenEntry, OpenMsgStore
inline constexpr ULONG MdbNoMail = 0x00000080;          // OpenMsgStore
inline constexpr ULONG KeepOpenReadWrite = 0x00000004;  // IMAPIProp::SaveChanges
inline constexpr ULONG ModrecipModify = 0x00000004;     // IMessage::ModifyRecipients
inline constexpr ULONG ClearReadFlag = 0x00000004;      // IMessage::SetReadFlag
inline constexpr ULONG SuppressReceipt = 0x00000001;    // IMessage::SetReadFlag
inline constexpr ULONG DeleteHardDelete = 0x00000010;   // IMAPIFolder::DeleteMessages
// MAPILogonEx
inline constexpr ULONG MapiExtended = 0x00000020;
inline constexpr ULONG MapiUseDefault = 0x00000040;
inline constexpr ULONG MapiNoMail = 0x00008000;
// IOlkAccountManager::Init
inline constexpr DWORD AcctInitNoSynchMapiAccts = 0x00000001;
}  // namespace flags

// Store table and account properties (each the tag of the row or account property).
namespace proptags {
inline constexpr ULONG ResourceFlags = 0x30090003;      // PR_RESOURCE_FLAGS of the message store table
inline constexpr ULONG StoreDefaultFlag = 0x00000001;   // STATUS_DEFAULT_STORE in PR_RESOURCE_FLAGS
inline constexpr ULONG MdbProvider = 0x34140102;        // PR_MDB_PROVIDER
inline constexpr ULONG IpmSubtreeEntryId = 0x35E00102;  // PR_IPM_SUBTREE_ENTRYID
inline constexpr ULONG InstanceKey = 0x0FF60102;        // PR_INSTANCE_KEY
inline constexpr ULONG AttachNum = 0x0E210003;          // PR_ATTACH_NUM
inline constexpr ULONG RowId = 0x30000003;              // PR_ROWID
inline constexpr ULONG ParentEntryId = 0x0E090102;      // PR_PARENT_ENTRYID
inline constexpr ULONG ProfileName = 0x3D12001F;        // PR_PROFILE_NAME of the global section
inline constexpr ULONG AcctId = 0x00010003;             // PROP_ACCT_ID
inline constexpr ULONG AcctName = 0x0002001F;           // PROP_ACCT_NAME
inline constexpr ULONG AcctUserEmailAddr = 0x000C001F;  // PROP_ACCT_USER_EMAIL_ADDR
inline constexpr ULONG AcctStamp = 0x000D001F;          // PROP_ACCT_STAMP
inline constexpr ULONG AcctSendStamp = 0x000E001F;      // PROP_ACCT_SEND_STAMP
inline constexpr ULONG AcctIsExch = 0x00140003;         // PROP_ACCT_IS_EXCH
}  // namespace proptags

// The functions of mapi32.dll the add-in calls, as its exports declare them.
using MAPIInitializeFn = HRESULT(STDMETHODCALLTYPE*)(void* lpMapiInit);
using MAPIUninitializeFn = void(STDMETHODCALLTYPE*)();
using MAPILogonExFn = HRESULT(STDMETHODCALLTYPE*)(ULONG_PTR ulUIParam, LPSTR lpszProfileName, LPSTR lpszPassword,
                                                  ULONG flFlags, IMAPISession** lppSession);
using MAPIAllocateBufferFn = LONG(STDMETHODCALLTYPE*)(ULONG cbSize, void** lppBuffer);
using MAPIFreeBufferFn = ULONG(STDMETHODCALLTYPE*)(void* lpBuffer);
using MAPIAllocateMoreFn = LONG(STDMETHODCALLTYPE*)(ULONG cbSize, void* lpObject, void** lppBuffer);
// Messages on structured storage (.msg files): a message session groups them.
struct MSGSESS;
using MsgCallReleaseFn = void(STDMETHODCALLTYPE*)(ULONG ulCallerData, IMessage* lpMessage);  // MSGCALLRELEASE*
using MAPIGetDefaultMallocFn = IMalloc*(STDMETHODCALLTYPE*)();
using OpenIMsgSessionFn = LONG(STDMETHODCALLTYPE*)(IMalloc* lpMalloc, ULONG ulFlags, MSGSESS** lppMsgSess);
using CloseIMsgSessionFn = void(STDMETHODCALLTYPE*)(MSGSESS* lpMsgSess);
using OpenIMsgOnIStgFn = LONG(STDMETHODCALLTYPE*)(MSGSESS* lpMsgSess, MAPIAllocateBufferFn lpAllocateBuffer,
                                                  MAPIAllocateMoreFn lpAllocateMore, MAPIFreeBufferFn lpFreeBuffer,
                                                  IMalloc* lpMalloc, void* lpMapiSup, IStorage* lpStg,
                                                  MsgCallReleaseFn lpfMsgCallRelease, ULONG ulCallerData,
                                                  ULONG ulFlags, IMessage** lppMsg);

}  // namespace corvane::commapi
