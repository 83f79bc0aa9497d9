// The end-to-end tests' X server, started once for all of them.

#include <gtest/gtest.h>

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
    testing::AddGlobalTestEnvironment(new ServerEnvironment);
    return RUN_ALL_TESTS();
}
