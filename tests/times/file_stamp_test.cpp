// @filestamp over the fake platform's files and volumes: the flags, the
// three stamps, the zone rules of NTFS, FAT and other file systems, the
// formats and every message in its order; and the path rules alone.
#include "support/kit.h"

#include <chrono>
#include <optional>

#include "times/age.h"
#include "times/file_stamp.h"

namespace {

using namespace std::chrono;

// A UTC time as a file time, by the standard library's calendar.
using Ticks = duration<std::int64_t, std::ratio<1, 10'000'000>>;
platform::FileTime StampOf(sys_time<milliseconds> utc) {
  return static_cast<platform::FileTime>(duration_cast<Ticks>(utc - sys_days{year{1601} / January / 1}).count());
}

// The full path of a name as the shell makes it: on POSIX the drive names
// below lie in the current folder, each its own volume.
std::u16string FullPath(const std::u16string& name) {
  std::array<KChar, kHostBufferLength> path{};
  EXPECT_EQ(QueryTrueName(name.c_str(), path.data()), 0);
  return path.data();
}

constexpr sys_days kSummerDay = sys_days{year{2015} / July / 1};
constexpr sys_days kWinterDay = sys_days{year{2015} / December / 11};

// One file on each kind of volume, written in summer, read in winter and
// created in January, in a zone one hour east with an hour's saving in
// summer and the winter bias in force now.
class FileStampTest : public KalendraTest {
 protected:
  void SetUp() override {
    KalendraTest::SetUp();
    fake::SetZone({60, 60});
    fake::SetCurrentBiasMinutes(60);
    const platform::FileStamps stamps{StampOf(kSummerDay + 12h + 5s), StampOf(kWinterDay + 14h + 30min + 5s + 700ms),
                                      StampOf(sys_days{year{2015} / January / 2} + 3h + 4min + 5s)};
    const struct {
      const char16_t* name;
      std::optional<std::u16string> fileSystem;
    } files[] = {{u"N:\\f.txt", u"NTFS"},      {u"N:\\my file.txt", u"NTFS"}, {u"F:\\f.txt", u"FAT32"},
                 {u"O:\\f.txt", u"0xef53"}, {u"S:\\f.txt", std::nullopt}};
    for (const auto& file : files) {
      const std::u16string path = FullPath(file.name);
      fake::SetFileStamps(path, stamps);
      fake::SetVolumeFileSystem(VolumeRoot(path).value(), file.fileSystem);
    }
  }
};

TEST_F(FileStampTest, StampsZonesAndFormats) {
  ExpectCalls(u"@filestamp", {{u"N:\\f.txt", u"2015-07-01@14:00:05"}, {u"N:\\f.txt,b", u"2015-07-01@13:00:05"},
                              {u"N:\\f.txt,u", u"2015-07-01@12:00:05Z"}, {u"N:\\f.txt U 276", u"20150701120005Z"},
                              {u"N:\\f.txt,l,276", u"20150701140005"}, {u"N:\\f.txt,,,1", u"2015-07-01T14:00:05"},
                              {u"N:\\f.txt,a", u"2015-12-11@15:30:05"}, {u"N:\\f.txt,CU", u"2015-01-02@03:04:05Z"},
                              {u"N:\\f.txt,ss", u"2015-07-01@14:00:05"}, {u"N:\\f.txt,SwSlS", u"2015-07-01@14:00:05"},
                              {u"\"N:\\my file.txt\" u", u"2015-07-01@12:00:05Z"},
                              {u"F:\\f.txt", u"2015-07-01@13:00:05"}, {u"F:\\f.txt,a", u"2015-12-11@00:00:00"},
                              {u"F:\\f.txt,au,276", u"20151211000000Z"}, {u"F:\\f.txt,c", u"2015-01-02@04:04:05"},
                              {u"O:\\f.txt", u"2015-07-01@13:00:05"}, {u"O:\\f.txt,a", u"2015-12-11@15:30:05"},
                              {u"S:\\f.txt", u"2015-07-01@13:00:05"}});
}

TEST_F(FileStampTest, MessagesInTheirOrder) {
  ExpectCalls(u"@filestamp", {{u"", u"! No filename"}, {u",wa,x,y", u"! No filename"},
                              {u"*.txt,wa,x,y", u"! Invalid flags \"wa\""},
                              {u"N:\\f.txt,uu", u"! Invalid flags \"uu\""},
                              {u"N:\\f.txt,wx", u"! Invalid flags \"wx\""}, {u"*.txt,w,x,y", u"! Bad format \"x\""},
                              {u"*.txt,w,4,y", u"! Bad option \"y\""},
                              {u"missing.txt", u"! File not found \"missing.txt\""}});
}

TEST_F(FileStampTest, DatesBeyondTheCalendarAreRefused) {
  const std::u16string late = FullPath(u"N:\\late.txt");
  fake::SetFileStamps(late, {kAgeLimit - 1, kAgeLimit, 0});
  fake::SetVolumeFileSystem(VolumeRoot(late).value(), u"NTFS");
  ExpectCalls(u"@filestamp", {{u"N:\\late.txt,u", u"9999-12-31@23:59:59Z"},
                              {u"N:\\late.txt,au", u"! Date out of range (year = 10000)"},
                              {u"N:\\late.txt", u"! Date out of range (year = 10000)"},
                              {u"N:\\late.txt,b", u"! Date out of range (year = 10000)"},
                              {u"N:\\late.txt,cu", u"1601-01-01@00:00:00Z"}});
  fake::SetZone({-60, 0});
  fake::SetCurrentBiasMinutes(-60);
  ExpectCalls(u"@filestamp", {{u"N:\\late.txt,c", u"! Date out of range (year = 1600)"},
                              {u"N:\\late.txt,cb", u"! Error converting UTC to local"}});
  fake::SetZone({0, 0, true});
  ExpectCalls(u"@filestamp", {{u"N:\\f.txt", u"! Error converting UTC to local"}});
}

TEST(FileStampPaths, WildcardsRootsAndFileSystems) {
  const struct { std::u16string_view path; bool wildcard; std::optional<std::u16string> root; } paths[] = {
      {u"C:\\dir\\f.txt", false, u"C:\\"}, {u"z:\\f", false, u"z:\\"},
      {u"\\\\server\\share\\dir\\f", false, u"\\\\server\\share\\"}, {u"\\\\?\\C:\\dir\\f", false, u"\\\\?\\C:\\"},
      {u"\\\\?\\C:\\dir\\f?", true, u"\\\\?\\C:\\"}, {u"\\\\?x\\C:\\f", true, u"\\\\?x\\C:\\"},
      {u"\\\\.\\?\\f", true, u"\\\\.\\?\\"}, {u"C:\\?\\f", true, u"C:\\"}, {u"C:\\d\\*", true, u"C:\\"},
      {u"\\\\server\\share", false, std::nullopt}, {u"1:\\f", false, std::nullopt},
      {u"/home/f.txt", false, u"/home/f.txt"}, {u"f.txt", false, std::nullopt},
  };
  for (const auto& row : paths) {
    EXPECT_EQ(HasWildcard(row.path), row.wildcard) << Narrow(row.path);
    EXPECT_EQ(VolumeRoot(row.path), row.root) << Narrow(row.path);
  }
  const struct {
    std::u16string_view name;
    FileSystemKind kind;
  } names[] = {{u"FAT", FileSystemKind::kFat},    {u"fat32", FileSystemKind::kFat},   {u"FAT12", FileSystemKind::kFat},
               {u"NTFS", FileSystemKind::kNtfs},  {u"ntfs3", FileSystemKind::kNtfs},  {u"exFAT", FileSystemKind::kOther},
               {u"NTF", FileSystemKind::kOther},  {u"FA", FileSystemKind::kOther},    {u"", FileSystemKind::kOther}};
  for (const auto& row : names) EXPECT_EQ(KindOfFileSystem(row.name), row.kind) << Narrow(row.name);
}

}  // namespace
