#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

#include "platform/Classes.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

enum TShape : std::uint8_t { shCircle, shSquare, shTriangle };
enum TOption : std::uint8_t { opBold, opFramed, opShadowed, opWide };
using TOptions = TSet<TOption>;

// A sub-object with a table of its own, like a font.
class TStyle : public TPersistent {
public:
    std::string ClassName() const override { return "TStyle"; }
    int GetSize() const { return size_; }
    void SetSize(int v) { size_ = v; }
    const std::string& GetFace() const { return face_; }
    void SetFace(const std::string& v) { face_ = v; }
    void Assign(TPersistent* Source) override {
        if (auto* s = dynamic_cast<TStyle*>(Source)) { size_ = s->size_; face_ = s->face_; return; }
        TPersistent::Assign(Source);
    }

private:
    int size_ = 8;
    std::string face_ = "Sans";
};

// A component with a property of every kind; it records what streaming did to it.
class TGadget : public TComponent {
public:
    explicit TGadget(TComponent* AOwner) : TComponent(AOwner) {
        items_.SetText("alpha\nbeta");   // a list that starts non-empty
    }
    std::string ClassName() const override { return "TGadget"; }

    int GetCount() const { return count_; }
    void SetCount(int v) {
        if (v < 0) throw EConvertError("Count must not be negative");
        count_ = v;
        loadingSeen_ = loadingSeen_ || GetComponentState().Contains(csLoading);
    }
    double GetRatio() const { return ratio_; }
    void SetRatio(double v) { ratio_ = v; }
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }
    bool GetActive() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    TShape GetShape() const { return shape_; }
    void SetShape(TShape v) { shape_ = v; }
    TOptions GetOptions() const { return options_; }
    void SetOptions(TOptions v) { options_ = v; }
    std::int32_t GetColor() const { return color_; }
    void SetColor(std::int32_t v) { color_ = v; }
    TStyle* GetStyle() const { return const_cast<TStyle*>(&style_); }
    void SetStyle(TStyle* v) { style_.Assign(v); }
    TStringList* GetItems() const { return const_cast<TStringList*>(&items_); }
    std::int64_t GetBig() const { return big_; }
    void SetBig(std::int64_t v) { big_ = v; }

    void Loaded() override {
        stateInLoaded = GetComponentState();
        ++loadedCalls;
        TComponent::Loaded();
    }
    bool HasParent() const override { return parent_ != nullptr; }
    TComponent* GetParentComponent() const override { return parent_; }
    void SetParentComponent(TComponent* v) override { parent_ = dynamic_cast<TGadget*>(v); }
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override {
        TComponent::GetChildren(Proc, Root);
        // Gadgets placed inside this one, in creation order.
        for (TComponent* c : Root->Components())
            if (auto* g = dynamic_cast<TGadget*>(c); g != nullptr && g->parent_ == this) Proc(g);
    }

    TNotifyEvent OnPing;
    int loadedCalls = 0;
    TComponentState stateInLoaded;
    bool loadingSeen_ = false;

private:
    int count_ = 0;
    double ratio_ = 1.5;
    std::string caption_;
    bool active_ = true;
    TShape shape_ = shCircle;
    TOptions options_{opFramed};
    std::int32_t color_ = 0x00FFFFFF;
    TStyle style_;
    TStringList items_;
    std::int64_t big_ = 0;
    TGadget* parent_ = nullptr;
};

const bool registered = [] {
    RegisterClass<TStyle, TPersistent>("TStyle", [](TPublisher<TStyle>& p) {
        p.Integer("Size", &TStyle::GetSize, &TStyle::SetSize, 8);
        p.String("Face", &TStyle::GetFace, &TStyle::SetFace, "Sans");
    });
    RegisterClass<TGadget, TComponent>("TGadget", [](TPublisher<TGadget>& p) {
        p.Integer("Count", &TGadget::GetCount, &TGadget::SetCount, 0);
        p.Float("Ratio", &TGadget::GetRatio, &TGadget::SetRatio, 1.5);
        p.String("Caption", &TGadget::GetCaption, &TGadget::SetCaption);
        p.Boolean("Active", &TGadget::GetActive, &TGadget::SetActive, true);
        p.Enum("Shape", &TGadget::GetShape, &TGadget::SetShape, shCircle, {"shCircle", "shSquare", "shTriangle"});
        p.Set("Options", &TGadget::GetOptions, &TGadget::SetOptions, TOptions{opFramed},
              {"opBold", "opFramed", "opShadowed", "opWide"});
        p.Color("Color", &TGadget::GetColor, &TGadget::SetColor, 0x00FFFFFF);
        p.Object("Style", &TGadget::GetStyle, &TGadget::SetStyle);
        p.Object("Items", &TGadget::GetItems);
        p.Integer("Big", &TGadget::GetBig, &TGadget::SetBig, 0);
        p.Event("OnPing", &TGadget::OnPing);
    });
    return true;
}();

// Gives colour names the way the graphics layer does, for two colours.
void InstallColorNames() {
    SetColorNameConverter({
        [](std::int32_t c) -> std::string {
            if (c == 0x0000FF) return "clRed";
            if (c == std::int32_t(0xFF00000F)) return "clBtnFace";
            char buf[16];
            std::snprintf(buf, sizeof buf, "$%08X", unsigned(c));
            return buf;
        },
        [](const std::string& s, std::int32_t& c) {
            if (SameText(s, "clRed")) { c = 0x0000FF; return true; }
            if (SameText(s, "clBtnFace")) { c = std::int32_t(0xFF00000F); return true; }
            return false;
        }});
}

TGadget* Fill(TComponent* owner) {
    auto* g = new TGadget(owner);
    g->SetName("Gadget1");
    g->SetCount(-0 + 42);
    g->SetRatio(1.5);   // the default: not written
    g->SetCaption("It's \"quoted\"\tand\r\nbroken: ÄÖÜ €");
    g->SetActive(false);
    g->SetShape(shTriangle);
    g->SetOptions(TOptions{opBold, opWide});
    g->SetColor(0x0000FF);
    g->GetStyle()->SetSize(10);
    g->GetItems()->SetText("one\n'two'\n\n");
    g->SetBig(std::int64_t(1) << 40);
    g->SetTag(-7);
    return g;
}

}  // namespace

TEST(FormFile, RoundTripKeepsEveryKindOfProperty) {
    InstallColorNames();
    TComponent form(nullptr);
    TGadget* g = Fill(&form);
    g->OnPing = [](TObject*) {};
    g->SetEventHandlerName("OnPing", "GadgetPing");
    auto* inner = new TGadget(g);   // the root owns what it holds
    inner->SetName("Inner");
    inner->SetParentComponent(g);
    inner->GetStyle()->SetFace("Mono");
    inner->SetRatio(0.1);                 // needs every digit to come back exactly

    std::string text = WriteComponentText(g);
    EXPECT_NE(text.find("Color = clRed"), std::string::npos) << text;
    EXPECT_NE(text.find("Style.Size = 10"), std::string::npos) << text;
    EXPECT_NE(text.find("Options = [opBold, opWide]"), std::string::npos) << text;
    std::string outer = text.substr(0, text.find("object Inner"));
    EXPECT_EQ(outer.find("Style.Face"), std::string::npos) << "default written:\n" << text;
    EXPECT_EQ(outer.find("Ratio"), std::string::npos) << "default written:\n" << text;
    EXPECT_EQ(text.find("Name ="), std::string::npos) << text;

    int pings = 0;
    TEventHandlers handlers;
    handlers.Add("GadgetPing", TNotifyEvent([&](TObject*) { ++pings; }));
    TComponent owner(nullptr);
    auto* copy = dynamic_cast<TGadget*>(ReadComponentText(text, &owner, handlers));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetOwner(), &owner);
    EXPECT_EQ(copy->GetName(), "Gadget1");
    EXPECT_EQ(copy->GetCount(), 42);
    EXPECT_EQ(copy->GetRatio(), 1.5);
    EXPECT_EQ(copy->GetCaption(), g->GetCaption());
    EXPECT_FALSE(copy->GetActive());
    EXPECT_EQ(copy->GetShape(), shTriangle);
    EXPECT_EQ(copy->GetOptions(), (TOptions{opBold, opWide}));
    EXPECT_EQ(copy->GetColor(), 0x0000FF);
    EXPECT_EQ(copy->GetStyle()->GetSize(), 10);
    EXPECT_EQ(copy->GetItems()->ToVector(), (std::vector<std::string>{"one", "'two'", ""}));
    EXPECT_EQ(copy->GetBig(), std::int64_t(1) << 40);
    EXPECT_EQ(copy->GetTag(), -7);
    ASSERT_TRUE(copy->OnPing);
    copy->OnPing(copy);
    EXPECT_EQ(pings, 1);
    EXPECT_EQ(copy->GetEventHandlerName("OnPing"), "GadgetPing");

    // The nested gadget is owned by the new root and placed inside it.
    auto* innerCopy = dynamic_cast<TGadget*>(copy->FindComponent("Inner"));
    ASSERT_NE(innerCopy, nullptr);
    EXPECT_EQ(innerCopy->GetParentComponent(), copy);
    EXPECT_EQ(innerCopy->GetStyle()->GetFace(), "Mono");
    EXPECT_EQ(innerCopy->GetRatio(), 0.1);

    // Streaming state: csLoading while properties were set, Loaded once, then clear.
    for (TGadget* c : {copy, innerCopy}) {
        EXPECT_EQ(c->loadedCalls, 1);
        EXPECT_TRUE(c->stateInLoaded.Contains(csLoading));
        EXPECT_FALSE(c->GetComponentState().Contains(csLoading));
        EXPECT_FALSE(c->GetComponentState().Contains(csReading));
    }
    EXPECT_TRUE(copy->loadingSeen_);
    EXPECT_FALSE(innerCopy->loadingSeen_);   // Count stayed default: never set

    // Writing the copy gives the same text.
    EXPECT_EQ(WriteComponentText(copy), text);
    SetColorNameConverter({});
}

TEST(FormFile, ReadsHandWrittenTextIntoAnExistingRoot) {
    TGadget root(nullptr);
    const char* text =
        "// a gadget panel\n"
        "object Panel: TGadget\n"
        "  Caption = 'Line one'#13#10'Line two' +\n"
        "    ' continued'\n"
        "  Color = $00FF8000\n"
        "  Ratio = -2.5e3\n"
        "  Shape = SHSQUARE\n"
        "  Options = []\n"
        "  Items.Strings = (\n"
        "    'x'\n"
        "    #$20AC)\n"
        "  object Child: TGadget\n"
        "    Count = 3\n"
        "  end\n"
        "end\n";
    ReadRootText(text, &root);
    EXPECT_EQ(root.GetName(), "Panel");
    EXPECT_EQ(root.GetCaption(), "Line one\r\nLine two continued");
    EXPECT_EQ(root.GetColor(), 0x00FF8000);
    EXPECT_EQ(root.GetRatio(), -2500.0);
    EXPECT_EQ(root.GetShape(), shSquare);
    EXPECT_TRUE(root.GetOptions().Empty());
    EXPECT_EQ(root.GetItems()->ToVector(), (std::vector<std::string>{"x", "€"}));
    ASSERT_EQ(root.GetComponentCount(), 1);
    EXPECT_EQ(root.loadedCalls, 1);
    EXPECT_FALSE(root.GetComponentState().Contains(csLoading));
}

TEST(FormFile, MalformedTextIsRejectedWithItsLineAndLeavesNothingBehind) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"object A: TGadget\n  Count = 1\n  object B: TGadget\n    Count = 'x'\n  end\nend\n",
         "Line 4: Integer expected for Count but ''x'' found"},
        {"object A: TGadget\n  Shape = shOval\nend\n", "Line 2: Invalid value shOval for Shape"},
        {"object A: TGadget\n  Nope = 1\nend\n", "Line 2: Unknown property Nope of TGadget"},
        {"object A: TGadget\n  object B: TNoSuchClass\n  end\nend\n", "Line 2: Class TNoSuchClass not found"},
        {"object A: TGadget\n  Count = -1\nend\n", "Line 2: Count must not be negative"},
        {"object A: TGadget\n  Options = [opBold opWide]\nend\n", "Line 2: ',' or ']' expected in Options"},
        {"object A: TGadget\n  Caption = 'open\nend\n", "Line 2: Unterminated string"},
        {"object A: TGadget\n  OnPing = Missing\nend\n", "Line 2: Unknown event handler Missing for OnPing"},
        {"object A: TGadget\n  object B: TGadget\n  end\n  object B: TGadget\n  end\nend\n",
         "Line 4: A component named B already exists"},
        {"object A: TGadget\n  Count = 1\n", "Line 3: 'end' expected but end of text found"},
        {"object A: TGadget\n  Style.Size = 99999999999\nend\n", "Line 2: Value 99999999999 out of range for Size"},
        {"object A: TGadget\nend\nend\n", "Line 3: Text after the final end"},
    };
    for (const Case& c : cases) {
        TComponent owner(nullptr);
        new TComponent(&owner);   // something that was there before
        try {
            ReadComponentText(c.text, &owner);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(owner.GetComponentCount(), 1) << c.text;
    }


    // Reading into a root: components made so far are freed, the root is usable again.
    TGadget root(nullptr);
    EXPECT_THROW(ReadRootText("object R: TGadget\n  object B: TGadget\n  end\n  Count = x\nend\n", &root),
                 EReadError);
    EXPECT_EQ(root.GetComponentCount(), 0);
    EXPECT_FALSE(root.GetComponentState().Contains(csLoading));
    EXPECT_THROW(ReadRootText("object R: TComponent\nend\n", &root), EReadError);
}

namespace {
// Depth objects, each inside the one before; the innermost has Count = 5.
std::string NestedGadgets(int Depth, bool Closed) {
    std::string text;
    for (int i = 0; i < Depth; ++i) text += "object G" + std::to_string(i) + ": TGadget\n";
    text += "Count = 5\n";
    if (Closed)
        for (int i = 0; i < Depth; ++i) text += "end\n";
    return text;
}
std::string ReadError(const std::string& Text) {
    TComponent owner(nullptr);
    try {
        ReadComponentText(Text, &owner);
    } catch (const EReadError& e) {
        EXPECT_EQ(owner.GetComponentCount(), 0) << "left behind after: " << e.Message();
        return e.Message();
    }
    return "accepted";
}
}  // namespace

TEST(FormFile, NestingIsBoundedAndNothingElseNests) {
    // The outer object and MaxFormNesting levels below it are read.
    TComponent owner(nullptr);
    auto* top = dynamic_cast<TGadget*>(ReadComponentText(NestedGadgets(MaxFormNesting + 1, true), &owner));
    ASSERT_NE(top, nullptr);
    auto* inner = dynamic_cast<TGadget*>(top->FindComponent("G" + std::to_string(MaxFormNesting)));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->GetCount(), 5);
    int levels = 0;
    for (TComponent* c = inner; c != top; c = c->GetParentComponent()) ++levels;
    EXPECT_EQ(levels, MaxFormNesting);

    // One more level, or a runaway text, fails at the line that goes too deep.
    const std::string tooDeep = "Line " + std::to_string(MaxFormNesting + 2) + ": Objects nested too deeply";
    EXPECT_EQ(ReadError(NestedGadgets(MaxFormNesting + 2, true)), tooDeep);
    EXPECT_EQ(ReadError(NestedGadgets(100000, false)), tooDeep);
    std::string anonymous;
    for (int i = 0; i < 100000; ++i) anonymous += "object TGadget\n";
    EXPECT_EQ(ReadError(anonymous), tooDeep);

    // Brackets and parentheses do not nest: the first inner one is an error.
    const std::string parens(100000, '(');
    EXPECT_EQ(ReadError("object A: TGadget\n  Items.Strings = " + parens + "\nend\n"),
              "Line 2: String or ')' expected but '(' found");
    EXPECT_EQ(ReadError("object A: TGadget\n  Options = " + std::string(100000, '[') + "\nend\n"),
              "Line 2: Set element expected for Options");
    EXPECT_EQ(ReadError("object A: TGadget\n  Count = " + parens + "1\nend\n"),
              "Line 2: Integer expected for Count but '(' found");
}

TEST(FormFile, FilesRoundTrip) {
    std::string path = std::string(ZYN_TEST_OUTPUT_DIR) + "/core_form.txt";
    TComponent owner(nullptr);
    TGadget* g = Fill(&owner);
    WriteFormFile(path, g);
    TComponent other(nullptr);
    auto* copy = dynamic_cast<TGadget*>(ReadFormFile(path, &other));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetCaption(), g->GetCaption());
    // Under the first owner the name is taken: refused, and nothing is added.
    EXPECT_THROW(ReadFormFile(path, &owner), EReadError);
    EXPECT_EQ(owner.GetComponentCount(), 1);
    EXPECT_THROW(ReadFormFile(path + ".missing", &owner), EFOpenError);
}

TEST(PropInfo, TablesChainAndPathsReachSubObjects) {
    const TClassInfo* info = FindClass("tgadget");
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->InheritsFrom(FindClass("TComponent")));
    EXPECT_NE(info->FindProperty("tag"), nullptr);          // inherited
    EXPECT_EQ(info->Properties().front()->Name, "Name");    // base class first
    EXPECT_EQ(GetClass("TMissing"), nullptr);
    EXPECT_THROW(FindClass("TMissing"), EClassNotFound);

    TComponent owner(nullptr);
    TComponent* made = info->Create(&owner);
    EXPECT_EQ(made->ClassName(), "TGadget");
    EXPECT_EQ(made->GetOwner(), &owner);
    EXPECT_EQ(ClassInfoOf(made), info);

    SetPropText(made, "Style.Size", "12");
    EXPECT_EQ(GetPropText(made, "Style.Size"), "12");
    SetPropText(made, "Options", "[opShadowed, opBold]");
    EXPECT_EQ(GetPropText(made, "Options"), "[opBold, opShadowed]");
    EXPECT_EQ(GetPropText(made, "Color"), "$00FFFFFF");   // no colour names installed
    EXPECT_THROW(SetPropText(made, "Shape", "shOval"), EPropertyError);
    EXPECT_THROW(SetPropText(made, "Style.Nope", "1"), EPropertyError);
    EXPECT_THROW(SetPropText(made, "Count.Size", "1"), EPropertyError);
    EXPECT_THROW(SetPropText(made, "Items", "x"), EPropertyError);

    // A handler of the wrong type is refused, not cast.
    const TPropInfo* ping = info->FindProperty("OnPing");
    EXPECT_THROW(ping->SetHandler(*made, std::any(std::function<void()>([] {}))), EPropertyError);
}

TEST(PropInfo, UnregisteredSubclassUsesItsBaseTable) {
    struct TLocalGadget : TGadget {
        using TGadget::TGadget;
    };
    TLocalGadget g(nullptr);
    EXPECT_EQ(ClassInfoOf(&g), FindClass("TGadget"));
    SetPropText(&g, "Count", "5");
    EXPECT_EQ(g.GetCount(), 5);
}
