// The inspector over every registered class: each row shows the value the property has,
// writing that value back changes nothing, another value is taken (one undo step) or
// refused, and a malformed value is refused with the property's error and the component
// left as it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "apps/designer/model/PropertyRows.h"
#include "platform/Buttons.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "tests/generic/PropertySweep.h"

namespace {

using namespace vcl;
using designer::TDesignModel;
using designer::TEditorKind;
using designer::TInspector;
using designer::TInspectorRow;

// Classes a designer drops onto a form: every creatable class but forms themselves.
std::vector<const TClassInfo*> DroppableClasses() {
    std::vector<const TClassInfo*> list;
    const TClassInfo* form = GetClass("TCustomForm");
    for (const TClassInfo* c : zyn_test::CreatableClasses())
        if (form == nullptr || !c->InheritsFrom(form)) list.push_back(c);
    return list;
}

// A text no parser of that kind takes.
const char* Malformed(TEditorKind Kind) {
    switch (Kind) {
        case TEditorKind::Integer: return "12abc";
        case TEditorKind::Float: return "1.2.3";
        case TEditorKind::Enum: return "zzNoSuchValue";
        case TEditorKind::Boolean: return "Perhaps";
        case TEditorKind::Set: return "[zzNoSuchElement]";
        case TEditorKind::Color: return "clNoSuchColour";
        case TEditorKind::Component: return "NoSuchComponent";
        case TEditorKind::Event: return "not a name";
        default: return nullptr;
    }
}

TEST(Inspector, RowsOfEveryKindOnEveryClass) {
    TDesignModel m;
    TInspector insp(m);
    std::map<TEditorKind, int> seen;
    for (const TClassInfo* cls : DroppableClasses()) {
        m.New();
        TComponent* c = m.Drop(cls->GetName(), nullptr, Bounds(8, 8, 120, 80));
        for (const TInspectorRow& r : insp.Properties(c)) {
            ++seen[r.Kind];
            if (r.Kind == TEditorKind::Font || r.Kind == TEditorKind::Object) {
                EXPECT_EQ(insp.Value(c, r), "(" + std::get<TPersistent*>(r.Prop->Get(*r.Holder))->ClassName() + ")");
                continue;
            }
            if (r.Kind == TEditorKind::Bitmap) {
                EXPECT_EQ(insp.Value(c, r), "(none)") << cls->GetName() << "." << r.Path;   // a fresh one holds none
                continue;
            }
            if (r.Kind != TEditorKind::StringList) {
                EXPECT_EQ(insp.Value(c, r), GetPropText(c, r.Path)) << cls->GetName() << "." << r.Path;
            }
            if (r.Kind == TEditorKind::Enum || r.Kind == TEditorKind::Boolean) {
                EXPECT_NE(std::find(insp.Choices(c, r).begin(), insp.Choices(c, r).end(), insp.Value(c, r)), insp.Choices(c, r).end())
                    << cls->GetName() << "." << r.Path;
            }
        }
        for (const TInspectorRow& r : insp.Events(c)) {
            EXPECT_EQ(r.Kind, TEditorKind::Event);
            EXPECT_EQ(insp.Value(c, r), "");
            ++seen[r.Kind];
        }
    }
    for (TEditorKind k : {TEditorKind::Integer, TEditorKind::Float, TEditorKind::String, TEditorKind::Enum,
                          TEditorKind::Set, TEditorKind::Boolean, TEditorKind::Color, TEditorKind::Font,
                          TEditorKind::Object, TEditorKind::StringList, TEditorKind::Component, TEditorKind::Event,
                          TEditorKind::Bitmap})
        EXPECT_GT(seen[k], 0) << "no property edited as kind " << int(k);
}

TEST(Inspector, WriteBackTakeOtherRefuseMalformedOnEveryClass) {
    TDesignModel m;
    TInspector insp(m);
    for (const TClassInfo* cls : DroppableClasses()) {
        m.New();
        m.Drop("TButton", nullptr, Bounds(200, 200, 40, 20));   // something to refer to
        std::string name = m.Drop(cls->GetName(), nullptr, Bounds(8, 8, 120, 80))->GetName();
        // The two drops undo and redo as two steps.
        std::string dropped = m.SaveText();
        m.Undo();
        m.Undo();
        EXPECT_FALSE(m.CanUndo());
        m.Redo();
        m.Redo();
        ASSERT_EQ(m.SaveText(), dropped) << cls->GetName();
        std::vector<TInspectorRow> rows = insp.Properties(m.Find(name));
        std::vector<TInspectorRow> events = insp.Events(m.Find(name));
        rows.insert(rows.end(), events.begin(), events.end());
        for (const TInspectorRow& row0 : rows) {
            // Bitmaps load from files (their own test).
            if (row0.ReadOnly || row0.Kind == TEditorKind::Font || row0.Kind == TEditorKind::Object ||
                row0.Kind == TEditorKind::Bitmap)
                continue;
            std::string where = cls->GetName() + "." + row0.Path;
            // Rows are found again by path: a refused value may have rebuilt the form.
            auto rowOf = [&] {
                TComponent* c = m.Find(name);
                for (const TInspectorRow& r : insp.Properties(c)) if (r.Path == row0.Path) return r;
                for (const TInspectorRow& r : insp.Events(c)) if (r.Path == row0.Path) return r;
                ADD_FAILURE() << where << " row gone";
                return row0;
            };
            TInspectorRow row = rowOf();
            std::string text = m.SaveText();

            std::string shown = insp.Value(m.Find(name), row);
            try {
                insp.SetValue(m.Find(name), row, shown);
                EXPECT_EQ(m.SaveText(), text) << where << " written back as " << shown;
            } catch (const Exception& e) {
                ADD_FAILURE() << where << " refuses its own value " << shown << ": " << e.Message();
            }

            if (const char* bad = Malformed(row.Kind)) {
                EXPECT_THROW(insp.SetValue(m.Find(name), rowOf(), bad), Exception) << where << " took " << bad;
                EXPECT_EQ(m.SaveText(), text) << where << " changed by a refused " << bad;
            }

            // Another value: taken as one undo step, or refused leaving everything as it was.
            row = rowOf();
            std::string other;
            switch (row.Kind) {
                case TEditorKind::StringList: other = shown + "\nextra line"; break;
                case TEditorKind::Event: other = name + "Handler"; break;
                case TEditorKind::Component: other = "Button1"; break;
                default: other = zyn_test::OtherValueText(*row.Prop, *row.Holder);
            }
            bool taken = true;
            try {
                insp.SetValue(m.Find(name), row, other);
            } catch (const Exception&) {
                taken = false;
                EXPECT_EQ(m.SaveText(), text) << where << " changed by a refused " << other;
            }
            if (taken && m.SaveText() != text) {
                m.Undo();
                EXPECT_EQ(m.SaveText(), text) << where << ": one undo step back from " << other;
            }
        }
    }
}

TEST(Inspector, ABitmapLoadsFromAFile) {
    TDesignModel m;
    TInspector insp(m);
    TComponent* c = m.Drop("TSpeedButton", nullptr, Bounds(8, 8, 40, 40));
    TInspectorRow glyph;
    for (const TInspectorRow& r : insp.Properties(c))
        if (r.Path == "Glyph") glyph = r;
    ASSERT_EQ(glyph.Kind, TEditorKind::Bitmap);
    EXPECT_EQ(insp.Value(c, glyph), "(none)");
    std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/inspector-glyph.png";
    {
        TBitmap picture;
        picture.SetPixelFormat(pf24bit);
        picture.SetSize(32, 16);
        picture.GetCanvas()->GetBrush()->SetColor(clRed);
        picture.GetCanvas()->FillRect(Rect(0, 0, 32, 16));
        picture.SaveToFile(file);
    }
    insp.SetValue(c, glyph, file);
    EXPECT_EQ(insp.Value(c, glyph), "(32 x 16)");
    auto* button = dynamic_cast<TSpeedButton*>(c);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(ColorToRGB(button->GetGlyph()->GetCanvas()->GetPixels(3, 3)) & 0xFFFFFF, 0x0000FFu);
    // A file that does not load leaves the picture; "" clears it.
    EXPECT_THROW(insp.SetValue(c, glyph, file + ".missing"), Exception);
    EXPECT_EQ(insp.Value(c, glyph), "(32 x 16)");
    insp.SetValue(c, glyph, "");
    EXPECT_EQ(insp.Value(c, glyph), "(none)");
}

TInspectorRow GlyphRow(TInspector& Insp, TComponent* C) {
    for (const TInspectorRow& r : Insp.Properties(C))
        if (r.Path == "Glyph") return r;
    return TInspectorRow{};
}

// A glyph loaded from a file is part of the form: saved, opened again, one undo step.
TEST(Inspector, ALoadedGlyphIsSavedOpenedAndUndone) {
    const std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/inspector-glyph-24.bmp";
    const std::string form = std::string(ZYN_TEST_OUTPUT_DIR) + "/inspector-glyph.dfm";
    {
        TBitmap picture;
        picture.SetPixelFormat(pf24bit);
        picture.SetSize(21, 9);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 21; ++x) picture.GetCanvas()->SetPixels(x, y, RGB(x * 12, y * 28, 255 - x * y));
        picture.SaveToFile(file);
    }
    auto pixels = [](TBitmap* b) {
        std::string out;
        for (int y = 0; y < b->GetHeight(); ++y)
            out.append(reinterpret_cast<const char*>(b->ScanLine(y)), std::size_t(b->GetWidth()) * 3);
        return out;
    };
    TBitmap expected;
    expected.LoadFromFile(file);

    TDesignModel m;
    TInspector insp(m);
    TComponent* c = m.Drop("TSpeedButton", nullptr, Bounds(8, 8, 40, 40));
    const std::string name = c->GetName();
    const std::string bare = m.SaveText();
    TInspectorRow glyph = GlyphRow(insp, c);
    ASSERT_EQ(glyph.Kind, TEditorKind::Bitmap);
    insp.SetValue(c, glyph, file);
    EXPECT_TRUE(m.CanUndo()) << "loading a glyph is an undo step";
    const std::string saved = m.SaveText();
    EXPECT_NE(saved.find("    Glyph.Data = {\n"), std::string::npos) << saved;
    m.Save(form);
    m.New();
    m.Open(form);
    EXPECT_EQ(m.SaveText(), saved);
    auto* button = dynamic_cast<TSpeedButton*>(m.Form()->FindComponent(name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetGlyph()->GetWidth(), 21);
    EXPECT_EQ(button->GetGlyph()->GetHeight(), 9);
    EXPECT_EQ(button->GetGlyph()->GetPixelFormat(), pf24bit);
    EXPECT_EQ(pixels(button->GetGlyph()), pixels(&expected));

    // Undoing a later change keeps the glyph; undoing the load takes it away.
    m.SetProperty(button, "Caption", "Go");
    m.Undo();
    button = dynamic_cast<TSpeedButton*>(m.Form()->FindComponent(name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(pixels(button->GetGlyph()), pixels(&expected));
    insp.SetValue(button, GlyphRow(insp, button), "");
    EXPECT_EQ(m.SaveText(), bare);
    m.Undo();
    EXPECT_EQ(m.SaveText(), saved);
    std::remove(file.c_str());
    std::remove(form.c_str());
}

TEST(Inspector, SetElementsAndStringListsAndReferences) {
    TDesignModel m;
    TInspector insp(m);
    TComponent* label = m.Drop("TLabel", nullptr, Bounds(8, 8, 60, 16));
    TComponent* edit = m.Drop("TEdit", nullptr, Bounds(80, 8, 60, 24));
    TComponent* box = m.Drop("TListBox", nullptr, Bounds(8, 40, 100, 100));
    auto find = [&](TComponent* c, const std::string& path) {
        for (const TInspectorRow& r : insp.Properties(c)) if (r.Path == path) return r;
        ADD_FAILURE() << path;
        return TInspectorRow{};
    };
    TInspectorRow style = find(label, "Font.Style");
    ASSERT_EQ(style.Kind, TEditorKind::Set);
    insp.ToggleSetElement(label, style, 0, true);
    EXPECT_EQ(insp.Value(label, find(label, "Font.Style")), "[" + style.Prop->EnumNames[0] + "]");
    EXPECT_TRUE(insp.SetElement(label, find(label, "Font.Style"), 0));
    insp.ToggleSetElement(label, find(label, "Font.Style"), 0, false);
    EXPECT_EQ(insp.Value(label, find(label, "Font.Style")), "[]");

    TInspectorRow focus = find(label, "FocusControl");
    ASSERT_EQ(focus.Kind, TEditorKind::Component);
    std::vector<std::string> choices = insp.Choices(label, focus);
    EXPECT_EQ(choices.front(), "");
    EXPECT_NE(std::find(choices.begin(), choices.end(), "Edit1"), choices.end());
    EXPECT_EQ(std::find(choices.begin(), choices.end(), "Label1"), choices.end());
    insp.SetValue(label, focus, "Edit1");
    EXPECT_NE(m.SaveText().find("FocusControl = Edit1"), std::string::npos);

    TInspectorRow items = find(box, "Items");
    ASSERT_EQ(items.Kind, TEditorKind::StringList);
    insp.SetValue(box, items, "one\ntwo");
    EXPECT_EQ(insp.Value(box, find(box, "Items")), "one\ntwo");
    m.LoadText(m.SaveText());
    box = m.Find("ListBox1");
    edit = m.Find("Edit1");   // the form was read anew
    EXPECT_EQ(insp.Value(box, find(box, "Items")), "one\ntwo");

    TInspectorRow colour = find(edit, "Color");
    ASSERT_EQ(colour.Kind, TEditorKind::Color);
    std::vector<std::string> names = insp.Choices(edit, colour);
    for (const char* n : {"clRed", "clBtnFace", "clWindow", "clHighlight"})
        EXPECT_NE(std::find(names.begin(), names.end(), n), names.end()) << n;
}

}  // namespace
