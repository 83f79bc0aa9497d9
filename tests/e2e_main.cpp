// The end-to-end tests' X server, one for each run of the program.

#include <gtest/gtest.h>

#include <cstdlib>

#include "x_session.h"

namespace {

class ServerEnvironment : public testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(xsession::StartServer()) << "Xvfb did not start"; }
    void TearDown() override { xsession::StopServer(); }
};

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // The game and the screen reader speak English here, whatever the
    // tester's language, so that the tests know their words.
    setenv("LANGUAGE", "en", 1);
    testing::AddGlobalTestEnvironment(new ServerEnvironment);
    return RUN_ALL_TESTS();
}
