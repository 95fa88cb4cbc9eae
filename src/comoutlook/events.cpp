// Each event source's events bound to the add-in's sink interfaces: the arguments
// converted (objects through the map, so a handler gets the wrapper the add-in already
// holds), Cancel written back.
#include "sink.h"
#include "wrap.h"

namespace corvane::comoutlook {

namespace ol = outlook;

namespace {

// An event without arguments.
template <class Sink>
EventBinding Plain(std::string_view event, const std::weak_ptr<Sink>& sink, void (Sink::*handler)()) {
    return {event, ForSink(sink, [handler](Sink& alive, const EventArgs&) { (alive.*handler)(); })};
}

// An event whose only argument is Cancel.
template <class Sink>
EventBinding Cancelable(std::string_view event, const std::weak_ptr<Sink>& sink, void (Sink::*handler)(bool&)) {
    return {event, ForSink(sink, [handler](Sink& alive, const EventArgs& args) {
                args.withCancel(0, [&](bool& cancel) { (alive.*handler)(cancel); });
            })};
}

// An item's event with the response item and Cancel.
EventBinding Response(std::string_view event, const std::shared_ptr<Objects>& objects,
                      const std::weak_ptr<ol::ItemEvents>& sink,
                      void (ol::ItemEvents::*handler)(const std::shared_ptr<ol::Item>&, bool&)) {
    return {event, ForSink(sink, [objects, handler](ol::ItemEvents& alive, const EventArgs& args) {
                auto response = objects->item(args.object(0));
                args.withCancel(1, [&](bool& cancel) { (alive.*handler)(response, cancel); });
            })};
}

}  // namespace

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::ApplicationEvents>& sink) {
    using Sink = ol::ApplicationEvents;
    std::weak_ptr<Sink> weak = sink;
    auto map = objects.shared_from_this();
    std::vector<EventBinding> bindings{
        Plain<Sink>("Startup", weak, &Sink::Startup),
        Plain<Sink>("Quit", weak, &Sink::Quit),
        Plain<Sink>("NewMail", weak, &Sink::NewMail),
        {"ItemSend", ForSink(weak,
                             [map](Sink& alive, const EventArgs& args) {
                                 auto item = map->item(args.object(0));
                                 args.withCancel(1, [&](bool& cancel) { alive.ItemSend(item, cancel); });
                             })},
        {"ItemContextMenuDisplay", ForSink(weak,
                                           [map](Sink& alive, const EventArgs& args) {
                                               alive.ItemContextMenuDisplay(WrapCommandBar(*map, args.object(0)),
                                                                            WrapSelection(*map, args.object(1)));
                                           })},
    };
    return ConnectEvents(source, ApplicationSourceEvents, std::move(bindings));
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::ExplorersEvents>& sink) {
    auto map = objects.shared_from_this();
    std::vector<EventBinding> bindings{
        {"NewExplorer", ForSink(std::weak_ptr(sink),
                                [map](ol::ExplorersEvents& alive, const EventArgs& args) {
                                    alive.NewExplorer(WrapExplorer(*map, args.object(0)));
                                })},
    };
    return ConnectEvents(source, ExplorersSourceEvents, std::move(bindings));
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::ExplorerEvents>& sink) {
    using Sink = ol::ExplorerEvents;
    std::weak_ptr<Sink> weak = sink;
    auto map = objects.shared_from_this();
    std::vector<EventBinding> bindings{
        Plain<Sink>("Activate", weak, &Sink::Activate),
        Plain<Sink>("Deactivate", weak, &Sink::Deactivate),
        Plain<Sink>("Close", weak, &Sink::Close),
        {"BeforeFolderSwitch", ForSink(weak,
                                       [map](Sink& alive, const EventArgs& args) {
                                           auto folder = WrapFolder(*map, args.object(0));
                                           args.withCancel(1, [&](bool& cancel) {
                                               alive.BeforeFolderSwitch(folder, cancel);
                                           });
                                       })},
        Plain<Sink>("FolderSwitch", weak, &Sink::FolderSwitch),
        Plain<Sink>("SelectionChange", weak, &Sink::SelectionChange),
    };
    return ConnectEvents(source, ExplorerSourceEvents, std::move(bindings));
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::InspectorsEvents>& sink) {
    auto map = objects.shared_from_this();
    std::vector<EventBinding> bindings{
        {"NewInspector", ForSink(std::weak_ptr(sink),
                                 [map](ol::InspectorsEvents& alive, const EventArgs& args) {
                                     alive.NewInspector(WrapInspector(*map, args.object(0)));
                                 })},
    };
    return ConnectEvents(source, InspectorsSourceEvents, std::move(bindings));
}

ol::Connection AdviseEvents(Objects& /*objects*/, IDispatch* source,
                            const std::shared_ptr<ol::InspectorEvents>& sink) {
    using Sink = ol::InspectorEvents;
    std::weak_ptr<Sink> weak = sink;
    std::vector<EventBinding> bindings{
        Plain<Sink>("Activate", weak, &Sink::Activate),
        Plain<Sink>("Deactivate", weak, &Sink::Deactivate),
        Plain<Sink>("Close", weak, &Sink::Close),
    };
    return ConnectEvents(source, InspectorSourceEvents, std::move(bindings));
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source, const std::shared_ptr<ol::ItemEvents>& sink) {
    using Sink = ol::ItemEvents;
    std::weak_ptr<Sink> weak = sink;
    auto map = objects.shared_from_this();
    auto named = [&weak](std::string_view event, void (Sink::*handler)(const std::string&)) {
        return EventBinding{event, ForSink(weak, [handler](Sink& alive, const EventArgs& args) {
                                (alive.*handler)(args.text(0));
                            })};
    };
    std::vector<EventBinding> bindings{
        Cancelable<Sink>("Open", weak, &Sink::Open),      Plain<Sink>("Read", weak, &Sink::Read),
        Cancelable<Sink>("Write", weak, &Sink::Write),    Cancelable<Sink>("Close", weak, &Sink::Close),
        Cancelable<Sink>("Send", weak, &Sink::Send),      Response("Reply", map, weak, &Sink::Reply),
        Response("ReplyAll", map, weak, &Sink::ReplyAll), Response("Forward", map, weak, &Sink::Forward),
        named("PropertyChange", &Sink::PropertyChange),   named("CustomPropertyChange", &Sink::CustomPropertyChange),
    };
    return ConnectEvents(source, ItemSourceEvents, std::move(bindings));
}

ol::Connection AdviseEvents(Objects& objects, IDispatch* source,
                            const std::shared_ptr<ol::CommandBarButtonEvents>& sink) {
    auto map = objects.shared_from_this();
    std::vector<EventBinding> bindings{
        {"Click", ForSink(std::weak_ptr(sink),
                          [map](ol::CommandBarButtonEvents& alive, const EventArgs& args) {
                              auto button = std::dynamic_pointer_cast<ol::CommandBarButton>(
                                  WrapCommandBarControl(*map, args.object(0)));
                              args.withCancel(1, [&](bool& cancel) { alive.Click(button, cancel); });
                          })},
    };
    return ConnectEvents(source, CommandBarButtonSourceEvents, std::move(bindings));
}

}  // namespace corvane::comoutlook
