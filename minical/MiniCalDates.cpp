// The calendar's dates without a canvas: the month layout, Easter and the feasts that
// follow it, week numbers at the end of the calendar's range, and the holiday captions.
#include <cmath>

#include "minical/Zyn_MiniCal.h"
#include "platform/DateUtils.h"

namespace zyn {

namespace {

// Days after Easter Sunday of the movable feasts, in the order of their captions.
constexpr int MovableOffsets[NumMovableHolidays] = {0, 1, 39, 49, 50, 60};

// Captions by language: English, German, French, Spanish.
using TCaptions = std::array<std::string, 4>;

const std::array<TCaptions, NumBuiltInHolidays> BuiltInCaptions{{
    {"Christmas Day", "Weihnachten", "Noël", "Navidad"},
    {"Boxing Day", "Stephanitag", "Jour de boxe", "Día de San Esteban"},
    {"New Year's Day", "Neujahrstag", "Nouvel An Jour", "Día de Año Nuevo"},
    {"Epiphany", "Hl. Drei Könige", "Épiphanie", "Epifanía"},
    {"Assumption of Mary", "Maria Himmelfahrt", "Assomption", "Asunción"},
    {"All Saints", "Allerheiligen", "La Toussaint", "Día de Todos los Santos"},
    {"Immaculate Conception", "Maria Empfängnis", "Immaculée Conception", "Inmaculada Concepción"},
    {"Labor Day", "Tag der Arbeit", "Fête du Travail", "Día del Trabajo"},
}};

const std::array<TCaptions, NumMovableHolidays> MovableCaptions{{
    {"Easter Day", "Ostersonntag", "Le jour de Pâques", "Domingo de Resurrección"},
    {"Easter Monday", "Ostermontag", "Lundi de Pâques", "Lunes de Pascua"},
    {"Ascension Day", "Christi Himmelfahrt", "Ascension du Christ", "Ascensión de Cristo"},
    {"Pentecost", "Pfingstsonntag", "Dimanche de Pentecôte", "Domingo de Pentecostés"},
    {"Whit Monday", "Pfingstmontag", "Lundi de Pentecôte", "Lunes de Pentecostés"},
    {"Corpus Christi", "Fronleichnam", "Corpus Christi", "Corpus Cristi"},
}};

// Column of a caption table: the four languages in order, English for any other value.
int CaptionColumn(TLanguage Language) {
    return Language >= lgEnglish && Language <= lgSpanish ? Language - lgEnglish : 0;
}

}  // namespace

const std::array<TBuiltInHoliday, NumBuiltInHolidays> BuiltInHolidays{{
    {25, 12}, {26, 12}, {1, 1}, {6, 1}, {15, 8}, {1, 11}, {8, 12}, {1, 5},
}};

const std::string& BuiltInHolidayCaption(int Index, TLanguage Language) {
    return BuiltInCaptions[std::size_t(Index)][std::size_t(CaptionColumn(Language))];
}

const std::string& MovableHolidayCaption(int Index, TLanguage Language) {
    return MovableCaptions[std::size_t(Index)][std::size_t(CaptionColumn(Language))];
}

int EasterSundayMarchDay(int Year) {
    // Gauss: the century's lunar and solar corrections M and S, the age of the moon D with
    // its exception R, the Paschal full moon OG and the first Sunday after it.
    const int K = Year / 100;
    const int M = 15 + (3 * K + 3) / 4 - (8 * K + 13) / 25;
    const int S = 2 - (3 * K + 3) / 4;
    const int A = Year % 19;
    const int D = (19 * A + M) % 30;
    const int R = (D + A / 11) / 29;
    const int OG = 21 + D - R;
    // Year + Year div 4 passes the int range from year 1,717,986,918 on.
    const int SZ = 7 - int(((long long)Year + Year / 4 + S) % 7);
    return OG + 7 - (OG - SZ) % 7;
}

int MarchDayCount(int Month, int Day) {
    switch (Month) {
        case 3: return Day;
        case 4: return Day + 31;
        case 5: return Day + 61;
        case 6: return Day + 92;
        default: return 0;
    }
}

int MovableHolidayIndex(int Year, int Month, int Day) {
    if (Month < 3 || Month > 6) return -1;
    const int n = MarchDayCount(Month, Day) - EasterSundayMarchDay(Year);
    for (int i = 0; i < NumMovableHolidays; ++i)
        if (n == MovableOffsets[i]) return i;
    return -1;
}

int CalcMonthOffset(int Year, int Month, TDayOfWeek FirstDay) {
    const int w = vcl::DayOfTheWeek(vcl::EncodeDate(Year, Month, 1));   // 1 = Monday
    const int a = (w - int(FirstDay) + 7) % 7;
    return a == 0 ? -5 : 2 - a;
}

vcl::TGridCoord DayCell(int MonOfs, int Day) {
    const int k = Day - MonOfs;   // (c - 1) + 7 * (r - 2)
    return {k % 7 + 1, k / 7 + 2};
}

int CalendarWeekOf(TDateTime Date) {
    // An ISO week belongs to the year of its Thursday and counts from the week that holds
    // that year's first Thursday.
    static const double FirstDay = vcl::EncodeDate(MinCalendarYear, 1, 1);
    static const double LastDay = vcl::EncodeDate(MaxCalendarYear, 12, 31);
    const double day = std::trunc(Date);
    const double thursday = day - vcl::DayOfTheWeek(day) + 4;
    if (thursday > LastDay) return int(thursday - (LastDay + 1)) / 7 + 1;
    if (thursday < FirstDay) return int(thursday - (FirstDay - 366)) / 7 + 1;   // year 0 is a leap year
    return vcl::WeekOfTheYear(day);
}

}  // namespace zyn
