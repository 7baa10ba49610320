// The commands of tilvora-dict. Each takes the arguments after its own name, writes its
// results to out and its messages to err, and returns the exit status.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tilvora {

using argument_list_t = std::vector<std::string>;

constexpr int kExitRefused = 1; // bad input: the reason is printed
constexpr int kExitUsage = 2;   // the command line itself is wrong

// Everything after the program name.
int RunDictTool(const argument_list_t& args, std::ostream& out, std::ostream& err);

// build -o OUT --name NAME [--description-file FILE] [--picture BMP] WORDLIST
int RunBuild(const argument_list_t& args, std::ostream& out, std::ostream& err);
// info FILE
int RunInfo(const argument_list_t& args, std::ostream& out, std::ostream& err);
// words FILE
int RunWords(const argument_list_t& args, std::ostream& out, std::ostream& err);

// Prints "tilvora-dict: " and the reason; returns kExitRefused.
int Refuse(std::ostream& err, std::string_view reason);
// Prints the problem and the usage text; returns kExitUsage.
int UsageError(std::ostream& err, std::string_view problem);

} // namespace tilvora
