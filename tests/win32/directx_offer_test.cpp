#include "preflight/directx_offer.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "launcher/messages.h"
#include "platform_fixture.h"
#include "test_files.h"

namespace {

BOOL WINAPI RecordExitWindowsEx(UINT flags, DWORD reason)
{
    fprintf(stderr, "ExitWindowsEx(%u, %lu)\n", flags, static_cast<unsigned long>(reason));
    fflush(stderr);   // ExitProcess follows, which flushes nothing
    return TRUE;
}

constexpr char UpgradeQuestion[] = "Thundra requires DirectX 7 to run.\nWould you like to upgrade now?";
constexpr char RestartQuestion[] = "You must restart Windows for changes to take effect.\nWould you like to restart now?";

class DirectXOfferTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        ReportPlatform(VER_PLATFORM_WIN32_WINDOWS);
        Sys.ExitWindowsEx = RecordExitWindowsEx;
        EnterScratchFolder("thundra-directx-tests");
        CreateDirectoryA("redist", nullptr);
        CreateDirectoryA("redist\\directx7", nullptr);
        UseLibrary("dsetup.dll");
    }

    std::string Beside(const char* name) { return ScratchFolder() + "\\redist\\directx7\\" + name; }

    void UseLibrary(const char* variant)
    {
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\" + variant).c_str(), Beside("dsetup.dll").c_str(), FALSE));
    }
    void Control(const std::string& text) { ASSERT_TRUE(WriteTextFile(Beside("dsetup-control.txt"), text)); }
    std::string Calls() { return ReadTextFile(Beside("dsetup-calls.txt")); }
    void ForgetCalls()
    {
        DeleteFileA(Beside("dsetup-calls.txt").c_str());
        ShownBoxes.clear();
    }

    // The library must be unloaded on every path that returns.
    bool LibraryLoaded() { return GetModuleHandleA(Beside("dsetup.dll").c_str()) != nullptr; }

    std::string SetupCall()
    {
        return "DirectXSetupA owner=0000000000000000 folder=" + ScratchFolder() + "\\redist\\directx7 flags=0x10018\n";
    }
};

TEST_F(DirectXOfferTest, WindowsNTLoadsNothing)
{
    ReportPlatform(VER_PLATFORM_WIN32_NT);
    EXPECT_TRUE(OfferDirectXSetup(nullptr));
    EXPECT_EQ("", Calls());
    EXPECT_TRUE(ShownBoxes.empty());
}

TEST_F(DirectXOfferTest, InstalledVersions)
{
    struct Case {
        const char* control;
        bool asks;
    };
    const Case cases[] = {
        {"version 0x40007\nrevision 716\n", false},
        {"version 0x40007\nrevision 5000\n", false},
        {"version 0x40008\nrevision 0\n", false},
        {"version 0x40007\nrevision 715\n", true},
        {"version 0x40006\nrevision 9999\n", true},
        {"version 0x40008\nrevision 0\ngetversion-result 0\n", true},   // the library can't tell: version 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        ForgetCalls();
        Control(c.control);
        BoxAnswers = {IDNO};
        EXPECT_EQ(!c.asks, OfferDirectXSetup(nullptr));
        EXPECT_FALSE(LibraryLoaded());
        if (!c.asks) {
            EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
            continue;
        }
        ASSERT_EQ(2u, ShownBoxes.size()) << DescribeShown();
        EXPECT_EQ(UpgradeQuestion, ShownBoxes[0].text);
        EXPECT_EQ("DirectX Setup", ShownBoxes[0].caption);
        EXPECT_EQ(0x24u, ShownBoxes[0].style);
        EXPECT_EQ("DirectX 7 was not installed", ShownBoxes[1].text);
        EXPECT_EQ("DirectX Setup", ShownBoxes[1].caption);
        EXPECT_EQ(0x30u, ShownBoxes[1].style);
        EXPECT_EQ("DirectXSetupGetVersion\n", Calls()) << "declined: the setup must not run";
    }
    EXPECT_FALSE(AbortRequested);
}

TEST_F(DirectXOfferTest, ALibraryWithoutTheVersionEntryAsks)
{
    UseLibrary("dsetup_noversion.dll");
    BoxAnswers = {IDYES};
    EXPECT_TRUE(OfferDirectXSetup(nullptr));
    ASSERT_EQ(1u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ(UpgradeQuestion, ShownBoxes[0].text);
    EXPECT_EQ(SetupCall(), Calls());
}

struct SetupCase {
    int result;
    bool goesOn;
    const char* message;   // after the upgrade question; nullptr: none
};

TEST_F(DirectXOfferTest, WhatTheSetupReturns)
{
    const SetupCase cases[] = {
        {0, true, nullptr},
        {-14, true, nullptr},
        {5, true, nullptr},
        {-12, false, nullptr},
        {666, false, "Can't extract DirectXSetup from DLL"},
        {-3, false, "Error setting up DirectX (-3)"},
        {-2147483647, false, "Error setting up DirectX (-2147483647)"},
    };
    for (const SetupCase& c : cases) {
        SCOPED_TRACE(c.result);
        ForgetCalls();
        Control("revision 0\nsetup-result " + std::to_string(c.result) + "\n");
        BoxAnswers = {IDYES};
        EXPECT_EQ(c.goesOn, OfferDirectXSetup(nullptr));
        EXPECT_FALSE(LibraryLoaded());
        EXPECT_EQ("DirectXSetupGetVersion\n" + SetupCall(), Calls());
        ASSERT_EQ(c.message ? 2u : 1u, ShownBoxes.size()) << DescribeShown();
        if (c.message) {
            EXPECT_EQ(c.message, ShownBoxes[1].text);
            EXPECT_EQ(0x30u, ShownBoxes[1].style);
        }
    }
    EXPECT_FALSE(AbortRequested);
}

TEST_F(DirectXOfferTest, ARestartDeclinedStopsTheLaunch)
{
    Control("revision 0\nsetup-result 1\n");
    BoxAnswers = {IDYES, IDNO};
    EXPECT_FALSE(OfferDirectXSetup(nullptr));
    ASSERT_EQ(2u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ(RestartQuestion, ShownBoxes[1].text);
    EXPECT_EQ("DirectX Setup", ShownBoxes[1].caption);
    EXPECT_EQ(4u, ShownBoxes[1].style);
    EXPECT_FALSE(LibraryLoaded());
}

using DirectXOfferDeathTest = DirectXOfferTest;

TEST_F(DirectXOfferDeathTest, ARestartAcceptedRestartsWindowsAndEndsWithZero)
{
    Control("revision 0\nsetup-result 1\n");
    EXPECT_EXIT((BoxAnswers = {IDYES, IDYES}, OfferDirectXSetup(nullptr)), ::testing::ExitedWithCode(0),
                "ExitWindowsEx\\(2, 0\\)");
}

TEST_F(DirectXOfferTest, ALibraryWithoutTheSetupEntry)
{
    UseLibrary("dsetup_nosetup.dll");
    Control("revision 0\n");
    BoxAnswers = {IDYES};
    EXPECT_FALSE(OfferDirectXSetup(nullptr));
    ASSERT_EQ(2u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ("Can't extract DirectXSetup from DLL", ShownBoxes[1].text);
    EXPECT_FALSE(LibraryLoaded());
}

TEST_F(DirectXOfferTest, NoLibraryOnTheDisc)
{
    DeleteFileA(Beside("dsetup.dll").c_str());
    EXPECT_FALSE(OfferDirectXSetup(nullptr));
    ASSERT_EQ(1u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ("Can't load dsetup.dll", ShownBoxes[0].text);
    EXPECT_EQ("DirectX Setup", ShownBoxes[0].caption);
    EXPECT_EQ(0x30u, ShownBoxes[0].style);
    EXPECT_FALSE(AbortRequested);
}

TEST_F(DirectXOfferTest, TheOwnerWindowOwnsEveryBox)
{
    HWND owner = CreateWindowA("STATIC", "owner", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    Control("revision 0\nsetup-result -3\n");
    BoxAnswers = {IDYES};
    EXPECT_FALSE(OfferDirectXSetup(owner));
    ASSERT_EQ(2u, ShownBoxes.size());
    EXPECT_EQ(owner, ShownBoxes[0].owner);
    EXPECT_EQ(owner, ShownBoxes[1].owner);
    DestroyWindow(owner);
}

} // namespace
