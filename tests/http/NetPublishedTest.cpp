// The components as a form definition creates and sets them: by class, then
// property by property from text.

#include "framework/TypInfo.h"
#include "http/NetAntiFreeze.h"
#include "http/NetHTTP.h"

#include <gtest/gtest.h>

namespace {

TEST(NetPublished, HTTPClientFromItsClassAndPropertyTexts) {
    fw::TComponent owner(nullptr);
    fw::TComponent* made = TNetHTTP::StaticClass().Factory()(&owner);
    auto* http = dynamic_cast<TNetHTTP*>(made);
    ASSERT_NE(http, nullptr);
    EXPECT_EQ(http->ClassName(), "TNetHTTP");
    EXPECT_EQ(fw::GetPropText(*http, "HTTPOptions"), "[hoForceEncodeParams]");
    EXPECT_EQ(fw::GetPropText(*http, "ProtocolVersion"), "pv1_1");
    EXPECT_TRUE(fw::SetPropText(*http, "Name", "NetHTTP1"));
    EXPECT_TRUE(fw::SetPropText(*http, "HandleRedirects", "True"));
    EXPECT_TRUE(fw::SetPropText(*http, "RedirectMaximum", "5"));
    EXPECT_TRUE(fw::SetPropText(*http, "ProtocolVersion", "pv1_0"));
    EXPECT_TRUE(http->HandleRedirects());
    EXPECT_EQ(http->RedirectMaximum(), 5);
    EXPECT_EQ(http->ProtocolVersion(), TNetHTTPProtocolVersion::pv1_0);
    EXPECT_EQ(owner.FindComponent("NetHTTP1"), http);
}

TEST(NetPublished, PumpFromItsClass) {
    fw::TComponent owner(nullptr);
    auto* pump = dynamic_cast<TNetAntiFreeze*>(TNetAntiFreeze::StaticClass().Factory()(&owner));
    ASSERT_NE(pump, nullptr);
    EXPECT_EQ(TNetAntiFreezeBase::Current(), pump);
    EXPECT_EQ(fw::GetPropText(*pump, "IdleTimeOut"), "250");
    EXPECT_TRUE(fw::SetPropText(*pump, "OnlyWhenIdle", "False"));
    EXPECT_FALSE(pump->OnlyWhenIdle());
}

} // namespace
