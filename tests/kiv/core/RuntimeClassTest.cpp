#include "Context.h"
#include "RuntimeClassManager.h"

#include <gtest/gtest.h>

namespace {

TEST(RuntimeClassManager, ClassArrayIsSortedByNameAndFlagsDuplicates)
{
    RuntimeClassManager& manager = RuntimeClassManager::getInstance();
    manager.buildClassArray();
    ASSERT_GE(manager.classArray.size(), 2u);
    EXPECT_FALSE(manager.bBadClasses);
    for (size_t i = 0; i < manager.classArray.size(); ++i) {
        EXPECT_EQ(manager.classArray[i]->index, static_cast<int>(i));
        if (i > 0) {
            EXPECT_LT(manager.classArray[i - 1]->name, manager.classArray[i]->name);
        }
    }
    EXPECT_EQ(manager.findByName("Context"), &Context::classRecord);
    EXPECT_EQ(manager.findById(RuntimeClass::hashName("KivBase")), &KivBase::classRecord);
    EXPECT_EQ(manager.findByName("NoSuchClass"), nullptr);

    {
        RuntimeClass twin("Context", &KivBase::classRecord, nullptr);
        manager.buildClassArray();
        EXPECT_TRUE(manager.bBadClasses);
    }
    manager.buildClassArray();
    EXPECT_FALSE(manager.bBadClasses);
}

} // namespace
