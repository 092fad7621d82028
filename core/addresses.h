#pragma once
// Parameter addresses with a role of their own (page in the high byte, slot in the low byte).

namespace aec {

// Page 30: the processor's system values and the reserved addresses of the protocol.
inline constexpr int kModeNameAddress = 0x1E00;
inline constexpr int kSaveModeAddress = 0x1E01;
inline constexpr int kLoadModeAddress = 0x1E02;  // also the current mode
inline constexpr int kMusicInputLevelAddress = 0x1E03;
inline constexpr int kPanelLockAddress = 0x1E04;
inline constexpr int kPanelPasswordAddress = 0x1E05;
inline constexpr int kSystemPasswordAddress = 0x1E07;
inline constexpr int kUserLevelAddress = 0x1E08;  // 0 user, 1 manager
inline constexpr int kPageUploadAddress = 0x1E0F;
inline constexpr int kPageRequestAddress = 0x1E10;
inline constexpr int kInputSelectAddress = 0x1E14;
inline constexpr int kLinkControlAddress = 0x1E30;
inline constexpr int kIdentityAddress = 0x1E40;

// Page 29: the system volumes. Each source has a current volume, a start and a maximum.
inline constexpr int kMicVolumeAddress = 0x1D00;
inline constexpr int kMusicVolumeAddress = 0x1D01;
inline constexpr int kEffectVolumeAddress = 0x1D02;
inline constexpr int kMicStartVolumeAddress = 0x1D03;
inline constexpr int kMicMaxVolumeAddress = 0x1D04;
inline constexpr int kMusicStartVolumeAddress = 0x1D05;
inline constexpr int kMusicMaxVolumeAddress = 0x1D06;
inline constexpr int kEffectStartVolumeAddress = 0x1D07;
inline constexpr int kEffectMaxVolumeAddress = 0x1D08;
inline constexpr int kVolumeFollowAddress = 0x1D09;

// Page 0: 1 while the outputs are set by hand, 0 while the processor sets them up itself.
inline constexpr int kManualOutputsAddress = 0x00A0;

// Page 9: the infra-red remote switch.
inline constexpr int kRemoteAddress = 0x0911;

}  // namespace aec
