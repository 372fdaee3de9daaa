#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// A read-only text view, lime on black, with a vertical scroll bar, that wraps
// long lines at its width. The user can select and copy its text.
class ConsoleMemo : public QPlainTextEdit
{
    Q_OBJECT

  public:
    ConsoleMemo(int fontPixelSize, QWidget* parent = nullptr);

    // Adds a line at the end, followed by a line break, and scrolls to it.
    void AppendLine(const QString& line);

    // The lines as the view lays them out: a line too long for the width counts as
    // the several lines it is shown on. The empty place after the last line break
    // is not a line.
    QStringList DisplayLines() const;
};
