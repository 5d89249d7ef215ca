// The Sun and the Moon from libnova, as the calendar's generated tables need them.
#include "calendar/tools/ephemeris.h"

#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <libnova/solar.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace dovrin::ephemeris {
namespace {

constexpr double Pi = std::numbers::pi;
constexpr double J2000 = 2451545.0;
constexpr double JulianDayOfSerialZero = 2415018.5;  // 1899-12-30 00:00 UT
constexpr double SecondsPerDay = 86400;
constexpr double BeijingOffset = 8 * 3600;   // UTC+8, seconds
constexpr double TropicalYear = 365.2422;    // days
constexpr double SynodicMonth = 29.530589;  // days

// ΔT = TT - UT1 in seconds on 1 January of each year from 1900: The Astronomical Almanac's
// table of observed values (section K) to 1972, then 32.184 s + (TAI - UTC) - (UT1 - UTC)
// from IERS Bulletin A. libnova's own ln_get_dynamical_time_diff runs over a minute ahead of
// these after 2000, which moves instants near midnight onto the wrong day.
constexpr int FirstMeasuredYear = 1900;
constexpr std::array<double, 126> MeasuredDeltaT = {
    -2.72, -1.54, -0.02, 1.24,  2.64,  3.86,  5.37,  6.14,  7.75,  9.13,   // 1900
    10.46, 11.53, 13.36, 14.65, 16.01, 17.20, 18.24, 19.06, 20.25, 20.95,  // 1910
    21.16, 22.25, 22.41, 23.03, 23.49, 23.62, 23.86, 24.49, 24.34, 24.08,  // 1920
    24.02, 24.00, 23.87, 23.95, 23.86, 23.93, 23.73, 23.92, 23.96, 24.02,  // 1930
    24.33, 24.83, 25.30, 25.70, 26.24, 26.77, 27.28, 27.78, 28.25, 28.71,  // 1940
    29.15, 29.57, 29.97, 30.36, 30.72, 31.07, 31.35, 31.68, 32.18, 32.68,  // 1950
    33.15, 33.59, 34.00, 34.47, 35.03, 35.73, 36.54, 37.43, 38.29, 39.20,  // 1960
    40.18, 41.17, 42.23, 43.37, 44.49, 45.48, 46.46, 47.52, 48.53, 49.59,  // 1970
    50.54, 51.38, 52.17, 52.96, 53.79, 54.34, 54.87, 55.32, 55.82, 56.30,  // 1980
    56.86, 57.57, 58.31, 59.12, 59.98, 60.78, 61.63, 62.29, 62.97, 63.47,  // 1990
    63.83, 64.09, 64.30, 64.47, 64.57, 64.69, 64.85, 65.15, 65.46, 65.78,  // 2000
    66.07, 66.32, 66.60, 66.91, 67.28, 67.64, 68.10, 68.59, 68.97, 69.22,  // 2010
    69.36, 69.36, 69.29, 69.20, 69.18, 69.14,                              // 2020
};

// After the measured years: F. Espenak and J. Meeus, "Polynomial Expressions for Delta T",
// NASA Five Millennium Canon of Solar Eclipses (2006), the pieces for 2005-2050 and 2050-2150.
double PredictedDeltaT(double year)
{
    if (year < 2050) {
        const double t = year - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - year);
}

// The Sun's geocentric ecliptic longitude of date with aberration, without nutation, degrees,
// at a Julian Ephemeris Day.
double AberratedSolarLongitude(double jde)
{
    ln_helio_posn sun{};
    ln_get_solar_geom_coords(jde, &sun);  // VSOP87 in FK5, on the ecliptic of J2000
    // General precession in longitude from J2000 to the date (Lieske 1977, the IAU 1976
    // constants; Meeus, Astronomical Algorithms, 21.5): libnova does not bring the Sun to the
    // ecliptic of date, and without it the instants drift by 1.4 days a century.
    const double t = (jde - J2000) / 36525;  // Julian centuries
    const double precession = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) / 3600;
    const double aberration = 20.4898 / 3600 / sun.R;
    return sun.L + precession - aberration;
}

// The Sun's apparent geocentric ecliptic longitude of date, degrees.
double ApparentSolarLongitude(double jde)
{
    ln_nutation nutation{};
    ln_get_nutation(jde, &nutation);
    return AberratedSolarLongitude(jde) + nutation.longitude;
}

// The Moon's ecliptic longitude of date, degrees, from libnova's ELP 2000-82B, which refers it
// to the ecliptic and equinox of J2000 (at Meeus's Example 47.a, 1992-04-12, it reads 0.108°
// more than the longitude of date, the precession since 1992). The rigorous precession of
// ecliptic coordinates (Meeus, Astronomical Algorithms, 21.7): the Moon stands up to 5° off
// the ecliptic, where the rotation of the ecliptic itself moves its longitude by up to 4" of
// arc (8 s of time) in 2100. The Sun's latitude is under a second of arc and needs only the
// general precession.
double LunarLongitudeOfDate(double jde, double precision)
{
    ln_lnlat_posn moon{};
    ln_get_lunar_ecl_coords(jde, &moon, precision);
    const double t = (jde - J2000) / 36525;  // Julian centuries
    const double arcsecond = Pi / 180 / 3600;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * arcsecond;
    const double node = 174.876384 * Pi / 180 + (-869.8089 * t + 0.03536 * t * t) * arcsecond;
    const double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * arcsecond;
    const double lambda = moon.lng * Pi / 180;
    const double beta = moon.lat * Pi / 180;
    const double a = std::cos(eta) * std::cos(beta) * std::sin(node - lambda) - std::sin(eta) * std::sin(beta);
    const double b = std::cos(beta) * std::cos(node - lambda);
    return (p + node - std::atan2(a, b)) * 180 / Pi;
}

// The Moon's apparent longitude less the Sun's, degrees in [-180, 180]. Nutation moves both
// alike and is left out. Aberration: the Sun's 20.5" over its distance, and the Moon seen where it stood a
// light-time (1.28 s at its mean distance, 0.7" of arc) before.
// precision: libnova's cut-off for the terms of ELP 2000-82B, 0 for the whole series.
double Elongation(double jde, double precision)
{
    constexpr double lunarLightTime = 384400.0 / 299792.458 / SecondsPerDay;  // days
    return std::remainder(LunarLongitudeOfDate(jde - lunarLightTime, precision) - AberratedSolarLongitude(jde), 360.0);
}

}  // namespace

// ΔT in seconds at a decimal year; from the last measured value a straight line runs to the
// prediction a year later, so the instants do not jump.
double DeltaT(double year)
{
    const double lastMeasured = FirstMeasuredYear + static_cast<double>(MeasuredDeltaT.size()) - 1;
    if (year >= lastMeasured + 1) return PredictedDeltaT(year);
    if (year >= lastMeasured) {
        const double share = year - lastMeasured;
        return (1 - share) * MeasuredDeltaT.back() + share * PredictedDeltaT(lastMeasured + 1);
    }
    const double offset = std::max(year - FirstMeasuredYear, 0.0);
    const auto i = static_cast<std::size_t>(offset);
    const double share = offset - static_cast<double>(i);
    return (1 - share) * MeasuredDeltaT[i] + share * MeasuredDeltaT[i + 1];
}

double SolarTermJde(int year, int k)
{
    ln_date start{year, 1, 6, 0, 0, 0};
    double jde = ln_get_julian_day(&start) + k * TropicalYear / 24;
    const double target = std::fmod(285.0 + 15.0 * k, 360.0);
    for (int step = 0; step < 20; ++step) {
        const double miss = std::remainder(target - ApparentSolarLongitude(jde), 360.0);
        jde += miss * TropicalYear / 360;
        if (std::fabs(miss) < 1e-9) return jde;  // degrees: well under a millisecond
    }
    return std::nan("");
}

double NewMoonJde(double guess)
{
    // The whole lunar series costs 40 times the truncated one, which is good to 5 seconds of
    // arc (10 s of time): the truncated series finds the day, one step of the whole settles it.
    constexpr double truncated = 1e-6;
    double jde = guess;
    for (int step = 0; step < 40; ++step) {
        const double miss = Elongation(jde, truncated);
        jde -= miss * SynodicMonth / 360;
        if (std::fabs(miss) < 1e-7) {
            const double rate = (Elongation(jde + 0.01, truncated) - Elongation(jde, truncated)) / 0.01;
            return jde - Elongation(jde, 0) / rate;
        }
    }
    return std::nan("");
}

std::int64_t BeijingSeconds(double jde)
{
    const double decimalYear = 2000 + (jde - J2000) / 365.25;
    const double ut = jde - DeltaT(decimalYear) / SecondsPerDay;
    return std::llround((ut - JulianDayOfSerialZero) * SecondsPerDay + BeijingOffset);
}

}  // namespace dovrin::ephemeris
