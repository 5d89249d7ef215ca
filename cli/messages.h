// dovrin-cal's own words (help and errors), translated through the programs' one text domain.
#pragma once

#include "resources/messages.h"

namespace dovrin::cli {

using dovrin::Format;
using dovrin::Tr;

}  // namespace dovrin::cli
