#include "corvane/com/word_bridge.h"

#include <vector>

#include "connect_server.h"
#include "corvane/comoutlook/late.h"
#include "list_object.h"

namespace corvane::com {

namespace {

// A Connect of another apartment or process: its two members for Word by name, each
// argument by reference.
class RemoteConnect final : public outlook::Dispatch, public core::WordEditorVariables {
public:
    explicit RemoteConnect(comoutlook::ComPtr<IDispatch> object) : late_(std::move(object), names_) {}

    void WordEditorVariablesGet(std::shared_ptr<core::SendAcct>& objsnd) override {
        std::vector<comoutlook::Value> args{ListValue(objsnd, objects_)};
        late_.call("WordEditorVariablesGet", args, 0);
        objsnd = ListOf(args[0].object().get());
    }
    void WordEditorVariablesSet(std::shared_ptr<core::SendAcct>& objsnd, bool& blnCancelSend) override {
        std::vector<comoutlook::Value> args{ListValue(objsnd, objects_), comoutlook::Value(blnCancelSend)};
        late_.call("WordEditorVariablesSet", args, 0);
        objsnd = ListOf(args[0].object().get());
        blnCancelSend = args[1].boolean();
    }

private:
    comoutlook::NameCache names_;
    comoutlook::LateBound late_;
    // Items the list's members receive from the other side are wrapped here.
    std::shared_ptr<comoutlook::Objects> objects_ = comoutlook::Objects::Create();
};

}  // namespace

std::shared_ptr<core::WordEditorVariables> ConnectOf(IDispatch* connect) {
    if (connect == nullptr) return nullptr;
    if (auto own = ConnectServer::OwnConnectOf(connect)) return own;
    return std::make_shared<RemoteConnect>(comoutlook::ComPtr<IDispatch>(connect));
}

}  // namespace corvane::com
