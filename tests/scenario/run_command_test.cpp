// The exit status of `corvane-sim run` tells held, failed and skipped scenarios apart,
// and negative examples pass only when they fail as they say.
#include <gtest/gtest.h>

#include <sstream>

#include "corvane/scenario/run_command.h"
#include "support/temp_dir.h"

namespace corvane::scenario {
namespace {

struct Files {
    Files() {
        testing::writeAll(dir / "held.yaml", "name: held\nsteps:\n  - start: {addin: false}\n");
        testing::writeAll(dir / "fails.yaml",
                          "name: fails\nsteps:\n  - start: {addin: false}\n  - expect: {outlook: {running: false}}\n");
        testing::writeAll(dir / "skipped.yaml", "name: skipped\nsteps:\n  - start: {}\n");
        testing::writeAll(dir / "broken.yaml", "name: broken\nstep: []\n");
    }
    std::string operator()(const char* name) const { return (dir / name).string(); }
    testing::TempDir dir;
};

int ExitOf(std::vector<std::string> args, std::string* output = nullptr) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCommand(
        args, [](sim::SimApplication&, simhost::SimHost&) { return false; }, out, err);
    if (output) *output = out.str() + err.str();
    return code;
}

TEST(RunCommand, ExitStatusTellsHeldFailedAndSkipped) {
    Files f;
    EXPECT_EQ(ExitOf({f("held.yaml")}), 0);
    EXPECT_EQ(ExitOf({f("held.yaml"), f("skipped.yaml")}), 77);
    EXPECT_EQ(ExitOf({f("held.yaml"), f("skipped.yaml"), f("fails.yaml")}), 1);
    std::string out;
    EXPECT_EQ(ExitOf({f("held.yaml"), f("broken.yaml")}, &out), 1);
    EXPECT_NE(out.find("FAIL " + f("broken.yaml") + ":1: a scenario needs the key \"steps\""), std::string::npos)
        << out;
    EXPECT_NE(out.find("1 held, 1 failed, 0 skipped"), std::string::npos) << out;
}

TEST(RunCommand, ANegativeExamplePassesOnlyWhenItFailsWithItsText) {
    Files f;
    EXPECT_EQ(ExitOf({"--expect-failure", "Outlook running is yes, expected no", f("fails.yaml")}), 0);
    EXPECT_EQ(ExitOf({"--expect-failure", "something else", f("fails.yaml")}), 1);
    EXPECT_EQ(ExitOf({"--expect-failure", "Outlook running", f("held.yaml")}), 1);
    EXPECT_EQ(ExitOf({"--expect-failure", "steps", f("broken.yaml")}), 1);
}

TEST(RunCommand, ABadCommandLineIsRefused) {
    Files f;
    std::string out;
    EXPECT_EQ(ExitOf({}, &out), 2);
    EXPECT_NE(out.find("name at least one scenario file"), std::string::npos);
    EXPECT_EQ(ExitOf({"--verbose", f("held.yaml")}), 2);
    EXPECT_EQ(ExitOf({"--save-profile", f("p.yaml"), f("held.yaml"), f("held.yaml")}), 2);
    EXPECT_EQ(ExitOf({"--save-profile", f("p.yaml"), f("held.yaml")}), 0);
    EXPECT_TRUE(std::filesystem::exists(f.dir / "p.yaml"));
}

}  // namespace
}  // namespace corvane::scenario
