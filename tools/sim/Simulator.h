// The headless game driver: one game core driven by text commands, one reply per command,
// with a virtual clock that only the commands move.
#pragma once

#include "PlayControl.h"
#include "QuandelLogic.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tilvora {

class Simulator {
  public:
    explicit Simulator(uint32_t seed);

    // The reply to one input line; nothing for a skipped line (empty, blanks, comment).
    std::optional<std::string> Execute(std::string line);

  private:
    using args_t = std::vector<std::string>;

    std::string Dispatch(const std::string& line, const args_t& args);
    std::string Click(const args_t& args);
    std::string Frame(const args_t& args);
    std::string Paint();
    std::string Set(const args_t& args);
    std::string SetCell(const args_t& args);
    std::string ScoresAdd(const std::string& line, const args_t& args);
    std::string Scores() const;
    std::string State() const;

    std::shared_ptr<int32_t> clock_ = std::make_shared<int32_t>(0);
    QuandelLogic logic_;
    PlayControl control_;
};

} // namespace tilvora
