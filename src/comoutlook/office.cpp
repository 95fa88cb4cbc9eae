// What Office hands an add-in beside Outlook's objects: the COMAddIn at connection, the
// ribbon at its onLoad and the control of each onAction, over IDispatch.
#include "corvane/comoutlook/office.h"

#include "wrap.h"

namespace corvane::comoutlook {

namespace ol = outlook;

namespace {

class ComAddInInstance final : public ol::AddInInstance, public Wrapped {
public:
    static constexpr std::string_view TypeName{"COMAddIn"};
    using Wrapped::Wrapped;

    std::string ProgId() override { return text("ProgId"); }
    std::string Description() override { return text("Description"); }
};

class ComRibbonUI final : public ol::RibbonUI, public Wrapped {
public:
    static constexpr std::string_view TypeName{"IRibbonUI"};
    using Wrapped::Wrapped;

    void Invalidate() override { call("Invalidate"); }
    void InvalidateControl(std::string_view controlId) override { call("InvalidateControl", {Value(controlId)}); }
};

class ComRibbonControl final : public ol::RibbonControl, public Wrapped {
public:
    static constexpr std::string_view TypeName{"IRibbonControl"};
    using Wrapped::Wrapped;

    std::string Id() override { return text("Id"); }
    std::string Tag() override { return text("Tag"); }
};

}  // namespace

std::shared_ptr<ol::AddInInstance> AddInInstanceOf(Objects& objects, IDispatch* addInInst) {
    return objects.wrap<ComAddInInstance>(ComPtr<IDispatch>(addInInst));
}

std::shared_ptr<ol::RibbonUI> RibbonUIOf(Objects& objects, IDispatch* ribbon) {
    return objects.wrap<ComRibbonUI>(ComPtr<IDispatch>(ribbon));
}

std::shared_ptr<ol::RibbonControl> RibbonControlOf(Objects& objects, IDispatch* control) {
    return objects.wrap<ComRibbonControl>(ComPtr<IDispatch>(control));
}

std::shared_ptr<ol::Application> ApplicationIn(Objects& objects, IDispatch* application) {
    return WrapApplication(objects, ComPtr<IDispatch>(application));
}

}  // namespace corvane::comoutlook
