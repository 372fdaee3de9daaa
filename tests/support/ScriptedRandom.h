#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "RandomSource.h"

// Hands out scripted draws and logs every call as "seed" or "draw N" (N the
// range), so a test checks both the values and the order of the draws.
class ScriptedRandom : public tolkar::RandomSource
{
  public:
    std::deque<std::int64_t> script;
    std::vector<std::string> log;

    // Adds draws after those still waiting.
    void Script(std::initializer_list<std::int64_t> draws) { script.insert(script.end(), draws); }

    void Randomize() override { log.push_back("seed"); }
    std::int64_t Random(std::int64_t range) override
    {
        log.push_back("draw " + std::to_string(range));
        if (script.empty()) {
            throw std::logic_error("unscripted draw from 0.." + std::to_string(range - 1));
        }
        const std::int64_t value = script.front();
        script.pop_front();
        if (value < 0 || value >= range) {
            throw std::logic_error("scripted draw out of range");
        }
        return value;
    }
};
