// Each event source's events bound to the add-in's sink interfaces: the arguments
// converted (objects through the map, so a handler gets the wrapper the add-in already
// holds), Cancel written back.
#include "sink.h"
#include "wrap.h"

namespace corvane::comoutlook {

namespace ol = outlook;

namespace {

template <class T>
using Wrapper = std::shared_ptr<T> (*)(Objects&, const Dispatched&);

std::shared_ptr<ol::Item> WrapAnyItem(Objects& objects, const Dispatched& object) { return objects.item(object); }
std::shared_ptr<ol::CommandBarButton> WrapButton(Objects& objects, const Dispatched& object) {
    return std::dynamic_pointer_cast<ol::CommandBarButton>(WrapCommandBarControl(objects, object));
}

// The bindings of one sink: each event by its name and the handler's shape.
template <class Sink>
class Binder {
public:
    Binder(Objects& objects, const std::shared_ptr<Sink>& sink) : map_(objects.shared_from_this()), sink_(sink) {}

    // An event without arguments.
    Binder& plain(std::string_view event, void (Sink::*handler)()) {
        return add(event, [handler](Sink& alive, const EventArgs&) { (alive.*handler)(); });
    }
    // An event whose only argument is Cancel.
    Binder& cancelable(std::string_view event, void (Sink::*handler)(bool&)) {
        return add(event, [handler](Sink& alive, const EventArgs& args) {
            args.withCancel(0, [&](bool& cancel) { (alive.*handler)(cancel); });
        });
    }
    // An event with one object.
    template <class T>
    Binder& object(std::string_view event, void (Sink::*handler)(const std::shared_ptr<T>&), Wrapper<T> wrap) {
        return add(event, [map = map_, handler, wrap](Sink& alive, const EventArgs& args) {
            (alive.*handler)(wrap(*map, args.object(0)));
        });
    }
    // An event with one object and Cancel.
    template <class T>
    Binder& objectCancelable(std::string_view event, void (Sink::*handler)(const std::shared_ptr<T>&, bool&),
                             Wrapper<T> wrap) {
        return add(event, [map = map_, handler, wrap](Sink& alive, const EventArgs& args) {
            auto object = wrap(*map, args.object(0));
            args.withCancel(1, [&](bool& cancel) { (alive.*handler)(object, cancel); });
        });
    }
    // An event with a property's name.
    Binder& named(std::string_view event, void (Sink::*handler)(const std::string&)) {
        return add(event, [handler](Sink& alive, const EventArgs& args) { (alive.*handler)(args.text(0)); });
    }
    template <class Handler>
    Binder& add(std::string_view event, Handler handler) {
        bindings_.push_back({event, ForSink(sink_, std::move(handler))});
        return *this;
    }

    template <std::size_t N>
    ol::Connection connect(IDispatch* source, const std::array<EventInterface, N>& interfaces) {
        return ConnectEvents(source, interfaces, std::move(bindings_));
    }
    const std::shared_ptr<Objects>& map() const { return map_; }

private:
    std::shared_ptr<Objects> map_;
    std::weak_ptr<Sink> sink_;
    std::vector<EventBinding> bindings_;
};

}  // namespace

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::ApplicationEvents>& sink) {
    using Sink = ol::ApplicationEvents;
    Binder<Sink> binder(objects, sink);
    binder.plain("Startup", &Sink::Startup)
        .plain("Quit", &Sink::Quit)
        .plain("NewMail", &Sink::NewMail)
        .objectCancelable<ol::Item>("ItemSend", &Sink::ItemSend, WrapAnyItem)
        .add("ItemContextMenuDisplay", [map = binder.map()](Sink& alive, const EventArgs& args) {
            alive.ItemContextMenuDisplay(WrapCommandBar(*map, args.object(0)), WrapSelection(*map, args.object(1)));
        });
    return binder.connect(source, ApplicationSourceEvents);
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::ExplorersEvents>& sink) {
    return Binder(objects, sink)
        .object<ol::Explorer>("NewExplorer", &ol::ExplorersEvents::NewExplorer, WrapExplorer)
        .connect(source, ExplorersSourceEvents);
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::ExplorerEvents>& sink) {
    using Sink = ol::ExplorerEvents;
    return Binder(objects, sink)
        .plain("Activate", &Sink::Activate)
        .plain("Deactivate", &Sink::Deactivate)
        .plain("Close", &Sink::Close)
        .objectCancelable<ol::Folder>("BeforeFolderSwitch", &Sink::BeforeFolderSwitch, WrapFolder)
        .plain("FolderSwitch", &Sink::FolderSwitch)
        .plain("SelectionChange", &Sink::SelectionChange)
        .connect(source, ExplorerSourceEvents);
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::InspectorsEvents>& sink) {
    return Binder(objects, sink)
        .object<ol::Inspector>("NewInspector", &ol::InspectorsEvents::NewInspector, WrapInspector)
        .connect(source, InspectorsSourceEvents);
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::InspectorEvents>& sink) {
    using Sink = ol::InspectorEvents;
    return Binder(objects, sink)
        .plain("Activate", &Sink::Activate)
        .plain("Deactivate", &Sink::Deactivate)
        .plain("Close", &Sink::Close)
        .connect(source, InspectorSourceEvents);
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::ItemEvents>& sink) {
    using Sink = ol::ItemEvents;
    return Binder(objects, sink)
        .cancelable("Open", &Sink::Open)
        .plain("Read", &Sink::Read)
        .cancelable("Write", &Sink::Write)
        .cancelable("Close", &Sink::Close)
        .cancelable("Send", &Sink::Send)
        .objectCancelable<ol::Item>("Reply", &Sink::Reply, WrapAnyItem)
        .objectCancelable<ol::Item>("ReplyAll", &Sink::ReplyAll, WrapAnyItem)
        .objectCancelable<ol::Item>("Forward", &Sink::Forward, WrapAnyItem)
        .named("PropertyChange", &Sink::PropertyChange)
        .named("CustomPropertyChange", &Sink::CustomPropertyChange)
        .connect(source, ItemSourceEvents);
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source,
                            const std::shared_ptr<ol::CommandBarButtonEvents>& sink) {
    return Binder(objects, sink)
        .objectCancelable<ol::CommandBarButton>("Click", &ol::CommandBarButtonEvents::Click, WrapButton)
        .connect(source, CommandBarButtonSourceEvents);
}

}  // namespace corvane::comoutlook
