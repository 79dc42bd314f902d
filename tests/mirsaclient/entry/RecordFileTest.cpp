#include "mirsaclient/entry/RecordFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "mirsaclient/shell/FileScrambler.h"
#include "mirsaclient/shell/ProcessState.h"
#include "platform/TextMode.h"
#include "tests/mirsaclient/entry/EntryFixture.h"

namespace {

namespace fs = std::filesystem;
using mirsa::RecordFileKind;

// A record line with `separators` separators, told apart by its bank reference number.
std::string RecordLine(const std::string& reference, int separators = 44) {
  std::string line = "MAKER1|12.5|" + reference;
  for (int i = 2; i < separators; ++i) line += "|F" + std::to_string(i + 1);
  return line;
}

// What another program makes of a plain file: it reads it in text mode (CR LF becomes LF),
// combines each byte with 0xC7 and writes the result in text mode (LF becomes CR LF).
std::string ForeignScramble(const std::string& plainFile) {
  std::string read;
  for (std::size_t i = 0; i < plainFile.size(); ++i) {
    if (plainFile[i] == '\r' && i + 1 < plainFile.size() && plainFile[i + 1] == '\n') continue;
    read.push_back(plainFile[i]);
  }
  std::string written;
  for (char c : read) {
    const char x = static_cast<char>(c ^ 0xC7);
    if (x == '\n') written.push_back('\r');
    written.push_back(x);
  }
  return written;
}

// A plain text with LF line breaks as a plain file on disk holds it (CR LF).
std::string AsPlainFile(const std::string& text) {
  std::string file;
  for (char c : text) {
    if (c == '\n') file.push_back('\r');
    file.push_back(c);
  }
  return file;
}

class RecordFiles : public mirsa_test::EntryTest {
 protected:
  RecordFiles() {
    mirsa::g_strMemberCode = "000100020003";
    mirsa::g_strBankCode = "1";
    fs::create_directories("MIRSA/NEW");
    fs::create_directories("MIRSA/Checked");  // as the start-up spells it
  }
  void StoreForeign(RecordFileKind kind, const std::string& plain) {
    mirsa_test::WriteBytes(mirsa::RecordFilePath(kind), ForeignScramble(AsPlainFile(plain)));
  }
};

TEST_F(RecordFiles, ThreeLinesWrittenAndReadBackAreTheSame) {
  const std::vector<std::string> lines = {RecordLine("REF1"), RecordLine("REF2"),
                                          RecordLine("REF3")};
  ASSERT_TRUE(mirsa::WriteRecordFile(lines, RecordFileKind::New));

  const fs::path path = "MIRSA/NEW/NEWAPP.1";
  const std::string plain =
      "000100020003|3\n" + lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\nEND";
  EXPECT_EQ(mirsa::ReadStoredFile(path), plain);
  const std::string stored = *platform::ReadBinaryFile(path);
  EXPECT_EQ(stored, ForeignScramble(AsPlainFile(plain)));
  EXPECT_EQ(stored.find(static_cast<char>('\r' ^ 0xC7)), std::string::npos)
      << "a stored line break is the single byte 0xCD";
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  std::vector<std::string> read;
  EXPECT_TRUE(mirsa::ReadRecordFile(toolkit, read, RecordFileKind::New));
  EXPECT_EQ(read, lines);
  EXPECT_TRUE(driver.boxes().empty());
  EXPECT_EQ(platform::ReadBinaryFile(path), stored) << "reading leaves the stored file as it was";
  EXPECT_EQ(std::distance(fs::directory_iterator("MIRSA/NEW"), fs::directory_iterator()), 1)
      << "no plain or temporary file is left beside it";
}

TEST_F(RecordFiles, AFileWrittenByAnotherProgramIsRead) {
  StoreForeign(RecordFileKind::Checked,
               "000100020003|2\n" + RecordLine("A", 45) + "\n" + RecordLine("B", 45) + "\nEND");
  std::vector<std::string> read = {"KEPT"};
  EXPECT_TRUE(mirsa::ReadRecordFile(toolkit, read, RecordFileKind::Checked));
  EXPECT_EQ(read, (std::vector<std::string>{"KEPT", RecordLine("A", 45), RecordLine("B", 45)}));
}

TEST_F(RecordFiles, TheBankCodeNamesTheFile) {
  mirsa::g_strBankCode = "0042";
  ASSERT_TRUE(mirsa::WriteRecordFile({RecordLine("R", 45)}, RecordFileKind::Checked));
  EXPECT_TRUE(fs::exists("MIRSA/Checked/CHECKAPP.0042"));
}

TEST_F(RecordFiles, AnEmptyListRemovesTheFile) {
  ASSERT_TRUE(mirsa::WriteRecordFile({RecordLine("REF1")}, RecordFileKind::New));
  EXPECT_TRUE(mirsa::WriteRecordFile({}, RecordFileKind::New));
  EXPECT_FALSE(fs::exists("MIRSA/NEW/NEWAPP.1"));
  EXPECT_TRUE(mirsa::WriteRecordFile({}, RecordFileKind::New)) << "nothing to remove";

  std::vector<std::string> read;
  EXPECT_FALSE(mirsa::ReadRecordFile(toolkit, read, RecordFileKind::New));
  EXPECT_TRUE(read.empty());
  EXPECT_TRUE(driver.boxes().empty());
}

TEST_F(RecordFiles, WritingIntoAMissingFolderFails) {
  fs::remove_all("MIRSA/Checked");
  EXPECT_FALSE(mirsa::WriteRecordFile({RecordLine("R", 45)}, RecordFileKind::Checked));
  EXPECT_FALSE(mirsa::WriteRecordFile({}, RecordFileKind::Checked));
}

struct Corrupted {
  std::string name;
  RecordFileKind kind;
  std::string plain;
  std::vector<std::string> loaded;
  std::vector<std::string> boxes;  // texts, in order; each with the caption "TALVO"
};

void PrintTo(const Corrupted& c, std::ostream* os) {
  *os << c.name;
}

class CorruptedRecords : public RecordFiles, public ::testing::WithParamInterface<Corrupted> {};

TEST_P(CorruptedRecords, AreLeftOutAndReported) {
  const Corrupted& c = GetParam();
  StoreForeign(c.kind, c.plain);
  for (const std::string& text : c.boxes)
    driver.Answer({.text = text, .caption = "TALVO", .buttons = ui::Buttons::Ok});
  std::vector<std::string> read;
  EXPECT_TRUE(mirsa::ReadRecordFile(toolkit, read, c.kind));
  EXPECT_EQ(read, c.loaded);
  EXPECT_TRUE(driver.scriptDone()) << driver.stepsLeft() << " expected boxes not shown";
}

const std::string kReport =
    "Records with following Application Numbers corrupted.Please Reenter them\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, CorruptedRecords,
    ::testing::Values(
        Corrupted{
            "NewRecordWith43Separators",
            RecordFileKind::New,
            "000100020003|2\n" + RecordLine("SHORT", 43) + "\n" + RecordLine("GOOD") + "\nEND",
            {RecordLine("GOOD")},
            {kReport + RecordLine("SHORT", 43) + "\n\n"}},
        Corrupted{"NewRecordsWith43And45Separators",
                  RecordFileKind::New,
                  "000100020003|3\n" + RecordLine("SHORT", 43) + "\n" + RecordLine("GOOD") + "\n" +
                      RecordLine("LONG", 45) + "\nEND",
                  {RecordLine("GOOD")},
                  {kReport + RecordLine("SHORT", 43) + "\n\n" + RecordLine("LONG", 45) + "\n\n"}},
        Corrupted{
            "CheckedRecordWith44Separators",
            RecordFileKind::Checked,
            "000100020003|2\n" + RecordLine("NEW") + "\n" + RecordLine("CHECKED", 45) + "\nEND",
            {RecordLine("CHECKED", 45)},
            {kReport + RecordLine("NEW") + "\n\n"}},
        Corrupted{"TrailerInLowerCaseIsARecordLine",
                  RecordFileKind::New,
                  "000100020003|2\n" + RecordLine("A") + "\nend\n" + RecordLine("B") + "\nEND",
                  {RecordLine("A"), RecordLine("B")},
                  {kReport + "end\n\n"}},
        Corrupted{"HeaderWithoutSeparator",
                  RecordFileKind::New,
                  "000100020003\n" + RecordLine("A") + "\nEND",
                  {RecordLine("A")},
                  {"Wrong File Format. Invalid Header"}},
        Corrupted{"HeaderWithTwoSeparatorsAndABadLine",
                  RecordFileKind::New,
                  "000100020003|1|\nBAD\n" + RecordLine("A") + "\nEND",
                  {RecordLine("A")},
                  {"Wrong File Format. Invalid Header", kReport + "BAD\n\n"}},
        Corrupted{"HeaderCountIsNotUsed",
                  RecordFileKind::New,
                  "000100020003|5\n" + RecordLine("A") + "\n" + RecordLine("B") + "\nEND",
                  {RecordLine("A"), RecordLine("B")},
                  {}},
        Corrupted{"LinesAfterTheTrailerAreIgnored",
                  RecordFileKind::New,
                  "000100020003|1\n" + RecordLine("A") + "\nEND\nJUNK\n" + RecordLine("B"),
                  {RecordLine("A")},
                  {}},
        Corrupted{"MissingTrailer",
                  RecordFileKind::New,
                  "000100020003|1\n" + RecordLine("A") + "\n",
                  {RecordLine("A")},
                  {}}),
    [](const ::testing::TestParamInfo<Corrupted>& param) { return param.param.name; });

}  // namespace
