#pragma once
// The constants of the classroom, in one place. The exercises state them
// rounded as students use them on paper (g = 9.8 m/s², π = 3.14), and every
// answer is computed with exactly these values so that it agrees digit for
// digit with the student's own working; library values would not.

namespace tavek::classroom {

inline constexpr double g = 9.8;      // m/s²
inline constexpr double pi = 3.14;    // degrees become radians as pi * degrees / 180

inline constexpr double horsepowerPerWatt = 0.001341;

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
