#pragma once
// An abstract list of strings, each with an associated object (borrowed, never
// freed by the list). Subclasses store the strings; everything built on the
// basic operations — text, comma text, name=value pairs, streams — lives here.

#include "framework/Persistent.h"

#include <string>
#include <string_view>
#include <vector>

namespace fw {

class TStream;

class TStrings : public TPersistent {
    FW_CLASS(TStrings, TPersistent)

    virtual int Count() const = 0;
    virtual std::string Strings(int index) const = 0;
    virtual void SetStrings(int index, const std::string& s);
    virtual TObject* Objects(int index) const;
    virtual void SetObjects(int index, TObject* object);

    virtual int Add(std::string s);
    int AddObject(std::string s, TObject* object);
    void AddStrings(const TStrings& strings);
    virtual void Insert(int index, std::string s) = 0;
    void InsertObject(int index, std::string s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);

    // Room for this many strings without growing; a hint lists may ignore.
    virtual int Capacity() const { return Count(); }
    virtual void SetCapacity(int capacity);

    virtual int IndexOf(const std::string& s) const;
    int IndexOfName(const std::string& name) const;
    int IndexOfObject(const TObject* object) const;

    // The strings joined, each followed by CR LF. Setting splits at CR LF, a lone
    // CR or a lone LF; a break at the very end does not start another line.
    std::string Text() const;
    void SetText(std::string_view text);
    // Strings separated by commas; a string holding a blank, a control character,
    // a comma or a quote is quoted with " (inner quotes doubled). Setting also
    // splits at unquoted blanks.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);
    // CommaText with this list's Delimiter and QuoteChar; with StrictDelimiter only
    // the delimiter separates and blanks are kept.
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view text);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char c) { FDelimiter = c; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char c) { FQuoteChar = c; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool strict) { FStrictDelimiter = strict; }

    // "name=value" pairs: Names(i) is the part before the first "=" ("" without
    // one); Values(name) the part after it for the first string with that name.
    // Setting a value to "" deletes the pair.
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    std::string Values(const std::string& name) const;
    void SetValues(const std::string& name, const std::string& value);
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char c) { FNameValueSeparator = c; }

    // Replaces the strings with the text from the stream's position to its end (a
    // UTF-8 byte-order mark is skipped); saving writes Text at the stream's position.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    // Nested; change notifications are held back until the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Copies the strings and objects of another TStrings.
    void Assign(const TPersistent& source) override;
    bool Equals(const TStrings& strings) const;

    // The comparison IndexOf, IndexOfName and sorting use; case-insensitive here.
    virtual int CompareStrings(std::string_view a, std::string_view b) const;

protected:
    // Called when an update starts (true) and when the outermost one ends (false).
    virtual void SetUpdateState(bool updating);
    [[noreturn]] void Error(std::string_view message, int index) const;

private:
    std::vector<std::string> All() const;
    void ReplaceAll(std::vector<std::string> items);

    int FUpdateCount = 0;
    char FDelimiter = ',';
    char FQuoteChar = '"';
    char FNameValueSeparator = '=';
    bool FStrictDelimiter = false;
};

} // namespace fw
