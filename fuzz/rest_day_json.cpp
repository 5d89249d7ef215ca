// holiday-cn's JSON files on any text: every day either read or refused with its line.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "resources/rest_day_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const dovrin::RestDayLines read = dovrin::ParseRestDayJson(text, "2027.json");
    for (const std::string& error : read.errors)
        if (!error.starts_with("2027.json:")) std::abort();
    return 0;
}
