#pragma once
// The client's string table.

namespace mirsa {

inline constexpr int IDS_SOCKETS_INIT_FAILED = 104;
inline constexpr const char* kSocketsInitFailed = "Windows sockets initialization failed.";

// The key-state panes of the status bar (strings 59137 to 59139).
inline constexpr const char* kIndicatorCaps = "CAP";
inline constexpr const char* kIndicatorNum = "NUM";
inline constexpr const char* kIndicatorScroll = "SCRL";
inline constexpr const char* kIdleMessage = "Ready";

}  // namespace mirsa
