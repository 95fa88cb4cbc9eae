#pragma once
// The dispinterfaces Outlook and Office raise their events through, with their
// identifiers, and for each event source the ones it may have, newest first: a source is
// connected through the first its connection points know (Outlook 2000 and 2002 lack the
// _10 and _11 versions). The events' dispatch identifiers are not listed here: they are
// read by name from the source's own type information when it is connected.
#include <guiddef.h>

#include <array>
#include <string_view>

namespace corvane::comoutlook {

struct EventInterface {
    std::string_view name;
    GUID iid;
};

// Outlook's and Office's interfaces share one pattern: {xxxxxxxx-0000-0000-C000-000000000046}.
constexpr GUID OfficeGuid(unsigned long first) { return GUID{first, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}; }

// Outlook's Application.
inline constexpr EventInterface ApplicationEvents_11{"ApplicationEvents_11", OfficeGuid(0x0006302C)};
inline constexpr EventInterface ApplicationEvents_10{"ApplicationEvents_10", OfficeGuid(0x0006300E)};
inline constexpr EventInterface ApplicationEvents{"ApplicationEvents", OfficeGuid(0x0006304E)};
// Explorers and each Explorer.
inline constexpr EventInterface ExplorersEvents{"ExplorersEvents", OfficeGuid(0x00063078)};
inline constexpr EventInterface ExplorerEvents_10{"ExplorerEvents_10", OfficeGuid(0x0006300F)};
inline constexpr EventInterface ExplorerEvents{"ExplorerEvents", OfficeGuid(0x0006304F)};
// Inspectors and each Inspector.
inline constexpr EventInterface InspectorsEvents{"InspectorsEvents", OfficeGuid(0x00063079)};
inline constexpr EventInterface InspectorEvents_10{"InspectorEvents_10", OfficeGuid(0x0006302A)};
inline constexpr EventInterface InspectorEvents{"InspectorEvents", OfficeGuid(0x0006307D)};
// Every item.
inline constexpr EventInterface ItemEvents_10{"ItemEvents_10", OfficeGuid(0x0006302B)};
inline constexpr EventInterface ItemEvents{"ItemEvents", OfficeGuid(0x0006303A)};
// Office's command bar button.
inline constexpr EventInterface CommandBarButtonEvents{"_CommandBarButtonEvents", OfficeGuid(0x000C0351)};

// What each source may raise its events through, newest first.
inline constexpr std::array ApplicationSourceEvents{ApplicationEvents_11, ApplicationEvents_10, ApplicationEvents};
inline constexpr std::array ExplorersSourceEvents{ExplorersEvents};
inline constexpr std::array ExplorerSourceEvents{ExplorerEvents_10, ExplorerEvents};
inline constexpr std::array InspectorsSourceEvents{InspectorsEvents};
inline constexpr std::array InspectorSourceEvents{InspectorEvents_10, InspectorEvents};
inline constexpr std::array ItemSourceEvents{ItemEvents_10, ItemEvents};
inline constexpr std::array CommandBarButtonSourceEvents{CommandBarButtonEvents};

}  // namespace corvane::comoutlook
