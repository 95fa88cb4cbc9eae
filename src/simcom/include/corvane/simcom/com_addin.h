#pragma once
// A COM add-in as the simulated Outlook loads it: the class of a ProgId created in process
// (CoCreateInstance), and the seam's add-in calls made on it as Outlook makes them, through
// IDTExtensibility2 and IRibbonExtensibility with the ribbon's callbacks by name, Outlook's
// objects handed over as their faces. The simulated Outlook's own loading (registerAddin,
// start, quit) then drives a real DLL.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/outlook/addin.h"
#include "corvane/simcom/faces.h"

namespace corvane::simcom {

class ComAddinClient final : public outlook::ComAddin, public outlook::RibbonExtensibility {
public:
    // The add-in registered under the ProgId; fails with errors::CannotCreateObject.
    static std::shared_ptr<ComAddinClient> Create(std::shared_ptr<Faces> faces, std::string_view progId);
    // An add-in object already made (by a class linked into the program); fails with
    // errors::CannotCreateObject when it is no IDTExtensibility2.
    static std::shared_ptr<ComAddinClient> Create(std::shared_ptr<Faces> faces, IUnknown* addin);
    ~ComAddinClient() override;
    ComAddinClient(const ComAddinClient&) = delete;
    ComAddinClient& operator=(const ComAddinClient&) = delete;

    void OnConnection(const std::shared_ptr<outlook::Application>& application, int connectMode,
                      const std::shared_ptr<outlook::AddInInstance>& addInInst) override;
    void OnDisconnection(int removeMode) override;
    void OnAddInsUpdate() override;
    void OnStartupComplete() override;
    void OnBeginShutdown() override;
    std::string GetCustomUI(std::string_view ribbonId) override;
    bool InvokeCallback(std::string_view name, std::vector<outlook::Variant>& args) override;

private:
    struct Com;
    ComAddinClient(std::shared_ptr<Faces> faces, std::unique_ptr<Com> com);
    std::shared_ptr<Faces> faces_;
    std::unique_ptr<Com> com_;
};

}  // namespace corvane::simcom
