#include "framework/StringList.h"

#include "framework/Exception.h"
#include "framework/MemoryStream.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fw {
namespace {

std::vector<std::string> Items(const TStrings& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.Strings(i));
    return items;
}

using Lines = std::vector<std::string>;

TEST(StringList, SplitsTextAtEveryKindOfLineBreak) {
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {std::string("x\0y\nz", 5), {std::string("x\0y", 3), "z"}},
    };
    TStringList list;
    for (const Case& c : cases) {
        list.SetText(c.text);
        EXPECT_EQ(Items(list), c.lines) << c.text;
    }
    list.SetText("one\ntwo");
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\n");
}

TEST(StringList, ReadsAndWritesCommaText) {
    struct Case {
        std::string text;
        Lines items;
    };
    const Case cases[] = {
        {"", {}},
        {"a,b,c", {"a", "b", "c"}},
        {"  a , b  ", {"a", "b"}},
        {"a b,c", {"a", "b", "c"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {",a", {"", "a"}},
        {"\"a b\",\"say \"\"hi\"\"\"", {"a b", "say \"hi\""}},
        {"\"ab\"cd,e", {"ab", "cd", "e"}},
        {"\"open", {"open"}},
        {"\"\"", {""}},
    };
    TStringList list;
    for (const Case& c : cases) {
        list.SetCommaText(c.text);
        EXPECT_EQ(Items(list), c.items) << c.text;
    }

    const struct {
        Lines items;
        std::string text;
    } joins[] = {
        {{}, ""},
        {{""}, "\"\""},
        {{"a", "", "b"}, "a,,b"},
        {{"a b", "x,y", "q\"t", "tab\there", "plain"},
         "\"a b\",\"x,y\",\"q\"\"t\",\"tab\there\",plain"},
    };
    for (const auto& j : joins) {
        list.Clear();
        for (const std::string& s : j.items)
            list.Add(s);
        EXPECT_EQ(list.CommaText(), j.text);
        TStringList back;
        back.SetCommaText(list.CommaText());
        EXPECT_EQ(Items(back), j.items);
    }
}

TEST(StringList, StrictDelimiterKeepsBlanks) {
    TStringList list;
    list.SetDelimiter(';');
    list.SetStrictDelimiter(true);
    list.SetDelimitedText(" a b ; c;");
    EXPECT_EQ(Items(list), (Lines{" a b ", " c", ""}));
    EXPECT_EQ(list.DelimitedText(), " a b ; c;");
}

TEST(StringList, NamesAndValues) {
    TStringList list;
    list.SetText("Key=1\nother=two=2\nplain\nEMPTY=");
    EXPECT_EQ(list.Names(0), "Key");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.ValueFromIndex(1), "two=2");
    EXPECT_EQ(list.Values("key"), "1");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.IndexOfName("OTHER"), 1);
    EXPECT_EQ(list.IndexOfName("plain"), -1);
    EXPECT_EQ(list.IndexOfName("empty"), 3);

    list.SetValues("KEY", "9");
    list.SetValues("new", "x");
    list.SetValues("other", "");
    EXPECT_EQ(Items(list), (Lines{"KEY=9", "plain", "EMPTY=", "new=x"}));
}

TEST(StringList, SortedListsKeepOrderAndApplyTheDuplicatePolicy) {
    TStringList list;
    list.SetCommaText("pear,Apple,fig");
    list.SetSorted(true);
    EXPECT_EQ(Items(list), (Lines{"Apple", "fig", "pear"}));
    EXPECT_EQ(list.Add("banana"), 1);
    EXPECT_EQ(list.Add("APPLE"), 0); // dupIgnore: the existing index
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.IndexOf("FIG"), 2);
    EXPECT_EQ(list.IndexOf("kiwi"), -1);

    list.SetDuplicates(TDuplicates::dupError);
    try {
        list.Add("pear");
        ADD_FAILURE();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
    }
    list.SetDuplicates(TDuplicates::dupAccept);
    list.Add("Pear");
    EXPECT_EQ(list.Count(), 5);

    EXPECT_THROW(list.Insert(0, "z"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "z"), EStringListError);

    list.SetCaseSensitive(true);
    EXPECT_EQ(Items(list), (Lines{"Apple", "Pear", "banana", "fig", "pear"}));
    EXPECT_EQ(list.IndexOf("apple"), -1);
}

TEST(StringList, IndexErrorsNameTheIndex) {
    TStringList list;
    list.Add("only");
    for (int index : {-1, 1}) {
        try {
            list.Strings(index);
            ADD_FAILURE();
        } catch (const EStringListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_NO_THROW(list.Insert(1, "end"));
    EXPECT_THROW(list.Insert(3, "far"), EListError);
}

TEST(StringList, UpdatesHoldBackChangeEvents) {
    TStringList list;
    std::string events;
    list.SetOnChanging([&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        events += '<';
    });
    list.SetOnChange([&](TObject*) { events += '>'; });
    list.Add("a");
    EXPECT_EQ(events, "<>");
    events.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("b");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(events, "<");
    list.EndUpdate();
    EXPECT_EQ(events, "<>");
    events.clear();
    list.SetText("x\ny");
    EXPECT_EQ(events, "<>");
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
    TStringList a, b, c;
    TStringList list;
    list.AddObject("b", &b);
    list.AddObject("a", &a);
    list.InsertObject(0, "c", &c);
    list.Sort();
    EXPECT_EQ(list.Objects(0), &a);
    EXPECT_EQ(list.Objects(2), &c);
    list.Exchange(0, 2);
    list.Move(0, 1);
    EXPECT_EQ(Items(list), (Lines{"b", "c", "a"}));
    EXPECT_EQ(list.IndexOfObject(&c), 1);

    TStringList copy;
    copy.Assign(list);
    EXPECT_TRUE(copy.Equals(list));
    EXPECT_EQ(copy.Objects(2), &a);

    list.CustomSort([](const TStringList& l, int x, int y) {
        return -l.CompareStrings(l.Strings(x), l.Strings(y));
    });
    EXPECT_EQ(Items(list), (Lines{"c", "b", "a"}));
}

TEST(StringList, AssignFromAnotherClassFailsWithBothNames) {
    class TOther : public TPersistent {};
    TOther other;
    TStringList list;
    try {
        list.Assign(other);
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TPersistent to a TStringList");
    }
}

TEST(StringList, LoadsFromTheStreamPositionAndSavesText) {
    TMemoryStream stream;
    const std::string bytes = "skip\xEF\xBB\xBFone\r\ntwo";
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(4);
    TStringList list;
    list.LoadFromStream(stream);
    EXPECT_EQ(Items(list), (Lines{"one", "two"}));

    TMemoryStream out;
    list.SaveToStream(out);
    EXPECT_EQ(
        std::string(static_cast<const char*>(out.Memory()), static_cast<std::size_t>(out.Size())),
        "one\r\ntwo\r\n");
}

// A stream that claims more bytes than a string list can hold.
class THugeStream : public TStream {
public:
    std::int64_t Read(void*, std::int64_t) override { return 0; }
    std::int64_t Write(const void*, std::int64_t) override { return 0; }
    std::int64_t Seek(std::int64_t, TSeekOrigin origin) override {
        return origin == TSeekOrigin::soEnd ? std::int64_t(1) << 40 : 0;
    }
};

TEST(StringList, RefusesAStreamTooLargeToHoldAndKeepsItsStrings) {
    TStringList list;
    list.Add("kept");
    THugeStream huge;
    EXPECT_THROW(list.LoadFromStream(huge), EOutOfMemory);
    EXPECT_EQ(Items(list), (Lines{"kept"}));
}

} // namespace
} // namespace fw
