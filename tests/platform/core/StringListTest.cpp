#include <gtest/gtest.h>

#include "platform/Classes.h"

using namespace vcl;

namespace {

std::vector<std::string> Items(const TStrings& s) { return s.ToVector(); }

struct Counted : TObject {
    explicit Counted(int* alive) : alive_(alive) { ++*alive_; }
    ~Counted() override { --*alive_; }
    int* alive_;
};

}  // namespace

TEST(StringList, IndexErrorsNameTheIndex) {
    TStringList list;
    list.Add("a");
    struct Op {
        const char* what;
        std::function<void()> run;
        int index;
    };
    const Op ops[] = {
        {"Get", [&] { list.Get(1); }, 1},
        {"Put", [&] { list.Put(-1, "x"); }, -1},
        {"Delete", [&] { list.Delete(5); }, 5},
        {"Insert", [&] { list.Insert(2, "x"); }, 2},
        {"Objects", [&] { list.GetObjects(1); }, 1},
        {"Exchange", [&] { list.Exchange(0, 3); }, 3},
        {"Move", [&] { list.Move(0, 9); }, 9},
    };
    for (const Op& op : ops) {
        try {
            op.run();
            ADD_FAILURE() << op.what << " accepted a bad index";
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(op.index) + ")") << op.what;
        }
    }
    list.Insert(1, "b");   // Count itself is a valid insert position
    EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b"}));
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
    TStringList list;
    TObject o1, o2, o3;
    list.AddObject("one", &o1);
    list.AddObject("two", &o2);
    list.InsertObject(0, "zero", &o3);
    list.Exchange(0, 2);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"two", "one", "zero"}));
    EXPECT_EQ(list.GetObjects(0), &o2);
    EXPECT_EQ(list.GetObjects(2), &o3);
    list.Move(2, 0);
    EXPECT_EQ(list.GetObjects(0), &o3);
    EXPECT_EQ(list.IndexOfObject(&o1), 2);
    list.SetStrings(2, "uno");
    EXPECT_EQ(list.GetObjects(2), &o1);   // Put keeps the object
    list.SetSorted(true);                 // sorting carries the objects along
    EXPECT_EQ(Items(list), (std::vector<std::string>{"two", "uno", "zero"}));
    EXPECT_EQ(list.GetObjects(0), &o2);
    EXPECT_EQ(list.GetObjects(1), &o1);
}

TEST(StringList, OwnedObjectsAreFreedExactlyOnce) {
    int alive = 0;
    {
        TStringList list(true);
        list.AddObject("a", new Counted(&alive));
        list.AddObject("b", new Counted(&alive));
        list.AddObject("c", new Counted(&alive));
        list.Move(0, 2);          // moving must not free
        EXPECT_EQ(alive, 3);
        list.Delete(0);
        EXPECT_EQ(alive, 2);
    }
    EXPECT_EQ(alive, 0);
}

TEST(StringList, SortedFindAndDuplicates) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"pear", "Apple", "fig", "apple", "banana"}) list.Add(s);
    // dupIgnore: "apple" equals "Apple" without case sensitivity
    EXPECT_EQ(Items(list), (std::vector<std::string>{"Apple", "banana", "fig", "pear"}));
    int index = -1;
    EXPECT_TRUE(list.Find("FIG", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(list.Find("cherry", index));
    EXPECT_EQ(index, 2);                  // where it would go
    EXPECT_EQ(list.IndexOf("PEAR"), 3);
    EXPECT_THROW(list.Insert(0, "x"), EListError);
    EXPECT_THROW(list.Exchange(0, 1), EListError);

    list.SetDuplicates(dupError);
    try {
        list.Add("BANANA");
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
    }
    list.SetDuplicates(dupAccept);
    list.Add("banana");
    EXPECT_EQ(list.GetCount(), 5);
    EXPECT_TRUE(list.Find("banana", index));
    EXPECT_EQ(index, 1);                  // the first of the equal strings

    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("APPLE"), -1);
    EXPECT_EQ(list.IndexOf("Apple"), 0);
}

TEST(StringList, TextSplitsEveryKindOfLineBreak) {
    TStringList list;
    list.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    list.SetText("x\n");
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetText(), "x\n");
    list.LineBreak = "\r\n";
    list.Add("y");
    EXPECT_EQ(list.GetText(), "x\r\ny\r\n");
    list.SetText("");
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(StringList, CommaAndDelimitedText) {
    TStringList list;
    struct Case {
        const char* text;
        std::vector<std::string> items;
    };
    const Case reads[] = {
        {"a,b,c", {"a", "b", "c"}},
        {" a , b ", {"a", "b"}},
        {"a b", {"a", "b"}},
        {"\"a b\",\"say \"\"hi\"\"\"", {"a b", "say \"hi\""}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"", {}},
        {"\"\"", {""}},
    };
    for (const Case& c : reads) {
        list.SetCommaText(c.text);
        EXPECT_EQ(Items(list), c.items) << c.text;
    }
    list.Clear();
    list.AddStrings(std::vector<std::string>{"plain", "two words", "quote\"d", "", "x,y"});
    EXPECT_EQ(list.GetCommaText(), "plain,\"two words\",\"quote\"\"d\",,\"x,y\"");
    TStringList back;
    back.SetCommaText(list.GetCommaText());
    EXPECT_EQ(Items(back), Items(list));

    TStringList strict;
    strict.Delimiter = ';';
    strict.StrictDelimiter = true;
    strict.SetDelimitedText(" a b ;c");
    EXPECT_EQ(Items(strict), (std::vector<std::string>{" a b ", "c"}));
    EXPECT_EQ(strict.GetDelimitedText(), " a b ;c");
}

TEST(StringList, ChangeEventsAreBatchedByUpdates) {
    TStringList list;
    int changes = 0, changings = 0;
    list.SetOnChange([&](TObject* sender) { EXPECT_EQ(sender, &list); ++changes; });
    list.SetOnChanging([&](TObject*) { ++changings; });
    list.Add("a");
    list.Add("b");
    EXPECT_EQ(changes, 2);
    list.BeginUpdate();
    list.Add("c");
    list.Delete(0);
    list.BeginUpdate();
    list.Clear();
    list.EndUpdate();
    EXPECT_EQ(changes, 2);
    list.EndUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(changings, 3);
    list.SetCommaText("x,y,z");           // one change for the whole text
    EXPECT_EQ(changes, 4);
}

TEST(StringList, AssignAddStringsAndValues) {
    TStringList a, b;
    TObject o;
    a.AddObject("k=v", &o);
    a.Add("name=value=more");
    b.Add("old");
    b.Assign(&a);
    EXPECT_EQ(Items(b), Items(a));
    EXPECT_EQ(b.GetObjects(0), &o);
    b.AddStrings(&a);
    EXPECT_EQ(b.GetCount(), 4);
    EXPECT_EQ(b.GetValue("NAME"), "value=more");
    EXPECT_EQ(b.GetName(1), "name");
    b.SetValue("k", "w");
    EXPECT_EQ(b.Get(0), "k=w");
    b.SetValue("k", "");
    EXPECT_EQ(b.IndexOfName("k"), 1);     // the first pair went, the copy stays
    b.SetValue("new", "1");
    EXPECT_EQ(b.Get(b.GetCount() - 1), "new=1");
    TPersistent p;
    EXPECT_THROW(b.Assign(&p), EConvertError);
}

TEST(StringList, FilesAndStreams) {
    std::string path = std::string(ZYN_TEST_OUTPUT_DIR) + "/core_lines.txt";
    TStringList list;
    list.AddStrings(std::vector<std::string>{"één", "", "last"});
    list.SaveToFile(path);
    TStringList back;
    back.LoadFromFile(path);
    EXPECT_EQ(Items(back), Items(list));

    TStringStream bom("\xEF\xBB\xBF" "first\r\nsecond");
    back.LoadFromStream(&bom);
    EXPECT_EQ(Items(back), (std::vector<std::string>{"first", "second"}));
    TStringStream out;
    back.SaveToStream(&out);
    EXPECT_EQ(out.GetDataString(), "first\nsecond\n");
    EXPECT_THROW(back.LoadFromFile(path + ".none"), EFOpenError);
    EXPECT_THROW(back.SaveToFile(std::string(ZYN_TEST_OUTPUT_DIR) + "/no/such/dir/x.txt"), EFCreateError);
    EXPECT_EQ(back.GetCount(), 2);        // a failed load keeps the list
}
