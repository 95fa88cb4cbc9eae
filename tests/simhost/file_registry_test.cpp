// The registry kept in .reg files: persistence, sharing between registry objects and
// processes, refusal of a damaged file, and writes that a kill cannot tear.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "corvane/simhost/file_registry.h"
#include "corvane/simhost/file_snapshot.h"
#include "corvane/simhost/reg_file.h"
#include "support/platform_error.h"
#include "support/temp_dir.h"

using corvane::platform::Hive;
using corvane::platform::PlatformError;
using corvane::platform::RegValue;
using corvane::simhost::FileRegistry;
using corvane::simhost::RegFileError;
using corvane::testing::FailsWith;
using corvane::testing::readAll;
using corvane::testing::TempDir;
using corvane::testing::writeAll;

namespace {

constexpr const char* Key = "Software\\VB and VBA Program Settings\\larchmoor\\0x155473194";

std::vector<std::string> valueNames(FileRegistry& reg, Hive hive, const char* path) {
    std::vector<std::string> names;
    auto key = reg.openKey(hive, path);
    if (!key) return names;
    for (std::uint32_t i = 0;; ++i) {
        auto v = key->enumValue(i, 1024, 1024);
        if (!v) break;
        names.push_back(v->name);
    }
    return names;
}

// Runs `body` in a child process; the child's exit code says whether it threw.
pid_t spawn(const std::function<void()>& body) {
    pid_t pid = ::fork();
    if (pid == 0) {
        int code = 0;
        try {
            body();
        } catch (...) {
            code = 1;
        }
        ::_exit(code);
    }
    return pid;
}

int exitCodeOf(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(FileRegistry, AMissingHiveFileIsAnEmptyHiveAndTheFirstWriteCreatesFolderAndFile) {
    TempDir dir;
    FileRegistry reg(dir / "profile" / "registry");
    EXPECT_EQ(reg.openKey(Hive::CurrentUser, Key), nullptr);
    EXPECT_FALSE(reg.getValue(Hive::LocalMachine, "SOFTWARE\\Kelderon\\Corvane", "PreSetupID"));
    reg.setString(Hive::CurrentUser, Key, "PlaySound", "True");
    EXPECT_TRUE(std::filesystem::exists(reg.hiveFile(Hive::CurrentUser)));
    EXPECT_FALSE(std::filesystem::exists(reg.hiveFile(Hive::LocalMachine)));
    EXPECT_EQ(reg.hiveFile(Hive::CurrentUser).filename(), "HKCU.reg");
}

TEST(FileRegistry, ValuesSurviveIntoAFreshRegistryObject) {
    TempDir dir;
    {
        FileRegistry reg(dir.path());
        reg.setString(Hive::CurrentUser, Key, "DomainName", "Grüße \"quoted\" C:\\path");
        reg.setDword(Hive::LocalMachine, "SOFTWARE\\Kelderon\\Corvane", "PreSetupID", 0xDEADBEEF);
    }
    FileRegistry again(dir.path());
    auto s = again.getValue(Hive::CurrentUser, Key, "DomainName");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->text, "Grüße \"quoted\" C:\\path");
    auto d = again.getValue(Hive::LocalMachine, "SOFTWARE\\Kelderon\\Corvane", "PreSetupID");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->type, corvane::platform::regtype::DWord);
    EXPECT_EQ(d->dword, 0xDEADBEEFu);
    EXPECT_NE(readAll(again.hiveFile(Hive::CurrentUser)).find("\"DomainName\"=\"Grüße \\\"quoted\\\" C:\\\\path\""),
              std::string::npos);
}

TEST(FileRegistry, KeyAndValueNamesIgnoreCaseAndKeepTheCaseFirstWritten) {
    TempDir dir;
    FileRegistry reg(dir.path());
    reg.setString(Hive::CurrentUser, Key, "PreSetupID", "1");
    reg.setString(Hive::CurrentUser, "SOFTWARE\\vb AND vba program settings\\LARCHMOOR\\0X155473194", "presetupid",
                  "2");
    FileRegistry fresh(dir.path());
    EXPECT_EQ(fresh
                  .getValue(Hive::CurrentUser, "software\\VB and VBA Program Settings\\Larchmoor\\0x155473194",
                            "PRESETUPID")
                  ->text,
              "2");
    EXPECT_EQ(valueNames(fresh, Hive::CurrentUser, Key), std::vector<std::string>{"PreSetupID"});
    EXPECT_NE(readAll(fresh.hiveFile(Hive::CurrentUser)).find("[HKEY_CURRENT_USER\\Software\\VB and VBA"),
              std::string::npos);
}

TEST(FileRegistry, OtherValueTypesSurviveWritesToTheirNeighboursByteForByte) {
    TempDir dir;
    const std::string hive =
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_CURRENT_USER\\Software\\Kelderon]\n"
        "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\n"
        "\"Multi\"=hex(7):61,00,00,00,\\\n  00,00\n"
        "\"Blob\"=hex:00,ff,10\n";
    writeAll(dir / "HKCU.reg", hive);
    FileRegistry reg(dir.path());
    const auto before = reg.find(Hive::CurrentUser, "Software\\Kelderon")->values;
    reg.setString(Hive::CurrentUser, "Software\\Kelderon", "Added", "1");
    FileRegistry fresh(dir.path());
    const auto* after = fresh.find(Hive::CurrentUser, "Software\\Kelderon");
    ASSERT_TRUE(after);
    ASSERT_EQ(after->values.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(after->values[i].name, before[i].name);
        EXPECT_EQ(after->values[i].type, before[i].type);
        EXPECT_EQ(after->values[i].bytes, before[i].bytes);
    }
}

TEST(FileRegistry, ReadsSeeWhatAnotherRegistryObjectWrote) {
    TempDir dir;
    FileRegistry outlook(dir.path());
    FileRegistry word(dir.path());
    EXPECT_FALSE(word.getValue(Hive::CurrentUser, Key, "DelayEmails"));
    outlook.setString(Hive::CurrentUser, Key, "DelayEmails", "True");
    EXPECT_EQ(word.getValue(Hive::CurrentUser, Key, "DelayEmails")->text, "True");
    word.setString(Hive::CurrentUser, Key, "DelayEmails", "False");
    EXPECT_EQ(outlook.getValue(Hive::CurrentUser, Key, "DelayEmails")->text, "False");
    word.deleteKey(Hive::CurrentUser, "Software\\VB and VBA Program Settings");
    EXPECT_EQ(outlook.openKey(Hive::CurrentUser, Key), nullptr);
}

TEST(FileRegistry, AnOpenKeyDeletedByAnotherWriterFailsLikeADeletedKey) {
    TempDir dir;
    FileRegistry a(dir.path());
    FileRegistry b(dir.path());
    auto key = a.createKey(Hive::CurrentUser, Key);
    b.deleteKey(Hive::CurrentUser, Key);
    EXPECT_THAT([&] { key->setValue(RegValue::string("x", "y")); }, FailsWith(1018));
    EXPECT_EQ(b.openKey(Hive::CurrentUser, Key), nullptr);
}

TEST(FileRegistry, ADamagedFileIsRefusedNamingFileAndLineAndIsNeverOverwritten) {
    TempDir dir;
    const std::string damaged =
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software]\n\"ok\"=\"1\"\n\"bad\"=\"C:\\x\"\n";
    writeAll(dir / "HKCU.reg", damaged);
    FileRegistry reg(dir.path());
    try {
        reg.getValue(Hive::CurrentUser, "Software", "ok");
        FAIL() << "a damaged file was read";
    } catch (const RegFileError& e) {
        EXPECT_EQ(e.file(), (dir / "HKCU.reg").string());
        EXPECT_EQ(e.line(), 5);
        EXPECT_NE(std::string(e.what()).find("HKCU.reg, line 5: unknown escape \\x"), std::string::npos) << e.what();
    }
    EXPECT_THROW(reg.setString(Hive::CurrentUser, "Software", "ok", "2"), RegFileError);
    EXPECT_THROW(reg.createKey(Hive::CurrentUser, "Software\\New"), RegFileError);
    EXPECT_THROW(reg.deleteKey(Hive::CurrentUser, "Software"), RegFileError);
    EXPECT_EQ(readAll(dir / "HKCU.reg"), damaged);
    // The other hive is not affected.
    reg.setString(Hive::LocalMachine, "SOFTWARE", "fine", "yes");
    EXPECT_EQ(reg.getValue(Hive::LocalMachine, "SOFTWARE", "fine")->text, "yes");
}

TEST(FileRegistry, AWriteThatCannotBeStoredLeavesFileAndRegistryAsTheyWere) {
    TempDir dir;
    FileRegistry reg(dir.path());
    reg.setString(Hive::CurrentUser, "Software", "kept", "1");
    const std::string before = readAll(reg.hiveFile(Hive::CurrentUser));
    EXPECT_THROW(reg.setString(Hive::CurrentUser, "Software", "line\nbreak", "x"), PlatformError);
    EXPECT_EQ(readAll(reg.hiveFile(Hive::CurrentUser)), before);
    EXPECT_FALSE(reg.getValue(Hive::CurrentUser, "Software", "line\nbreak"));
    EXPECT_EQ(valueNames(reg, Hive::CurrentUser, "Software"), std::vector<std::string>{"kept"});
}

TEST(FileRegistry, AFileRepairedByHandIsReadAgain) {
    TempDir dir;
    writeAll(dir / "HKCU.reg", "garbage");
    FileRegistry reg(dir.path());
    EXPECT_THROW(reg.openKey(Hive::CurrentUser, "Software"), RegFileError);
    writeAll(dir / "HKCU.reg", "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software]\n");
    EXPECT_NE(reg.openKey(Hive::CurrentUser, "Software"), nullptr);
}

TEST(FileRegistry, TwoProcessesWritingTheSameHiveLoseNothing) {
    TempDir dir;
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    auto writer = [&](char who) {
        return [&, who] {
            ::close(gate[1]);
            char c;
            while (::read(gate[0], &c, 1) < 0) {  // wait until both are ready
            }
            FileRegistry reg(dir.path());
            for (int i = 0; i < 200; ++i)
                reg.setString(Hive::CurrentUser, Key, std::string(1, who) + std::to_string(i), std::to_string(i));
        };
    };
    pid_t a = spawn(writer('A'));
    pid_t b = spawn(writer('B'));
    ::close(gate[0]);
    ::close(gate[1]);
    EXPECT_EQ(exitCodeOf(a), 0);
    EXPECT_EQ(exitCodeOf(b), 0);

    FileRegistry reg(dir.path());
    auto names = valueNames(reg, Hive::CurrentUser, Key);
    EXPECT_EQ(names.size(), 400u);
    for (char who : {'A', 'B'})
        for (int i = 0; i < 200; ++i) {
            auto v = reg.getValue(Hive::CurrentUser, Key, std::string(1, who) + std::to_string(i));
            ASSERT_TRUE(v) << who << i;
            EXPECT_EQ(v->text, std::to_string(i));
        }
}

TEST(FileRegistry, AWriterKilledAtAnyMomentLeavesAWholeFile) {
    TempDir dir;
    {
        // A hive of some size, so that a kill can land inside a write.
        FileRegistry reg(dir.path());
        for (int i = 0; i < 100; ++i)
            reg.setString(Hive::CurrentUser, "Software\\Filler", "v" + std::to_string(i), std::string(60, 'x'));
    }
    std::mt19937 random(12345);
    long last = 0;
    for (int round = 0; round < 40; ++round) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        pid_t child = spawn([&] {
            FileRegistry reg(dir.path());
            for (bool first = true;; first = false) {
                auto v = reg.getValue(Hive::CurrentUser, Key, "Counter");
                long n = v ? std::stol(v->text) : 0;
                reg.setString(Hive::CurrentUser, Key, "Counter", std::to_string(n + 1));
                if (first && ::write(ready[1], "!", 1) != 1) return;
            }
        });
        // Kill at a random moment of the writing loop, once it is running.
        char c;
        ASSERT_EQ(::read(ready[0], &c, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself in round " << round;

        FileRegistry reader(dir.path());
        auto v = reader.getValue(Hive::CurrentUser, Key, "Counter");  // throws on a torn file
        long n = v ? std::stol(v->text) : 0;
        EXPECT_GE(n, last) << "a committed write was lost in round " << round;
        last = n;
        ASSERT_EQ(valueNames(reader, Hive::CurrentUser, "Software\\Filler").size(), 100u);
    }
    EXPECT_GE(last, 40);

    // The next writer clears what the killed ones left behind.
    FileRegistry reg(dir.path());
    reg.setString(Hive::CurrentUser, Key, "Done", "1");
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
}
