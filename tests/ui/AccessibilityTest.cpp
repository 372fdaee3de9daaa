#include <QAccessible>
#include <QTimer>
#include <QToolTip>

#include "MainWindowFixture.h"
#include "TestSuites.h"

namespace {

// Every interface under the root, found by walking the tree as a screen reader
// does, keyed by the object name of the control behind it.
QHash<QString, QAccessibleInterface*> WalkTree(QAccessibleInterface* root)
{
    QHash<QString, QAccessibleInterface*> found;
    QList<QAccessibleInterface*> pending = {root};
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeFirst();
        if (node->object() != nullptr && !node->object()->objectName().isEmpty()) {
            found.insert(node->object()->objectName(), node);
        }
        for (int i = 0; i < node->childCount(); ++i) {
            if (QAccessibleInterface* child = node->child(i)) {
                pending << child;
            }
        }
    }
    return found;
}

} // namespace

// The main window as a screen reader sees it: names and roles of the controls, and
// the painted buttons pressed through their action, with no mouse at all.
class AccessibilityTest : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        fixture_ = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture_->Shown());
        tree_ = WalkTree(QAccessible::queryAccessibleInterface(&fixture_->Window()));
    }

    void cleanup()
    {
        QToolTip::hideText();
        fixture_.reset();
    }

    void namesAndRoles_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<bool>("pressable");
        QTest::newRow("Say") << "btnSay"
                             << "Сказать" << QAccessible::Button << true;
        QTest::newRow("New") << "btnNew"
                             << "Начать" << QAccessible::Button << true;
        QTest::newRow("Save") << "btnSave"
                              << "В файл" << QAccessible::Button << true;
        QTest::newRow("Help") << "btnHelp"
                              << "Help" << QAccessible::Button << true;
        QTest::newRow("About") << "btnAbout"
                               << "About" << QAccessible::Button << true;
        QTest::newRow("Close") << "btnClose"
                               << "Выйти из программы" << QAccessible::Button << true;
        QTest::newRow("loudspeaker") << "imgSound"
                                     << "Звук" << QAccessible::Button << true;
        QTest::newRow("conversation view") << "memoText"
                                           << "Разговор" << QAccessible::EditableText << false;
        QTest::newRow("input line") << "edText"
                                    << "Ваша фраза" << QAccessible::EditableText << false;
        QTest::newRow("skin") << "imgBG"
                              << "" << QAccessible::Graphic << false;
    }

    void namesAndRoles()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QAccessible::Role, role);
        QFETCH(bool, pressable);
        QAccessibleInterface* node = tree_.value(control);
        QVERIFY2(node != nullptr, "not reachable from the window");
        QCOMPARE(node->text(QAccessible::Name), name);
        QCOMPARE(node->role(), role);
        QCOMPARE(node->rect(), QRect(fixture_->Window().mapToGlobal(
                                         fixture_->Find<QWidget>(qPrintable(control))->pos()),
                                     fixture_->Find<QWidget>(qPrintable(control))->size()));
        const QAccessibleActionInterface* actions = node->actionInterface();
        QCOMPARE(actions != nullptr &&
                     actions->actionNames().contains(QAccessibleActionInterface::pressAction()),
                 pressable);
    }

    void windowNameAndHints()
    {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&fixture_->Window());
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("VORKAST Толкарь - 1.0 beta"));
        QCOMPARE(tree_.value("imgSound")->text(QAccessible::Description),
                 QStringLiteral("В данной бета-версии звука нет!\nЖдите обновлений!"));
    }

    // Disabled until a dialogue starts, as the mouse finds them; the press of a
    // disabled button does nothing.
    void disabledButtonsSayNothing()
    {
        for (const char* name : {"btnSay", "btnSave"}) {
            QAccessibleInterface* node = tree_.value(name);
            QVERIFY2(node->state().disabled, name);
            node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QVERIFY(MessageDialog::TakeAnswered().empty());
        QVERIFY(fixture_->ViewLines().isEmpty());
        QVERIFY(!tree_.value("btnNew")->state().disabled);
    }

    // Start by the button's press action, then only the keyboard: type, Enter, and
    // read the answer back through the view's text interface.
    void conversationWithoutMouse()
    {
        MainWindowFixture& f = *fixture_;
        const tolkar::PhraseTables& tables = MainWindowFixture::Tables();
        f.Random().Script({2, 1});
        tree_.value("btnNew")->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QCOMPARE(f.ViewLines(), QStringList({f.Entry(tables.Greetings, 2), ""}));
        QVERIFY(!tree_.value("btnSay")->state().disabled);
        QCOMPARE(QApplication::focusWidget(), f.Input());
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&f.Window());
        QCOMPARE(window->focusChild(), tree_.value("edText"));

        f.Say(QStringLiteral("Привет"));
        QAccessibleTextInterface* view = tree_.value("memoText")->textInterface();
        QVERIFY(view != nullptr);
        const QString read = view->text(0, view->characterCount());
        QVERIFY2(read.contains(QStringLiteral("ТЫ: Привет\n\n") + f.Entry(tables.Introductions, 1)),
                 qPrintable(read));
        QCOMPARE(QApplication::focusWidget(), f.Input());
    }

    void pressSayAnswers()
    {
        MainWindowFixture& f = *fixture_;
        f.Random().Script({1, 1});
        f.Click("btnNew");
        f.Type(QStringLiteral("Привет"));
        tree_.value("btnSay")->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QVERIFY(f.ViewLines().contains(QStringLiteral("ТЫ: Привет")));
        QVERIFY(f.Input()->text().isEmpty());
    }

    void pressHelpShowsTheMessage()
    {
        MessageDialog::QueueAnswer(QMessageBox::Ok);
        tree_.value("btnHelp")->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        const auto answered = MessageDialog::TakeAnswered();
        QCOMPARE(answered.size(), 1u);
        QCOMPARE(answered[0].caption, QStringLiteral("Information"));
    }

    void pressCloseEndsTheProgram()
    {
        tree_.value("btnClose")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!fixture_->Window().isVisible());
    }

    void pressLoudspeakerTellsItsHint()
    {
        tree_.value("imgSound")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(),
                 QStringLiteral("В данной бета-версии звука нет!\nЖдите обновлений!"));
    }

    // The About box opened and closed by press actions alone.
    void aboutBoxByPressActions()
    {
        QString closeName;
        QAccessible::Role closeRole = QAccessible::NoRole;
        bool closedByPress = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr) {
                return;
            }
            const auto tree = WalkTree(QAccessible::queryAccessibleInterface(box));
            if (QAccessibleInterface* close = tree.value("btnClose")) {
                closeName = close->text(QAccessible::Name);
                closeRole = close->role();
                close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            }
            closedByPress = !box->isVisible();
            box->close();
        });
        tree_.value("btnAbout")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(closeName, QStringLiteral("Закрыть"));
        QCOMPARE(closeRole, QAccessible::Button);
        QVERIFY(closedByPress);
    }

  private:
    std::unique_ptr<MainWindowFixture> fixture_;
    QHash<QString, QAccessibleInterface*> tree_;
};

static RegisterTestSuite<AccessibilityTest> registerAccessibilityTest;

#include "AccessibilityTest.moc"
