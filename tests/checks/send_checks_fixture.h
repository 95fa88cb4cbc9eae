#pragma once
// The send-time checks called directly, on the simulated Outlook with the add-in process
// and its access component.
#include <gtest/gtest.h>

#include "corvane/access/factory.h"
#include "corvane/core/addin_process.h"
#include "corvane/sim/mapi_views.h"
#include "support/send_scene.h"

namespace corvane::testing {

namespace ol = outlook;
namespace keys = settings::keys;

class SendChecksTest : public ::testing::Test, protected SendScene {
protected:
    SendChecksTest() { process->gOutlook = app; }
    // Every scripted prompt came, and nothing else did.
    void TearDown() override { EXPECT_NO_THROW(ui.finish()) << ui.transcriptText(); }

    std::shared_ptr<access::ComponentFactory> access =
        std::make_shared<access::ComponentFactory>(std::make_shared<sim::SimMapiSubsystem>(app));
    std::unique_ptr<core::AddinProcess> process = std::make_unique<core::AddinProcess>(host, access);
};

}  // namespace corvane::testing
