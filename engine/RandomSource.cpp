#include "RandomSource.h"

#include <chrono>

namespace tolkar {

void ClockRandom::Randomize()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    generator_.seed(static_cast<std::uint64_t>(now.count()));
}

std::int64_t ClockRandom::Random(std::int64_t range)
{
    std::uniform_int_distribution<std::int64_t> draw(0, range - 1);
    return draw(generator_);
}

std::int64_t PickIndex(RandomSource& random, std::int64_t n)
{
    const std::int64_t r = random.Random(n + 1);
    return r == 0 ? 1 : r;
}

} // namespace tolkar
