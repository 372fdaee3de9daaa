#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QObject>

// The test classes of this executable register themselves here; main runs them all.
using TestSuiteFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestSuiteFactory>& TestSuites();

template <class Suite> struct RegisterTestSuite
{
    RegisterTestSuite()
    {
        TestSuites().push_back([] { return std::make_unique<Suite>(); });
    }
};
