// Loading the device link when the installation is broken: no library, a library without
// CreateComm, a CreateComm that gives no object. Each fails with 0, and a library that was
// loaded stays loaded (and is not loaded again) until the holder is emptied.
#include "app/core/command/DeviceLinkHolder.h"
#include "comm/Comm.h"

#include <gtest/gtest.h>

namespace {

typedef int (*FakeCreationsProc)();

CString FakeFolder(LPCSTR name) { return JoinProgramPath(JoinProgramPath(ProgramDirectory(), "linkload"), name); }

int Creations(HMODULE module)
{
    FakeCreationsProc creations = reinterpret_cast<FakeCreationsProc>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "FakeCreations")));
    return creations ? creations() : -1;
}

TEST(LinkLoadTest, NoLibraryFailsWithNothingLoaded)
{
    DeviceLinkHolder holder;
    EXPECT_EQ(0, holder.LoadFrom(FakeFolder("none")));
    EXPECT_TRUE(holder.Module() == nullptr);
    EXPECT_TRUE(holder.Comm() == nullptr);
}

TEST(LinkLoadTest, LibraryWithoutCreateCommFailsAndStaysLoaded)
{
    DeviceLinkHolder holder;
    EXPECT_EQ(0, holder.LoadFrom(FakeFolder("noexport")));
    const HMODULE module = holder.Module();
    ASSERT_TRUE(module != nullptr) << "the library loaded; only its export is missing";
    EXPECT_EQ(0, Creations(module));
    EXPECT_TRUE(holder.Comm() == nullptr);
    // A second attempt uses the module it holds, even where another folder has a library.
    EXPECT_EQ(0, holder.LoadFrom(FakeFolder("nullobject")));
    EXPECT_EQ(module, holder.Module());
    holder.Unload();
    EXPECT_TRUE(holder.Module() == nullptr);
}

TEST(LinkLoadTest, CreateCommWithoutAnObjectFailsAndKeepsTheLibrary)
{
    DeviceLinkHolder holder;
    EXPECT_EQ(0, holder.LoadFrom(FakeFolder("nullobject")));
    const HMODULE module = holder.Module();
    ASSERT_TRUE(module != nullptr);
    EXPECT_EQ(1, Creations(module));
    EXPECT_TRUE(holder.Comm() == nullptr);
    // Asked again, it calls CreateComm again in the same module.
    EXPECT_EQ(0, holder.LoadFrom(FakeFolder("nullobject")));
    EXPECT_EQ(module, holder.Module());
    EXPECT_EQ(2, Creations(module));
    holder.Unload();
    EXPECT_TRUE(holder.Module() == nullptr);
    EXPECT_TRUE(holder.Comm() == nullptr);
}

TEST(LinkLoadTest, LoadLooksBesideTheProgram)
{
    // The test program's own folder holds the real TzComm.dll (bin/), so Load succeeds there
    // and the object goes back to the library with Unload.
    DeviceLinkHolder holder;
    ASSERT_EQ(1, holder.Load());
    EXPECT_TRUE(holder.Module() != nullptr);
    EXPECT_TRUE(holder.Comm() != nullptr);
    EXPECT_EQ(1, holder.Load()) << "already loaded";
    holder.Unload();
    EXPECT_TRUE(holder.Module() == nullptr);
    EXPECT_TRUE(holder.Comm() == nullptr);
}

}  // namespace
