#pragma once

#include <deque>
#include <string>

#include "RandomSource.h"

// A random source that gives the draws a test scripts, and keeps the log of what
// was asked of it: "seed" for a reseed, the range for a draw.
class ScriptedRandom final : public tolkar::RandomSource
{
  public:
    void Script(std::initializer_list<std::int64_t> draws) { draws_.insert(draws_.end(), draws); }

    void Randomize() override { log_ += "seed "; }

    std::int64_t Random(std::int64_t range) override
    {
        log_ += std::to_string(range) + " ";
        if (draws_.empty() || draws_.front() >= range) {
            log_ += "(unscripted) ";
            return 0;
        }
        const std::int64_t draw = draws_.front();
        draws_.pop_front();
        return draw;
    }

    std::size_t Unused() const { return draws_.size(); }
    // The calls since the last look, like "seed 11 ".
    std::string TakeLog() { return std::exchange(log_, {}); }

  private:
    std::deque<std::int64_t> draws_;
    std::string log_;
};
