#pragma once

#include <string>

namespace tolkar {

// What the dialogue needs of the window. All texts are Windows-1251 bytes.
// The window implements it; tests implement it with a recorder.
class DialogView
{
  public:
    virtual ~DialogView() = default;

    virtual void AppendLine(const std::string& line) = 0;
    virtual void ClearLines() = 0;
    virtual void EnableView() = 0;

    virtual std::string InputText() const = 0;
    virtual void ClearInputText() = 0;
    virtual void SetInputEnabled(bool enabled) = 0;
    virtual void FocusInput() = 0;

    virtual void EnableSay() = 0;
    virtual void EnableSave() = 0;
    virtual void StartTimer() = 0;

    // A modal warning box; a carriage return in the text breaks the line.
    virtual void ShowWarning(const std::string& text) = 0;
};

} // namespace tolkar
