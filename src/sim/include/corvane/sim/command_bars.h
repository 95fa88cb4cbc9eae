#pragma once
// Office command bars. The layout of bars and controls is one for the whole application
// (a control one Explorer adds is found by the next one); each Explorer reaches it through
// its own control objects, so a button's Click reaches the sinks of the Explorer it was
// clicked in.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/outlook/command_bars.h"
#include "corvane/sim/sink_list.h"

namespace corvane::sim {

struct BarNode {
    int type = outlook::msocontrol::Popup;
    std::string caption;
    bool visible = true;
    bool enabled = true;
    bool beginGroup = false;
    bool temporary = false;
    bool deleted = false;
    int style = outlook::msostyle::Automatic;
    int faceId = 0;
    std::string tag;
    std::vector<std::shared_ptr<BarNode>> children;
    std::weak_ptr<BarNode> parent;

    // The visible child whose caption matches, ignoring "&" and case, or nullptr.
    std::shared_ptr<BarNode> find(std::string_view wanted) const;
    // A new child before the 1-based position (at the end for 0).
    static std::shared_ptr<BarNode> addTo(const std::shared_ptr<BarNode>& parent, int type, int before,
                                          bool temporary);
    void remove();
};

// "Bracken&fold" matches "Brackenfold".
bool CaptionMatches(std::string_view caption, std::string_view wanted);

class CommandBarLayout {
public:
    // Outlook's "Menu Bar" (File, Edit, View, Go, Tools, Actions, Help), "Standard" and
    // "Advanced".
    CommandBarLayout();

    struct Bar {
        std::string name;
        bool visible = true;
        std::shared_ptr<BarNode> root;
    };
    std::vector<Bar>& bars() { return bars_; }
    Bar* bar(std::string_view name);
    // Outlook closed: temporary controls are gone.
    void dropTemporary();
    // The captions below a node, for transcripts: "Brackenfold/Corvane/Settings".
    std::vector<std::string> describe(std::string_view barName) const;

private:
    std::vector<Bar> bars_;
};

class SimCommandBars final : public outlook::CommandBars, public std::enable_shared_from_this<SimCommandBars> {
public:
    explicit SimCommandBars(std::shared_ptr<CommandBarLayout> layout);

    int Count() override;
    std::shared_ptr<outlook::CommandBar> Item(std::string_view name) override;

    // The object of this Explorer for a node (always the same one).
    std::shared_ptr<outlook::CommandBarControl> control(const std::shared_ptr<BarNode>& node);
    std::shared_ptr<outlook::CommandBar> bar(const std::string& name, const std::shared_ptr<BarNode>& root);
    // Raises Click on this Explorer's object of the button.
    void click(const std::shared_ptr<BarNode>& node);
    const std::shared_ptr<CommandBarLayout>& layout() const { return layout_; }

private:
    std::shared_ptr<CommandBarLayout> layout_;
    std::map<const BarNode*, std::shared_ptr<outlook::CommandBarControl>> controls_;
    std::map<std::string, std::shared_ptr<outlook::CommandBar>> bars_;
};

// A free-standing bar (the item context menu), with its own objects.
std::shared_ptr<outlook::CommandBar> MakeContextMenu();

}  // namespace corvane::sim
