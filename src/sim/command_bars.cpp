#include "corvane/sim/command_bars.h"

#include <algorithm>

#include "corvane/platform/error.h"
#include "corvane/sim/failure.h"
#include "corvane/text/text.h"

namespace corvane::sim {

namespace ol = outlook;

namespace {

std::string WithoutAccessKeys(std::string_view caption) {
    std::string out;
    for (char c : caption) {
        if (c != '&') out += c;
    }
    return out;
}

}  // namespace

bool CaptionMatches(std::string_view caption, std::string_view wanted) {
    return text::equalsNoCase(WithoutAccessKeys(caption), WithoutAccessKeys(wanted));
}

std::shared_ptr<BarNode> BarNode::find(std::string_view wanted) const {
    for (const auto& c : children) {
        if (CaptionMatches(c->caption, wanted)) return c;
    }
    return nullptr;
}

std::shared_ptr<BarNode> BarNode::addTo(const std::shared_ptr<BarNode>& parent, int controlType, int before,
                                        bool isTemporary) {
    auto node = std::make_shared<BarNode>();
    node->type = controlType;
    node->temporary = isTemporary;
    node->parent = parent;
    auto& list = parent->children;
    std::size_t at = list.size();
    if (before >= 1 && static_cast<std::size_t>(before) <= list.size()) at = static_cast<std::size_t>(before - 1);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), node);
    return node;
}

void BarNode::remove() {
    deleted = true;
    // Each child takes itself out of `children` as it goes.
    const auto gone = std::move(children);
    children.clear();
    for (const auto& c : gone) c->remove();
    if (auto p = parent.lock()) std::erase_if(p->children, [this](const auto& c) { return c.get() == this; });
}

namespace {

void DropTemporary(BarNode& node) {
    std::vector<std::shared_ptr<BarNode>> kept;
    for (const auto& c : node.children) {
        if (c->temporary) {
            c->deleted = true;
        } else {
            DropTemporary(*c);
            kept.push_back(c);
        }
    }
    node.children = std::move(kept);
}

std::shared_ptr<BarNode> MakeBar(std::initializer_list<const char*> popups) {
    auto root = std::make_shared<BarNode>();
    for (const char* caption : popups) {
        BarNode::addTo(root, ol::msocontrol::Popup, 0, false)->caption = caption;
    }
    return root;
}

void Describe(const BarNode& node, const std::string& prefix, std::vector<std::string>& out) {
    for (const auto& c : node.children) {
        auto path = prefix.empty() ? WithoutAccessKeys(c->caption) : prefix + "/" + WithoutAccessKeys(c->caption);
        if (c->beginGroup) out.push_back(prefix.empty() ? "----" : prefix + "/----");
        out.push_back(path);
        Describe(*c, path, out);
    }
}

}  // namespace

CommandBarLayout::CommandBarLayout() {
    bars_.push_back({"Menu Bar", true, MakeBar({"&File", "&Edit", "&View", "&Go", "&Tools", "&Actions", "&Help"})});
    bars_.push_back({"Standard", true, MakeBar({})});
    bars_.push_back({"Advanced", false, MakeBar({})});
}

CommandBarLayout::Bar* CommandBarLayout::bar(std::string_view name) {
    for (auto& b : bars_) {
        if (CaptionMatches(b.name, name)) return &b;
    }
    return nullptr;
}

void CommandBarLayout::dropTemporary() {
    for (auto& b : bars_) DropTemporary(*b.root);
}

std::vector<std::string> CommandBarLayout::describe(std::string_view barName) const {
    std::vector<std::string> out;
    for (const auto& b : bars_) {
        if (CaptionMatches(b.name, barName)) Describe(*b.root, "", out);
    }
    return out;
}

// The objects -------------------------------------------------------------------------

namespace {

class SimBarControls;

template <class Interface>
class ControlBase : public Interface {
public:
    ControlBase(std::weak_ptr<SimCommandBars> owner, std::shared_ptr<BarNode> node)
        : owner_(std::move(owner)), node_(std::move(node)) {}
    int Type() override { return live().type; }
    std::string Caption() override { return live().caption; }
    void SetCaption(const std::string& c) override { live().caption = c; }
    int Index() override {
        auto& n = live();
        auto parent = n.parent.lock();
        if (!parent) return 1;
        for (std::size_t i = 0; i < parent->children.size(); ++i) {
            if (parent->children[i].get() == &n) return static_cast<int>(i + 1);
        }
        return 1;
    }
    bool Visible() override { return live().visible; }
    void SetVisible(bool v) override { live().visible = v; }
    bool Enabled() override { return live().enabled; }
    void SetEnabled(bool e) override { live().enabled = e; }
    bool BeginGroup() override { return live().beginGroup; }
    void SetBeginGroup(bool b) override { live().beginGroup = b; }
    std::string Tag() override { return live().tag; }
    void SetTag(const std::string& t) override { live().tag = t; }
    void Delete() override { live().remove(); }

protected:
    BarNode& live() {
        if (node_->deleted) Raise(errors::OperationFailed);
        return *node_;
    }
    std::weak_ptr<SimCommandBars> owner_;
    std::shared_ptr<BarNode> node_;
};

class SimBarControls final : public ol::CommandBarControls {
public:
    SimBarControls(std::weak_ptr<SimCommandBars> owner, std::shared_ptr<BarNode> node)
        : owner_(std::move(owner)), node_(std::move(node)) {}
    int Count() override { return static_cast<int>(live().children.size()); }
    std::shared_ptr<ol::CommandBarControl> Item(int index) override {
        auto& n = live();
        return owner()->control(ItemAt(n.children, index, errors::InvalidCall));
    }
    std::shared_ptr<ol::CommandBarControl> Item(std::string_view caption) override {
        auto child = live().find(caption);
        if (!child) Raise(errors::InvalidCall);
        return owner()->control(child);
    }
    std::shared_ptr<ol::CommandBarControl> Add(int type, std::optional<int> before, bool temporary) override {
        if (type != ol::msocontrol::Button && type != ol::msocontrol::Popup) Raise(errors::InvalidCall);
        auto& n = live();
        if (before && (*before < 1 || static_cast<std::size_t>(*before) > n.children.size() + 1)) {
            Raise(errors::InvalidCall);
        }
        return owner()->control(BarNode::addTo(node_, type, before.value_or(0), temporary));
    }

private:
    BarNode& live() {
        if (node_->deleted) Raise(errors::OperationFailed);
        return *node_;
    }
    std::shared_ptr<SimCommandBars> owner() const {
        auto o = owner_.lock();
        if (!o) Raise(errors::OperationFailed);
        return o;
    }
    std::weak_ptr<SimCommandBars> owner_;
    std::shared_ptr<BarNode> node_;
};

class SimPopup final : public ControlBase<ol::CommandBarPopup> {
public:
    using ControlBase::ControlBase;
    std::shared_ptr<ol::CommandBarControls> Controls() override {
        live();
        return std::make_shared<SimBarControls>(owner_, node_);
    }
};

class SimButton final : public ControlBase<ol::CommandBarButton>, public std::enable_shared_from_this<SimButton> {
public:
    using ControlBase::ControlBase;
    int Style() override { return live().style; }
    void SetStyle(int s) override { live().style = s; }
    int FaceId() override { return live().faceId; }
    void SetFaceId(int f) override { live().faceId = f; }
    ol::Connection Advise(std::shared_ptr<ol::CommandBarButtonEvents> sink) override {
        live();
        return sinks_.add(std::move(sink));
    }
    void click() {
        auto self = shared_from_this();
        bool cancelDefault = false;
        sinks_.raise([&](ol::CommandBarButtonEvents& s) { s.Click(self, cancelDefault); });
    }

private:
    SinkList<ol::CommandBarButtonEvents> sinks_;
};

class SimBar final : public ol::CommandBar {
public:
    SimBar(std::weak_ptr<SimCommandBars> owner, std::string name, std::shared_ptr<BarNode> root, bool visible)
        : owner_(std::move(owner)), name_(std::move(name)), root_(std::move(root)), visible_(visible) {}
    std::string Name() override { return name_; }
    bool Visible() override { return visible_; }
    std::shared_ptr<ol::CommandBarControls> Controls() override {
        return std::make_shared<SimBarControls>(owner_, root_);
    }

private:
    std::weak_ptr<SimCommandBars> owner_;
    std::string name_;
    std::shared_ptr<BarNode> root_;
    bool visible_;
};

}  // namespace

SimCommandBars::SimCommandBars(std::shared_ptr<CommandBarLayout> layout) : layout_(std::move(layout)) {}

int SimCommandBars::Count() { return static_cast<int>(layout_->bars().size()); }

std::shared_ptr<ol::CommandBar> SimCommandBars::Item(std::string_view name) {
    auto* b = layout_->bar(name);
    if (!b) Raise(errors::InvalidCall);
    return bar(b->name, b->root);
}

std::shared_ptr<ol::CommandBar> SimCommandBars::bar(const std::string& name, const std::shared_ptr<BarNode>& root) {
    auto& slot = bars_[name];
    if (!slot) slot = std::make_shared<SimBar>(weak_from_this(), name, root, true);
    return slot;
}

std::shared_ptr<ol::CommandBarControl> SimCommandBars::control(const std::shared_ptr<BarNode>& node) {
    auto& slot = controls_[node.get()];
    if (!slot) {
        if (node->type == ol::msocontrol::Button) {
            slot = std::make_shared<SimButton>(weak_from_this(), node);
        } else {
            slot = std::make_shared<SimPopup>(weak_from_this(), node);
        }
    }
    return slot;
}

void SimCommandBars::click(const std::shared_ptr<BarNode>& node) {
    if (auto button = std::dynamic_pointer_cast<SimButton>(control(node))) button->click();
}

std::shared_ptr<ol::CommandBar> MakeContextMenu() {
    auto layout = std::make_shared<CommandBarLayout>();
    auto bars = std::make_shared<SimCommandBars>(layout);
    // The bar object keeps its layout node alive; the holder keeps the controls' owner.
    struct Holder final : ol::CommandBar {
        std::shared_ptr<SimCommandBars> bars;
        std::shared_ptr<ol::CommandBar> bar;
        std::string Name() override { return bar->Name(); }
        bool Visible() override { return bar->Visible(); }
        std::shared_ptr<ol::CommandBarControls> Controls() override { return bar->Controls(); }
    };
    auto holder = std::make_shared<Holder>();
    holder->bars = bars;
    holder->bar = bars->bar("Context Menu", std::make_shared<BarNode>());
    return holder;
}

}  // namespace corvane::sim
