#pragma once
// Captions of the entry form's message boxes; each belongs to its messages.

namespace mirsa {

inline constexpr const char* kCaptionTalvo = "TALVO";  // the application title
inline constexpr const char* kCaptionTalvoClient = "TALVO-Client";

}  // namespace mirsa
