#pragma once
// Office command bars of an Explorer (the menus of Outlook before 2010). Controls are
// found by caption ignoring case and the "&" of access keys, as Office does. A control
// that has been deleted fails on every member.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "corvane/outlook/events.h"
#include "corvane/outlook/object.h"

namespace corvane::outlook {

// MsoControlType and MsoButtonStyle values the add-in uses.
namespace msocontrol {
inline constexpr int Button = 1;
inline constexpr int Popup = 10;
}  // namespace msocontrol
namespace msostyle {
inline constexpr int Automatic = 0;
inline constexpr int Icon = 1;
inline constexpr int Caption = 2;
inline constexpr int IconAndCaption = 3;
}  // namespace msostyle

class CommandBars : public Dispatch {
public:
    virtual int Count() = 0;
    // By name ("Menu Bar", "Standard"); a missing name fails with errors::InvalidCall.
    virtual std::shared_ptr<CommandBar> Item(std::string_view name) = 0;
};

class CommandBar : public Dispatch {
public:
    virtual std::string Name() = 0;
    virtual bool Visible() = 0;
    virtual std::shared_ptr<CommandBarControls> Controls() = 0;
};

class CommandBarControls : public Dispatch {
public:
    virtual int Count() = 0;
    virtual std::shared_ptr<CommandBarControl> Item(int index) = 0;  // 1-based
    // By caption; a missing caption fails with errors::InvalidCall.
    virtual std::shared_ptr<CommandBarControl> Item(std::string_view caption) = 0;
    // A new control of an msocontrol type, before the control at that 1-based position
    // (at the end when none is given). Temporary controls vanish when Outlook closes.
    virtual std::shared_ptr<CommandBarControl> Add(int type, std::optional<int> before, bool temporary) = 0;
};

class CommandBarControl : public Dispatch {
public:
    virtual int Type() = 0;  // msocontrol
    virtual std::string Caption() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual int Index() = 0;  // 1-based position among its siblings
    virtual bool Visible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool BeginGroup() = 0;
    virtual void SetBeginGroup(bool beginGroup) = 0;
    virtual std::string Tag() = 0;
    virtual void SetTag(const std::string& tag) = 0;
    virtual void Delete() = 0;
};

class CommandBarPopup : public CommandBarControl {
public:
    virtual std::shared_ptr<CommandBarControls> Controls() = 0;
};

class CommandBarButton : public CommandBarControl {
public:
    virtual int Style() = 0;  // msostyle
    virtual void SetStyle(int style) = 0;
    virtual int FaceId() = 0;
    virtual void SetFaceId(int faceId) = 0;
    virtual Connection Advise(std::shared_ptr<CommandBarButtonEvents> sink) = 0;
};

}  // namespace corvane::outlook
