// The Word editor of Inspectors, Office command bars, ribbons and creatable classes.
#include <gtest/gtest.h>

#include "corvane/sim/command_bars.h"
#include "corvane/sim/custom_ui.h"
#include "corvane/sim/word.h"
#include "outlook_fixture.h"

namespace corvane::sim::testing {
namespace {

using corvane::testing::FailsWith;

const std::string Template = corvane::testing::World::addinFile("Corvane.dot");

TEST(OutlookWord, Outlook2003UsesWordForMailBeingWrittenWhenChosen) {
    Profile p("11.0.0.8010", true);
    p.app->start();
    auto compose = p.app->composeMail();
    EXPECT_EQ(compose->EditorType(), ol::oleditor::Word);
    EXPECT_TRUE(compose->IsWordMail());
    EXPECT_NE(compose->WordEditor(), nullptr);
    auto read = p.app->openItem(p.received());
    EXPECT_EQ(read->EditorType(), ol::oleditor::Text);
    EXPECT_EQ(read->WordEditor(), nullptr);

    Profile plain("11.0.0.8010", false);
    plain.app->start();
    EXPECT_FALSE(plain.app->composeMail()->IsWordMail());
    Profile modern("12.0.0.6504", false);
    modern.app->start();
    EXPECT_EQ(modern.app->openItem(modern.received())->EditorType(), ol::oleditor::Word);
}

TEST(OutlookWord, TemplatesLoadAsAddInsOnceAndOnlyFromExistingFiles) {
    Profile p("11.0.0.8010", true);
    p.app->start();
    auto word = p.app->composeMail()->WordEditor()->Application();
    auto addIns = word->AddIns();
    EXPECT_THAT([&] { addIns->Add(Template, true); }, FailsWith(platform::errors::WordFileNotFound.number));
    EXPECT_THAT([&] { addIns->Item(Template); }, FailsWith(platform::errors::WordNoSuchMember));

    p.host().files().writeFile(Template, "template");
    auto added = addIns->Add(Template, false);
    EXPECT_FALSE(added->Installed());
    EXPECT_EQ(addIns->Item(Template), added);
    EXPECT_EQ(addIns->Item("Corvane"), added);
    added->SetInstalled(true);
    addIns->Add(Template, true);
    EXPECT_EQ(addIns->Count(), 1);

    auto tmpl = word->Templates()->Item(Template);
    tmpl->SetSaved(false);
    EXPECT_FALSE(p.app->word().findTemplate(Template)->Saved());
}

TEST(OutlookWord, RunCallsTheMacroOfAnInstalledTemplateWithArgumentsByReference) {
    Profile p("11.0.0.8010", true);
    p.host().files().writeFile(Template, "template");
    p.app->word().setTemplateMacros("corvane.dot", [](std::string_view macro, std::vector<ol::Variant>& args) {
        if (macro != "cvEmptySubjectCheckWord") return false;
        args.at(1) = true;  // Cancel
        return true;
    });
    p.app->start();
    auto inspector = p.app->composeMail();
    auto word = inspector->WordEditor()->Application();
    std::vector<ol::Variant> args{std::shared_ptr<ol::Dispatch>(inspector->CurrentItem()), false};

    EXPECT_THAT([&] { word->Run("cvEmptySubjectCheckWord", args); },
                FailsWith(platform::errors::WordMacroNotFound.number));  // not loaded yet
    word->AddIns()->Add(Template, true);
    word->Run("cvEmptySubjectCheckWord", args);

    EXPECT_TRUE(std::get<bool>(args[1]));
    EXPECT_THROW(word->Run("cvNoSuchMacro", args), platform::PlatformError);
    EXPECT_EQ(p.app->word().runLog().size(), 3u);
}

// A wrapper's menu button handler.
struct ClickCounter : ol::CommandBarButtonEvents {
    void Click(const std::shared_ptr<ol::CommandBarButton>&, bool&) override { ++clicks; }
    int clicks = 0;
};

std::shared_ptr<ol::CommandBarButton> GetOrAddMenu(const std::shared_ptr<ol::Explorer>& explorer) {
    auto menuBar = explorer->CommandBars()->Item("Menu Bar");
    std::shared_ptr<ol::CommandBarControl> brand;
    try {
        brand = menuBar->Controls()->Item("Brackenfold");
    } catch (const platform::PlatformError&) {
        auto help = menuBar->Controls()->Item("Help");
        brand = menuBar->Controls()->Add(ol::msocontrol::Popup, help->Index(), true);
        brand->SetCaption("Bracken&fold");
    }
    auto popup = std::dynamic_pointer_cast<ol::CommandBarPopup>(brand);
    try {
        return std::dynamic_pointer_cast<ol::CommandBarButton>(popup->Controls()->Item("Settings"));
    } catch (const platform::PlatformError&) {
        auto button = popup->Controls()->Add(ol::msocontrol::Button, std::nullopt, true);
        button->SetCaption("Settings");
        return std::dynamic_pointer_cast<ol::CommandBarButton>(button);
    }
}

TEST(OutlookCommandBars, MenusAreSharedButClicksReachTheClickedExplorersButtons) {
    Profile p("11.0.0.8010");
    p.app->start();
    auto first = p.app->explorers().front();
    auto second = p.app->openExplorer(p.inbox());
    auto firstButton = GetOrAddMenu(first);
    auto secondButton = GetOrAddMenu(second);
    EXPECT_NE(firstButton, secondButton);
    EXPECT_EQ(p.app->commandBarLayout().describe("Menu Bar").size(), 9u);  // 7 menus, the brand menu, its Settings

    auto firstClicks = std::make_shared<ClickCounter>();
    auto secondClicks = std::make_shared<ClickCounter>();
    auto c1 = firstButton->Advise(firstClicks);
    auto c2 = secondButton->Advise(secondClicks);
    EXPECT_TRUE(second->clickMenu({"Brackenfold", "Settings"}));

    EXPECT_EQ(firstClicks->clicks, 0);
    EXPECT_EQ(secondClicks->clicks, 1);
    auto menuBar = first->CommandBars()->Item("Menu Bar")->Controls();
    EXPECT_EQ(menuBar->Item(7)->Caption(), "Bracken&fold");  // before Help
    EXPECT_FALSE(second->clickMenu({"Brackenfold", "About"}));
}

TEST(OutlookCommandBars, DeletedAndTemporaryControlsAreGone) {
    Profile p;
    p.app->start();
    auto explorer = p.app->explorers().front();
    auto button = GetOrAddMenu(explorer);
    auto brand = explorer->CommandBars()->Item("Menu Bar")->Controls()->Item("brackenfold");
    button->Delete();
    EXPECT_THROW(button->Caption(), platform::PlatformError);
    EXPECT_EQ(std::dynamic_pointer_cast<ol::CommandBarPopup>(brand)->Controls()->Count(), 0);
    GetOrAddMenu(explorer);
    p.app->quit();
    EXPECT_EQ(p.app->commandBarLayout().describe("Menu Bar").size(), 7u);
    EXPECT_THROW(brand->Caption(), platform::PlatformError);
}

struct RibbonAddin : ol::ComAddin, ol::RibbonExtensibility {
    void OnConnection(const std::shared_ptr<ol::Application>&, int,
                      const std::shared_ptr<ol::AddInInstance>&) override {}
    void OnDisconnection(int) override {}
    std::string GetCustomUI(std::string_view id) override {
        asked.emplace_back(id);
        if (id != "Microsoft.Outlook.Explorer") return "";
        return "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" onLoad=\"Ribbon_OnLoad\">"
               "<ribbon><tabs><tab id=\"t\"><group id=\"g\"><button id=\"cmdSettings\" "
               "onAction=\"cbbCVSettings_Click\" label=\"Settings...\"/></group></tab></tabs></ribbon></customUI>";
    }
    bool InvokeCallback(std::string_view name, std::vector<ol::Variant>& args) override {
        calls.emplace_back(name);
        return !args.empty();
    }
    std::vector<std::string> asked;
    std::vector<std::string> calls;
};

TEST(OutlookRibbon, Outlook2010AsksForTheExplorerRibbonAndRoutesItsButtons) {
    Profile p("14.0.0.7015");
    auto addin = std::make_shared<RibbonAddin>();
    p.app->registerAddin("Corvane.Connect", addin);
    p.app->start();
    p.app->composeMail();

    EXPECT_EQ(addin->asked,
              (std::vector<std::string>{"Microsoft.Outlook.Explorer", "Microsoft.Outlook.Mail.Compose"}));
    EXPECT_TRUE(p.app->clickRibbonControl("cmdSettings"));
    EXPECT_FALSE(p.app->clickRibbonControl("cmdNothing"));
    EXPECT_EQ(addin->calls, (std::vector<std::string>{"Ribbon_OnLoad", "cbbCVSettings_Click"}));

    Profile old("11.0.0.8010");
    auto oldAddin = std::make_shared<RibbonAddin>();
    old.app->registerAddin("Corvane.Connect", oldAddin);
    old.app->start();
    old.app->composeMail();
    EXPECT_TRUE(oldAddin->asked.empty());
}

std::string RibbonError(std::string_view xml, int major = 14) {
    auto loaded = CustomUI::Load(xml, major);
    const auto* error = std::get_if<std::string>(&loaded);
    return error ? *error : "loaded";
}

TEST(OutlookRibbon, RibbonsOfficeWouldRefuseLoadNothingAndSayWhereTheyWentWrong) {
    const std::string ns = "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">";
    EXPECT_EQ(RibbonError(ns + "<ribbon><tabs>\n<tab id=\"t\"></tabs></ribbon></customUI>"),
              "line 2, column 15: the XML is not well formed (Start-end tags mismatch)");
    EXPECT_EQ(RibbonError("<customUI><ribbon/></customUI>"),
              "line 1, column 2: customUI is not in a custom UI namespace this Outlook reads (\"\")");
    EXPECT_EQ(RibbonError(ns + "<ribbon/></customUI>", 12),
              "line 1, column 2: customUI is not in a custom UI namespace this Outlook reads "
              "(\"http://schemas.microsoft.com/office/2009/07/customui\")");
    EXPECT_EQ(RibbonError(ns + "<ribbon><tabs><tab id=\"t\"><butto id=\"b\"/></tab></tabs></ribbon></customUI>"),
              "line 1, column 99: the element \"butto\" is not expected in \"tab\"");
    EXPECT_EQ(RibbonError(ns + "<ribbon><tabs><tab id=\"t\"><group id=\"t\"/></tab></tabs></ribbon></customUI>"),
              "line 1, column 99: the id \"t\" is used twice");

    Profile p("14.0.0.7015");
    struct Broken : RibbonAddin {
        std::string GetCustomUI(std::string_view id) override { return RibbonAddin::GetCustomUI(id) + "<x/>"; }
    };
    auto addin = std::make_shared<Broken>();
    p.app->registerAddin("Corvane.Connect", addin);
    p.app->start();
    EXPECT_TRUE(addin->calls.empty());  // no onLoad
    EXPECT_FALSE(p.app->clickRibbonControl("cmdSettings"));
    ASSERT_EQ(p.app->ribbonErrors().size(), 1u);
    EXPECT_EQ(p.app->ribbonErrors()[0].substr(0, 72),
              "ribbon Microsoft.Outlook.Explorer of Corvane.Connect refused: line 1, co");
}

TEST(OutlookClasses, CreateObjectMakesRegisteredClassesOnly) {
    Profile p;
    struct Connect : ol::Dispatch {};
    int made = 0;
    p.app->registerClass("Corvane.Connect", [&] {
        ++made;
        return std::make_shared<Connect>();
    });
    EXPECT_NE(std::dynamic_pointer_cast<Connect>(p.app->CreateObject("corvane.connect")), nullptr);
    EXPECT_EQ(made, 1);
    EXPECT_THAT([&] { p.app->CreateObject("Corvane.Buttons"); }, FailsWith(platform::errors::CannotCreateObject));
}

}  // namespace
}  // namespace corvane::sim::testing
