#include "http/NetAntiFreeze.h"

#include "framework/MemoryStream.h"
#include "http/NetHTTP.h"
#include "tests/http/ScriptedServer.h"

#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace {

// Counts the turns a pump dispatches while it is installed.
class CountingDispatch {
public:
    CountingDispatch() {
        TNetAntiFreeze::SetDispatchers([this] { ++all; }, [this] { ++one; });
    }
    ~CountingDispatch() { TNetAntiFreeze::SetDispatchers(nullptr, nullptr); }
    std::atomic<int> all{0};
    std::atomic<int> one{0};
};

// A reply that takes a while: pieces 50 ms apart.
ScriptedReply SlowReply() {
    return {{"HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n", "ab", "cd", "ef"}};
}

TEST(NetAntiFreeze, OnlyOnePerApplication) {
    TNetAntiFreeze first(nullptr);
    EXPECT_EQ(TNetAntiFreezeBase::Current(), &first);
    try {
        TNetAntiFreeze second(nullptr);
        FAIL() << "a second pump was made";
    } catch (const ENetException& e) {
        EXPECT_EQ(e.Message(), "Only one TNetAntiFreeze can exist per application.");
    }
    EXPECT_EQ(TNetAntiFreezeBase::Current(), &first);
}

TEST(NetAntiFreeze, DestroyingTheCurrentPumpStopsItsUse) {
    {
        TNetAntiFreeze pump(nullptr);
        EXPECT_TRUE(TNetAntiFreezeBase::ShouldUse());
        pump.SetActive(false);
        EXPECT_FALSE(TNetAntiFreezeBase::ShouldUse());
    }
    EXPECT_EQ(TNetAntiFreezeBase::Current(), nullptr);
    EXPECT_FALSE(TNetAntiFreezeBase::ShouldUse());
}

TEST(NetAntiFreeze, TurnsFollowTheIdleRules) {
    CountingDispatch dispatch;
    TNetAntiFreeze pump(nullptr);
    TNetAntiFreezeBase::DoProcess(false); // declined: only when idle
    EXPECT_EQ(dispatch.all, 0);
    TNetAntiFreezeBase::DoProcess(true);
    TNetAntiFreezeBase::DoProcess(false, true);
    EXPECT_EQ(dispatch.all, 2);
    pump.SetApplicationHasPriority(false);
    TNetAntiFreezeBase::DoProcess();
    EXPECT_EQ(dispatch.one, 1);
    std::thread([] { TNetAntiFreezeBase::DoProcess(true, true); }).join();
    EXPECT_EQ(dispatch.all + dispatch.one, 3);
}

TEST(NetAntiFreeze, TurnsWhileADownloadWaits) {
    CountingDispatch dispatch;
    TNetAntiFreeze pump(nullptr);
    pump.SetIdleTimeOut(5);
    ScriptedServer server({SlowReply()});
    TNetHTTP http(nullptr);
    fw::TMemoryStream stream;
    http.Get(server.URL("/"), stream);
    EXPECT_EQ(stream.Size(), 6);
    EXPECT_GT(dispatch.all, 3);
}

// A handler run by a turn may free the pump (the form that owns it closing);
// the read goes on without it.
TEST(NetAntiFreeze, ThePumpFreedInsideAWait) {
    auto pump = std::make_unique<TNetAntiFreeze>(nullptr);
    pump->SetIdleTimeOut(5);
    TNetAntiFreeze::SetDispatchers([&pump] { pump.reset(); }, nullptr);
    ScriptedServer server({SlowReply()});
    TNetHTTP http(nullptr);
    fw::TMemoryStream stream;
    http.Get(server.URL("/"), stream);
    TNetAntiFreeze::SetDispatchers(nullptr, nullptr);
    EXPECT_EQ(pump, nullptr);
    EXPECT_EQ(stream.Size(), 6);
}

TEST(NetAntiFreeze, TurnsWhileAConnectWaits) {
    CountingDispatch dispatch;
    TNetAntiFreeze pump(nullptr);
    pump.SetIdleTimeOut(5);
    UnansweredListener listener;
    TNetHTTP http(nullptr);
    http.SetConnectTimeout(200);
    fw::TMemoryStream stream;
    EXPECT_THROW(http.Get("http://127.0.0.1:" + std::to_string(listener.Port()) + "/", stream),
                 ENetConnectTimeout);
    EXPECT_GT(dispatch.all, 10);
}

TEST(NetAntiFreeze, NoTurnsWhenInactiveOrOffTheMainThread) {
    CountingDispatch dispatch;
    TNetAntiFreeze pump(nullptr);
    pump.SetIdleTimeOut(5);
    pump.SetActive(false);
    ScriptedServer inactive({SlowReply()});
    TNetHTTP http(nullptr);
    fw::TMemoryStream stream;
    http.Get(inactive.URL("/"), stream);
    pump.SetActive(true);
    ScriptedServer otherThread({SlowReply()});
    std::thread([&] {
        TNetHTTP worker(nullptr);
        fw::TMemoryStream out;
        worker.Get(otherThread.URL("/"), out);
    }).join();
    EXPECT_EQ(dispatch.all, 0);
}

} // namespace
