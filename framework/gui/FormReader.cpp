#include "framework/gui/FormReader.h"

#include "framework/ClassRegistry.h"
#include "framework/Collection.h"
#include "framework/Exception.h"
#include "framework/MemoryStream.h"
#include "framework/ResourceStream.h"
#include "framework/StringUtils.h"
#include "framework/Strings.h"
#include "framework/TypInfo.h"
#include "framework/gui/Form.h"
#include "framework/gui/FormLexer.h"
#include "framework/gui/StandardClasses.h"
#include "platform/kernel/Resource.h"

#include <vector>

namespace fw {

namespace {

// Deep enough for any real form; shallow enough that hostile nesting cannot
// exhaust the stack.
constexpr int MaxNesting = 64;

struct TReference {
    TObject* instance;
    const TPropInfo* property;
    std::string componentName;
    int line;
};

class TFormParser {
public:
    TFormParser(TComponent& root, std::string_view text) : FRoot(root), FLexer(text) {}

    void Read();

private:
    void Advance() { FToken = FLexer.Next(); }
    bool IsSymbol(char symbol) const {
        return FToken.kind == TFormToken::Symbol && FToken.text[0] == symbol;
    }
    void Expect(char symbol);
    std::string ExpectIdentifier(const char* what);
    [[noreturn]] void Fail(const std::string& what) const;

    void ReadRootHeader();
    // Members up to the closing brace of `instance`, the enclosing component and control.
    void ReadMembers(TObject& instance, TComponent* container, int depth);
    void ReadChild(TComponent* container, std::string className, int depth);
    void ReadProperty(TObject& instance, std::string name, int depth);
    TObject& Resolve(TObject& instance, std::string& name);
    void AssignValue(TObject& instance, const std::string& name, int depth);
    void ReadBinary(TObject& instance, const std::string& name);
    void ReadStrings(TStrings& strings);
    void ReadCollection(TCollection& collection, int depth);
    void AssignIdentifier(TObject& instance, const TPropInfo& info, const std::string& text);
    void AssignText(TObject& instance, const TPropInfo& info, const std::string& text);
    std::string ReadSetText();
    void ResolveReferences();
    void Finish(bool loaded);

    TComponent& FRoot;
    TFormLexer FLexer;
    TFormTokenValue FToken;
    std::vector<TComponent*> FLoading;
    std::vector<TReference> FReferences;
};

void TFormParser::Fail(const std::string& what) const {
    throw CreateFmt<EReadError>("Line %d: %s", FToken.line, what);
}

void TFormParser::Expect(char symbol) {
    if (!IsSymbol(symbol))
        Fail(Format("'%s' expected", std::string(1, symbol)));
    Advance();
}

std::string TFormParser::ExpectIdentifier(const char* what) {
    if (FToken.kind != TFormToken::Identifier)
        Fail(Format("%s expected", what));
    std::string text = FToken.text;
    Advance();
    return text;
}

void TFormParser::Read() {
    try {
        Advance();
        ReadRootHeader();
        ReadMembers(FRoot, &FRoot, 0);
        if (FToken.kind != TFormToken::End)
            Fail("text after the end of the definition");
        ResolveReferences();
    } catch (const EFilerError&) {
        Finish(false);
        throw;
    } catch (const Exception& error) {
        // A setter's or the component's own refusal (a duplicate name, say).
        Finish(false);
        throw CreateFmt<EReadError>("Line %d: %s", FToken.line, error.Message());
    } catch (...) {
        Finish(false);
        throw;
    }
    Finish(true);
}

void TFormParser::ReadRootHeader() {
    const std::string className = ExpectIdentifier("class name");
    if (!SameText(className, FRoot.ClassName()))
        Fail(Format("the definition is for %s, not %s", className, FRoot.ClassName()));
    const std::string name = ExpectIdentifier("component name");
    FRoot.BeginLoading();
    FLoading.push_back(&FRoot);
    FRoot.SetName(name);
    Expect('{');
}

void TFormParser::ReadMembers(TObject& instance, TComponent* container, int depth) {
    if (depth > MaxNesting)
        Fail("definition nested too deeply");
    while (!IsSymbol('}')) {
        std::string first = ExpectIdentifier("property or class name");
        if (container && FToken.kind == TFormToken::Identifier)
            ReadChild(container, std::move(first), depth + 1);
        else
            ReadProperty(instance, std::move(first), depth);
    }
    Advance();
}

void TFormParser::ReadChild(TComponent* container, std::string className, int depth) {
    const TClassInfo* info = GetClass(className);
    if (!info)
        throw CreateFmt<EClassNotFound>("Line %d: Class %s not found", FToken.line, className);
    if (!info->Factory())
        Fail(Format("class %s cannot be created by name", className));
    const std::string name = ExpectIdentifier("component name");
    TComponent* component = info->Factory()(&FRoot);
    component->BeginLoading();
    FLoading.push_back(component);
    component->SetName(name);
    if (const TFieldInfo* field = FRoot.ClassType().FindField(name))
        field->Set(FRoot, component);
    component->SetParentComponent(container);
    Expect('{');
    ReadMembers(*component, component, depth);
}

void TFormParser::ReadProperty(TObject& instance, std::string name, int depth) {
    while (IsSymbol('.')) {
        Advance();
        name += '.';
        name += ExpectIdentifier("property name");
    }
    Expect('=');
    std::string last = name;
    TObject& target = Resolve(instance, last);
    AssignValue(target, last, depth);
}

// Follows a dotted name ("Font.Style") to the object that holds its last part.
TObject& TFormParser::Resolve(TObject& instance, std::string& name) {
    TObject* target = &instance;
    std::size_t dot;
    while ((dot = name.find('.')) != std::string::npos) {
        const std::string part = name.substr(0, dot);
        const TPropInfo* info = GetPropInfo(*target, part);
        TObject* inner =
            info && info->Kind() == TTypeKind::tkClass ? info->GetObject(*target) : nullptr;
        if (!inner)
            Fail(Format("%s has no object property %s", target->ClassName(), part));
        target = inner;
        name.erase(0, dot + 1);
    }
    return *target;
}

void TFormParser::AssignValue(TObject& instance, const std::string& name, int depth) {
    if (FToken.kind == TFormToken::Hex ||
        (FToken.kind == TFormToken::Identifier && FToken.text == "resource")) {
        ReadBinary(instance, name);
        return;
    }
    const TPropInfo* info = GetPropInfo(instance, name);
    if (!info)
        Fail(Format("property %s.%s does not exist", instance.ClassName(), name));
    try {
        switch (FToken.kind) {
        case TFormToken::String:
            AssignText(instance, *info, FToken.text);
            Advance();
            return;
        case TFormToken::Number:
            AssignText(instance, *info, FToken.text);
            Advance();
            return;
        case TFormToken::Identifier: {
            const std::string text = FToken.text;
            Advance();
            AssignIdentifier(instance, *info, text);
            return;
        }
        default:
            break;
        }
        if (IsSymbol('['))
            AssignText(instance, *info, ReadSetText());
        else if (IsSymbol('(')) {
            auto* strings = info->Kind() == TTypeKind::tkClass
                                ? dynamic_cast<TStrings*>(info->GetObject(instance))
                                : nullptr;
            if (!strings)
                Fail(Format("property %s.%s is not a string list", instance.ClassName(), name));
            ReadStrings(*strings);
        } else if (IsSymbol('<')) {
            auto* collection = info->Kind() == TTypeKind::tkClass
                                   ? dynamic_cast<TCollection*>(info->GetObject(instance))
                                   : nullptr;
            if (!collection)
                Fail(Format("property %s.%s is not a collection", instance.ClassName(), name));
            ReadCollection(*collection, depth);
        } else
            Fail(Format("value of %s.%s expected", instance.ClassName(), name));
    } catch (const EReadError&) {
        throw;
    } catch (const Exception& error) {
        Fail(Format("%s.%s: %s", instance.ClassName(), name, error.Message()));
    }
}

void TFormParser::AssignText(TObject& instance, const TPropInfo& info, const std::string& text) {
    if (info.Kind() == TTypeKind::tkString) {
        info.SetStr(instance, text);
        return;
    }
    if (!SetPropText(instance, info.Name(), text))
        Fail(Format("invalid value %s for %s.%s", text, instance.ClassName(), info.Name()));
}

void TFormParser::AssignIdentifier(TObject& instance, const TPropInfo& info,
                                   const std::string& text) {
    switch (info.Kind()) {
    case TTypeKind::tkMethod: {
        const TMethodInfo* method = FRoot.ClassType().FindMethod(text);
        if (!method)
            Fail(Format("handler %s not found in %s", text, FRoot.ClassName()));
        if (method->EventType() != info.EventType())
            Fail(Format("handler %s does not suit %s.%s", text, instance.ClassName(), info.Name()));
        info.SetMethod(instance, method->Bind(FRoot));
        return;
    }
    case TTypeKind::tkClass:
        // Components may be named before they are read: bound at the end.
        FReferences.push_back({&instance, &info, text, FToken.line});
        return;
    default:
        AssignText(instance, info, text);
        return;
    }
}

std::string TFormParser::ReadSetText() {
    Expect('[');
    std::string text = "[";
    while (!IsSymbol(']')) {
        if (text.size() > 1) {
            Expect(',');
            text += ',';
        }
        text += ExpectIdentifier("set element");
    }
    Advance();
    return text + "]";
}

void TFormParser::ReadStrings(TStrings& strings) {
    Expect('(');
    strings.BeginUpdate();
    strings.Clear();
    while (FToken.kind == TFormToken::String) {
        strings.Add(FToken.text);
        Advance();
    }
    strings.EndUpdate();
    Expect(')');
}

void TFormParser::ReadCollection(TCollection& collection, int depth) {
    Expect('<');
    collection.BeginUpdate();
    collection.Clear();
    while (IsSymbol('{')) {
        Advance();
        ReadMembers(*collection.Add(), nullptr, depth + 1);
    }
    collection.EndUpdate();
    Expect('>');
}

void TFormParser::ReadBinary(TObject& instance, const std::string& name) {
    const TBinaryPropInfo* info = instance.ClassType().FindBinaryProperty(name);
    if (!info)
        Fail(Format("binary property %s.%s does not exist", instance.ClassName(), name));
    const int line = FToken.line;
    try {
        if (FToken.kind == TFormToken::Hex) {
            TMemoryStream stream;
            const std::string& digits = FToken.text;
            stream.SetSize(static_cast<std::int64_t>(digits.size() / 2));
            auto* bytes = static_cast<std::uint8_t*>(stream.Memory());
            for (std::size_t i = 0; i < digits.size(); i += 2)
                bytes[i / 2] =
                    static_cast<std::uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16));
            Advance();
            info->Read(instance, stream);
            return;
        }
        Advance();
        Expect('(');
        if (FToken.kind != TFormToken::String)
            Fail("resource type expected");
        const std::string type = FToken.text;
        Advance();
        Expect(',');
        if (FToken.kind != TFormToken::String)
            Fail("resource name expected");
        const std::string resourceName = FToken.text;
        Advance();
        Expect(')');
        TResourceStream stream(nullptr, resourceName, type);
        info->Read(instance, stream);
    } catch (const EReadError&) {
        throw;
    } catch (const Exception& error) {
        throw CreateFmt<EReadError>("Line %d: %s.%s: %s", line, instance.ClassName(), name,
                                    error.Message());
    }
}

void TFormParser::ResolveReferences() {
    for (const TReference& reference : FReferences) {
        TComponent* component = SameText(reference.componentName, FRoot.Name())
                                    ? &FRoot
                                    : FRoot.FindComponent(reference.componentName);
        if (!component)
            throw CreateFmt<EReadError>("Line %d: component %s not found", reference.line,
                                        reference.componentName);
        try {
            reference.property->SetObject(*reference.instance, component);
        } catch (const Exception& error) {
            throw CreateFmt<EReadError>("Line %d: %s: %s", reference.line,
                                        reference.property->Name(), error.Message());
        }
    }
}

// Every component read is told once the whole definition is in, in the order read.
void TFormParser::Finish(bool loaded) {
    for (TComponent* component : FLoading)
        component->EndReading();
    if (!loaded)
        return;
    for (TComponent* component : FLoading)
        component->Loaded();
}

} // namespace

void ReadComponentDefinition(TComponent& root, std::string_view text) {
    RegisterStandardClasses();
    TFormParser(root, text).Read();
}

bool ReadFormResource(TCustomForm& form) {
    win::HRSRC resource = win::FindResource(nullptr, form.ClassName(), FormResourceType);
    if (!resource)
        return false;
    const auto* bytes =
        static_cast<const char*>(win::LockResource(win::LoadResource(nullptr, resource)));
    ReadComponentDefinition(form, std::string_view(bytes, win::SizeofResource(nullptr, resource)));
    return true;
}

} // namespace fw
