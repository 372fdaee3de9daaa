#include "ConsoleMemo.h"

#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "ConsoleLook.h"

ConsoleMemo::ConsoleMemo(int fontPixelSize, QWidget* parent) : QPlainTextEdit(parent)
{
    ApplyConsoleLook(this, fontPixelSize);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Always shown, so the width that lines wrap at never changes.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    document()->setDocumentMargin(1);
}

void ConsoleMemo::AppendLine(const QString& line)
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(line);
    cursor.insertBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

QStringList ConsoleMemo::DisplayLines() const
{
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document()->documentLayout());
    QStringList lines;
    const QTextBlock last = document()->lastBlock();
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        if (block == last && block.text().isEmpty()) {
            break;
        }
        layout->ensureBlockLayout(block);
        const QString text = block.text();
        const QTextLayout* blockLayout = block.layout();
        for (int i = 0; i < blockLayout->lineCount(); ++i) {
            const QTextLine line = blockLayout->lineAt(i);
            lines << text.mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}
