// The meter's geometry, the mappings between values, angles and pixels, the tick-step
// algorithm, the tick lists and the label format.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <numbers>

#include "framework/Zyn_matrix.h"
#include "meter/Zyn_Meter.h"
#include "platform/Types.h"

namespace zyn {

namespace {

constexpr double Deg = std::numbers::pi / 180.0;
constexpr double Log10of2 = 0.30102999566398119521;
constexpr double Log10of5 = 0.69897000433601880479;
// Safety limit on the number of ticks of one kind; a sane range never comes near it.
constexpr int MaxTicks = 20000;

int Rnd(double X) { return MeterRound(X); }

// A + K * D, computed from halves where the plain sum overflows (tick values of a range
// that reaches the ends of the double range); an infinite result means the true value lies
// beyond them.
double Advance(double A, double K, double D) {
    const double r = A + K * D;
    if (std::isfinite(r)) return r;
    const double half = A / 2 + K * (D / 2);
    return std::fabs(half) > std::numeric_limits<double>::max() / 2 ? std::copysign(HUGE_VAL, half) : half * 2;
}

// (V - Lo) / (Hi - Lo) for a linear scale. When the span overflows (a range near the ends of
// the double range), halves of the values are used, whose differences cannot overflow.
double LinearFraction(double V, double Lo, double Hi) {
    const double span = Hi - Lo;
    if (std::isfinite(span)) return (V - Lo) / span;
    return (V / 2 - Lo / 2) / (Hi / 2 - Lo / 2);
}

}  // namespace

int MeterRound(double X) {
    if (std::isnan(X)) return 0;
    const double r = std::nearbyint(X);
    if (r >= 2147483647.0) return 2147483647;
    if (r <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(r);
}

// =========================================================================================
// geometry

void TMeter::CalcMeterLayoutParams() {
    // No surface is larger than ClampCoord allows: a dial computed within that keeps the
    // centre, the radius and the points of the scale far inside the int range.
    const int W = vcl::ClampCoord(GetWidth()), H = vcl::ClampCoord(GetHeight());
    FRadius = H - FRimBottom - FRimTop - 16;
    FCenterX = W / 2;
    FCenterY = H - FRimBottom - 8;
    FSweepAngle = 90;
    switch (FMeterLayout) {
        case mlCirc90:
            break;
        case mlCirc120:
            FSweepAngle = 120;
            FRadius = std::min(FRadius, (W / 2.0 - FRimSide - 8) * 1.1547);
            break;
        case mlCirc300:
            FSweepAngle = 300;
            FRadius = std::min<double>((W / 2) - FRimSide - 8, (H - FRimTop - FRimBottom - 16) / 1.866);
            FCenterY = Rnd(FRimTop + 8 + FRadius);
            break;
        case mlCirc180:
        case mlCirc270:
        case mlCirc360: {
            // The whole dial circle and the labels inside it fit in the window between the
            // rims, keeping the margin of 8 pixels of the other layouts, whatever part of the
            // circle the scale sweeps; the circle is centred in that window.
            FSweepAngle = FMeterLayout == mlCirc180 ? 180 : FMeterLayout == mlCirc270 ? 270 : 360;
            FRadius = std::min<double>((W / 2) - FRimSide - 8, (H - FRimTop - FRimBottom - 16) / 2.0);
            const double top = FRimTop + 8, bottom = H - FRimBottom - 8;
            FCenterY = Rnd((top + bottom) / 2);
            break;
        }
    }
}

// =========================================================================================
// mappings

double TMeter::Fraction(double V) const {
    if (FMeterMaxValue == FMeterMinValue) return 0.0;
    if (FLogarithmic && V > 0 && FMeterMinValue > 0 && FMeterMaxValue > 0)
        return (std::log(V) - std::log(FMeterMinValue)) / (std::log(FMeterMaxValue) - std::log(FMeterMinValue));
    return LinearFraction(V, FMeterMinValue, FMeterMaxValue);
}

double TMeter::ModelAngle(double V) const { return FSweepAngle / 2.0 + 90.0 - FSweepAngle * Fraction(V); }

double TMeter::CalcNeedleAngle(double Value) const {
    double v = std::clamp(Value, FMeterMinValue, std::max(FMeterMinValue, FMeterMaxValue));
    double u;
    if (FMeterMaxValue == FMeterMinValue)
        u = 0.0;
    else if (FLogarithmic)
        u = (std::log(v) - std::log(FMeterMinValue)) / (std::log(FMeterMaxValue) - std::log(FMeterMinValue));
    else
        u = LinearFraction(v, FMeterMinValue, FMeterMaxValue);
    return 180.0 - FSweepAngle / 2.0 + FSweepAngle * u;
}

void TMeter::ConvertToPixelCoords(double Value, double PctRadius, int& X, int& Y) const {
    double v = std::clamp(Value, FMeterMinValue, std::max(FMeterMinValue, FMeterMaxValue));
    double t = ModelAngle(v) * Deg;
    double r = PctRadius / 100.0 * FRadius;
    X = Rnd(FCenterX + std::cos(t) * r);
    Y = Rnd(FCenterY - std::sin(t) * r);
}

bool TMeter::ConvertPixelToValue(int X, int Y, double& MeterValue) const {
    const double pi = std::numbers::pi;
    const double dx = X - FCenterX, dy = Y - FCenterY;
    double phi;
    if (dx != 0) {
        phi = std::atan(dy / dx);
        if (dx < 0) phi += pi;
    } else {
        phi = dy <= 0 ? 3 * pi / 2 : pi / 2;
    }
    if (phi < 0) phi += 2 * pi;
    if (phi > 2 * pi) phi -= 2 * pi;
    double delta = phi * 180.0 / pi - 90.0;
    if (delta < 0) delta += 360.0;
    const double a = FSweepAngle;
    if (delta < 180.0 - a / 2 || delta > 180.0 + a / 2) {
        MeterValue = 0.0;
        return false;
    }
    const double f = (delta - (180.0 - a / 2)) / a;
    if (FLogarithmic)
        MeterValue = std::exp((std::log(FMeterMaxValue) - std::log(FMeterMinValue)) * f + std::log(FMeterMinValue));
    else if (std::isfinite(FMeterMaxValue - FMeterMinValue))
        MeterValue = FMeterMinValue + f * (FMeterMaxValue - FMeterMinValue);
    else
        MeterValue = FMeterMinValue + f * (FMeterMaxValue / 2 - FMeterMinValue / 2) * 2;
    return true;
}

// =========================================================================================
// ticks

TMeterTickStep CalcMeterTickStep(int NrTicks, double MinValue, double MaxValue) {
    TMeterTickStep t;
    if (MinValue == MaxValue || NrTicks <= 0) {
        t.First = MinValue;
        return t;
    }
    const double e = MinValue < MaxValue ? 1.0 : -1.0;
    // r / n, computed from the halves of the ends when their difference overflows.
    double rn = std::fabs(MaxValue - MinValue) / NrTicks;
    if (!std::isfinite(rn)) rn = std::fabs(MaxValue / 2 - MinValue / 2) / NrTicks * 2;
    if (!(rn > 0) || !std::isfinite(rn)) {
        // A span that vanishes below the smallest double (or an end that is not a number):
        // one tick at the minimum, as for an empty range.
        t.First = MinValue;
        return t;
    }
    double g = std::log(rn) / uc_ln10;
    double h = g - std::trunc(g);
    if (std::fabs(h) < 1e-10 || std::fabs(h) > 0.9999999999) {
        h = 0;
        g = std::nearbyint(g);
    }
    if (g < 0 && h != 0) g -= 1;
    if (h < 0) h += 1;
    // The mantissa is the largest of 1, 2 and 5 not above r / n. The tolerance lets a
    // quotient of exactly 2 or 5, whose logarithm may come out an ulp low, keep its own
    // mantissa instead of falling to the next lower one.
    if (h < Log10of2 - 1e-10) {
        g = std::trunc(g);
        t.NSub = 5;
    } else if (h < Log10of5 - 1e-10) {
        g = std::trunc(g) + Log10of2;
        t.NSub = 4;
    } else {
        g = std::trunc(g) + Log10of5;
        t.NSub = 5;
    }
    t.Step = e * std::exp(g * uc_ln10);
    if (!(std::fabs(t.Step) > 0) || !std::isfinite(t.Step)) {
        t = TMeterTickStep{};
        t.First = MinValue;
        return t;
    }
    double below = std::trunc(MinValue / t.Step) - 1;
    // One step below a minimum near the end of the double range does not exist; the search
    // then starts at the multiple next to the minimum.
    if (!std::isfinite(below * t.Step)) below += 1;
    double first = below * t.Step;
    for (int i = 0; i < MaxTicks && 0.001 * std::fabs(t.Step) < e * (MinValue - first); ++i)
        first = Advance(first, 1, t.Step);
    t.First = first;
    return t;
}

// Major ticks of a linear scale (and of a logarithmic one spanning less than a decade).
static void LinearMajors(const TMeterTickStep& t, double MaxValue, std::vector<TMeterMajorTick>& out) {
    out.push_back({t.First, true});
    if (t.Step == 0) return;
    // Written with the step's sign so that a falling range ends as well.
    const double e = t.Step > 0 ? 1.0 : -1.0;
    for (int k = 1; k < MaxTicks; ++k) {
        double v = Advance(t.First, k, t.Step);
        // Compared as a difference: max + 0.001 step would overflow at the end of the range.
        if (!std::isfinite(v) || e * (v - MaxValue) > 0.001 * std::fabs(t.Step)) break;
        out.push_back({v, true});
    }
}

static void DecadeMajors(double MinValue, double MaxValue, std::vector<TMeterMajorTick>& out) {
    const double q = 0.999999999;
    const int e0 = IntNeg(std::log(q * MinValue) / uc_ln10);
    const double base = std::pow(10.0, e0);
    const bool allLabels = MaxValue / MinValue < 10;
    double f = 1;
    do {
        for (int k = 1; k <= 9; ++k) {
            double v = k * base * f;
            if (v / q > MinValue && k * q * base * f < MaxValue)
                out.push_back({v, allLabels || k == 1 || k == 2 || k == 5});
        }
        f *= 10;
    } while (!(q * base * f > MaxValue) && std::isfinite(f));
}

void TMeterTicks::Compute(int NrTicks, double MinValue, double MaxValue, bool Logarithmic) {
    Major.clear();
    Minor.clear();
    const TMeterTickStep t = CalcMeterTickStep(NrTicks, MinValue, MaxValue);
    bool decades = false;
    if (Logarithmic && MinValue > 0 && MaxValue > 0) {
        const double d = std::log(MaxValue / MinValue) / uc_ln10;
        decades = std::fabs(d) >= 1;
    }
    if (decades)
        DecadeMajors(MinValue, MaxValue, Major);
    else
        LinearMajors(t, MaxValue, Major);

    if (t.Step == 0) return;
    const double s = t.Step / t.NSub;
    const double e = s > 0 ? 1.0 : -1.0;
    for (int j = 0; j < MaxTicks * 5; ++j) {
        // w = (first - step) + j * s, written from first so that no step below a minimum at
        // the end of the double range is needed.
        double w = Advance(t.First, j - t.NSub, s);
        if (j > 0 && (!std::isfinite(w) || e * (w - MaxValue) > 0.001 * std::fabs(s))) break;
        // (w - first) / step is j / nsub - 1: a whole number exactly at the major ticks.
        if (j % t.NSub == 0) continue;
        if (e * w < e * MinValue) continue;
        Minor.push_back(w);
    }
}

const TMeterTicks& TMeter::Ticks() {
    FTicks.Compute(FMeterNrTicks, FMeterMinValue, FMeterMaxValue, FLogarithmic);
    return FTicks;
}

// =========================================================================================
// labels

int FormatMeterLabel(double Value, int DecPlaces, char* Buffer, int BufferSize) {
    DecPlaces = std::clamp(DecPlaces, 0, 4);
    int n = std::snprintf(Buffer, BufferSize, "%.*f", DecPlaces, Value);
    if (n < 0) n = 0;
    if (n >= BufferSize) n = BufferSize - 1;
    // "." whatever the C locale says.
    for (int i = 0; i < n; ++i)
        if (Buffer[i] == ',') Buffer[i] = '.';
    // A tiny negative value left over from adding up steps would read "-0.0".
    if (n > 1 && Buffer[0] == '-' && std::strspn(Buffer + 1, "0.") == static_cast<std::size_t>(n - 1)) {
        std::memmove(Buffer, Buffer + 1, n);
        --n;
    }
    return n;
}

std::string MeterLabelText(double Value, int DecPlaces) {
    char buf[352];
    int n = FormatMeterLabel(Value, DecPlaces, buf, sizeof buf);
    return std::string(buf, n);
}

}  // namespace zyn
