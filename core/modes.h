#pragma once
// The processor's stored modes.

namespace aec {

inline constexpr int kModeCount = 22;  // user modes 1..16, factory modes MF1..MF6
// User modes 1 to 16 are indexes 0 to 15; factory modes MF1 to MF6 are 16 to 21.
inline constexpr int kFirstFactoryMode = 16;
// Mode names are at most this many characters.
inline constexpr int kModeNameLength = 20;

}  // namespace aec
