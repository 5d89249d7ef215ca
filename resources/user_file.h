// A file the user keeps beside the program's data (the days off of years not yet built in),
// read so that nothing found at its path can stop a program from starting, and written so
// that nothing of it is lost.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dovrin {

inline constexpr std::size_t LargestUserFile = std::size_t{1} << 20;  // bytes; a year takes about 1 KB
inline constexpr std::size_t MostMessagesPerFile = 20;

struct UserFile {
    std::string text;                   // whole lines, without a leading byte-order mark
    std::vector<std::string> messages;  // "FILE: what (reason)", in the user's language
    bool read = false;                  // a regular file was opened and read
    bool byteOrderMark = false;         // the file began with one (as Notepad writes them)
    int error = 0;                      // errno of a failed open or read
};

// Opens `path` without blocking and reads it only when it is a regular file: at most `limit`
// bytes, and of those only whole lines. A missing file is silence; any other failure, a
// path that is no regular file, and a cut after the limit each give one message, and the
// text holds what could be used.
UserFile ReadUserFile(const std::string& path, std::size_t limit = LargestUserFile);

// The same for a file the user names: a missing one is a message too, and so is one larger
// than `limit` (then the text is empty).
UserFile ReadNamedFile(const std::string& path, std::size_t limit = LargestUserFile);

// Writes `text` as the whole file at `path`, with the byte-order mark when `byteOrderMark`:
// into a temporary file beside it, flushed to the disk and renamed over it, so that an
// interrupted run leaves the old file whole. A link is followed, so the file it points to
// is replaced (or created, beside itself, when the link dangles) and the link stays; the old
// file's permissions and owner are kept (a file whose owner cannot be kept is refused). A
// temporary file of an earlier run that was killed is removed once it is a minute old. With
// `createFolder` the folder of `path` is created when missing. Returns why it could not be
// written ("cannot write FILE: reason", in the user's language), or "".
std::string WriteUserFile(const std::string& path, std::string_view text, bool byteOrderMark,
                          bool createFolder = true);

// What an update makes of a user's file.
struct UserFileContent {
    std::string text;  // the whole new file, without the byte-order mark
    bool byteOrderMark = false;
};

// Given the file as read under the lock (a missing one is not `read`, and a file that could
// not be read whole carries its messages), the new content, or nothing with the reason in
// `why`: then nothing is written.
using UserFileUpdate = std::function<std::optional<UserFileContent>(const UserFile& current, std::string& why)>;

// Changes a user's file so that no other program of ours changes it in between: under an
// advisory lock (flock on ".NAME.lock" beside the file, after links) the file is read, given
// to `update` and written as WriteUserFile writes it, the folder created when missing. A
// content larger than `limit`, which the readers would cut, is refused before anything is
// written. Returns "" when the file was written, the update's reason when it refused, or
// why the file could not be locked or written, with "; nothing was written" or "; the file
// is left as it was".
std::string UpdateUserFile(const std::string& path, const UserFileUpdate& update,
                           std::size_t limit = LargestUserFile);

// Adds the messages about one file's refused lines to `to`: the first MostMessagesPerFile
// of them, then one line saying how many more lines were skipped.
void AddLineMessages(std::vector<std::string>& to, const std::vector<std::string>& lineMessages,
                     const std::string& path);

}  // namespace dovrin
