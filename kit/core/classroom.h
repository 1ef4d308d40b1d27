#pragma once
// The constants of the classroom, in one place. The exercises state them
// rounded as students use them on paper (g = 9.8 m/s², π = 3.14), and every
// answer is computed with exactly these values so that it agrees digit for
// digit with the student's own working; library values would not.

namespace tavek::classroom {

inline constexpr double g = 9.8;      // m/s²
inline constexpr double pi = 3.14;    // degrees become radians as pi * degrees / 180

inline constexpr double horsepowerPerWatt = 0.001341;

// m/s to km/h, as the students multiply.
inline constexpr double kmhPerMs = 3.6;

// Form4 and Form6 state their fixed angles in radians, rounded as the
// exercises print them: 45° as 0.785 rad, 38° as 0.6628 rad.
inline constexpr double fortyFiveRadians = 0.785;
inline constexpr double pullDegrees = 38;          // Form6: F2 above the horizontal
inline constexpr double pullRadians = 0.6628;

// Form6's knot: rope A at 28° to the ceiling, rope B at 47°, with the
// exercise's own rounded values: sen 28°, sen 47°, and the factor
// sen 28° + cos 28° × tg 47° that gives T_A = P / 1.41.
inline constexpr double ropeADegrees = 28;
inline constexpr double ropeBDegrees = 47;
inline constexpr double sinRopeA = 0.46947;
inline constexpr double sinRopeB = 0.731;
inline constexpr double ropeFactor = 1.41;

// Form4's basket: the rim 3.1 m above the floor, 4.39 m ahead of the hands,
// which release the ball 46 % above the athlete's height.
inline constexpr double basketHeight = 3.1;
inline constexpr double basketDistance = 4.39;
inline constexpr double releasePercent = 46;

// Form5's drawn-angle shot: the rim 1.37 m above the hands, and the
// exercise's 2 × g × Δy = 26.852.
inline constexpr double rimRise = 1.37;
inline constexpr double twiceGRimRise = 26.852;

// What a worked solution says where it turns degrees into radians.
inline constexpr const char* piSentence =
    "π é tomado como 3.14 na conversão de graus em radianos: por isso sen 30° sai 0.499770, e não 0.5.";

// What a worked solution says where it turns m/s into km/h.
inline constexpr const char* kmhSentence =
    "De m/s para km/h multiplica-se por 3.6; a conversão rápida de km/h para m/s do menu usa 0.277, que "
    "arredonda 1/3.6 = 0.27778.";

// The quick SI conversion's factors: km/h uses 0.277, not 1/3.6.
inline constexpr double kmhToMs = 0.277;
inline constexpr double mihToMs = 0.44704;
inline constexpr double cmsToMs = 0.01;

} // namespace tavek::classroom
