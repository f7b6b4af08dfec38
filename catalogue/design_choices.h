#pragma once

// The items of the design window's radio groups by what they mean. The
// catalogue's lists, the engine and the windows read the groups' selections
// by these names.

namespace vexa {

namespace sewage_kind {  // RadioGroup1, "Wybór typu ścieków"
inline constexpr int kRainRecommended = 0;
inline constexpr int kRainNormative = 1;
inline constexpr int kDomestic = 2;
}  // namespace sewage_kind

namespace slope_criterion {  // RadioGroup2, "Kryteria doboru spadku"
inline constexpr int kKeep = 0;
inline constexpr int kMinimise = 1;
}  // namespace slope_criterion

namespace pipe_criterion {  // RadioGroup3, "Kryteria doboru rury"
inline constexpr int kNone = 0;
inline constexpr int kSelfCleaningAndVentilation = 1;
inline constexpr int kSelfCleaning = 2;
inline constexpr int kNormativeVentilation = 3;
inline constexpr int kGivenFilling = 4;  // the user's h/d max in Bwyp
}  // namespace pipe_criterion

namespace local_losses {  // RadioGroup4, "Opory miejscowe"
inline constexpr int kSmall = 0;
inline constexpr int kLarge = 1;
}  // namespace local_losses

}  // namespace vexa
