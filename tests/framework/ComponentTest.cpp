#include "framework/Component.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fw {
namespace {

using Log = std::vector<std::string>;

// Records what happens to it in a shared log.
class TProbe : public TComponent {
    FW_CLASS(TProbe, TComponent)

    TProbe(TComponent* owner, std::string label, Log& log)
        : TComponent(owner), FLabel(std::move(label)), FLog(log) {}
    ~TProbe() override { FLog.push_back("~" + FLabel); }

    void Loaded() override {
        TComponent::Loaded();
        FLog.push_back(FLabel + " loaded");
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        const auto* probe = dynamic_cast<TProbe*>(component);
        FLog.push_back(FLabel + (operation == TOperation::opInsert ? " +" : " -") +
                       (probe ? probe->FLabel : "?"));
    }

private:
    std::string FLabel;
    Log& FLog;
};

const TClassInfo& TProbe::StaticClass() {
    static const TClassInfo info = TClassBuilder<TProbe, TComponent>("TProbe").Build();
    return info;
}

TEST(Component, OwnerFreesItsComponentsNewestFirst) {
    Log log;
    {
        auto owner = MakeComponent<TProbe>("form", log);
        TProbe* a = Create<TProbe>(*owner, "a", log);
        Create<TProbe>(*owner, "b", log);
        Create<TProbe>(*a, "a1", log);
        EXPECT_EQ(owner->ComponentCount(), 2);
        EXPECT_EQ(owner->Components(0), a);
        EXPECT_EQ(a->Owner(), owner.get());
        EXPECT_EQ(a->ComponentIndex(), 0);
        log.clear();
    }
    // b goes first, then a (whose own component goes before it), then the owner.
    EXPECT_EQ(log, (Log{"~b", "~a1", "~a", "~form"}));
}

TEST(Component, OwnerAndSiblingsHearOfInsertionsAndRemovals) {
    Log log;
    auto owner = MakeComponent<TProbe>("form", log);
    // A new component is announced from its constructor, before its own class's
    // part exists, so it is not a TProbe yet when the others hear of it.
    TProbe* a = Create<TProbe>(*owner, "a", log);
    EXPECT_EQ(log, (Log{"form +?"}));
    log.clear();
    TProbe* b = Create<TProbe>(*owner, "b", log);
    EXPECT_EQ(log, (Log{"a +?", "form +?"}));
    log.clear();
    a->Free();
    EXPECT_EQ(log, (Log{"a -a", "b -a", "form -a", "~a"}));
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(b->ComponentIndex(), 0);
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners) {
    Log log;
    auto left = MakeComponent<TProbe>("left", log);
    auto right = MakeComponent<TProbe>("right", log);
    TProbe* watcher = Create<TProbe>(*left, "watcher", log);
    TProbe* watched = Create<TProbe>(*right, "watched", log);
    watched->FreeNotification(*watcher);
    EXPECT_TRUE(watched->ComponentState().Contains(TComponentStateItem::csFreeNotification));
    log.clear();

    right.reset();
    EXPECT_EQ(
        log, (Log{"watched -watched", "right -watched", "watcher -watched", "~watched", "~right"}));
    // The watcher forgot the freed component: freeing it later tells nobody stale.
    log.clear();
    watcher->Free();
    EXPECT_EQ(log, (Log{"watcher -watcher", "left -watcher", "~watcher"}));

    TProbe* again = Create<TProbe>(*left, "again", log);
    auto other = MakeComponent<TProbe>("other", log);
    again->FreeNotification(*other);
    again->RemoveFreeNotification(*other);
    log.clear();
    other.reset();
    EXPECT_EQ(log, (Log{"~other"}));
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
    auto owner = MakeComponent<TComponent>();
    TComponent* a = Create<TComponent>(*owner);
    TComponent* b = Create<TComponent>(*owner);
    a->SetName("Button1");
    EXPECT_EQ(owner->FindComponent("BUTTON1"), a);
    EXPECT_EQ(owner->FindComponent(""), nullptr);
    a->SetName("button1"); // its own name in another case is fine

    struct Case {
        std::string name;
        std::string message;
    };
    const Case cases[] = {
        {"BUTTON1", "A component named BUTTON1 already exists"},
        {"1abc", "'1abc' is not a valid component name"},
        {"has space", "'has space' is not a valid component name"},
    };
    for (const Case& c : cases) {
        try {
            b->SetName(c.name);
            ADD_FAILURE() << c.name;
        } catch (const EComponentError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(b->Name(), "");
    }
    b->SetName("_Label2");
    EXPECT_EQ(owner->FindComponent("_label2"), b);
}

TEST(Component, InsertingMovesOwnershipAndRefusesCycles) {
    auto first = MakeComponent<TComponent>();
    auto second = MakeComponent<TComponent>();
    TComponent* child = Create<TComponent>(*first);
    second->InsertComponent(*child);
    EXPECT_EQ(first->ComponentCount(), 0);
    EXPECT_EQ(child->Owner(), second.get());
    EXPECT_THROW(child->InsertComponent(*second), EComponentError);
    EXPECT_THROW(child->InsertComponent(*child), EComponentError);
    second->RemoveComponent(*child);
    EXPECT_EQ(child->Owner(), nullptr);
    TComponentPtr<TComponent> orphan(child);

    auto named = MakeComponent<TComponent>();
    named->SetName("Same");
    TComponent* clash = Create<TComponent>(*second);
    clash->SetName("Same");
    EXPECT_THROW(second->InsertComponent(*named), EComponentError);
    EXPECT_EQ(named->Owner(), nullptr);
}

TEST(Component, StateFollowsLoadingAndDesigning) {
    Log log;
    auto owner = MakeComponent<TProbe>("form", log);
    owner->SetDesigning(true);
    TProbe* child = Create<TProbe>(*owner, "child", log);
    EXPECT_TRUE(child->ComponentState().Contains(TComponentStateItem::csDesigning));

    child->BeginLoading();
    EXPECT_EQ(child->ComponentState(),
              (TComponentState{TComponentStateItem::csLoading, TComponentStateItem::csReading,
                               TComponentStateItem::csDesigning}));
    child->EndReading();
    log.clear();
    child->Loaded();
    EXPECT_EQ(log, (Log{"child loaded"}));
    EXPECT_EQ(child->ComponentState(), TComponentState{TComponentStateItem::csDesigning});
    owner->SetDesigning(false);
    EXPECT_TRUE(child->ComponentState().Empty());
}

TEST(Component, IndexErrors) {
    auto owner = MakeComponent<TComponent>();
    try {
        owner->Components(0);
        ADD_FAILURE();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (0)");
    }
    EXPECT_EQ(owner->ComponentIndex(), -1);
}

} // namespace
} // namespace fw
