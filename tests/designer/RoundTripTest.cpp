// Open and save: for every class a designer drops, the saved form opened again saves the
// same text, also through a file.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "apps/designer/model/DesignModel.h"
#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/Testing.h"
#include "tests/generic/PropertySweep.h"

namespace {

using namespace vcl;
using designer::TDesignModel;

TEST(DesignRoundTrip, EveryClassDroppedSavedAndOpenedIsIdentical) {
    TDesignModel m;
    const TClassInfo* form = GetClass("TCustomForm");
    int classes = 0;
    for (const TClassInfo* cls : zyn_test::CreatableClasses()) {
        if (form != nullptr && cls->InheritsFrom(form)) continue;
        m.New();
        m.Drop(cls->GetName(), nullptr, Bounds(16, 16, 120, 80));
        std::string saved = m.SaveText();
        EXPECT_NE(saved.find(": " + cls->GetName() + "\n"), std::string::npos) << saved;
        m.LoadText(saved);
        EXPECT_EQ(m.SaveText(), saved) << cls->GetName();
        EXPECT_FALSE(m.Modified()) << cls->GetName();
        ++classes;
    }
    EXPECT_GT(classes, 40);
}

// On a denser screen a form written at 96 dpi opens in the designer as written and saves
// back unchanged, where an application would scale it to the screen.
TEST(DesignRoundTrip, ADenserScreenOpensAndSavesTheFormAsWritten) {
    TDesignModel m;
    m.Drop("TButton", nullptr, Bounds(16, 16, 121, 31));
    const std::string at96 = m.SaveText();
    Testing::SetScreenPixelsPerInch(192);
    m.LoadText(at96);
    const std::string saved = m.SaveText();
    std::unique_ptr<TComponent> running(ReadComponentText(at96, nullptr));
    Testing::SetScreenPixelsPerInch(0);
    EXPECT_EQ(saved, at96);
    EXPECT_EQ(m.Form()->GetPixelsPerInch(), 96);
    EXPECT_FALSE(m.Modified());
    // Read by an application on that screen, the same text does scale.
    EXPECT_EQ(dynamic_cast<TForm*>(running.get())->GetPixelsPerInch(), 192);
}

TEST(DesignRoundTrip, FilesAndTheModifiedFlag) {
    std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/designer_roundtrip.dfm";
    TDesignModel m;
    EXPECT_FALSE(m.Modified());
    TComponent* meter = m.Drop("TMeter", nullptr, Bounds(10, 10, 150, 150));
    m.SetProperty(meter, "Caption", "Pressure");
    EXPECT_TRUE(m.Modified());
    m.Save(file);
    EXPECT_FALSE(m.Modified());
    EXPECT_EQ(m.FileName(), file);
    std::string saved = m.SaveText();
    m.New();
    EXPECT_TRUE(m.FileName().empty());
    int changes = 0;
    m.OnChange = [&] { changes += m.FileName() == file ? 1 : 0; };
    m.Open(file);
    EXPECT_GT(changes, 0) << "told of the change after the file name is known";
    EXPECT_EQ(m.SaveText(), saved);
    EXPECT_FALSE(m.CanUndo());
    EXPECT_THROW(m.Open(file + ".missing"), Exception);
    EXPECT_EQ(m.SaveText(), saved);
    std::remove(file.c_str());
}

}  // namespace
