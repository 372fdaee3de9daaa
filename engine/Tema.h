#pragma once

namespace tolkar {

// The conversation state: whether a dialogue runs, whether the greeting is still
// unanswered, and the current topic.
enum Tema : int
{
    temaNone = 0,
    temaGreeted = 1,
    temaSelf = 2,
    temaBooks = 3,
    temaGames = 4,
    temaWomen = 5,
    temaComputers = 6,
    temaFilms = 7,
    temaMusic = 8,
};

constexpr bool IsTopic(Tema tema)
{
    return tema >= temaSelf && tema <= temaMusic;
}

} // namespace tolkar
