#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(Clipboard, SeveralFormatsOfferedTogether) {
    TClipboard* c = Clipboard();
    c->Clear();
    EXPECT_TRUE(c->GetFormats().empty());
    // Outside Open/Close each format replaces the offer.
    c->SetAsFormat("text/csv", "1,2\r\n");
    c->SetAsFormat("text/html", "<table></table>");
    EXPECT_EQ(c->GetFormats(), std::vector<std::string>{"text/html"});
    EXPECT_FALSE(c->HasFormat(CF_TEXT));
    // Between them the formats collect and are offered at the outermost Close.
    c->Open();
    c->SetAsText("1\t2\r\n");
    c->Open();
    c->SetAsFormat("text/csv", "x");
    c->Close();
    c->SetAsFormat("text/csv", "1,2\r\n");   // the last data of a type counts
    c->SetAsFormat("text/html", "<table><tr><td>1</td><td>2</td></tr></table>");
    EXPECT_EQ(c->GetFormats(), std::vector<std::string>{"text/html"});   // not yet
    c->Close();
    EXPECT_EQ(c->GetFormats(), (std::vector<std::string>{"text/plain", "text/csv", "text/html"}));
    EXPECT_TRUE(c->HasFormat("text/csv"));
    EXPECT_FALSE(c->HasFormat("image/png"));
    EXPECT_EQ(c->GetAsFormat("text/csv"), "1,2\r\n");
    EXPECT_EQ(c->GetAsFormat("image/png"), "");
    EXPECT_EQ(c->GetAsText(), "1\t2\r\n");
    EXPECT_TRUE(c->HasFormat(CF_TEXT));
    // An Open with nothing set changes nothing; Clear inside empties at Close.
    c->Open();
    c->Close();
    EXPECT_EQ(c->GetFormats().size(), 3u);
    c->Open();
    c->Clear();
    c->Close();
    EXPECT_TRUE(c->GetFormats().empty());
    c->Close();   // unmatched: ignored

    // A backend that carries text only offers the text representation of an offer.
    FakeSystem system;
    SetClipboardBackend(&system);
    c->Open();
    c->SetAsFormat("text/html", "<b>x</b>");
    c->SetAsText("x");
    c->Close();
    EXPECT_EQ(system.text, "x");
    EXPECT_EQ(c->GetFormats(), std::vector<std::string>{"text/plain"});
    EXPECT_EQ(c->GetAsFormat("text/plain"), "x");
    EXPECT_EQ(c->GetAsFormat("text/html"), "");
    c->SetAsFormat("text/html", "<b>y</b>");   // no text among them: emptied
    EXPECT_FALSE(system.text.has_value());
    SetClipboardBackend(nullptr);
    c->Clear();
}
