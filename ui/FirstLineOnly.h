#pragma once

#include <QValidator>

// A single-line input keeps only the first line of a pasted text, as the edit
// line of Windows does, so no line break can enter a phrase or the learned file.
class FirstLineOnly : public QValidator
{
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};
