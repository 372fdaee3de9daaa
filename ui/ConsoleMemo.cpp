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

namespace {

// Text blocks of about this many characters, ended at an LF. The document pays for
// every block it holds and the layout for every character of a block it shows.
constexpr qsizetype kBlockChars = 4096;

// An LF inside a line still breaks it on screen, but within its block.
QString WithLineSeparators(QStringView text)
{
    QString shown = text.toString();
    shown.replace(u'\n', QChar(QChar::LineSeparator));
    return shown;
}

} // namespace

void ConsoleMemo::AppendLine(const QString& line)
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    // A recalled file of many megabytes may come as one line full of LFs: it is
    // shown as blocks of a few thousand characters, split at LFs, not as a block
    // per LF, which costs the document seconds, nor as one block, which costs the layout.
    qsizetype from = 0;
    qsizetype split = -1;
    while (line.size() - from > kBlockChars &&
           (split = line.indexOf(u'\n', from + kBlockChars)) >= 0) {
        cursor.insertText(WithLineSeparators(QStringView(line).sliced(from, split - from)));
        cursor.insertBlock();
        from = split + 1;
    }
    cursor.insertText(WithLineSeparators(QStringView(line).sliced(from)));
    cursor.insertBlock();
    cursor.endEditBlock();
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
            QString shown = text.mid(line.textStart(), line.textLength());
            // The LF that ends a line on screen within a block is no text of it.
            if (shown.endsWith(QChar(QChar::LineSeparator))) {
                shown.chop(1);
            }
            lines << shown;
        }
    }
    return lines;
}
