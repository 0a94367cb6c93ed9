#pragma once
// A class's run-time description: its name, its parent, and what it publishes —
// properties, the component fields and event-handler methods a form definition
// binds by name, and binary properties. Lookups by name ignore case and search
// the parent classes too, so a class inherits everything its parents publish.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class TObject;
class TComponent;
class TStream;
class TPropInfo;
class TMethodInfo;
class TFieldInfo;
class TBinaryPropInfo;

class TClassInfo {
public:
    // Creates a component of this class owned by owner; null for classes that
    // cannot be created by name (abstract ones, non-components).
    using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

    TClassInfo(std::string name, const TClassInfo* parent);
    ~TClassInfo();
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;
    TClassInfo(TClassInfo&&) noexcept;

    const std::string& ClassName() const { return FName; }
    const TClassInfo* ClassParent() const { return FParent; }
    bool InheritsFrom(const TClassInfo& ancestor) const;

    // Null when neither this class nor a parent publishes the name.
    const TPropInfo* FindProperty(std::string_view name) const;
    const TMethodInfo* FindMethod(std::string_view name) const;
    const TFieldInfo* FindField(std::string_view name) const;
    const TBinaryPropInfo* FindBinaryProperty(std::string_view name) const;
    // Every published property, the oldest ancestor's first, each in declaration order.
    std::vector<const TPropInfo*> Properties() const;

    const TComponentFactory& Factory() const { return FFactory; }

    void AddProperty(std::unique_ptr<TPropInfo> info);
    void AddMethod(std::unique_ptr<TMethodInfo> info);
    void AddField(std::unique_ptr<TFieldInfo> info);
    void AddBinaryProperty(std::unique_ptr<TBinaryPropInfo> info);
    void SetFactory(TComponentFactory factory) { FFactory = std::move(factory); }

private:
    std::string FName;
    const TClassInfo* FParent;
    std::vector<std::unique_ptr<TPropInfo>> FProperties;
    std::vector<std::unique_ptr<TMethodInfo>> FMethods;
    std::vector<std::unique_ptr<TFieldInfo>> FFields;
    std::vector<std::unique_ptr<TBinaryPropInfo>> FBinaryProperties;
    TComponentFactory FFactory;
};

} // namespace fw
