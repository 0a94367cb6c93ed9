#pragma once
// Published properties read and written by name, for code that inspects objects
// of any class at run time (the skin painters, the form-definition reader).
//
// Readers give nothing (std::nullopt) when the object's class publishes no
// property of that name or publishes it with another kind, so a missing property
// is never mistaken for a zero. Setters return false in the same cases and
// change nothing; a read-only property or a value its type cannot hold raises
// EPropertyError.

#include "framework/Object.h"
#include "framework/PropInfo.h"

#include <any>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

const TPropInfo* GetPropInfo(const TObject& instance, std::string_view name);
bool IsPublishedProp(const TObject& instance, std::string_view name);

// Any ordinal kind: integer, enumeration, set (its bit mask), Boolean, colour.
std::optional<std::int64_t> GetOrdProp(const TObject& instance, std::string_view name);
std::optional<std::string> GetStrProp(const TObject& instance, std::string_view name);
// The value's name, for enumeration and Boolean properties.
std::optional<std::string> GetEnumProp(const TObject& instance, std::string_view name);
// The element names, comma separated ("fsBold,fsItalic").
std::optional<std::string> GetSetProp(const TObject& instance, std::string_view name);
// The object (possibly null); nothing as well when it is not of class minClass.
std::optional<TObject*> GetObjectProp(const TObject& instance, std::string_view name,
                                      const TClassInfo* minClass = nullptr);
// The handler in a std::any holding the event's std::function; empty if unassigned.
std::optional<std::any> GetMethodProp(const TObject& instance, std::string_view name);

bool SetOrdProp(TObject& instance, std::string_view name, std::int64_t value);
bool SetStrProp(TObject& instance, std::string_view name, const std::string& value);
// Enumeration and Boolean values by name, compared without regard to case.
bool SetEnumProp(TObject& instance, std::string_view name, std::string_view valueName);
bool SetObjectProp(TObject& instance, std::string_view name, TObject* value);
bool SetMethodProp(TObject& instance, std::string_view name, const std::any& handler);

// A property's value as text: integers in decimal, enumerations and Booleans by
// name, sets as "[a,b]", colours by name or as "$00BBGGRR", strings as they are.
// Object and event properties have no text.
std::optional<std::string> GetPropText(const TObject& instance, std::string_view name);
// The reverse of GetPropText (sets with or without brackets; integers in any
// notation StrToInt reads). False for a missing property or text that its type
// cannot take.
bool SetPropText(TObject& instance, std::string_view name, std::string_view text);

// Set text to bits and back, over a set's element names.
std::string SetToString(const TEnumInfo& elements, std::uint64_t bits, bool brackets);
std::optional<std::uint64_t> StringToSet(const TEnumInfo& elements, std::string_view text);

} // namespace fw
