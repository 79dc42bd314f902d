#include "tallisk/records/YearFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/tallisk/TalliskFixture.h"

namespace {

using tallisk_test::DataLine;
using tallisk_test::TalliskTest;

class YearFilesTest : public TalliskTest {
 protected:
  tallisk::PeriodicalRecord Record(const std::string& tvpan) const {
    tallisk::PeriodicalRecord r;
    r.memberId = tallisk_test::kMemberId;
    r.tvpan = tvpan;
    r.borrowerName = "ABC Industries";
    r.branchName = "Main Branch";
    r.termCreditSanctioned = 500000;
    r.termCreditOutstanding = 250000;
    r.workingCapitalSanctioned = 200000;
    r.workingCapitalOutstanding = 150000;
    r.coverStartDate = "15/06/2003";
    r.serviceFee = 3189;
    r.status = "Standard";
    return r;
  }
  tallisk::YearFiles files{tallisk::ProgramFiles{dir.path()}, 2004};
};

TEST_F(YearFilesTest, ARecordIsALineOfThirteenFieldsEachEndedByABar) {
  const std::string line = tallisk::ToDataLine(Record("TV200312345"));
  EXPECT_EQ(line, DataLine("TV200312345", "ABC Industries"));
  EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 13);
  std::vector<std::string_view> fields;
  for (std::size_t start = 0, bar; (bar = line.find('|', start)) != std::string::npos;
       start = bar + 1)
    fields.push_back(std::string_view(line).substr(start, bar - start));
  const auto back = tallisk::FromFields(fields);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(tallisk::ToDataLine(*back), line);
}

TEST_F(YearFilesTest, AppendingKeepsTheRecordsBeforeByteForByte) {
  ASSERT_TRUE(files.AppendRecord(Record("TV200312345")));
  const std::string first = ReadRaw("data2004.txt");
  ASSERT_TRUE(files.AppendRecord(Record("TV200312346")));
  const std::string both = ReadRaw("data2004.txt");
  EXPECT_EQ(both.substr(0, first.size()), first);
  EXPECT_EQ(both, DataLine("TV200312345", "ABC Industries") + "\r\n" +
                      DataLine("TV200312346", "ABC Industries") + "\r\n");
  EXPECT_EQ(files.ReadData().records.size(), 2u);
}

TEST_F(YearFilesTest, ReadingStopsAtAShortLineAndCountsBlankLines) {
  WriteText("data2004.txt", DataLine("TV200312345", "A") + "\n\n" +
                                "001200340056|TV200312346|short|\n" + DataLine("TV200312347", "C") +
                                "\n");
  const auto content = files.ReadData();
  ASSERT_EQ(content.records.size(), 1u);
  EXPECT_EQ(content.records[0].tvpan, "TV200312345");
  EXPECT_EQ(content.blankLines, 1);
}

TEST_F(YearFilesTest, ALineWithAnAmountThatIsNoNumberEndsTheReading) {
  WriteText("data2004.txt", DataLine("TV200312345", "A") + "\n" +
                                "001200340056|TV200312346|B|Main|x|0|0|0||0|N|Standard||\n");
  EXPECT_EQ(files.ReadData().records.size(), 1u);
}

TEST_F(YearFilesTest, TheOutputFileIsTheHeaderLineAndTheDataLines) {
  ASSERT_TRUE(files.WriteHeader(tallisk::HeaderLine("001200340056", 1, "3189", 2004)));
  ASSERT_TRUE(files.AppendRecord(Record("TV200312345")));
  ASSERT_TRUE(files.WriteOutput("001200340056"));
  EXPECT_EQ(ReadRaw("output/0012003400562004.out"), "001200340056|1|3189|March 31, 2004|\r\n" +
                                                        DataLine("TV200312345", "ABC Industries") +
                                                        "\r\n");
  ASSERT_TRUE(files.WriteOutput("001200340056", "END|123456|10/04/2004"));
  EXPECT_TRUE(ReadRaw("output/0012003400562004.out").ends_with("\r\nEND|123456|10/04/2004\r\n"));
  files.RemoveAll();
  EXPECT_FALSE(Exists("header2004.txt"));
  EXPECT_FALSE(Exists("data2004.txt"));
  EXPECT_FALSE(Exists("output"));
  EXPECT_FALSE(files.WriteOutput("001200340056"));  // nothing to write from
}

}  // namespace
