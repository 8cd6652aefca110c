#include "engine/ErrorStack.h"
#include "engine/Singleton.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

void innermost(int _kind)
{
    GUARD_BEGIN
    if (_kind == 0)
        throw "msg";
    if (_kind == 1)
        throw 42;
    throw std::runtime_error("std failure");
    GUARD_END("sig3")
}

void middle(int _kind)
{
    GUARD_BEGIN
    innermost(_kind);
    GUARD_END("sig2")
}

int outer(int _kind)
{
    GUARD_BEGIN
    middle(_kind);
    return 0;
    GUARD_END("sig1")
}

String caught(int _kind)
{
    return thrownText([_kind] {
        GUARD_BEGIN
        outer(_kind);
        GUARD_END("Main")
    });
}

TEST(ErrorStack, OneLinePerGuardInnermostFirst)
{
    EXPECT_EQ(caught(0), "msg\nsig3\nsig2\nsig1\nMain");
    EXPECT_EQ(getErrorCallStack(), "msg\nsig3\nsig2\nsig1\nMain");
    getErrorCallStack() = "earlier";
    EXPECT_EQ(caught(1), "earlier\nsig3\nsig2\nsig1\nMain") << "a non-text exception appends where the stack is";
    EXPECT_EQ(caught(2), "std failure\nsig3\nsig2\nsig1\nMain") << "a new text starts a new stack";
    EXPECT_EQ(caught(0), "msg\nsig3\nsig2\nsig1\nMain");
}

class cManager : public cSingleton<cManager> {
public:
    int value = 5;
};

class cFailing : public cSingleton<cFailing> {
public:
    cFailing() { throw "cannot build"; }
};

TEST(Singleton, OneInstanceAtATimeAndNoneAfterAFailedConstruction)
{
    EXPECT_EQ(cManager::getInstance(), nullptr);
    auto* first = new cManager;
    EXPECT_EQ(cManager::getInstance(), first);
    EXPECT_EQ(cManager::getInstance()->value, 5);
    EXPECT_EQ(thrownText([] { cManager second; }), "Object already exist.");
    EXPECT_EQ(cManager::getInstance(), first) << "the failed second build leaves the first";
    delete first;
    EXPECT_FALSE(cManager::exists());
    cManager again;
    EXPECT_EQ(cManager::getInstance(), &again);
    EXPECT_THROW(cFailing(), const char*);
    EXPECT_FALSE(cFailing::exists());
}

} // namespace
