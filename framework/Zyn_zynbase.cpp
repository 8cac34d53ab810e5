// Base library: name and colour tables, colour arithmetic, streams, paths and passwords.
#include "framework/Zyn_zynbase.h"

#include <random>

#include "platform/Classes.h"
#include "platform/SysUtils.h"

namespace zyn {

// ---- tables -----------------------------------------------------------------------------

// Row 0 (an undefined language) repeats English.
const std::array<std::array<std::string, 7>, 5> WeekDayShort{{
    {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
    {"Lun", "Mar", "Mer", "Jeu", "Ven", "Sam", "Dim"},
    {"Lun", "Mar", "Mié", "Jue", "Vie", "Sáb", "Dom"},
}};

const std::array<std::array<std::string, 13>, 5> MonthShort{{
    {"", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"", "Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"", "Janv", "Févr", "Mars", "Avr", "Mai", "Juin", "Juil", "Août", "Sept", "Oct", "Nov", "Déc"},
    {"", "Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"},
}};

const std::array<std::array<std::string, 13>, 5> MonthLong{{
    {"", "January", "February", "March", "April", "May", "June", "July", "August",
     "September", "October", "November", "December"},
    {"", "January", "February", "March", "April", "May", "June", "July", "August",
     "September", "October", "November", "December"},
    {"", "Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
     "Oktober", "November", "Dezember"},
    {"", "Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
     "Octobre", "Novembre", "Décembre"},
    {"", "Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto",
     "Septiembre", "Octubre", "Noviembre", "Diciembre"},
}};

namespace {

constexpr std::array<TColor, TPredefinedColors::Count> kPredefined{
    // the basic 16-colour palette
    vcl::clBlack, vcl::clMaroon, vcl::clGreen, vcl::clOlive, vcl::clNavy, vcl::clPurple,
    vcl::clTeal, vcl::clGray, vcl::clSilver, vcl::clRed, vcl::clLime, vcl::clYellow,
    vcl::clBlue, vcl::clFuchsia, vcl::clAqua, vcl::clWhite,
    // four more named colours complete the extended palette
    vcl::clMoneyGreen, vcl::clSkyBlue, vcl::clCream, vcl::clMedGray,
    // the system colours
    vcl::clScrollBar, vcl::clBackground, vcl::clActiveCaption, vcl::clInactiveCaption,
    vcl::clMenu, vcl::clWindow, vcl::clWindowFrame, vcl::clMenuText, vcl::clWindowText,
    vcl::clCaptionText, vcl::clActiveBorder, vcl::clInactiveBorder, vcl::clAppWorkSpace,
    vcl::clHighlight, vcl::clHighlightText, vcl::clBtnFace, vcl::clBtnShadow,
    vcl::clGrayText, vcl::clBtnText, vcl::clInactiveCaptionText, vcl::clBtnHighlight,
    vcl::cl3DDkShadow, vcl::cl3DLight, vcl::clInfoText, vcl::clInfoBk, vcl::clHotLight,
    vcl::clGradientActiveCaption};

}  // namespace

TColor TPredefinedColors::operator[](int Index) const {
    if (Index < 1 || Index > Count) return vcl::clBlack;
    return kPredefined[std::size_t(Index - 1)];
}

TColor MeanColor(TColor C1, TColor C2) {
    TColor a = vcl::ColorToRGB(C1), b = vcl::ColorToRGB(C2);
    return vcl::RGB((vcl::GetRValue(a) + vcl::GetRValue(b)) / 2,
                    (vcl::GetGValue(a) + vcl::GetGValue(b)) / 2,
                    (vcl::GetBValue(a) + vcl::GetBValue(b)) / 2);
}

// ---- streams ----------------------------------------------------------------------------

std::string ReadLnStream(vcl::TStream* Stream, bool& Eof, int Limit) {
    std::string line;
    Eof = true;
    if (Stream == nullptr) return line;
    char chunk[512];
    int chars = 0;
    for (;;) {
        const std::int64_t got = Stream->Read(chunk, sizeof chunk);
        if (got <= 0) return line;   // the stream ended inside (or at the start of) the line
        for (std::int64_t i = 0; i < got; ++i) {
            const unsigned char c = static_cast<unsigned char>(chunk[i]);
            const bool starts = (c & 0xC0) != 0x80;   // first byte of a character
            if (c == '\n' || c == '\r') {
                std::int64_t next = i + 1;
                if (c == '\r') {
                    if (next < got) {
                        if (chunk[next] == '\n') ++next;
                    } else {
                        char peek;   // the line feed of a CR LF may start the next chunk
                        if (Stream->Read(&peek, 1) == 1) {
                            if (peek != '\n') Stream->Seek(-1, vcl::soCurrent);
                        }
                    }
                }
                Stream->Seek(next - got, vcl::soCurrent);   // give back what follows the line
                char probe;
                if (Stream->Read(&probe, 1) == 1) {
                    Eof = false;
                    Stream->Seek(-1, vcl::soCurrent);
                }
                return line;
            }
            if (starts && Limit > 0 && chars == Limit) {
                // A full piece: the rest of this long line waits for the next call.
                Stream->Seek(i - got, vcl::soCurrent);
                Eof = false;
                return line;
            }
            if (starts) ++chars;
            line += char(c);
        }
    }
}

// ---- files ------------------------------------------------------------------------------

bool DirExists(const std::string& Path) {
    return !Path.empty() && vcl::DirectoryExists(Path);
}

std::string ParentDir(const std::string& Path) {
    auto isSep = [](char c) { return c == '\\' || c == '/'; };
    std::size_t end = Path.size();
    if (end > 0 && isSep(Path[end - 1])) --end;   // "C:\a\" names the same folder as "C:\a"
    while (end > 0 && !isSep(Path[end - 1])) --end;
    return Path.substr(0, end);
}

std::string InventPassword(int Length) {
    static const std::string kAlphabet =
        "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::string password;
    for (int i = 0; i < Length; ++i) password += kAlphabet[pick(generator)];
    return password;
}

}  // namespace zyn
