#include <QApplication>
#include <QTest>

#include "ProgramSetup.h"
#include "TestSuites.h"

std::vector<TestSuiteFactory>& TestSuites()
{
    static std::vector<TestSuiteFactory> suites;
    return suites;
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetUpProgram();
    int failures = 0;
    for (const TestSuiteFactory& makeSuite : TestSuites()) {
        const std::unique_ptr<QObject> suite = makeSuite();
        failures += QTest::qExec(suite.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
