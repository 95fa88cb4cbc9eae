#pragma once
// How Outlook finds and loads COM add-ins: each add-in has a key under
// Software\Microsoft\Office\Outlook\Addins named by its ProgId (per user, or for the
// machine), whose LoadBehavior 3 means "load at start-up". Outlook creates the add-in by
// its ProgId through its class registry (the wiring registers the add-in's classes with
// SimApplication::registerClass) and connects it; switching it off in the COM add-ins
// dialog disconnects it with remove mode 1 and stores LoadBehavior 2.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/platform/registry.h"
#include "corvane/sim/application.h"

namespace corvane::sim {

inline constexpr std::string_view OutlookAddinsKey = "Software\\Microsoft\\Office\\Outlook\\Addins";

inline constexpr std::uint32_t LoadAtStartup = 3;
inline constexpr std::uint32_t NotLoaded = 2;

class AddinLoader {
public:
    AddinLoader(platform::Registry& registry, std::shared_ptr<SimApplication> app)
        : registry_(registry), app_(std::move(app)) {}

    // The ProgIds listed for the user and for the machine, the user's first; a ProgId
    // listed in both counts once, with the user's LoadBehavior.
    std::vector<std::string> listedAddins();
    // The LoadBehavior stored for an add-in, 0 when it has none.
    std::uint32_t loadBehavior(std::string_view progId);

    // Creates every add-in whose LoadBehavior is 3 and hands it to Outlook, which connects
    // it when it starts (or at once when it already runs). Returns their ProgIds; one
    // whose class Outlook cannot create is skipped.
    std::vector<std::string> loadStartupAddins();
    // Creates and connects one add-in now, as the COM add-ins dialog does when the user
    // ticks it: LoadBehavior becomes 3. False when its class cannot be created.
    bool switchOn(const std::string& progId);
    // The user unticks the add-in: OnDisconnection with remove mode 1, LoadBehavior 2.
    void switchOff(const std::string& progId);

private:
    std::shared_ptr<outlook::ComAddin> create(const std::string& progId);

    platform::Registry& registry_;
    std::shared_ptr<SimApplication> app_;
};

}  // namespace corvane::sim
