#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "corvane/resources/resource_defaults.h"
#include "corvane/resources/resource_script.h"

using namespace corvane::resources;

TEST(ResourceDefaults, EveryStringIdHasADefaultAndBitmapsHaveNone) {
    for (const ResourceDefault& d : ResourceDefaults()) {
        if (d.isBitmap) {
            EXPECT_FALSE(DefaultResourceString(d.id)) << d.id;
        } else {
            ASSERT_TRUE(DefaultResourceString(d.id)) << d.id;
            EXPECT_FALSE(DefaultResourceString(d.id)->empty()) << d.id;
            EXPECT_LT(DefaultResourceString(d.id)->size(), 256u) << d.id;
        }
    }
    EXPECT_EQ(*DefaultResourceString(resource_id::DownloadPage),
              "https://www.kelderon.example/corvane/download_process.asp");
    EXPECT_EQ(*DefaultResourceString(resource_id::ProductMenu), "Corvane");
    EXPECT_FALSE(DefaultResourceString(999));
}

TEST(ResourceDefaults, SampleLibraryParsesAndCarriesEveryStringId) {
    const char* root = std::getenv("CORVANE_SOURCE_DIR");
    if (root == nullptr) GTEST_SKIP() << "CORVANE_SOURCE_DIR is not set";
    std::ifstream in(std::string(root) + "/examples/addin/Resource.dll", std::ios::binary);
    ASSERT_TRUE(in) << "examples/addin/Resource.dll is missing";
    std::stringstream text;
    text << in.rdbuf();
    auto parsed = ParseResourceScript(text.str());
    ASSERT_FALSE(parsed.error) << "line " << parsed.error->line << ": " << parsed.error->what;
    for (const ResourceDefault& d : ResourceDefaults()) {
        if (!d.isBitmap) {
            EXPECT_EQ(parsed.script.strings.count(d.id), 1u) << d.id;
        }
    }
}
