#pragma once

// Seeds of the randomised tests. TAVRIN_TEST_SEED, where it is set, gives
// every one of them its seed, so that a failed run can be replayed; otherwise
// a test takes its own fixed seed or, without one, a fresh one each run. A
// test that fails says in one line which seed it used and how to replay it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <string>

class TestSeed {
public:
    explicit TestSeed(std::optional<unsigned> fixed = std::nullopt)
    {
        const char* given = std::getenv("TAVRIN_TEST_SEED");
        if (given && *given)
            fValue = unsigned(std::strtoul(given, nullptr, 10));
        else
            fValue = fixed ? *fixed : std::random_device()();
    }

    ~TestSeed()
    {
        if (testing::Test::HasFailure())
            std::cout << "seed " << fValue << "; replay: TAVRIN_TEST_SEED=" << fValue << " "
                      << CommandLine() << "\n";
    }

    TestSeed(const TestSeed&) = delete;
    TestSeed& operator=(const TestSeed&) = delete;

    operator unsigned() const { return fValue; }

private:
    // This program as it was started, for the failed test alone.
    static std::string CommandLine()
    {
        std::ifstream in("/proc/self/cmdline");
        std::string command, word;
        while (std::getline(in, word, '\0')) {
            if (word.rfind("--gtest_", 0) != 0)
                command += (command.empty() ? "" : " ") + word;
        }
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        return command + " --gtest_filter=" + test->test_suite_name() + "." + test->name();
    }

    unsigned fValue;
};
