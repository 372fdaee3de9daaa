#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "ProgramSetup.h"
#include "TestSuites.h"

std::vector<TestSuiteFactory>& TestSuites()
{
    static std::vector<TestSuiteFactory> suites;
    return suites;
}

namespace {

// A test must never wait on a modal window that nobody closes: one left open this
// long is closed and counted as a failure.
class ModalWatchdog : public QObject
{
  public:
    ModalWatchdog()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal != lastSeen_) {
                lastSeen_ = modal;
                return;
            }
            qCritical("A modal window was left open: %s", qPrintable(modal->windowTitle()));
            ++leftOpen_;
            modal->close();
        });
        timer_.start(3000);
    }

    int LeftOpen() const { return leftOpen_; }

  private:
    QTimer timer_;
    QPointer<QWidget> lastSeen_;
    int leftOpen_ = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetUpProgram();
    ModalWatchdog watchdog;
    int failures = 0;
    for (const TestSuiteFactory& makeSuite : TestSuites()) {
        const std::unique_ptr<QObject> suite = makeSuite();
        failures += QTest::qExec(suite.get(), argc, argv);
    }
    return failures == 0 && watchdog.LeftOpen() == 0 ? 0 : 1;
}
