// Runs tilvora-dict in process and keeps what it printed.
#pragma once

#include "DictCommands.h"

#include <sstream>
#include <string>

namespace tilvora::test {

struct tool_run_t {
    int status = -1;
    std::string out;
    std::string err;
};

inline tool_run_t RunTool(const argument_list_t& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunDictTool(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace tilvora::test
