// The reader's line rules on a file's text; the whole road (start-up, export, the file's
// places) is in examples/settingsfile-*.yaml.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "corvane/settings/setting_keys.h"
#include "corvane/settingsfile/mod_load_settings.h"
#include "corvane/simhost/registry.h"
#include "support/platform_error.h"

namespace corvane::settingsfile::modLoadSettings {
namespace {

using testing::FailsWith;
using ::testing::HasSubstr;

struct Reader {
    simhost::SimRegistry registry;
    settings::SettingStore store{registry};
    core::SettingsFileReaderState state;

    void read(std::string_view content, unsigned codePage = 1252) {
        ReadSettingsText(state, store, content, codePage, "C:\\Admin\\Corvane_Settings.ini");
    }
    std::string get(std::string_view key) { return store.GetSetting(key, "(missing)"); }
};

TEST(SettingsFileReader, TheLockSectionDropsItsMarkersKeepsPasswordAnEntryAndNeverCloses) {
    Reader r;
    r.read(
        "'[Enable Fields]\r\n  '  \r\nPassword=a=b\r\nSpam_Marks=yes\r\n\r\n'[/Enable Fields]\r\n"
        "PlaySound=True\r\n'\r\n");
    EXPECT_EQ(r.get(settings::keys::Password), "a=b");
    EXPECT_EQ(r.get(settings::keys::LockFields), "Spam_Marks=yes;");
    EXPECT_EQ(r.get(settings::keys::PlaySound), "(missing)");
    EXPECT_TRUE(r.state.inLockSection);
    EXPECT_EQ(r.state.lockItems, "Spam_Marks=yes;;PlaySound=True");
}

TEST(SettingsFileReader, EntriesKeepTheirValueWholeAndUntrimmedWhileCommentsAndLinesWithoutEqualsAreDropped) {
    Reader r;
    r.store.SaveSetting(settings::keys::SettingsID, "100");
    r.read("'SettingsID=9\nDomainName= a=b \rjust words\n   \r\nPlaySound=\r\n");
    EXPECT_EQ(r.get(settings::keys::DomainName), " a=b ");
    EXPECT_EQ(r.get(settings::keys::PlaySound), "");
    EXPECT_EQ(r.get(settings::keys::SettingsID), "");  // no identifier line: the stored one is emptied
}

TEST(SettingsFileReader, IgnoreTextValueGathersItsLinesAndAnEmptyOneReadsEmpty) {
    Reader r;
    r.read("SettingsID=3\r\nIgnoreTextValue=<CVSig>one\r\n\r\nthree</CVSig>\r\nIgnoreAttachValue=a.vcf\r\n");
    EXPECT_EQ(r.get(settings::keys::IgnoreTextValue), "one\r\n\r\nthree");
    EXPECT_EQ(r.get(settings::keys::IgnoreAttachValue), "a.vcf");
    r.store.SaveSetting(settings::keys::SettingsID, "");
    r.read("SettingsID=4\r\nIgnoreTextValue=<CVSig></CVSig>\r\n");
    EXPECT_EQ(r.get(settings::keys::IgnoreTextValue), "");
    r.store.SaveSetting(settings::keys::SettingsID, "");
    r.read(
        "SettingsID=5\r\nIgnoreTextValue=<CVSig>Gr\xFC\xDF"
        "e</CVSig>\r\n");
    EXPECT_EQ(r.get(settings::keys::IgnoreTextValue), "Grüße");  // counted in characters
}

TEST(SettingsFileReader, AFailingLineEndsTheReadingNamingFileAndLineAndKeepsWhatWasApplied) {
    Reader r;
    r.store.SaveSetting(settings::keys::SettingsID, "1");
    EXPECT_THAT([&] { r.read("SettingsID=2\r\nPlaySound=True\r\nIgnoreTextValue=</CVSig>\r\nXRecipients=9\r\n"); },
                FailsWith(5, HasSubstr("C:\\Admin\\Corvane_Settings.ini line 3: ")));
    EXPECT_EQ(r.get(settings::keys::PlaySound), "True");
    EXPECT_EQ(r.get(settings::keys::XRecipients), "(missing)");
    EXPECT_EQ(r.get(settings::keys::SettingsID), "1");

    EXPECT_THAT([&] { r.read("SettingsID=3\r\nDomainName=\x82\xA0\r\nPlaySound=\x82\r\n", 932); },
                FailsWith(5, "C:\\Admin\\Corvane_Settings.ini line 3: not text in code page 932"));
    EXPECT_EQ(r.get(settings::keys::DomainName), "あ");
    EXPECT_THAT([&] { r.read("=value\r\n"); }, FailsWith(5, HasSubstr("line 1: ")));
}

}  // namespace
}  // namespace corvane::settingsfile::modLoadSettings
