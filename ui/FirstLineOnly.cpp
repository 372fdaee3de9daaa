#include "FirstLineOnly.h"

#include <QRegularExpression>

namespace {

qsizetype LineBreakAt(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    return text.indexOf(lineBreak);
}

} // namespace

QValidator::State FirstLineOnly::validate(QString& input, int& pos) const
{
    const qsizetype cut = LineBreakAt(input);
    if (cut < 0) {
        return Acceptable;
    }
    // The inserted text ends at the cursor; what follows it was there before.
    QString tail = pos > cut ? input.mid(pos) : QString();
    if (const qsizetype tailCut = LineBreakAt(tail); tailCut >= 0) {
        tail.truncate(tailCut);
    }
    input = input.left(cut) + tail;
    pos = static_cast<int>(cut);
    return Acceptable;
}
