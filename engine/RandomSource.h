#pragma once

#include <cstdint>
#include <random>

namespace tolkar {

// The pseudo-random generator: reseeded from the clock at fixed moments of the
// dialogue, and drawn from in a fixed order, so a test can script every draw.
class RandomSource
{
  public:
    virtual ~RandomSource() = default;

    virtual void Randomize() = 0;
    // A uniform draw from 0..range-1; range is at least 1.
    virtual std::int64_t Random(std::int64_t range) = 0;
};

class ClockRandom final : public RandomSource
{
  public:
    void Randomize() override;
    std::int64_t Random(std::int64_t range) override;

  private:
    std::mt19937_64 generator_;
};

// The rule for every random choice of an entry from a table of n entries:
// a draw from 0..n, where 0 counts as 1, so entry 1 is twice as likely.
std::int64_t PickIndex(RandomSource& random, std::int64_t n);

} // namespace tolkar
