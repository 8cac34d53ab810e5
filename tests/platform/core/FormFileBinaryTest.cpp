// Binary data in form files: a block of hex digits in braces, read back byte for byte,
// left out when empty, and refused with the property's name when malformed.
#include <gtest/gtest.h>

#include "platform/Classes.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

// A sub-object streaming its own bytes, as a bitmap does; it refuses bytes starting with
// 'X', as a decoder refuses data it cannot read.
class TBlob : public TPersistent {
public:
    std::string ClassName() const override { return "TBlob"; }
    const std::string& GetBytes() const { return bytes_; }
    void SetBytes(const std::string& v) {
        if (!v.empty() && v[0] == 'X') throw EInvalidGraphic("Blob data starts with X");
        bytes_ = v;
    }
    void Assign(TPersistent* Source) override {
        if (auto* b = dynamic_cast<TBlob*>(Source)) { bytes_ = b->bytes_; return; }
        TPersistent::Assign(Source);
    }

private:
    std::string bytes_;
};

class TBlobHolder : public TComponent {
public:
    explicit TBlobHolder(TComponent* AOwner) : TComponent(AOwner) {}
    std::string ClassName() const override { return "TBlobHolder"; }
    TBlob* GetPicture() const { return const_cast<TBlob*>(&picture_); }
    void SetPicture(TBlob* v) { picture_.Assign(v); }
    int GetCount() const { return count_; }
    void SetCount(int v) { count_ = v; }

private:
    TBlob picture_;
    int count_ = 0;
};

const bool registered = [] {
    RegisterClass<TBlob, TPersistent>("TBlob", [](TPublisher<TBlob>& p) {
        p.Binary("Data", [](TBlob& b) { return b.GetBytes(); }, [](TBlob& b, const std::string& v) { b.SetBytes(v); });
    });
    RegisterClass<TBlobHolder, TComponent>("TBlobHolder", [](TPublisher<TBlobHolder>& p) {
        p.Object("Picture", &TBlobHolder::GetPicture, &TBlobHolder::SetPicture);
        p.Integer("Count", &TBlobHolder::GetCount, &TBlobHolder::SetCount);
    });
    return true;
}();

std::string AllBytes(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += char((i * 37 + 11) & 0xFF);
    return s;
}

}  // namespace

TEST(FormFileBinary, BytesRoundTripInLinesOfSixtyFourDigits) {
    for (std::size_t n : {std::size_t(1), std::size_t(31), std::size_t(32), std::size_t(33), std::size_t(300)}) {
        TBlobHolder holder(nullptr);
        holder.SetName("Holder");
        holder.GetPicture()->SetBytes(AllBytes(n));
        holder.SetCount(3);
        const std::string text = WriteComponentText(&holder);
        // Header, one line per 32 bytes, the closing brace on the last of them.
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < text.size();) {
            std::size_t nl = text.find('\n', at);
            lines.push_back(text.substr(at, nl - at));
            at = nl + 1;
        }
        const std::size_t dataLines = (n + 31) / 32;
        ASSERT_EQ(lines.size(), 2 + 1 + dataLines + 1) << text;
        EXPECT_EQ(lines[1], "  Picture.Data = {");
        for (std::size_t i = 0; i < dataLines; ++i) {
            const std::string& l = lines[2 + i];
            const bool last = i + 1 == dataLines;
            const std::size_t digits = last ? 2 * (n - 32 * i) : 64;
            EXPECT_EQ(l.size(), 4 + digits + (last ? 1 : 0)) << l;
            EXPECT_EQ(l.substr(4, digits).find_first_not_of("0123456789ABCDEF"), std::string::npos) << l;
            EXPECT_EQ(l.back() == '}', last) << l;
        }
        EXPECT_EQ(lines[2 + dataLines], "  Count = 3");

        TComponent owner(nullptr);
        auto* back = dynamic_cast<TBlobHolder*>(ReadComponentText(text, &owner));
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->GetPicture()->GetBytes(), AllBytes(n)) << n << " bytes";
        EXPECT_EQ(back->GetCount(), 3);
        EXPECT_EQ(WriteComponentText(back), text);
    }
}

TEST(FormFileBinary, EmptyDataIsNotWrittenAndHandWrittenBlocksRead) {
    TBlobHolder holder(nullptr);
    holder.SetName("Holder");
    EXPECT_EQ(WriteComponentText(&holder), "object Holder: TBlobHolder\nend\n");

    // Lower case, blanks, line breaks anywhere between digits, and an empty block.
    TComponent owner(nullptr);
    auto* back = dynamic_cast<TBlobHolder*>(ReadComponentText(
        "object H: TBlobHolder\n  Picture.Data = {0a F\n  \tf00\r\n\n7f}\n  Count = 5\nend\n", &owner));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetPicture()->GetBytes(), std::string("\x0A\xFF\x00\x7F", 4));
    EXPECT_EQ(back->GetCount(), 5);
    ReadRootText("object H: TBlobHolder\n  Picture.Data = {}\nend\n", back);
    EXPECT_EQ(back->GetPicture()->GetBytes(), "");

    // The text form of the property is the same digits.
    holder.GetPicture()->SetBytes(std::string("\x01\xAB", 2));
    EXPECT_EQ(GetPropText(&holder, "Picture.Data"), "01AB");
    SetPropText(&holder, "Picture.Data", "ff 00");
    EXPECT_EQ(holder.GetPicture()->GetBytes(), std::string("\xFF\x00", 2));
    EXPECT_THROW(SetPropText(&holder, "Picture.Data", "F"), EPropertyError);
}

TEST(FormFileBinary, MalformedBlocksAreRefusedNamingTheProperty) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"object H: TBlobHolder\n  Picture.Data = {ABC}\nend\n",
         "Line 2: Odd number of hexadecimal digits in binary data for Picture.Data"},
        {"object H: TBlobHolder\n  Picture.Data = {\n    00GG}\nend\n",
         "Line 2: Invalid hexadecimal digit 'G' in binary data for Picture.Data"},
        {"object H: TBlobHolder\n  Picture.Data = {0011\nend\n",
         "Line 2: Binary data for Picture.Data has no closing '}'"},
        {"object H: TBlobHolder\n  Picture.Data = 12\nend\n",
         "Line 2: Binary data {...} expected for Picture.Data but '12' found"},
        {"object H: TBlobHolder\n  Count = {00}\nend\n", "Line 2: Integer expected for Count but '{' found"},
        {"object H: TBlobHolder\n  Picture.Data = {5800}\nend\n",
         "Line 2: Invalid data for Picture.Data: Blob data starts with X"},
        {"object H: TBlobHolder\n  Picture.Data = {00} 5\nend\n", "Line 2: Line break expected but '5' found"},
    };
    for (const Case& c : cases) {
        TComponent owner(nullptr);
        try {
            ReadComponentText(c.text, &owner);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(owner.GetComponentCount(), 0) << c.text;
    }
    // A block's line breaks count: an error after it names the right line.
    TComponent owner(nullptr);
    try {
        ReadComponentText("object H: TBlobHolder\n  Picture.Data = {\n    00\n    11}\n  Count = x\nend\n", &owner);
        ADD_FAILURE() << "accepted";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Line 5: Integer expected for Count but 'x' found");
    }
}
