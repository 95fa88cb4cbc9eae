#pragma once
// The simulated Outlook as Outlook shows itself to an add-in over COM: each object of the
// object model seam gets one face, an IDispatch reached by name (GetIDsOfNames, Invoke)
// with the members Outlook documents, and, for the objects that raise events, connection
// points for Outlook's event dispinterfaces (described by a type library made in memory,
// so a sink can read the events' dispatch identifiers from it). The same seam object
// always gives the same face, so COM identity is the seam's identity. A failure inside
// the object model answers DISP_E_EXCEPTION with Outlook's number (scode) and text.
//
// The faces count what crosses them: every Invoke per object and per member, every name
// lookup, every AddRef and Release, so a test can tell how many calls an add-in made and
// that it let go of every reference it took. The Extended-MAPI objects behind MAPIOBJECT
// (the NameSpace's session, folders, items' messages and their tables, address entries,
// the account manager) count their calls per interface method.
#include <oaidl.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "corvane/mapi/fwd.h"
#include "corvane/outlook/fwd.h"
#include "corvane/outlook/object.h"

namespace corvane::simcom {

class Face;

struct Counts {
    std::uint64_t invokes = 0;      // Invoke calls answered (events raised are not counted)
    std::uint64_t nameLookups = 0;  // GetIDsOfNames calls
    std::uint64_t addRefs = 0;
    std::uint64_t releases = 0;
    std::uint64_t mapiCalls = 0;  // calls on the MAPI objects behind MAPIOBJECT
};

class Faces : public std::enable_shared_from_this<Faces> {
public:
    // The faces of an Outlook of that major version (its connection points offer the event
    // interfaces that version has). From Outlook 2003 on, Outlook's account manager is
    // offered to CoCreateInstance in this process while the faces live.
    static std::shared_ptr<Faces> Create(int outlookMajor = 15);
    ~Faces();
    Faces(const Faces&) = delete;
    Faces& operator=(const Faces&) = delete;

    // The face of a seam object with a new reference for the caller (nullptr for Nothing).
    IDispatch* faceOf(const std::shared_ptr<outlook::Dispatch>& object);
    // The seam object behind one of these faces; nullptr for anything else.
    std::shared_ptr<outlook::Dispatch> objectOf(IUnknown* face) const;
    // The seam object shown by a live face, as its owner holds it; nullptr without a face.
    std::shared_ptr<outlook::Dispatch> objectOf(const outlook::Dispatch& object) const;

    int outlookMajor() const noexcept { return outlookMajor_; }
    // The Application last shown through a face (what an item's Session is reached from).
    std::shared_ptr<outlook::Application> application() const { return application_.lock(); }
    const Counts& counts() const noexcept { return counts_; }
    // The Invoke calls per "Type.Member" (the type as Outlook names its interface).
    const std::map<std::string, std::uint64_t>& callsByMember() const noexcept { return byMember_; }
    // The Invoke calls one face answered (0 for a face that is gone).
    std::uint64_t callsOf(IDispatch* face) const;
    // The MAPI calls per "Interface.Method" (IMessage.GetProps, IMAPITable.QueryRows...).
    const std::map<std::string, std::uint64_t>& mapiCallsByMethod() const noexcept { return mapiByMethod_; }
    // The MAPI objects handed out and not yet released.
    std::size_t mapiLive() const noexcept { return mapiLive_; }
    // The faces alive, and the references held on them (by anyone).
    std::size_t live() const noexcept { return faces_.size(); }
    std::uint64_t references() const noexcept { return counts_.addRefs - counts_.releases; }
    // Counting starts again from zero (the faces alive stay).
    void resetCounts();

    // For Face only.
    Counts& mutableCounts() noexcept { return counts_; }
    void countCall(const std::string& typeAndMember) { ++byMember_[typeAndMember]; }
    void forget(const void* identity);
    // For the MAPI objects only.
    void countMapiCall(const std::string& interfaceAndMethod) {
        ++counts_.mapiCalls;
        ++mapiByMethod_[interfaceAndMethod];
    }
    void mapiObjectMade() noexcept { ++mapiLive_; }
    void mapiObjectGone() noexcept { --mapiLive_; }

private:
    explicit Faces(int outlookMajor) : outlookMajor_(outlookMajor) {}
    int outlookMajor_;
    std::map<const void*, Face*> faces_;
    Counts counts_;
    std::map<std::string, std::uint64_t> byMember_;
    std::map<std::string, std::uint64_t> mapiByMethod_;
    std::size_t mapiLive_ = 0;
    unsigned long accountManager_ = 0;  // the class object's registration
    std::weak_ptr<outlook::Application> application_;
};

// The Extended-MAPI subsystem an add-in run against these faces logs on with (where
// mapi32.dll's MAPILogonEx would give it a session): each Logon is a session of `profile`
// (the simulated profile's own subsystem) shown as an IMAPISession face and read through the
// add-in's MAPI layer, so its calls are counted like those on Outlook's own session.
std::shared_ptr<mapi::Subsystem> LogonSubsystem(const std::shared_ptr<Faces>& faces,
                                                std::shared_ptr<mapi::Subsystem> profile);

}  // namespace corvane::simcom
