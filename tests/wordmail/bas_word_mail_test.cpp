// Loading the Word template into the Word behind a message window: the states of Word's
// add-in list the add-in meets, and the Outlook 2002 build that decides the way to Word.
#include "corvane/wordmail/bas_word_mail.h"
#include "corvane/sim/inspector.h"
#include "corvane/sim/word.h"
#include "support/world.h"

namespace corvane::wordmail {
namespace {

class TemplateLoading : public testing::WorldTest {
protected:
    TemplateLoading() : WorldTest(testing::OutlookSetup{"11.0.0.8010", true}) {}
    std::shared_ptr<outlook::Inspector> window() {
        return app->openItem(draft({.subject = "Plans", .to = {entry("ann@example.com")}}));
    }
    const std::string path = addinFile("Corvane.dot");
    WordTemplate word;
};

TEST_F(TemplateLoading, ATemplateListedUnderItsFullPathIsOnlySwitchedOn) {
    host().files().writeFile(path, "x");
    app->word().addAddIn(path, false);
    auto inspector = window();
    word.LoadAddin(process(), inspector, TemplateName);
    word.LoadAddin(process(), inspector, TemplateName);
    ASSERT_EQ(app->word().addIns().size(), 1u);
    EXPECT_TRUE(app->word().addIns().front()->Installed());
}

TEST_F(TemplateLoading, AMissingTemplateAddsNothingAndSaysNothing) {
    word.LoadAddin(process(), window(), TemplateName);
    EXPECT_TRUE(app->word().addIns().empty());
}

TEST_F(TemplateLoading, TheAddedTemplateIsInstalledAndMarkedUnchanged) {
    host().files().writeFile(path, "x");
    auto inspector = window();
    word.LoadAddin(process(), inspector, TemplateName);
    ASSERT_EQ(app->word().addIns().size(), 1u);
    EXPECT_EQ(app->word().addIns().front()->FullName(), path);
    EXPECT_TRUE(app->word().addIns().front()->Installed());
    auto dot = app->word().findTemplate(path);
    ASSERT_TRUE(dot);
    dot->SetSaved(false);
    word.TemplateMarkSaved(process(), inspector, TemplateName);
    EXPECT_TRUE(dot->Saved());
}

TEST(Outlook2002LateBuild, IsBuild6515OrLaterOfOutlook2002Only) {
    for (const auto& [version, late] : {std::pair{"10.0.0.6514", false}, std::pair{"10.0.0.6515", true},
                                        std::pair{"10.0.0.7000", true}, std::pair{"11.0.0.6515", false}}) {
        testing::World world(testing::OutlookSetup{version, true});
        EXPECT_EQ(WordTemplate().IsOutlook2002LateBuild(world.process()), late) << version;
    }
}

}  // namespace
}  // namespace corvane::wordmail
