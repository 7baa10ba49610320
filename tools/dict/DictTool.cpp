#include "DictCommands.h"

#include <map>

namespace tilvora {

namespace {

constexpr std::string_view kUsage =
    "usage:\n"
    "  tilvora-dict build -o OUT --name NAME [--description-file FILE] [--picture BMP] WORDLIST\n"
    "      makes a dictionary from WORDLIST, one word per line (blank lines and lines\n"
    "      starting with # are skipped)\n"
    "  tilvora-dict info FILE\n"
    "      prints the name, description, picture and word counts of a dictionary\n"
    "  tilvora-dict words FILE\n"
    "      prints the words of a dictionary as the game loads them, one per line\n"
    "exit status: 0 done, 1 refused (the reason is printed), 2 wrong command line\n";

using command_t = int (*)(const argument_list_t&, std::ostream&, std::ostream&);

} // namespace

int Refuse(std::ostream& err, std::string_view reason) {
    err << "tilvora-dict: " << reason << '\n';
    return kExitRefused;
}

int UsageError(std::ostream& err, std::string_view problem) {
    err << "tilvora-dict: " << problem << '\n' << kUsage;
    return kExitUsage;
}

int RunDictTool(const argument_list_t& args, std::ostream& out, std::ostream& err) {
    static const std::map<std::string_view, command_t> commands = {
        {"build", RunBuild},
        {"info", RunInfo},
        {"words", RunWords},
    };
    if (args.empty()) {
        return UsageError(err, "no command given");
    }
    const auto command = commands.find(args.front());
    if (command == commands.end()) {
        return UsageError(err, "unknown command \"" + args.front() + "\"");
    }
    return command->second(argument_list_t(args.begin() + 1, args.end()), out, err);
}

} // namespace tilvora
