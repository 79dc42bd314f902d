#pragma once
// An entry test: the client's fixture with the entry form's template built into a dialog.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "mirsaclient/entry/TextValidators.h"
#include "mirsaclient/resources/ApplicationFormTemplate.h"
#include "tests/mirsaclient/shell/ClientFixture.h"
#include "ui/Dialog.h"

namespace mirsa_test {

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The districts file as the program ships it, copied into the current directory.
inline void CopyShippedDistricts() {
  std::filesystem::copy_file(SHIPPED_DISTRICTS_FILE, "DISTRICTS.TXT",
                             std::filesystem::copy_options::overwrite_existing);
}

class EntryTest : public ClientTest {
 protected:
  EntryTest() { mirsa::ResetDateCheckState(); }
  ~EntryTest() override { mirsa::ResetDateCheckState(); }

  ui::Dialog form{toolkit, mirsa::ApplicationFormTemplate()};
};

}  // namespace mirsa_test
