#pragma once

#include <string>
#include <vector>

#include "DialogView.h"

// Records every call the dialogue makes on the window, in order, and keeps the
// state a window would have (lines, input text), so a test can read both.
class FakeView : public tolkar::DialogView
{
  public:
    std::vector<std::string> lines;
    std::vector<std::string> calls;
    std::string input;
    bool inputEnabled = true;
    std::vector<std::string> warnings;

    void AppendLine(const std::string& line) override
    {
        lines.push_back(line);
        calls.push_back("append");
    }
    void ClearLines() override
    {
        lines.clear();
        calls.push_back("clear");
    }
    void EnableView() override { calls.push_back("enableView"); }
    std::string InputText() const override { return input; }
    void ClearInputText() override
    {
        input.clear();
        calls.push_back("clearInput");
    }
    void SetInputEnabled(bool enabled) override
    {
        inputEnabled = enabled;
        calls.push_back(enabled ? "enableInput" : "disableInput");
    }
    void FocusInput() override { calls.push_back("focus"); }
    void EnableSay() override { calls.push_back("enableSay"); }
    void EnableSave() override { calls.push_back("enableSave"); }
    void StartTimer() override { calls.push_back("startTimer"); }
    void ShowWarning(const std::string& text) override
    {
        warnings.push_back(text);
        calls.push_back("warning");
    }
};
