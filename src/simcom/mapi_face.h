#pragma once
// What the Extended-MAPI objects behind MAPIOBJECT share (private to simcom): the counted
// IUnknown, MAPI's answer for a failure inside the simulated profile, IMAPIProp over a
// property object, and a table whose rows are read on demand.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "corvane/commapi/interfaces.h"
#include "corvane/commapi/ref_counted.h"
#include "corvane/commapi/values.h"
#include "corvane/platform/error.h"
#include "mapi_faces.h"

namespace corvane::simcom {

inline constexpr HRESULT MapiNoSupport = platform::errors::MapiNoSupport.number;
inline constexpr HRESULT MapiNotFound = platform::errors::MapiNotFound.number;
inline constexpr HRESULT MapiNotEnoughMemory = platform::errors::MapiNotEnoughMemory.number;

// A MAPI failure thrown inside the simulated profile, as the HRESULT MAPI answers.
template <class Body>
HRESULT Answer(Body body) {
    try {
        return body();
    } catch (const platform::PlatformError& e) {
        return static_cast<HRESULT>(e.number());
    } catch (...) {
        return E_FAIL;
    }
}

// Reference counting, QueryInterface for the interfaces given and the counting of calls;
// each object made counts as a MAPI object alive on its Faces until its last Release.
template <class Interface>
class MapiFace : public commapi::RefCounted<MapiFace<Interface>, Interface> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        for (const IID* offered : iids_) {
            if (iid == *offered) *out = this;
        }
        if (iid == IID_IUnknown) *out = this;
        if (*out == nullptr) *out = answers(iid);
        if (*out == nullptr) return E_NOINTERFACE;
        this->AddRef();
        return S_OK;
    }
    virtual ~MapiFace() { faces_->mapiObjectGone(); }
    MapiFace(const MapiFace&) = delete;
    MapiFace& operator=(const MapiFace&) = delete;

protected:
    MapiFace(std::shared_ptr<Faces> faces, std::string name, std::vector<const IID*> iids)
        : faces_(std::move(faces)), name_(std::move(name)), iids_(std::move(iids)) {
        faces_->mapiObjectMade();
    }
    // A further interface the object answers, with the pointer to hand out.
    virtual void* answers(REFIID) { return nullptr; }
    void count(const char* method) { faces_->countMapiCall(name_ + "." + method); }
    std::shared_ptr<Faces> faces_;

private:
    std::string name_;
    std::vector<const IID*> iids_;
};

#define CORVANE_NO_SUPPORT(name, ...)                      \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { \
        this->count(#name);                                \
        return MapiNoSupport;                              \
    }

// Reads one property of a row or an object; empty when it lacks it.
using PropReader = std::function<mapi::PropValue(mapi::PropTag)>;

// The values of `tags` as one block of MAPI's memory; a value missing is PT_ERROR and sets
// `missing`. nullptr when the block cannot be made.
commapi::SPropValue* BlockOf(const std::vector<ULONG>& tags, const PropReader& read, bool& missing);

// IMAPIProp over a property object of the simulated profile: what the caller names is read
// (through `read`, the object's Fields unless a face adds properties of its own), what it
// writes is written at once; SaveChanges saves a message.
template <class Interface>
class PropFace : public MapiFace<Interface> {
public:
    HRESULT STDMETHODCALLTYPE GetProps(commapi::SPropTagArray* tags, ULONG, ULONG* count,
                                       commapi::SPropValue** out) override {
        this->count("GetProps");
        // The whole property list is not offered: the caller names what it reads.
        if (tags == nullptr || count == nullptr || out == nullptr) return MapiNoSupport;
        return Answer([&]() -> HRESULT {
            constexpr HRESULT ErrorsReturned = 0x00040380;  // MAPI_W_ERRORS_RETURNED
            std::vector<ULONG> asked(tags->aulPropTag, tags->aulPropTag + tags->cValues);
            bool missing = false;
            *out = BlockOf(
                asked, [this](mapi::PropTag tag) { return read(tag); }, missing);
            if (*out == nullptr) return MapiNotEnoughMemory;
            *count = tags->cValues;
            return missing ? ErrorsReturned : S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE SetProps(ULONG n, commapi::SPropValue* values,
                                       commapi::SPropProblemArray** problems) override {
        this->count("SetProps");
        if (problems != nullptr) *problems = nullptr;
        return Answer([&]() -> HRESULT {
            for (ULONG i = 0; i < n; ++i) object_->SetFields(values[i].ulPropTag, commapi::ValueOf(values[i]));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE SaveChanges(ULONG) override {
        this->count("SaveChanges");
        return Answer([&]() -> HRESULT {
            if (auto* message = dynamic_cast<mapi::Message*>(object_.get())) message->Save();
            return S_OK;
        });
    }
    CORVANE_NO_SUPPORT(GetLastError, HRESULT, ULONG, commapi::MAPIERROR**)
    CORVANE_NO_SUPPORT(GetPropList, ULONG, commapi::SPropTagArray**)
    CORVANE_NO_SUPPORT(OpenProperty, ULONG, const IID*, ULONG, ULONG, IUnknown**)
    CORVANE_NO_SUPPORT(DeleteProps, commapi::SPropTagArray*, commapi::SPropProblemArray**)
    CORVANE_NO_SUPPORT(CopyTo, ULONG, const IID*, commapi::SPropTagArray*, ULONG_PTR, commapi::IMAPIProgress*,
                       const IID*, void*, ULONG, commapi::SPropProblemArray**)
    CORVANE_NO_SUPPORT(CopyProps, commapi::SPropTagArray*, ULONG_PTR, commapi::IMAPIProgress*, const IID*, void*,
                       ULONG, commapi::SPropProblemArray**)
    CORVANE_NO_SUPPORT(GetNamesFromIDs, commapi::SPropTagArray**, GUID*, ULONG, ULONG*, commapi::MAPINAMEID***)
    CORVANE_NO_SUPPORT(GetIDsFromNames, ULONG, commapi::MAPINAMEID**, ULONG, commapi::SPropTagArray**)

protected:
    PropFace(std::shared_ptr<Faces> faces, std::string name, std::vector<const IID*> iids,
             std::shared_ptr<mapi::PropertyObject> object)
        : MapiFace<Interface>(std::move(faces), std::move(name), std::move(iids)), object_(std::move(object)) {}
    virtual mapi::PropValue read(mapi::PropTag tag) { return object_->Fields(tag); }
    std::shared_ptr<mapi::PropertyObject> object_;
};

// A table of `rows` rows whose values are read when QueryRows hands them out: `read(row,
// tag)`; the columns are `columns` until SetColumns chooses others.
using RowReader = std::function<mapi::PropValue(std::size_t row, mapi::PropTag tag)>;
commapi::IMAPITable* NewTable(std::shared_ptr<Faces> faces, std::size_t rows, RowReader read,
                              std::vector<ULONG> columns);

// The entry id of hex text as MAPI's bytes and back.
mapi::Binary EntryBytes(ULONG size, const commapi::ENTRYID* id);
mapi::PropValue EntryIdValue(const std::string& hex);

// OpenEntry of a session (or a store, with its id): the message of the entry id, else the
// folder; `type` gets MAPI's object type.
HRESULT OpenById(Faces& faces, const MapiObjectValue& session, const mapi::Binary& id, const std::string& storeId,
                 ULONG* type, IUnknown** out);

}  // namespace corvane::simcom
