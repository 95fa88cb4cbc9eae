// Office command bars of an Explorer over IDispatch.
#include "wrap.h"

namespace corvane::comoutlook {

namespace ol = outlook;

namespace {

class ComCommandBars final : public ol::CommandBars, public Wrapped {
public:
    static constexpr std::string_view TypeName{"CommandBars"};
    using Wrapped::Wrapped;

    int Count() override { return number("Count"); }
    std::shared_ptr<ol::CommandBar> Item(std::string_view name) override {
        return WrapCommandBar(objects(), call("Item", {Value(name)}).object());
    }
};

class ComCommandBar final : public ol::CommandBar, public Wrapped {
public:
    static constexpr std::string_view TypeName{"CommandBar"};
    using Wrapped::Wrapped;

    std::string Name() override { return text("Name"); }
    bool Visible() override { return flag("Visible"); }
    std::shared_ptr<ol::CommandBarControls> Controls() override {
        return WrapCommandBarControls(objects(), get("Controls").object());
    }
};

class ComCommandBarControls final : public ol::CommandBarControls, public Wrapped {
public:
    static constexpr std::string_view TypeName{"CommandBarControls"};
    using Wrapped::Wrapped;

    int Count() override { return number("Count"); }
    std::shared_ptr<ol::CommandBarControl> Item(int index) override {
        return WrapCommandBarControl(objects(), call("Item", {Value(index)}).object());
    }
    std::shared_ptr<ol::CommandBarControl> Item(std::string_view caption) override {
        return WrapCommandBarControl(objects(), call("Item", {Value(caption)}).object());
    }
    // Add(Type, Id, Parameter, Before, Temporary): Id and Parameter left out.
    std::shared_ptr<ol::CommandBarControl> Add(int type, std::optional<int> before, bool temporary) override {
        std::vector<Value> args{Value(type), Value::Missing(), Value::Missing(),
                                before ? Value(*before) : Value::Missing(), Value(temporary)};
        return WrapCommandBarControl(objects(), call("Add", std::move(args)).object());
    }
};

template <class Interface>
class ComControlOf : public Interface, public Wrapped {
public:
    using Wrapped::Wrapped;

    int Type() override { return number("Type"); }
    std::string Caption() override { return text("Caption"); }
    void SetCaption(const std::string& caption) override { set("Caption", Value(caption)); }
    int Index() override { return number("Index"); }
    bool Visible() override { return flag("Visible"); }
    void SetVisible(bool visible) override { set("Visible", Value(visible)); }
    bool Enabled() override { return flag("Enabled"); }
    void SetEnabled(bool enabled) override { set("Enabled", Value(enabled)); }
    bool BeginGroup() override { return flag("BeginGroup"); }
    void SetBeginGroup(bool beginGroup) override { set("BeginGroup", Value(beginGroup)); }
    std::string Tag() override { return text("Tag"); }
    void SetTag(const std::string& tag) override { set("Tag", Value(tag)); }
    void Delete() override { call("Delete"); }
};

class ComCommandBarControl final : public ComControlOf<ol::CommandBarControl> {
public:
    static constexpr std::string_view TypeName{"CommandBarControl"};
    using ComControlOf::ComControlOf;
};

class ComCommandBarPopup final : public ComControlOf<ol::CommandBarPopup> {
public:
    static constexpr std::string_view TypeName{"CommandBarPopup"};
    using ComControlOf::ComControlOf;

    std::shared_ptr<ol::CommandBarControls> Controls() override {
        return WrapCommandBarControls(objects(), get("Controls").object());
    }
};

class ComCommandBarButton final : public ComControlOf<ol::CommandBarButton> {
public:
    static constexpr std::string_view TypeName{"CommandBarButton"};
    using ComControlOf::ComControlOf;

    int Style() override { return number("Style"); }
    void SetStyle(int style) override { set("Style", Value(style)); }
    int FaceId() override { return number("FaceId"); }
    void SetFaceId(int faceId) override { set("FaceId", Value(faceId)); }
    ol::Connection Advise(std::shared_ptr<ol::CommandBarButtonEvents> sink) override {
        return AdviseEvents(objects(), dispatch(), sink);
    }
};

}  // namespace

std::shared_ptr<ol::CommandBars> WrapCommandBars(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComCommandBars>(object);
}
std::shared_ptr<ol::CommandBar> WrapCommandBar(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComCommandBar>(object);
}
std::shared_ptr<ol::CommandBarControls> WrapCommandBarControls(Objects& objects, const Dispatched& object) {
    return objects.wrap<ComCommandBarControls>(object);
}

std::shared_ptr<ol::CommandBarControl> WrapCommandBarControl(Objects& objects, const Dispatched& object) {
    if (!object) return nullptr;
    if (auto known = std::dynamic_pointer_cast<ol::CommandBarControl>(objects.known(object))) return known;
    // The control's type picks its wrapper.
    switch (LateBound(object, objects.names(ComCommandBarControl::TypeName)).get("Type").number()) {
        case ol::msocontrol::Button: return objects.wrap<ComCommandBarButton>(object);
        case ol::msocontrol::Popup: return objects.wrap<ComCommandBarPopup>(object);
        default: return objects.wrap<ComCommandBarControl>(object);
    }
}

}  // namespace corvane::comoutlook
