#pragma once

#include <string>

#include "Cp1251Text.h"

// The character's fixed replies, written out again as the reference to test against.

inline std::string YesAnswer()
{
    return W(R"(Что "Да"? Ты со мной согласен? Это приятно... Давай, все же, о чем-то более )"
             R"(конкретном поговорим...)");
}
inline std::string NoAnswer()
{
    return W("Нет? Я что-то не так говорю? Если не согласен, аргументируй - ближе к делу!");
}
inline std::string VorkastAnswer()
{
    return W("Vorkast - это РУЛЕЗ ФОРЭВА! :-) На момент написания этой проги еще не вышел "
             "ARCANUM, но, знаешь ли, жду его с нетерпением!");
}
inline std::string StarcraftAnswer()
{
    return W("Starcraft - это тоже КУЛЛ! Я не успокоился, пока не прошел его в свое время вдоль "
             "и поперек.");
}
inline std::string FarewellAnswer()
{
    return W(
        "Уже уходишь? Какая жалость! Только разговор начали! Ну ладно, ты возвращайся скорее!");
}
