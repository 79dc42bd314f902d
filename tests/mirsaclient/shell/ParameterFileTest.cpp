#include "mirsaclient/shell/ParameterFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "mirsaclient/shell/FileScrambler.h"
#include "platform/TextMode.h"
#include "tests/support/TempDir.h"

namespace {

mirsa::ParameterSet Sample() {
  mirsa::ParameterSet p;
  for (int i = 0; i < mirsa::kParameterFieldCount; ++i) p.fields[i] = "F" + std::to_string(i);
  p[mirsa::kMemberCode] = "000100020003";
  p[mirsa::kEmailId] = "";
  return p;
}

TEST(SplitParameterLine, FieldsAndTheirEdges) {
  const mirsa::ParameterSet p = mirsa::SplitParameterLine(mirsa::JoinParameterFields(Sample()));
  EXPECT_EQ(p, Sample());
  // A 23rd piece stays in field 21 with its separator.
  const auto extra = mirsa::SplitParameterLine(mirsa::JoinParameterFields(Sample()) + "|MORE");
  EXPECT_EQ(extra[mirsa::kConnectionName], "F21|MORE");
  EXPECT_EQ(mirsa::SplitParameterLine("")[mirsa::kMemberCode], "");
  EXPECT_EQ(mirsa::SplitParameterLine("no separator")[mirsa::kMemberCode], "no separator");
  EXPECT_EQ(mirsa::SplitParameterLine(" a |b")[mirsa::kMemberCode], " a ") << "nothing is trimmed";
}

TEST(ParameterFile, WrittenAndReadBackWithTheStoredBytesOfTheScrambler) {
  testing_support::TempDir dir;
  std::filesystem::create_directory("MIRSA");
  ASSERT_TRUE(mirsa::WriteParameterFile(Sample()));
  const std::string stored = *platform::ReadBinaryFile("MIRSA/Param.tlv");
  EXPECT_EQ(stored, mirsa::Scramble(mirsa::JoinParameterFields(Sample())));
  EXPECT_EQ(mirsa::ReadParameterFile(), Sample());
  EXPECT_EQ(platform::ReadBinaryFile("MIRSA/Param.tlv"), stored) << "reading rewrites nothing";
  EXPECT_FALSE(std::filesystem::exists("MIRSA/Param.zox"));
}

TEST(ParameterFile, AMissingFileReadsAsNothing) {
  testing_support::TempDir dir;
  EXPECT_FALSE(mirsa::ReadParameterFile().has_value());
}

}  // namespace
