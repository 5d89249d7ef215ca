// The reader of the user's days-off file on any bytes, under any size limit: what it keeps
// is whole lines of days inside the span with clean names, and no message carries a control
// character or more than 20 lines of one file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/span.h"
#include "calendar/utf8.h"
#include "resources/rest_days.h"
#include "resources/user_file.h"

namespace {

using dovrin::IsValidUtf8;

void Require(bool condition)
{
    if (!condition) std::abort();
}

bool Clean(const std::string& text)
{
    return IsValidUtf8(text, false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    // The first byte sets the limit, so that inputs of a few KB reach the cut.
    const std::size_t limit = 16 + std::size_t{data[0]} * 16;
    static const int fd = memfd_create("rest-days.tsv", MFD_CLOEXEC);
    Require(fd >= 0 && ftruncate(fd, 0) == 0 && lseek(fd, 0, SEEK_SET) == 0);
    Require(write(fd, data + 1, size - 1) == static_cast<ssize_t>(size - 1));
    const std::string path = "/proc/self/fd/" + std::to_string(fd);

    const dovrin::UserFile file = dovrin::ReadUserFile(path, limit);
    Require(file.text.size() <= limit + 1 && file.messages.size() <= 1);
    if (!file.messages.empty()) Require(file.text.empty() || file.text.back() == '\n');
    const dovrin::RestDayLines read = dovrin::ParseRestDayLines(file.text, path, false);
    std::vector<std::string> messages;
    dovrin::AddLineMessages(messages, read.errors, path);
    Require(messages.size() <= dovrin::MostMessagesPerFile + 1);
    for (const std::string& message : messages) Require(Clean(message));
    for (const std::string& message : file.messages) Require(Clean(message));

    static const dovrin::RestDays builtIn;
    dovrin::RestDays restDays = builtIn;
    restDays.Overlay(read.lines);
    for (const dovrin::RestDayLine& line : read.lines) {
        Require(line.date >= dovrin::FirstCoveredDay && line.date <= dovrin::LastCoveredDay);
        Require(Clean(line.holiday) && !line.holiday.empty());
    }
    for (const dovrin::RestDayPeriod& period : restDays.Periods(dovrin::FirstCoveredDay, dovrin::LastCoveredDay))
        Require(Clean(period.holiday));
    return 0;
}
