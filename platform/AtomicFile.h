#pragma once
// Replacing a stored file so that a crash leaves the old file or the new one, never a
// half-written one: the bytes go to a temporary file in the same folder, are flushed to
// disk, and the temporary file is renamed over the old one.

#include <filesystem>
#include <string_view>

namespace platform {

enum class FileAccess {
  Shared,     // the default permissions of new files
  OwnerOnly,  // readable and writable by the owner alone, where the OS allows it
};

// Answers whether the file now holds exactly `bytes`.
bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                           FileAccess access = FileAccess::Shared);

// Appends `bytes` so that the file either gains all of them or stays as it was.
bool AppendFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                          FileAccess access = FileAccess::Shared);

}  // namespace platform
