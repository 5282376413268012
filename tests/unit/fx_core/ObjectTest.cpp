#include "fx/core/Collections.h"
#include "fx/core/Exception.h"
#include "fx/core/Object.h"
#include "tests/unit/fx_core/SampleObjects.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {
// Dynamic only: known to IsKindOf but neither creatable nor in the registry.
class CPlainShape : public CObject {
    DECLARE_DYNAMIC(CPlainShape)
};
IMPLEMENT_DYNAMIC(CPlainShape, CObject)

// Creatable by its run-time class but not serialisable.
class CMadeShape : public CPlainShape {
    DECLARE_DYNCREATE(CMadeShape)
};
IMPLEMENT_DYNCREATE(CMadeShape, CPlainShape)
}  // namespace

TEST(RuntimeClass, NamesSizesAndSchemasAsDeclared)
{
    EXPECT_STREQ(RUNTIME_CLASS(CObject)->m_lpszClassName, "CObject");
    EXPECT_STREQ(RUNTIME_CLASS(CItem)->m_lpszClassName, "CItem");
    EXPECT_STREQ(RUNTIME_CLASS(CNode)->m_lpszClassName, "CNode");
    EXPECT_EQ(RUNTIME_CLASS(CItem)->m_wSchema, 0u);
    EXPECT_EQ(RUNTIME_CLASS(CNode)->m_wSchema, 1u);
    EXPECT_EQ(RUNTIME_CLASS(CPlainShape)->m_wSchema, FX_NO_SCHEMA);
    EXPECT_EQ(RUNTIME_CLASS(CItem)->m_nObjectSize, static_cast<int>(sizeof(CItem)));
    EXPECT_EQ(RUNTIME_CLASS(CItem)->m_pBaseClass, RUNTIME_CLASS(CSampleBase));
}

TEST(RuntimeClass, IsKindOfFollowsTheBaseChainOnly)
{
    CItem item;
    const CObject& ob = item;
    EXPECT_EQ(ob.GetRuntimeClass(), RUNTIME_CLASS(CItem));
    EXPECT_TRUE(ob.IsKindOf(RUNTIME_CLASS(CItem)));
    EXPECT_TRUE(ob.IsKindOf(RUNTIME_CLASS(CSampleBase)));
    EXPECT_TRUE(ob.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(ob.IsKindOf(RUNTIME_CLASS(CNode)));
    EXPECT_FALSE(ob.IsKindOf(RUNTIME_CLASS(CException)));

    CArchiveException ae;
    EXPECT_TRUE(ae.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_FALSE(ae.IsKindOf(RUNTIME_CLASS(CFileException)));

    CObject* p = &item;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CItem, p), &item);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CNode, p), nullptr);
}

TEST(RuntimeClass, CreationByNameFindsOnlySerialisableClasses)
{
    CRuntimeClass* c = CRuntimeClass::FromName("CNode");
    ASSERT_EQ(c, RUNTIME_CLASS(CNode));
    std::unique_ptr<CObject> made(c->CreateObject());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetRuntimeClass(), RUNTIME_CLASS(CNode));
    EXPECT_TRUE(made->IsSerializable());

    EXPECT_EQ(CRuntimeClass::FromName("CNod"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("cnode"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CPlainShape"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CMadeShape"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CNodeX", 5), RUNTIME_CLASS(CNode));
    EXPECT_EQ(CRuntimeClass::FromName("CObList"), RUNTIME_CLASS(CObList));
}

TEST(RuntimeClass, CreatableAndPlainClasses)
{
    EXPECT_EQ(RUNTIME_CLASS(CPlainShape)->CreateObject(), nullptr);
    std::unique_ptr<CObject> made(RUNTIME_CLASS(CMadeShape)->CreateObject());
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CPlainShape)));
    EXPECT_FALSE(made->IsSerializable());
    EXPECT_FALSE(RUNTIME_CLASS(CPlainShape)->IsSerializable());
}
