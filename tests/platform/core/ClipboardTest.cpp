#include <gtest/gtest.h>

#include "platform/Clipbrd.h"

using namespace vcl;

namespace {

// Stands in for a system clipboard.
struct FakeSystem : TClipboardBackend {
    std::optional<std::string> GetText() override { ++reads; return text; }
    void SetText(const std::string& Text) override { text = Text; }
    void Clear() override { text.reset(); }
    std::optional<std::string> text;
    int reads = 0;
};

}  // namespace

TEST(Clipboard, TextInMemoryAndThroughAnInstalledBackend) {
    TClipboard* c = Clipboard();
    ASSERT_EQ(c, Clipboard());
    c->Clear();
    EXPECT_FALSE(c->HasFormat(CF_TEXT));
    EXPECT_EQ(c->GetAsText(), "");
    c->AsText = "1\t2\r\n3\t4\r\n";
    EXPECT_TRUE(c->HasFormat(CF_TEXT));
    EXPECT_TRUE(c->HasFormat(CF_UNICODETEXT));
    EXPECT_FALSE(c->HasFormat(CF_BITMAP));
    std::string text = c->AsText;
    EXPECT_EQ(text, "1\t2\r\n3\t4\r\n");
    c->SetAsText("");                     // empty text is still text
    EXPECT_TRUE(c->HasFormat(CF_TEXT));

    FakeSystem system;
    SetClipboardBackend(&system);
    EXPECT_FALSE(c->HasFormat(CF_TEXT));   // the system clipboard holds nothing yet
    c->SetAsText("Grüße");
    EXPECT_EQ(system.text, "Grüße");
    system.text = "from another program";
    EXPECT_EQ(c->GetAsText(), "from another program");
    SetClipboardBackend(nullptr);
    EXPECT_EQ(c->GetAsText(), "");        // back to memory, which held ""
    c->Clear();
}
