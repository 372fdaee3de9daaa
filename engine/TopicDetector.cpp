#include "TopicDetector.h"

#include <algorithm>

#include "KeywordMatch.h"

namespace tolkar {

const std::vector<KeywordGroup>& TopicKeywordGroups()
{
    static const std::vector<KeywordGroup> groups = {
        {temaSelf,
         {
             "о себе",
             "О себе",
             "ты сам",
             "кто ты",
             "Кто ты",
             "Расскажи",
             "расскажи",
             "откуда ты",
             "Откуда ты",
             "Ты",
             "ты",
             "кто тебя сделал",
             "твой",
             "автор",
             "Про себя",
             "про себя",
         }}, // SelfKeywords
        {temaBooks,
         {
             "книг",
             "Книг",
             "чит",
             "Чит",
             "Чтен",
             "чтен",
             "Журн",
             "журн",
             "Книж",
             "книж",
         }}, // BookKeywords
        {temaGames,
         {
             "Vorkast",   "vorkast",    "Diablo",   "diablo", "игр",   "Игр",     "Starcraft",
             "starcraft", "Warcraft",   "warcraft", "квака",  "Quake", "quake",   "doom",
             "Doom",      "Incubation", "RPG",      "РПГ",    "рпг",   "стратег", "симулят",
             "3D",        "unreal",     "Unreal",   "game",
         }}, // GameKeywords
        {temaWomen,
         {
             "баб",
             "Баб",
             "дев",
             "Дев",
             "Трах",
             "трах",
             "Жен",
             "жен",
             "подруг",
             "Подруг",
             "сись",
             "Сись",
             "Поп",
             "поп",
         }}, // WomenKeywords
        {temaComputers,
         {
             "комп",     "Комп",     "процес",  "Процес",    "пямять",  "Память", "RAM",    "HD",
             "сидюк",    "винт",     "Винт",    "клава",     "Клава",   "мышь",   "Мышь",   "звук",
             "Звук",     "pentium",  "Pentium", "Microsoft", "Windows", "винд",   "Винд",   "CD",
             "программ", "Программ", "дельфи",  "Дельфи",    "бейсик",  "Бейсик", "Pascal", "Basic",
             "Delphi",   "hack",     "crack",   "хак",       "Хак",
         }}, // ComputerKeywords
        {temaFilms,
         {
             "Видео",   "видео",   "Фильм",          "фильм",  "Кино",   "кино",  "телев",
             "Телев",   "Видик",   "видик",          "Смотр",  "смотр",  "видел", "Видел",
             "Матрица", "матрица", "звездные войны", "кассет", "Кассет",
         }}, // FilmKeywords
        {temaMusic,
         {
             "музы", "Музы",  "групп", "Групп", "Металлика", "Metallica", "DJ",
             "песн", "Песн",  "Попс",  "попс",  "Рок",       "рок",       "рэп",
             "Рэп",  "Техно", "техно", "Рэйв",  "rave",      "Rave",      "techno",
             "MP3",  "mp3",   "ra",    "аудио", "Аудио",     "Слуша",     "слуша",
         }}, // MusicKeywords
    };
    return groups;
}

Tema DetectTopic(std::string_view phrase, Tema current)
{
    Tema tema = current;
    for (const KeywordGroup& group : TopicKeywordGroups()) {
        const auto& keywords = group.keywords.Entries();
        const bool matches = std::any_of(keywords.begin(), keywords.end(),
                                         [&](const auto& k) { return ContainsKeyword(phrase, k); });
        if (matches) {
            tema = group.tema;
        }
    }
    return tema;
}

} // namespace tolkar
