#pragma once
// The reply checks called directly on a simulated Outlook, without the add-in connected.
#include <gtest/gtest.h>

#include "corvane/access/factory.h"
#include "corvane/core/addin_process.h"
#include "corvane/checks/basCorvane_reply.h"
#include "corvane/outlook/attachments.h"
#include "support/reply_world.h"

namespace corvane::testing {

namespace ol = outlook;
namespace cv = checks::basCorvane;

class ReplyTest : public ::testing::Test, protected ReplyWorld {
protected:
    explicit ReplyTest(std::string version = "11.0.0.8010", std::string workAddress = "john@kelderon.example")
        : ReplyWorld(std::move(version), std::move(workAddress)),
          process(std::make_shared<core::AddinProcess>(
              host, std::make_shared<access::ComponentFactory>(app->mapiSubsystem()))) {
        process->gOutlook = app;
    }

    core::AddinProcess& p() { return *process; }
    std::string transcript() const { return ui.transcriptText(); }
    bool shows(const std::string& part) const { return transcript().find(part) != std::string::npos; }
    // The text of a user property, or "<none>".
    static std::string property(const std::shared_ptr<ol::Item>& item, std::string_view name) {
        auto found = item->UserProperties()->Find(name);
        return found ? found->Value() : "<none>";
    }

    std::shared_ptr<core::AddinProcess> process;
};

}  // namespace corvane::testing
