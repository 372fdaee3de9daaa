#pragma once

#include <memory>

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "ConsoleMemo.h"
#include "Cp1251.h"
#include "FlatButton.h"
#include "MessageDialog.h"
#include "PhraseTables.h"
#include "ScriptedRandom.h"
#include "UnitAI.h"

// A main window on its own, in a fresh current directory (for the learned-phrase
// file), with a scripted random source.
class MainWindowFixture
{
  public:
    MainWindowFixture() : oldDirectory_(QDir::currentPath())
    {
        QDir::setCurrent(directory_.path());
        window_ = std::make_unique<TfmMain>(random_);
        window_->show();
        window_->activateWindow();
    }

    ~MainWindowFixture()
    {
        window_.reset();
        QDir::setCurrent(oldDirectory_);
        MessageDialog::TakeAnswered();
    }

    bool Shown() { return QTest::qWaitForWindowActive(window_.get()); }

    TfmMain& Window() { return *window_; }
    ScriptedRandom& Random() { return random_; }
    QString PathOf(const QString& name) const { return directory_.filePath(name); }

    // A control of the main window by its name; the About box has names of its own.
    template <class Control> Control* Find(const char* name)
    {
        if (auto* direct = window_->findChild<Control*>(name, Qt::FindDirectChildrenOnly)) {
            return direct;
        }
        return window_->findChild<Control*>(name);
    }
    ConsoleMemo* View() { return Find<ConsoleMemo>("memoText"); }
    QLineEdit* Input() { return Find<QLineEdit>("edText"); }

    void Click(const char* button) { QTest::mouseClick(Find<FlatButton>(button), Qt::LeftButton); }

    // Types the phrase key by key; Cyrillic letters come as text, as from a keyboard
    // with a Russian layout.
    void Type(const QString& phrase)
    {
        for (const QChar letter : phrase) {
            QTest::sendKeyEvent(QTest::Click, Input(), Qt::Key_unknown, QString(letter),
                                Qt::NoModifier);
        }
    }

    void Say(const QString& phrase)
    {
        Type(phrase);
        QTest::keyClick(Input(), Qt::Key_Return);
    }

    // The lines the dialogue appended, one for each line however it is wrapped.
    QStringList ViewLines()
    {
        QStringList lines;
        const QTextDocument* document = View()->document();
        for (QTextBlock block = document->begin(); block != document->lastBlock();
             block = block.next()) {
            lines << block.text();
        }
        return lines;
    }

    static const tolkar::PhraseTables& Tables()
    {
        static const tolkar::PhraseTables tables = tolkar::FillPhraseTables();
        return tables;
    }
    static QString Entry(const tolkar::PhraseTable& table, int index)
    {
        return QString::fromStdString(tolkar::Cp1251ToUtf8(table[index]));
    }

  private:
    QString oldDirectory_;
    QTemporaryDir directory_;
    ScriptedRandom random_;
    std::unique_ptr<TfmMain> window_;
};
